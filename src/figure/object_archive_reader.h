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
    // The texts of the figure's own list take the place (and the string memory) of `old_texts`,
    // the texts of the figure read before; the array keeps its memory too.
    ObjectArchiveReader(ByteReader& in, TJwwFigureData& doc, std::int32_t version,
                        std::vector<TEntJwwMoji> old_texts = {});

    // Reads a count: a u16, or 0xFFFF and a u32. False when it cannot be read.
    static bool ReadCount(ByteReader& in, std::uint32_t& count);

    // Reads `count` objects into the document's arrays and order table, then the definition
    // count and the definitions. False on a format error; what was read stays in the document,
    // and n1, n2 and every definition's N then give the entries actually held.
    bool ReadObjectsAndDefinitions(std::uint32_t count);

private:
    struct FormatError {};

    // Reads `count` objects into the entity arrays of `owner` (the document or one block
    // definition) and its order table.
    template <class Owner>
    void ReadObjectList(std::uint32_t count, Owner& owner, std::vector<TEntJwwNo>& order);
    void ReadDefinition(std::uint32_t position);
    // The kind the object's class stands for, 0 when the tag names no entity class.
    std::int32_t ReadTag(bool object_list);
    // Reads one entity of `kind` into its array of `owner`; its index there, -1 when it is not
    // kept. (A plain index: an optional one costs a store-forwarding stall per entity.)
    template <class Owner>
    std::int32_t ReadEntity(std::int32_t kind, Owner& owner);
    // Reads a text of the figure's own list over the next old text while there is one, else at
    // the end; its index, -1 when it is not kept.
    std::int32_t ReadOwnText();
    // Room for more records in a full array: it grows to the records of its kind the whole list
    // would hold at the share of the kind so far (doubling while that share rests on few
    // records), and never beyond what the rest of the list and the remaining bytes could hold.
    template <class Record>
    void Grow(std::vector<Record>& records, std::int32_t kind);

    bool ReadAttr(TEntJwwAttr& att);
    bool Read(TEntJwwLine& line);
    bool Read(TEntJwwEnko& arc);
    // A plain point (no marker) of the object list being read gets the size factor plain_factor_.
    bool Read(TEntJwwTen& point);
    bool Read(TEntJwwMoji& text);
    bool Read(TEntJwwSunpo& dim);
    bool Read(TEntJwwSolid& solid);
    bool Read(TEntJwwBlock& block);
    bool ReadPoint(TEntJwwTen& point, double plain_factor);
    void ReadMarker(TEntJwwTen& point);
    void ReadString(std::u16string& out);
    void Require() const;

    ByteReader& in_;
    TJwwFigureData& doc_;
    std::size_t attr_size_;
    bool dimension_parts_;
    std::uint32_t next_map_number_ = 1;
    bool dropped_ = false;
    double plain_factor_ = 1.0;  // 1 in the figure's own list, 0 in a block definition
    std::vector<TEntJwwMoji> old_texts_;
    std::size_t texts_read_ = 0;  // texts of the figure's own list
    std::uint32_t list_count_ = 0;  // objects of the list being read
    std::uint32_t list_read_ = 0;   // of them read so far
    std::vector<std::pair<std::uint32_t, std::int32_t>> classes_;  // map number, kind; ascending
};

}  // namespace torvane
