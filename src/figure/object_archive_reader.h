#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "figure/jww_figure.h"
#include "util/byte_reader.h"

namespace torvane {

// Reads the object archive of a figure stream or JWS file (object list, then block
// definition list) into a document. Classes are described once by name and referred to by
// map number afterwards; map numbers are shared by classes and objects.
class ObjectArchiveReader {
public:
    // `version` decides the record forms: short attributes up to 350, dimension parts from 420.
    ObjectArchiveReader(ByteReader& in, TJwwFigureData& doc, std::int32_t version);

    // Reads a count: a u16, or 0xFFFF and a u32. False when it cannot be read.
    static bool ReadCount(ByteReader& in, std::uint32_t& count);

    // Reads `count` objects into the document's arrays and order table, then the definition
    // count and the definitions. False on a format error; what was read stays in the document,
    // and n1, n2 and every definition's N then give the entries actually held.
    bool ReadObjectsAndDefinitions(std::uint32_t count);

private:
    struct FormatError {};

    // The entity arrays of the figure or of one block definition.
    struct Target {
        std::vector<TEntJwwNo>& order;
        std::vector<TEntJwwLine>& lines;
        std::vector<TEntJwwEnko>& arcs;
        std::vector<TEntJwwTen>& points;
        std::vector<TEntJwwMoji>& texts;
        std::vector<TEntJwwSunpo>& dimensions;
        std::vector<TEntJwwSolid>& solids;
        std::vector<TEntJwwBlock>& blocks;
        bool in_definition;
    };

    void ReadObjectList(std::uint32_t count, const Target& target);
    void ReadDefinition(std::uint32_t position);
    // The kind the object's class stands for, 0 when the tag names no entity class.
    std::int32_t ReadTag(bool object_list);
    bool ReadEntity(std::int32_t kind, const Target& target);

    bool ReadAttr(TEntJwwAttr& att);
    bool ReadLine(TEntJwwLine& line);
    bool ReadArc(TEntJwwEnko& arc);
    bool ReadPoint(TEntJwwTen& point, double plain_factor);
    bool ReadText(TEntJwwMoji& text);
    bool ReadDimension(TEntJwwSunpo& dim);
    bool ReadSolid(TEntJwwSolid& solid);
    bool ReadBlock(TEntJwwBlock& block);
    void ReadMarker(TEntJwwTen& point);
    std::u16string ReadString();
    void Require() const;

    ByteReader& in_;
    TJwwFigureData& doc_;
    std::size_t attr_size_;
    bool dimension_parts_;
    std::uint32_t next_map_number_ = 1;
    bool dropped_ = false;
    std::vector<std::pair<std::uint32_t, std::int32_t>> classes_;  // map number, kind; ascending
};

}  // namespace torvane
