#pragma once
#include <cstdint>
#include <filesystem>

#include "convert/stream_file.h"
#include "figure/jww_figure.h"

namespace torvane {

// The attribute conversions asked for on the settings tab, each 0 when off:
// TranKyo 1 clears the curve attributes, 2 makes them all one curve; TranCol 1..25 chooses the
// colour that SXF user colours become; TranLtp 1..33 the line type that SXF user line types become.
struct AttributeConversions {
    int TranKyo = 0;
    int TranCol = 0;
    int TranLtp = 0;

    bool Any() const { return TranKyo > 0 || TranCol > 0 || TranLtp > 0; }
};

// Colour of the list entry TranCol: 1..9 the pens, 10..25 the SXF colours 101..116; 0 outside.
std::uint16_t SxfColorTarget(int TranCol);
// Line type of the list entry TranLtp: 1..9, 11..19 (entries 10..18), 31..45 (entries 19..33);
// 0 outside.
std::uint8_t SxfLineTypeTarget(int TranLtp);

// Each changes the document in place and does nothing when its setting is 0 or out of range.
// Block definitions' members and dimension parts are included; a dimension's SXF parts only in
// figures of version 420 or later.
void ConvertCurveAttr(TJwwFigureData& doc, int TranKyo);
void ConvertSxfColor(TJwwFigureData& doc, int TranCol);
void ConvertSxfLineType(TJwwFigureData& doc, int TranLtp);

// The three in their order: curve, colour, line type.
void ApplyAttributeConversions(TJwwFigureData& doc, const AttributeConversions& conversions);

// The conversions of a transfer on the figure stream file f, through the document `JCF`: the
// file is read and written back only when at least one conversion is on and it reads as a whole.
StreamFileOutcome ConvertAttributesFile(const std::filesystem::path& f, const AttributeConversions& conversions,
                                        TJcfData& JCF);

}  // namespace torvane
