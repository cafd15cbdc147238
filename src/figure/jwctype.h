#pragma once
#include <cstdint>
#include <string>

namespace torvane {

// Records of JWK figure files. Coordinates and sizes are in the file's own units (divide by
// the header's scale for millimetres); angles are degrees. The layer byte `lay` holds the
// layer in its low four bits and the layer group in its high four bits.

struct TEntJwcLine {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    uint8_t typ = 0;  // line type
    uint8_t col = 0;  // pen number
    uint8_t lay = 0;
    uint8_t flg1 = 0, flg2 = 0, flg3 = 0;
};

struct TEntJwcArc2 {
    float x = 0, y = 0;  // centre
    float r = 0;         // radius
    float h = 0;         // flatness: minor radius divided by r
    float st = 0, et = 0;  // start and end angle
    float tt = 0;          // tilt
    uint8_t typ = 0, col = 0, lay = 0;
    uint8_t flg1 = 0, flg2 = 0, flg3 = 0;
};

struct TEntJwcTen {
    float x = 0, y = 0;
    uint8_t lay = 0, col = 0;
    uint8_t flg1 = 0, flg2 = 0;
};

struct TEntJwcMoji2 {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // start and end of the baseline
    int32_t p = 0;                         // offset of the string in the file's string area
    uint8_t no = 0;                        // text type 1 to 10
    uint8_t lay = 0;
    uint8_t flg1 = 0, flg2 = 0;
    std::u16string s;
};

// Sizes in tenths of a millimetre.
struct TEntJwcMojiType {
    uint16_t penNo = 0, width = 0, height = 0, dist = 0;
};

}  // namespace torvane
