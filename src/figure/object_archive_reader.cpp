#include "figure/object_archive_reader.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <type_traits>

#include "figure/archive_strings.h"

namespace torvane {
namespace {

constexpr std::int32_t kDefinitionClass = 8;
constexpr std::size_t kMaxClassNameLength = 2047;
constexpr std::uint32_t kMarkerPoint = 100;
constexpr std::uint16_t kOwnColor = 10;

// Bytes of each kind's fixed part after the attributes (a dimension's fixed part is its own
// attributes only).
constexpr std::size_t kFixedAfterAttr[] = {0, 32, 60, 20, 68, 0, 64, 44};

std::int32_t KindOfClassName(std::string_view name) {
    static constexpr std::string_view kNames[] = {"CDataSen",    "CDataEnko",  "CDataTen",  "CDataMoji",
                                                  "CDataSunpou", "CDataSolid", "CDataBlock"};
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        if (name == kNames[i]) return static_cast<std::int32_t>(i + 1);
    }
    return 0;
}

// Sizes that are not finite numbers would make the text undrawable.
void RepairTextSizes(TEntJwwMoji& text) {
    if (!std::isfinite(text.dSizeX)) text.dSizeX = 3.0;
    if (!std::isfinite(text.dSizeY)) text.dSizeY = 3.0;
    if (!std::isfinite(text.dKankaku)) text.dKankaku = 0;
}

// Entries of the order table the bytes after the count could still describe: every object
// begins with a tag of at least two bytes.
// The smallest block definition: tag, attributes, three numbers, an empty name and count.
constexpr std::size_t kMinDefinitionBytes = 2 + 13 + 12 + 1 + 2;

// Records of one kind an array holds before it is sized from the share of its kind in the
// objects read so far; below that it doubles, starting at kFirstRecords.
constexpr std::size_t kSharedSample = 64;
constexpr std::size_t kFirstRecords = 8;

std::size_t PlausibleObjects(const ByteReader& in, std::uint32_t count) {
    return std::min<std::size_t>(count, in.remaining() / 2 + 1);
}

}  // namespace

ObjectArchiveReader::ObjectArchiveReader(ByteReader& in, TJwwFigureData& doc, std::int32_t version,
                                         std::vector<TEntJwwMoji> old_texts)
    : in_(in),
      doc_(doc),
      attr_size_(version <= 350 ? 13 : 15),
      dimension_parts_(version >= 420),
      old_texts_(std::move(old_texts)) {}

bool ObjectArchiveReader::ReadCount(ByteReader& in, std::uint32_t& count) {
    count = in.U16();
    if (count == 0xFFFF) count = in.U32();
    return in.ok();
}

bool ObjectArchiveReader::ReadObjectsAndDefinitions(std::uint32_t count) {
    TEntJcfHeader& hd = doc_.Header();
    // The old texts are overwritten in place, one by one; those left over are removed at the end.
    doc_.EntMoji = std::move(old_texts_);
    bool complete = false;
    try {
        doc_.EntNo.reserve(PlausibleObjects(in_, count));
        ReadObjectList(count, doc_, doc_.EntNo);
        std::uint32_t definitions = 0;
        if (!ReadCount(in_, definitions)) throw FormatError{};
        doc_.EntBlockDef.reserve(std::min<std::size_t>(definitions, in_.remaining() / kMinDefinitionBytes + 1));
        for (std::uint32_t i = 0; i < definitions; ++i) ReadDefinition(i + 1);
        // A dropped record means the data ended early, even when it was the very last one.
        complete = !dropped_;
    } catch (const FormatError&) {
        complete = false;
    }
    doc_.EntMoji.erase(doc_.EntMoji.begin() + static_cast<std::ptrdiff_t>(texts_read_), doc_.EntMoji.end());
    doc_.CountEntities();
    hd.n1 = static_cast<std::int32_t>(doc_.EntNo.size());
    hd.n2 = doc_.EntBlockDefN;
    return complete;
}

template <class Owner>
void ObjectArchiveReader::ReadObjectList(std::uint32_t count, Owner& owner, std::vector<TEntJwwNo>& order) {
    plain_factor_ = std::is_same_v<Owner, TEntJwwBlockMembers> ? 0.0 : 1.0;
    list_count_ = count;
    for (list_read_ = 0; list_read_ < count;) {
        const std::int32_t kind = ReadTag(true);
        if (kind == 0) continue;
        ++list_read_;
        const std::int32_t index = ReadEntity(kind, owner);
        order.push_back(index >= 0 ? TEntJwwNo{kind, index} : TEntJwwNo{});
        ++next_map_number_;
    }
}

