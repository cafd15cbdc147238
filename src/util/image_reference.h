#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// A placed image, written as the text "^@BM" + file name + "," + numbers. The rectangle
// stands on the text's start point: w wide, h high, turned by dan degrees counter-clockwise.
struct ImageReference {
    std::u16string file;
    double w = 0;
    double h = 0;
    double drx = 0;    // left crop, fraction of the image width
    double dry = 0;    // bottom crop, fraction of the image height
    double drr = 1.0;  // zoom, fraction of the image width shown
    double dan = 0;    // rotation in degrees
    std::vector<int> extra;  // the 7th to 9th numbers, kept but unused for drawing
    bool long_form = false;  // three or more numbers
};

// True when a text's string begins with "^@BM" (an image, or a broken reference).
bool IsImageText(std::u16string_view str);
// The reference in a text's string; nothing unless it begins with "^@BM" and holds a comma.
// Numbers that are not decimal numbers read as 0.
std::optional<ImageReference> ParseImageReference(std::u16string_view str);

// The file an image reference names: a name beginning "%temp%" lies in the document's
// bound-image folder (BindImageFolder, which ends with its separator); any other name stands
// as it is.
std::u16string ImageFilePath(std::u16string_view file, std::u16string_view bindImageFolder);

}  // namespace torvane
