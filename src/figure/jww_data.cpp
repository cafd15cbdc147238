#include "figure/jww_data.h"

#include <array>
#include <limits>
#include <vector>

#include "figure/figure_file.h"
#include "figure/object_archive_reader.h"
#include "figure/text_code_context.h"
#include "util/byte_reader.h"

namespace torvane {
namespace {

constexpr std::size_t kCheckedBytes = 12;

// The memo's first line and the rest, each without line breaks, as the memo text codes show them.
void SetMemoTextCodes(const std::u16string& memo) {
    const std::size_t end = memo.find(u'\n');
    TxtMemo1 = memo.substr(0, end);
    TxtMemo2 = end == std::u16string::npos ? std::u16string() : memo.substr(end + 1);
    for (std::u16string* line : {&TxtMemo1, &TxtMemo2})
        std::erase_if(*line, [](char16_t c) { return c == u'\r' || c == u'\n'; });
    TxtMemo = TxtMemo2.empty() ? TxtMemo1 : TxtMemo1 + u'\u3000' + TxtMemo2;
}

}  // namespace

bool TJwwData::CheckBytes(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    std::uint32_t version = 0;
    return ReadJwwSignature(in, version);
}

bool TJwwData::FileCheck(const std::filesystem::path& FName) const {
    return CheckDocumentFile<TJwwData>(FName, kCheckedBytes);
}

bool TJwwData::ReadBytes(std::span<const std::uint8_t> bytes, const std::u16string& name) {
    // The strings of the texts read before are reused for the texts of this drawing.
    std::vector<TEntJwwMoji> old_texts = std::move(EntMoji);
    DataInit();
    ByteReader in(bytes);
    std::uint32_t version = 0;
    bool complete = false;
    bool utf16 = false;
    if (ReadJwwSignature(in, version) && ReadJwwHeader(in, version, Enthd, EntLgrp, utf16)) {
        Enthd.jwVer = static_cast<std::int32_t>(version);
        Enthd.jwwID = u"JwwData.";
        MojiEncode = utf16;
        ResetTextCodeContext(name);
        SetMemoTextCodes(Enthd.strMemo);
        std::uint32_t count = 0;
        if (ObjectArchiveReader::ReadCount(in, count)) {
            ObjectArchiveReader reader(in, *this, Enthd.jwVer, std::move(old_texts));
            complete = reader.ReadObjectsAndDefinitions(count);
        }
    } else {
        DataInit();
    }
    if (EntLgrp.empty()) EntLgrp.assign(16, TEntJwwLayerGroup{2, 0, 0.0, 0, {}});
    MakeBlockTree();
    return complete;
}

bool TJwwData::FileIn(const std::filesystem::path& FName) { return ReadDocumentFile(*this, FName); }

bool TJwwData::LayerShown(const TEntJwwAttr& att) const {
    if (att.nGLayer >= EntLgrp.size() || att.nLayer >= 16) return true;
    return EntLgrp[att.nGLayer].anGLay != 0 && Enthd.aLay[att.nGLayer][att.nLayer].anLay != 0;
}

void TJwwData::KeepShownLayers() {
    KeepEntities(*this, [this](const TEntJwwAttr& att) { return LayerShown(att); });
    PlaceBasePointAtLowerLeft(*this);
}

void PlaceBasePointAtLowerLeft(TJwwFigureData& figure) {
    TEntJcfHeader& hd = figure.Header();
    hd.BasePoint_x = hd.BasePoint_y = 0;
    if (hd.n1 <= 0) return;
    // A base point that is no number does not begin the box.
    hd.BasePoint_x = hd.BasePoint_y = std::numeric_limits<double>::quiet_NaN();
    figure.GetMinMaxZahyo();
    hd.BasePoint_x = figure.myMinWx;
    hd.BasePoint_y = figure.myMinWy;
}

void KeepEntities(TJwwFigureData& figure, const std::function<bool(const TEntJwwAttr&)>& keep) {
    // New index of every record per kind, -1 for a record left out; the arrays are compacted in place.
    std::array<std::vector<std::int32_t>, kEntBlock + 1> new_index;
    ForEachEntityArray(figure, [&](std::int32_t kind, auto& records, std::int32_t& count) {
        std::vector<std::int32_t>& map = new_index[static_cast<std::size_t>(kind)];
        map.assign(records.size(), -1);
        std::size_t kept = 0;
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (!keep(records[i].att)) continue;
            map[i] = static_cast<std::int32_t>(kept);
            if (kept != i) records[kept] = std::move(records[i]);
            ++kept;
        }
        records.resize(kept);
        count = static_cast<std::int32_t>(kept);
    });
    std::erase_if(figure.EntNo, [&](TEntJwwNo& no) {
        if (no.EntType <= kEntNone || no.EntType > kEntBlock) return false;
        const std::vector<std::int32_t>& map = new_index[static_cast<std::size_t>(no.EntType)];
        if (no.EntNo < 0 || static_cast<std::size_t>(no.EntNo) >= map.size()) return false;
        no.EntNo = map[static_cast<std::size_t>(no.EntNo)];
        return no.EntNo < 0;
    });
    figure.Header().n1 = static_cast<std::int32_t>(figure.EntNo.size());
    figure.MakeBlockTree();
}

}  // namespace torvane
