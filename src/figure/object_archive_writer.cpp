#include "figure/object_archive_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <span>

#include "figure/archive_strings.h"
#include "figure/definition_index.h"
#include "util/byte_writer.h"

namespace torvane {
namespace {

constexpr std::int32_t kDefinitionKind = 8;
constexpr std::uint32_t kShortReferenceLimit = 0x7FFE;
constexpr std::string_view kClassNames[] = {"",          "CDataSen",   "CDataEnko",  "CDataTen", "CDataMoji",
                                            "CDataSunpou", "CDataSolid", "CDataBlock", "CDataList"};

// SXF colours 101..116 as Jw_cad pen colours.
constexpr std::uint16_t kSxfColorToPen[] = {2, 8, 3, 6, 4, 5, 1, 2, 5, 8, 4, 3, 6, 5, 2, 2};
// SXF line types 31..45 as Jw_cad line types.
constexpr std::uint8_t kSxfStyleToJw[] = {1, 4, 3, 6, 8, 8, 2, 5, 7, 6, 6, 8, 8, 17, 17};

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

// The attributes as written for an entity of `kind` (8 = block definition).
TEntJwwAttr NormalisedAttr(TEntJwwAttr att, std::int32_t kind, std::int32_t ver) {
    int style = att.nPenStyle;
    int color = att.nPenColor;
    if (ver < 420) {
        if (kind == kEntLine || kind == kEntEnko) {
            if (InRange(style, 31, 45)) style = kSxfStyleToJw[style - 31];
            else if (InRange(style, 46, 62)) style = DefPenStyle;
        }
        if (InRange(kind, 1, 6)) {
            if (InRange(color, 101, 116)) color = kSxfColorToPen[color - 101];
            else if (InRange(color, 117, 356)) color = DefPenColor;
        }
    }
    if (kind == kEntLine || kind == kEntEnko) {
        if (!(InRange(style, 1, 9) || InRange(style, 11, 19) || InRange(style, 31, 62))) style = DefPenStyle;
    } else if (kind == kEntTen) {
        if (style != 1 && style != 100) style = 1;
    } else if (kind == kEntMoji) {
        if (!InRange(style, 1, 9)) style = 1;
    }
    if (InRange(kind, 1, 6)) {
        const int top_pen = kind == kEntSolid ? 10 : 9;
        if (!(InRange(color, 1, top_pen) || InRange(color, 101, 356))) color = DefPenColor;
    }
    att.nPenStyle = static_cast<std::uint8_t>(style);
    att.nPenColor = static_cast<std::uint16_t>(color);
    if (att.nLayer > 15) att.nLayer = 0;
    if (att.nGLayer > 15) att.nGLayer = 0;
    if (att.nPenWidth > 30000) att.nPenWidth = 0;
    return att;
}

double TextSize(double size) { return std::clamp(std::fabs(size), 1e-10, 1e10); }

// A view of the entity arrays of the figure or of one block definition.
struct Entities {
    const std::vector<TEntJwwNo>& order;
    std::int32_t order_count;
    std::array<std::int32_t, 8> counts;  // by kind
    const std::vector<TEntJwwLine>& lines;
    const std::vector<TEntJwwEnko>& arcs;
    const std::vector<TEntJwwTen>& points;
    const std::vector<TEntJwwMoji>& texts;
    const std::vector<TEntJwwSunpo>& dimensions;
    const std::vector<TEntJwwSolid>& solids;
    const std::vector<TEntJwwBlock>& blocks;

