#pragma once
#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace torvane {

// Jw_cad entity records. The fixed part of each record (its fields up to the first string
// or array) is its layout in the clipboard figure stream and in JWS files.

// Entity kinds, the EntType of an order entry.
enum TEntKind : std::int32_t {
    kEntNone = 0,
    kEntLine = 1,
    kEntEnko = 2,
    kEntTen = 3,
    kEntMoji = 4,
    kEntSunpo = 5,
    kEntSolid = 6,
    kEntBlock = 7,
};

// Colour and line type put in place of values the writer cannot write; 1 at start-up.
inline std::uint16_t DefPenColor = 1;
inline std::uint8_t DefPenStyle = 1;

// Common attributes, the first field of every entity record.
struct TEntJwwAttr {
    std::uint32_t lGroup = 0;     // curve attribute number, 0 none
    std::uint8_t nPenStyle = 0;   // line type, or a kind-specific code
    std::uint16_t nPenColor = 0;  // 1..9 pens, 10 own RGB (solids), 101..356 SXF
    std::uint16_t nPenWidth = 0;  // 0 = width of the colour, else × 0.01
    std::uint16_t nLayer = 0;
    std::uint16_t nGLayer = 0;
    std::uint16_t sFlg = 0;  // 0x20 on a text: vertical text
};

struct TEntJwwLine {
    TEntJwwAttr att;
    double start_x = 0, start_y = 0, end_x = 0, end_y = 0;
};

// Circle, ellipse or an arc of either.
struct TEntJwwEnko {
    TEntJwwAttr att;
    double start_x = 0, start_y = 0;  // centre
    double dHankei = 0;               // radius of the major axis
    double radKaishiKaku = 0;         // start angle
    double radEnkoKaku = 0;           // sweep angle
    double radKatamukiKaku = 0;       // tilt of the major axis
    double dHenpeiRitsu = 0;          // minor / major radius
    std::uint32_t bZenEnFlg = 0;      // 1 whole circle or ellipse
};

// Point; nPenStyle 100 marks a marker point, which alone carries the last three fields in a stream.
struct TEntJwwTen {
    TEntJwwAttr att;
    double start_x = 0, start_y = 0;
    std::uint32_t bKariten = 0;  // 1 temporary point
    std::uint32_t nCode = 0;     // marker code (two's complement)
    double radKaitenKaku = 0;    // marker rotation
    double dBairitsu = 0;        // marker size factor
};

struct TEntJwwMoji {
    TEntJwwAttr att;
    double start_x = 0, start_y = 0, end_x = 0, end_y = 0;  // baseline
    std::uint32_t nMojiShu = 0;  // text type mod 10000, font style in the ten-thousands
    double dSizeX = 0, dSizeY = 0;
    double dKankaku = 0;   // spacing between characters
    double degKakudo = 0;  // direction, degrees
    std::u16string strFontName;
    std::u16string str;  // "^@BM…" marks a placed image
};

struct TEntJwwSunpo {
    TEntJwwAttr att;
    TEntJwwLine Sen;   // dimension line
    TEntJwwMoji Moji;  // value text
    std::uint16_t bSxfMode = 0;  // non-zero: the six parts below are in use
    TEntJwwLine Ho1, Ho2;        // extension lines
    TEntJwwTen Te1, Te2;         // ends of the dimension line
    TEntJwwTen Kt1, Kt2;         // starts of the extension lines
};

// Quadrilateral solid (nPenStyle <= 100) or arc solid (nPenStyle >= 101).
struct TEntJwwSolid {
    TEntJwwAttr att;
    double start_x = 0, start_y = 0;
    double end_x = 0, end_y = 0;
    double DPoint2_x = 0, DPoint2_y = 0;
    double DPoint3_x = 0, DPoint3_y = 0;
    std::uint32_t Color = 0;  // 0x00BBGGRR when att.nPenColor is 10
};

struct TEntJwwBlock {
    TEntJwwAttr att;
    double DPKijunTen_x = 0, DPKijunTen_y = 0;  // insertion point
    double dBairitsuX = 0, dBairitsuY = 0;      // scale factors
    double radKaitenKaku = 0;                   // rotation
    std::uint32_t nNumber = 0;                  // block number inserted
};

// One entry of an order table: kind and index into that kind's array.
struct TEntJwwNo {
    std::int32_t EntType = kEntNone;
    std::int32_t EntNo = 0;
};

// The entities of a block definition.
struct TEntJwwBlockMembers {
    std::int32_t N = 0;  // entries of mNo
    std::vector<TEntJwwNo> mNo;
    std::int32_t mLineN = 0, mEnkoN = 0, mTenN = 0, mMojiN = 0, mSunpoN = 0, mSolidN = 0, mBlockN = 0;
    std::vector<TEntJwwLine> mLine;
    std::vector<TEntJwwEnko> mEnko;
    std::vector<TEntJwwTen> mTen;
    std::vector<TEntJwwMoji> mMoji;
    std::vector<TEntJwwSunpo> mSunpo;
    std::vector<TEntJwwSolid> mSolid;
    std::vector<TEntJwwBlock> mBlock;  // nested insertions
};

