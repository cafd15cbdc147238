#pragma once
// The shared helpers: numbers, strings, encodings, Japanese text, geometry, colours, files, waiting.
#include "util/colors.h"
#include "util/encodings.h"
#include "util/files.h"
#include "util/geometry.h"
#include "util/jtext.h"
#include "util/numbers.h"
#include "util/strings.h"
#include "util/wait.h"
