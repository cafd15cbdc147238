#pragma once
// The shared helpers: numbers, strings, encodings, Japanese text, geometry, colours, files, waiting.
#include "util/colors.h"
#include "util/encodings.h"
#include "util/era_date.h"
#include "util/files.h"
#include "util/full_width.h"
#include "util/geometry.h"
#include "util/numbers.h"
#include "util/strings.h"
#include "util/text_widths.h"
#include "util/wait.h"