    std::int32_t OrderCount() const { return std::clamp<std::int32_t>(order_count, 0, static_cast<std::int32_t>(order.size())); }
    bool Valid(const TEntJwwNo& no) const {
        return no.EntType >= 1 && no.EntType <= 7 && no.EntNo >= 0 && no.EntNo < counts[no.EntType];
    }
};

std::int32_t Bounded(std::int32_t count, std::size_t size) {
    return std::clamp<std::int32_t>(count, 0, static_cast<std::int32_t>(std::min<std::size_t>(size, INT32_MAX)));
}

// Bytes of the records of one entity array: tag, attributes and fixed part, with room for
// a short string per text and the parts of a dimension.
std::size_t RecordBytes(std::size_t lines, std::size_t arcs, std::size_t points, std::size_t texts,
                        std::size_t dimensions, std::size_t solids, std::size_t blocks) {
    constexpr std::size_t kHead = 2 + 15;
    return lines * (kHead + 32) + arcs * (kHead + 60) + points * (kHead + 20) + texts * (kHead + 68 + 16) +
           dimensions * (kHead + 320) + solids * (kHead + 64) + blocks * (kHead + 44);
}

// A little above the size of the written stream, so that the output is allocated once.
std::size_t EstimatedBytes(const TJcfData& doc) {
    std::size_t bytes = 256 + RecordBytes(doc.EntLine.size(), doc.EntEnko.size(), doc.EntTen.size(), doc.EntMoji.size(),
                                          doc.EntSunpo.size(), doc.EntSolid.size(), doc.EntBlock.size());
    for (const TEntJwwBlockDef& def : doc.EntBlockDef) {
        const TEntJwwBlockMembers& m = def.Members();
        bytes += 64 + def.strName.size() + RecordBytes(m.mLine.size(), m.mEnko.size(), m.mTen.size(),
                                                       m.mMoji.size(), m.mSunpo.size(), m.mSolid.size(),
                                                       m.mBlock.size());
    }
    return bytes + bytes / 8;
}

class ArchiveWriter {
public:
    ArchiveWriter(const TJcfData& doc, std::int32_t ver, ByteWriter& out)
        : doc_(doc),
          ver_(ver),
          utf16_((doc.FileOutOpt & 32) != 0),
          out_(out),
          first_def_(std::span(doc.EntBlockDef).first(
              static_cast<std::size_t>(Bounded(doc.EntBlockDefN, doc.EntBlockDef.size())))) {}

    void Write() {
        const TEntJcfHeader& hd = doc_.Enthd;
        WriteObjectList(Entities{doc_.EntNo, hd.n1,
                              {0, Bounded(doc_.EntLineN, doc_.EntLine.size()), Bounded(doc_.EntEnkoN, doc_.EntEnko.size()),
                               Bounded(doc_.EntTenN, doc_.EntTen.size()), Bounded(doc_.EntMojiN, doc_.EntMoji.size()),
                               Bounded(doc_.EntSunpoN, doc_.EntSunpo.size()), Bounded(doc_.EntSolidN, doc_.EntSolid.size()),
                               Bounded(doc_.EntBlockN, doc_.EntBlock.size())},
                              doc_.EntLine, doc_.EntEnko, doc_.EntTen, doc_.EntMoji, doc_.EntSunpo, doc_.EntSolid,
                              doc_.EntBlock});
        WriteCount(static_cast<std::uint32_t>(std::max(doc_.EntBlockNum, 0)));
        const std::int32_t defs = Bounded(doc_.EntBlockDefN, doc_.EntBlockDef.size());
        for (std::int32_t i = 0; i < defs; ++i) {
            if (doc_.EntBlockDef[i].ref_flag) WriteDefinition(doc_.EntBlockDef[i]);
        }
    }

private:
    void WriteCount(std::uint32_t count) {
        if (count > 0xFFFE) {
            out_.U16(0xFFFF);
            out_.U32(count);
        } else {
            out_.U16(static_cast<std::uint16_t>(count));
        }
    }

    void WriteClassTag(std::int32_t kind) {
        std::uint32_t& number = class_numbers_[kind];
        if (number == 0) {
            out_.U16(0xFFFF);
            out_.U16(static_cast<std::uint16_t>(ver_));
            out_.U16(static_cast<std::uint16_t>(kClassNames[kind].size()));
            out_.Bytes(kClassNames[kind]);
            number = next_map_number_++;
        } else if (number <= kShortReferenceLimit) {
            out_.U16(static_cast<std::uint16_t>(0x8000 + number));
        } else {
            out_.U16(0x7FFF);
            out_.U32(number + 0x80000000u);
        }
    }