void ObjectArchiveReader::ReadDefinition(std::uint32_t position) {
    ReadTag(false);
    if (!in_.CanHold(1, attr_size_ + 12)) throw FormatError{};
    TEntJwwBlockDef def;
    ReadAttr(def.att);
    def.nNumber = in_.U32();
    def.bRefferd = in_.U32();
    def.dtime = in_.U32();
    if (static_cast<std::int32_t>(def.dtime) < 0) {
        if (!in_.Skip(8)) throw FormatError{};
        def.dtime = position;
    }
    ReadString(def.strName);
    std::uint32_t count = 0;
    if (!ReadCount(in_, count)) throw FormatError{};
    ++next_map_number_;
    doc_.EntBlockDef.push_back(std::move(def));
    if (count == 0) return;
    TEntJwwBlockMembers& members = doc_.EntBlockDef.back().EditMembers();
    members.mNo.reserve(PlausibleObjects(in_, count));
    ReadObjectList(count, members, members.mNo);
}

std::int32_t ObjectArchiveReader::ReadTag(bool object_list) {
    const std::uint16_t tag = in_.U16();
    Require();
    if (tag == 0xFFFF) {
        in_.U16();  // schema; the stream's version comes from the first one
        const std::uint16_t length = in_.U16();
        Require();
        if (length > kMaxClassNameLength) throw FormatError{};
        const auto name = in_.Bytes(length);
        Require();
        const std::int32_t kind =
            KindOfClassName(std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
        if (object_list && kind == 0) throw FormatError{};
        classes_.emplace_back(next_map_number_++, kind == 0 ? kDefinitionClass : kind);
        return kind;
    }
    std::uint32_t map_number = 0;
    if (tag == 0x7FFF) {
        map_number = in_.U32() & 0x7FFFFFFF;
        Require();
    } else if (tag & 0x8000) {
        map_number = tag & 0x7FFF;
    } else {
        return 0;
    }
    const auto found = std::lower_bound(classes_.begin(), classes_.end(), std::make_pair(map_number, 0));
    if (found == classes_.end() || found->first != map_number || found->second == kDefinitionClass) return 0;
    return found->second;
}

template <class Owner>
std::int32_t ObjectArchiveReader::ReadEntity(std::int32_t kind, Owner& owner) {
    // A record whose fixed part is not there is dropped; the data has ended.
    if (!in_.CanHold(1, attr_size_ + kFixedAfterAttr[kind])) {
        in_.Skip(in_.remaining());
        dropped_ = true;
        return -1;
    }
    std::int32_t index = -1;
    ForEachEntityArray(owner, [&](std::int32_t array_kind, auto& records, std::int32_t) {
        if (array_kind != kind) return;
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(records)>, std::vector<TEntJwwMoji>>) {
            if (&records == &doc_.EntMoji) {
                index = ReadOwnText();
                return;
            }
        }
        if (records.size() == records.capacity()) Grow(records, kind);
        // A record that breaks off after its fixed part is not kept.
        try {
            if (Read(records.emplace_back())) index = static_cast<std::int32_t>(records.size() - 1);
        } catch (const FormatError&) {
            records.pop_back();
            throw;
        }
    });
    return index;
}

std::int32_t ObjectArchiveReader::ReadOwnText() {
    std::vector<TEntJwwMoji>& texts = doc_.EntMoji;
    if (texts_read_ == texts.size()) {
        if (texts.size() == texts.capacity()) Grow(texts, kEntMoji);
        texts.emplace_back();
    }
    // A text that breaks off after its fixed part stays behind the texts read, and is removed
    // with the old ones left over.
    if (!Read(texts[texts_read_])) return -1;
    return static_cast<std::int32_t>(texts_read_++);
}

template <class Record>
void ObjectArchiveReader::Grow(std::vector<Record>& records, std::int32_t kind) {
    const std::size_t size = records.size();
    std::size_t wanted = std::max(2 * size, kFirstRecords);
    if (size >= kSharedSample) {
        const std::uint64_t at_share = (std::uint64_t{size} + 1) * list_count_ / list_read_;
        wanted = std::max(static_cast<std::size_t>(at_share), size + size / 2);
    }
    // The rest of the list, and the bytes left for records of this kind, bound the new records.
    const std::size_t min_bytes = 2 + attr_size_ + kFixedAfterAttr[kind];
    const std::size_t possible = std::min<std::size_t>(list_count_ - list_read_, in_.remaining() / min_bytes) + 1;
    records.reserve(size + std::min(wanted - size, possible));
}

