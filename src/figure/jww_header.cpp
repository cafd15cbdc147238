#include "figure/jww_header.h"

#include <initializer_list>
#include <string_view>

#include "figure/archive_strings.h"

namespace torvane {
namespace {

constexpr std::string_view kJwwId = "JwwData.";
constexpr int kGroups = 16;

// Reads the header's fields in file order: numbers into named fields or past them, strings
// kept or dropped. The reader's failure stays sticky, so one check at the end is enough.
class HeaderFields {
public:
    HeaderFields(ByteReader& in, bool& utf16) : in_(in), utf16_(utf16) {}

    void Ints(std::initializer_list<std::int32_t*> fields) {
        for (std::int32_t* f : fields) *f = in_.S32();
    }
    void Doubles(std::initializer_list<double*> fields) {
        for (double* f : fields) *f = in_.Double();
    }
    void String(std::u16string& out) {
        bool utf16 = false;
        if (!ReadArchiveString(in_, out, utf16)) in_.Fail();
        utf16_ = utf16_ || utf16;
    }
    void Text(std::u16string& out) {
        bool utf16 = false;
        if (!ReadArchiveText(in_, out, utf16)) in_.Fail();
        utf16_ = utf16_ || utf16;
    }
    // Passes `count` records of `ints` four-byte numbers and `doubles` eight-byte numbers.
    void Skip(int count, int ints, int doubles) {
        in_.Skip(static_cast<std::size_t>(count) * static_cast<std::size_t>(ints * 4 + doubles * 8));
    }
    void SkipStrings(int count) {
        std::u16string dropped;
        for (int i = 0; i < count && in_.ok(); ++i) String(dropped);
    }

private:
    ByteReader& in_;
    bool& utf16_;
};

void ReadLayerStates(ByteReader& in, HeaderFields& f, TEntJwwHeader& hd, std::vector<TEntJwwLayerGroup>& groups) {
    f.Ints({&hd.nWriteGLay});
    for (int g = 0; g < kGroups; ++g) {
        TEntJwwLayerGroup& group = groups[static_cast<std::size_t>(g)];
        group.anGLay = in.S32();
        group.anWriteLay = in.S32();
        group.adScale = in.Double();
        group.anGLayProtect = in.S32();
        for (TEntJwwLayer& layer : hd.aLay[static_cast<std::size_t>(g)]) f.Ints({&layer.anLay, &layer.anLayProtect});
    }
}

// Zoom marks: eight with their layer group from version 300, four without before; from 300
// also six reserved values and the text background settings.
void SkipViewMarks(HeaderFields& f, std::uint32_t version) {
    if (version >= 300) {
        f.Skip(8, 1, 3);
        f.Skip(1, 2, 6);
    } else {
        f.Skip(4, 0, 3);
    }
}

// Pen colours and widths, printer pens, line types, random and double line types, drawing
// and printing switches.
void SkipPensAndLineTypes(HeaderFields& f) {
    f.Skip(1, 0, 11);  // parallel line distances and the end of two-sided ones
    f.Skip(10, 2, 0);
    f.Skip(10, 2, 1);
    f.Skip(8, 4, 0);
    f.Skip(5, 5, 0);
    f.Skip(4, 4, 0);
    f.Skip(1, 11, 0);
}

// The SXF colour and line type tables of version 420 on, with their names.
void SkipSxfTables(HeaderFields& f) {
    f.Skip(257, 2, 0);
    for (int n = 0; n < 257; ++n) {
        f.SkipStrings(1);
        f.Skip(1, 2, 1);
    }
    f.Skip(33, 4, 0);
    for (int n = 0; n < 33; ++n) {
        f.SkipStrings(1);
        f.Skip(1, 1, 10);
    }
}

}  // namespace

bool ReadJwwSignature(ByteReader& in, std::uint32_t& version) {
    const auto id = in.Bytes(kJwwId.size());
    if (!in.ok() || std::string_view(reinterpret_cast<const char*>(id.data()), id.size()) != kJwwId) return false;
    version = in.U32();
    return in.ok() && version >= kOldestJwwVersion && version <= kNewestJwwVersion;
}

bool ReadJwwHeader(ByteReader& in, std::uint32_t version, TEntJwwHeader& hd, std::vector<TEntJwwLayerGroup>& groups,
                   bool& utf16) {
    groups.assign(kGroups, TEntJwwLayerGroup{});
    HeaderFields f(in, utf16);
    f.Text(hd.strMemo);
    f.Ints({&hd.nZumen});
    ReadLayerStates(in, f, hd, groups);
    f.Skip(14, 1, 0);  // reserved
    f.Ints({&hd.lnSunpou1, &hd.lnSunpou2, &hd.lnSunpou3, &hd.lnSunpou4, &hd.lnSunpou5});
    f.Skip(1, 1, 0);  // reserved
    f.Ints({&hd.nMaxDrawWid});
    f.Doubles({&hd.DPPrtGenten_x, &hd.DPPrtGenten_y, &hd.dPrtBairitsu});
    f.Ints({&hd.nPrtSet, &hd.nMemoriMode});
    f.Doubles({&hd.dMemoriHyoujiMin, &hd.dMemoriX, &hd.dMemoriY, &hd.DpMemoriKijunTen_x, &hd.DpMemoriKijunTen_y});
    for (auto& group_layers : hd.aLay) {
        for (TEntJwwLayer& layer : group_layers) f.String(layer.aStrLayName);
    }
    for (TEntJwwLayerGroup& group : groups) f.String(group.aStrGLayName);
    f.Doubles({&hd.dKageLevel, &hd.dKageIdo});
    f.Ints({&hd.nKage9_15JiFlg});
    f.Doubles({&hd.dKabeKageLevel});
    if (version >= 300) f.Doubles({&hd.dTenkuuZuLevel, &hd.dTenkuuZuEnkoR});
    f.Ints({&hd.nMMTani3D});
    f.Doubles({&hd.dBairitsu, &hd.DPGenten_x, &hd.DPGenten_y, &hd.dHanniBairitsu, &hd.DPHanniGenten_x,
               &hd.DPHanniGenten_y});
    SkipViewMarks(f, version);
    SkipPensAndLineTypes(f);
    if (version >= 223) {
        f.Ints({&hd.lnDrawTime});
        f.Skip(1, 4, 5);  // the 2.5D eye positions
    }
    if (version >= 225) f.Skip(1, 0, 4);  // the last line length, box sizes and radius given
    if (version >= 230) f.Ints({&hd.nSolidNinniColor, &hd.SolidColor});
    if (version >= 420) SkipSxfTables(f);
    f.Skip(10, 1, 3);  // text types 1 to 10
    f.Doubles({&hd.dMojiSizeX, &hd.dMojiSizeY, &hd.dMojiKankaku});
    f.Ints({&hd.nMojiColor, &hd.nMojiShu});
    f.Skip(1, 1, 8);  // text arrangement and the offsets of text base points
    return in.ok();
}

}  // namespace torvane