    static std::uint32_t ValidCount(const Entities& e) {
        std::uint32_t valid = 0;
        for (std::int32_t i = 0; i < e.OrderCount(); ++i) valid += e.Valid(e.order[i]) ? 1 : 0;
        return valid;
    }

    void WriteObjectList(const Entities& e) {
        WriteCount(ValidCount(e));
        WriteEntities(e);
    }

    void WriteEntities(const Entities& e) {
        const std::int32_t n = e.OrderCount();
        for (std::int32_t i = 0; i < n; ++i) {
            const TEntJwwNo& no = e.order[i];
            if (!e.Valid(no)) continue;
            WriteClassTag(no.EntType);
            switch (no.EntType) {
                case kEntLine: WriteLine(e.lines[no.EntNo]); break;
                case kEntEnko: WriteArc(e.arcs[no.EntNo]); break;
                case kEntTen: WritePoint(e.points[no.EntNo]); break;
                case kEntMoji: WriteText(e.texts[no.EntNo]); break;
                case kEntSunpo: WriteDimension(e.dimensions[no.EntNo]); break;
                case kEntSolid: WriteSolid(e.solids[no.EntNo]); break;
                default: WriteBlock(e.blocks[no.EntNo]); break;
            }
            ++next_map_number_;
        }
    }

    // The number under which block number n is written: the reached definition's ref_no,
    // n for a definition not reached, 0 when no definition has the number.
    std::uint32_t BlockNumber(std::uint32_t n) const {
        const std::int32_t found = first_def_.Find(n);
        if (found < 0) return 0;
        const TEntJwwBlockDef& def = doc_.EntBlockDef[static_cast<std::size_t>(found)];
        return def.ref_flag ? static_cast<std::uint32_t>(def.ref_no) : n;
    }

    void WriteDefinition(const TEntJwwBlockDef& def) {
        WriteClassTag(kDefinitionKind);
        WriteAttr(def.att, kDefinitionKind);
        out_.U32(BlockNumber(def.nNumber));
        out_.U32(def.bRefferd);
        out_.U32(def.dtime);
        WriteArchiveString(out_, def.strName, utf16_);
        const TEntJwwBlockMembers& m = def.Members();
        const Entities e{m.mNo, m.N,
                         {0, Bounded(m.mLineN, m.mLine.size()), Bounded(m.mEnkoN, m.mEnko.size()),
                          Bounded(m.mTenN, m.mTen.size()), Bounded(m.mMojiN, m.mMoji.size()),
                          Bounded(m.mSunpoN, m.mSunpo.size()), Bounded(m.mSolidN, m.mSolid.size()),
                          Bounded(m.mBlockN, m.mBlock.size())},
                         m.mLine, m.mEnko, m.mTen, m.mMoji, m.mSunpo, m.mSolid, m.mBlock};
        // The definition takes its map number after its count, before its objects.
        WriteCount(ValidCount(e));
        ++next_map_number_;
        WriteEntities(e);
    }

    void WriteAttr(const TEntJwwAttr& raw, std::int32_t kind) {
        const TEntJwwAttr att = NormalisedAttr(raw, kind, ver_);
        out_.U32(att.lGroup);
        out_.U8(att.nPenStyle);
        out_.U16(att.nPenColor);
        if (ver_ >= 351) out_.U16(att.nPenWidth);
        out_.U16(att.nLayer);
        out_.U16(att.nGLayer);
        out_.U16(att.sFlg);
    }

    void WriteLine(const TEntJwwLine& line) {
        WriteAttr(line.att, kEntLine);
        out_.Double(line.start_x);
        out_.Double(line.start_y);
        out_.Double(line.end_x);
        out_.Double(line.end_y);
    }