bool ObjectArchiveReader::ReadAttr(TEntJwwAttr& att) {
    att.lGroup = in_.U32();
    att.nPenStyle = in_.U8();
    att.nPenColor = in_.U16();
    att.nPenWidth = attr_size_ == 15 ? in_.U16() : 0;
    att.nLayer = in_.U16();
    att.nGLayer = in_.U16();
    att.sFlg = in_.U16();
    return in_.ok();
}

bool ObjectArchiveReader::Read(TEntJwwLine& line) {
    ReadAttr(line.att);
    line.start_x = in_.Double();
    line.start_y = in_.Double();
    line.end_x = in_.Double();
    line.end_y = in_.Double();
    Require();
    return true;
}

bool ObjectArchiveReader::Read(TEntJwwEnko& arc) {
    ReadAttr(arc.att);
    arc.start_x = in_.Double();
    arc.start_y = in_.Double();
    arc.dHankei = in_.Double();
    arc.radKaishiKaku = in_.Double();
    arc.radEnkoKaku = in_.Double();
    arc.radKatamukiKaku = in_.Double();
    arc.dHenpeiRitsu = in_.Double();
    arc.bZenEnFlg = in_.U32();
    Require();
    return true;
}

bool ObjectArchiveReader::Read(TEntJwwTen& point) { return ReadPoint(point, plain_factor_); }

bool ObjectArchiveReader::ReadPoint(TEntJwwTen& point, double plain_factor) {
    ReadAttr(point.att);
    point.start_x = in_.Double();
    point.start_y = in_.Double();
    point.bKariten = in_.U32();
    Require();
    if (point.att.nPenStyle == kMarkerPoint) {
        ReadMarker(point);
    } else {
        point.nCode = 0;
        point.radKaitenKaku = 0;
        point.dBairitsu = plain_factor;
    }
    return true;
}

void ObjectArchiveReader::ReadMarker(TEntJwwTen& point) {
    point.nCode = in_.U32();
    point.radKaitenKaku = in_.Double();
    point.dBairitsu = in_.Double();
    Require();
}

bool ObjectArchiveReader::Read(TEntJwwMoji& text) {
    ReadAttr(text.att);
    text.start_x = in_.Double();
    text.start_y = in_.Double();
    text.end_x = in_.Double();
    text.end_y = in_.Double();
    text.nMojiShu = in_.U32();
    text.dSizeX = in_.Double();
    text.dSizeY = in_.Double();
    text.dKankaku = in_.Double();
    text.degKakudo = in_.Double();
    Require();
    ReadString(text.strFontName);
    ReadString(text.str);
    RepairTextSizes(text);
    return true;
}

bool ObjectArchiveReader::Read(TEntJwwSunpo& dim) {
    ReadAttr(dim.att);
    Require();
    Read(dim.Sen);
    Read(dim.Moji);
    if (!dimension_parts_) {
        dim.bSxfMode = 0;
        dim.Ho1 = TEntJwwLine{dim.att};
        dim.Ho2 = TEntJwwLine{dim.att};
        TEntJwwTen point{dim.att};
        point.att.nPenStyle = 0;
        dim.Te1 = dim.Te2 = dim.Kt1 = dim.Kt2 = point;
        return true;
    }
    dim.bSxfMode = in_.U16();
    Require();
    Read(dim.Ho1);
    Read(dim.Ho2);
    for (TEntJwwTen* point : {&dim.Te1, &dim.Te2, &dim.Kt1, &dim.Kt2}) ReadPoint(*point, 0.0);
    return true;
}

bool ObjectArchiveReader::Read(TEntJwwSolid& solid) {
    ReadAttr(solid.att);
    solid.start_x = in_.Double();
    solid.start_y = in_.Double();
    solid.end_x = in_.Double();
    solid.end_y = in_.Double();
    solid.DPoint2_x = in_.Double();
    solid.DPoint2_y = in_.Double();
    solid.DPoint3_x = in_.Double();
    solid.DPoint3_y = in_.Double();
    solid.Color = solid.att.nPenColor == kOwnColor ? in_.U32() : 0;
    Require();
    return true;
}

bool ObjectArchiveReader::Read(TEntJwwBlock& block) {
    ReadAttr(block.att);
    block.DPKijunTen_x = in_.Double();
    block.DPKijunTen_y = in_.Double();
    block.dBairitsuX = in_.Double();
    block.dBairitsuY = in_.Double();
    block.radKaitenKaku = in_.Double();
    block.nNumber = in_.U32();
    Require();
    return true;
}

void ObjectArchiveReader::ReadString(std::u16string& out) {
    bool utf16 = false;
    if (!ReadArchiveString(in_, out, utf16)) throw FormatError{};
    if (utf16) doc_.MojiEncode = true;
}

void ObjectArchiveReader::Require() const {
    if (!in_.ok()) throw FormatError{};
}

}  // namespace torvane
