#pragma once
#include "figure/jww_figure.h"

namespace torvane::test {

// Expects the two figures to hold the same entities, block definitions, order tables and
// layer-group scales: attributes, flags, counts and strings equal, coordinates and sizes within
// `tolerance`, angles equal on the circle.
void ExpectSameFigure(const TJwwFigureData& expected, const TJwwFigureData& actual, double tolerance);

}  // namespace torvane::test
