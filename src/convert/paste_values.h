#pragma once
#include <string>
#include <string_view>

namespace torvane {

// The paste transform as the palette asks for it: the cleaned texts of the scale and angle
// boxes, the numbers derived from them, and the two check boxes.
struct PasteTransformValues {
    std::u16string PasteBai;  // scale text, blanks removed
    double PasteBaX = 1;      // scale along the document's x axis
    double PasteBaY = 1;      // scale along the document's y axis
    std::u16string PasteAng;  // angle text in degrees, blanks removed
    double PasteAnr = 0;      // rotation in radians, in [0, 2π)
    bool PasteMoj = false;    // text sizes follow the transform
    bool PasteTen = false;    // marker sizes follow the transform
};

// Derives the values from the texts of the scale box ("2", or "sx,sy") and of the angle box
// (degrees). Empty, malformed or near-zero scales mean 1; malformed angles mean 0.
PasteTransformValues ReadPasteValues(std::u16string_view scale_text, std::u16string_view angle_text,
                                     bool text_scale, bool point_scale);

// True when the values neither scale nor rotate.
bool ChangesNothing(const PasteTransformValues& values);

// An angle in radians brought into [0, 2π); a result within 1e-10 of 0 or of 2π becomes 0.
// Not finite angles become 0.
double ReduceAngle(double rad);

}  // namespace torvane
