#pragma once
#include "figure/jcf_data.h"

namespace torvane::test {

// A version-600 figure with its base point at (100, 50) and every kind of entity: a line, a
// partial ellipse arc, a whole circle, an ordinary and a marker point, a text, a vertical text and
// an image text, an SXF-mode dimension, a quadrilateral and arc solids of styles 101, 105 and 111,
// and a rotated insertion of a block definition that holds a line and a text.
TJcfData SampleFigure();

}  // namespace torvane::test