    void WriteArc(const TEntJwwEnko& arc) {
        WriteAttr(arc.att, kEntEnko);
        for (double v : {arc.start_x, arc.start_y, arc.dHankei, arc.radKaishiKaku, arc.radEnkoKaku, arc.radKatamukiKaku,
                         arc.dHenpeiRitsu})
            out_.Double(v);
        out_.U32(arc.bZenEnFlg);
    }

    void WritePoint(const TEntJwwTen& point) {
        WriteAttr(point.att, kEntTen);
        out_.Double(point.start_x);
        out_.Double(point.start_y);
        out_.U32(point.bKariten);
        if (point.att.nPenStyle == 100) {
            out_.U32(point.nCode);
            out_.Double(point.radKaitenKaku);
            out_.Double(point.dBairitsu);
        }
    }

    void WriteText(const TEntJwwMoji& text) {
        WriteAttr(text.att, kEntMoji);
        out_.Double(text.start_x);
        out_.Double(text.start_y);
        out_.Double(text.end_x);
        out_.Double(text.end_y);
        out_.U32(text.nMojiShu);
        out_.Double(TextSize(text.dSizeX));
        out_.Double(TextSize(text.dSizeY));
        out_.Double(text.dKankaku);
        out_.Double(text.degKakudo);
        WriteArchiveString(out_, text.strFontName, utf16_);
        WriteArchiveString(out_, text.str, utf16_);
    }

    void WriteDimension(const TEntJwwSunpo& dim) {
        WriteAttr(dim.att, kEntSunpo);
        WriteLine(dim.Sen);
        WriteText(dim.Moji);
        if (ver_ < 420) return;
        out_.U16(dim.bSxfMode);
        WriteLine(dim.Ho1);
        WriteLine(dim.Ho2);
        for (const TEntJwwTen* point : {&dim.Te1, &dim.Te2, &dim.Kt1, &dim.Kt2}) WritePoint(*point);
    }

    void WriteSolid(const TEntJwwSolid& solid) {
        WriteAttr(solid.att, kEntSolid);
        for (double v : {solid.start_x, solid.start_y, solid.end_x, solid.end_y, solid.DPoint2_x, solid.DPoint2_y,
                         solid.DPoint3_x, solid.DPoint3_y})
            out_.Double(v);
        if (solid.att.nPenColor == 10) out_.U32(solid.Color);
    }

    void WriteBlock(const TEntJwwBlock& block) {
        WriteAttr(block.att, kEntBlock);
        for (double v : {block.DPKijunTen_x, block.DPKijunTen_y, block.dBairitsuX, block.dBairitsuY, block.radKaitenKaku})
            out_.Double(v);
        out_.U32(BlockNumber(block.nNumber));
    }

    const TJcfData& doc_;
    std::int32_t ver_;
    bool utf16_;
    ByteWriter& out_;
    std::array<std::uint32_t, 9> class_numbers_{};
    std::uint32_t next_map_number_ = 1;
    TDefinitionIndex first_def_;
};

}  // namespace

std::int32_t ArchiveVersion(std::int32_t Ver) {
    if (Ver <= 230) return 230;
    return Ver == 300 ? 351 : Ver;
}

void WriteBasePointAndScales(const TJcfData& doc, ByteWriter& out) {
    out.Double(doc.Enthd.BasePoint_x);
    out.Double(doc.Enthd.BasePoint_y);
    for (std::size_t g = 0; g < 16; ++g) out.Double(g < doc.EntLgrp.size() ? doc.EntLgrp[g].adScale : 0.0);
}

void WriteObjectArchive(const TJcfData& doc, std::int32_t Ver, ByteWriter& out) {
    out.Reserve(out.size() + EstimatedBytes(doc));
    ArchiveWriter(doc, ArchiveVersion(Ver), out).Write();
}

std::string WriteObjectArchiveStream(const TJcfData& doc, std::int32_t Ver) {
    ByteWriter out;
    WriteBasePointAndScales(doc, out);
    WriteObjectArchive(doc, Ver, out);
    return out.Take();
}

}  // namespace torvane