// A block definition. Its members are held apart and made on first use, so that a definition
// without members costs little more than its header: a figure may hold millions of them.
struct TEntJwwBlockDef {
    TEntJwwAttr att;
    std::uint32_t nNumber = 0;    // block number
    std::uint32_t bRefferd = 0;   // referenced mark, kept as read
    std::uint32_t dtime = 0;      // time stamp
    std::u16string strName;
    bool ref_flag = false;     // reached from the document's insertions, nested ones included
    std::int32_t ref_no = -1;  // number when written, -1 when not reached

    TEntJwwBlockDef() = default;
    TEntJwwBlockDef(const TEntJwwBlockDef& other) : TEntJwwBlockDef() { *this = other; }
    TEntJwwBlockDef(TEntJwwBlockDef&&) noexcept = default;
    TEntJwwBlockDef& operator=(TEntJwwBlockDef&&) noexcept = default;
    TEntJwwBlockDef& operator=(const TEntJwwBlockDef& other) {
        if (this == &other) return *this;
        att = other.att;
        nNumber = other.nNumber;
        bRefferd = other.bRefferd;
        dtime = other.dtime;
        strName = other.strName;
        ref_flag = other.ref_flag;
        ref_no = other.ref_no;
        members_ = other.members_ ? std::make_unique<TEntJwwBlockMembers>(*other.members_) : nullptr;
        return *this;
    }

    bool HasMembers() const { return members_ != nullptr; }
    // The members to change, made empty on first use.
    TEntJwwBlockMembers& EditMembers() {
        if (!members_) members_ = std::make_unique<TEntJwwBlockMembers>();
        return *members_;
    }
    // The members, or an empty set.
    const TEntJwwBlockMembers& Members() const {
        static const TEntJwwBlockMembers none;
        return members_ ? *members_ : none;
    }

private:
    std::unique_ptr<TEntJwwBlockMembers> members_;
};

// Calls visit(kind, records, count) for the entity arrays of one entity list, given with their
// counts in kind order (lines, arcs, points, texts, dimensions, solids, blocks).
template <class Visit, class L, class E, class T, class M, class D, class S, class B, class N>
void VisitEntityArrays(Visit&& visit, L& lines, N& line_n, E& arcs, N& arc_n, T& points, N& point_n, M& texts,
                       N& text_n, D& dimensions, N& dimension_n, S& solids, N& solid_n, B& blocks, N& block_n) {
    visit(kEntLine, lines, line_n);
    visit(kEntEnko, arcs, arc_n);
    visit(kEntTen, points, point_n);
    visit(kEntMoji, texts, text_n);
    visit(kEntSunpo, dimensions, dimension_n);
    visit(kEntSolid, solids, solid_n);
    visit(kEntBlock, blocks, block_n);
}

// VisitEntityArrays over the members of a block definition.
template <class Members, class Visit>
    requires std::same_as<std::remove_const_t<Members>, TEntJwwBlockMembers>
void ForEachEntityArray(Members& def, Visit&& visit) {
    VisitEntityArrays(visit, def.mLine, def.mLineN, def.mEnko, def.mEnkoN, def.mTen, def.mTenN, def.mMoji,
                      def.mMojiN, def.mSunpo, def.mSunpoN, def.mSolid, def.mSolidN, def.mBlock, def.mBlockN);
}

// One placed occurrence of a block definition; (u, v) of the definition lies at
// (x + r1·u + r2·v, y + r3·u + r4·v).
struct TEntJwwBlockTree {
    TEntJwwAttr att;
    std::int32_t level = 0;
    std::int32_t parent = -1;
    std::uint32_t no = 0;       // block number inserted
    std::int32_t defno = -1;    // index of the definition, -1 when none has that number
    double x = 0, y = 0;
    double r1 = 0, r2 = 0, r3 = 0, r4 = 0;
};

// One layer of a drawing's layer group: state 0 hidden, 1 shown only, 2 editable, 3 the write
// layer; protection 0 none, 1 and 2 protected.
struct TEntJwwLayer {
    std::int32_t anLay = 0;
    std::int32_t anLayProtect = 0;
    std::u16string aStrLayName;
};

struct TEntJwwLayerGroup {
    std::int32_t anGLay = 0;
    std::int32_t anWriteLay = 0;
    double adScale = 0;  // drawing scale, the n of 1:n
    std::int32_t anGLayProtect = 0;
    std::u16string aStrGLayName;
};

}  // namespace torvane
