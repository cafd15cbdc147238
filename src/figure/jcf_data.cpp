#include "figure/jcf_data.h"

#include "figure/extents.h"
#include "figure/figure_file.h"
#include "figure/object_archive_reader.h"
#include "figure/object_archive_writer.h"
#include "figure/text_code_context.h"
#include "util/byte_reader.h"

namespace torvane {
namespace {

constexpr std::size_t kHeaderSize = 144;
constexpr std::size_t kShortestStream = 148;
// Header, long object count, first tag and schema: all FileCheck looks at.
constexpr std::size_t kCheckedBytes = kHeaderSize + 6 + 4;
constexpr std::int32_t kLayerGroups = 16;

bool ScalesPositive(ByteReader& in) {
    in.Double();
    in.Double();
    int positive = 0;
    for (int i = 0; i < kLayerGroups; ++i) positive += in.Double() > 0 ? 1 : 0;
    return in.ok() && positive == kLayerGroups;
}

}  // namespace

bool TJcfData::CheckBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kShortestStream) return false;
    ByteReader in(bytes);
    if (!ScalesPositive(in)) return false;
    std::uint32_t count = 0;
    ObjectArchiveReader::ReadCount(in, count);
    in.U16();  // the first object's tag is not tested
    const std::uint16_t schema = in.U16();
    return in.ok() && schema >= 220 && schema <= 700;
}

bool TJcfData::FileCheck(const std::filesystem::path& FName) const {
    return CheckDocumentFile<TJcfData>(FName, kCheckedBytes);
}

bool TJcfData::ReadBytes(std::span<const std::uint8_t> bytes, const std::u16string& name) {
    // The strings of the texts read before are reused for the texts of this figure.
    std::vector<TEntJwwMoji> old_texts = std::move(EntMoji);
    DataInit();
    bool complete = false;
    if (bytes.size() >= kShortestStream) {
        ByteReader in(bytes);
        Enthd.BasePoint_x = in.Double();
        Enthd.BasePoint_y = in.Double();
        bool scales_positive = true;
        EntLgrp.resize(kLayerGroups);
        for (auto& group : EntLgrp) {
            group.anGLay = 2;
            group.adScale = in.Double();
            scales_positive = scales_positive && group.adScale > 0;
        }
        // Without positive scales the stream gives no meaningful document; it is not read.
        std::uint32_t count = 0;
        if (scales_positive && ObjectArchiveReader::ReadCount(in, count)) {
            const std::size_t first_object = in.position();
            in.U16();
            Enthd.jwVer = in.U16();
            if (in.Seek(first_object)) {
                ResetTextCodeContext(name);
                ObjectArchiveReader reader(in, *this, Enthd.jwVer, std::move(old_texts));
                complete = reader.ReadObjectsAndDefinitions(count);
            }
        }
    }
    MakeBlockTree();
    if (Enthd.n1 + Enthd.n2 > 0) {
        GetMinMaxZahyo();
        Enthd.Mx1 = MinWx;
        Enthd.My1 = MinWy;
        Enthd.Mx2 = MaxWx;
        Enthd.My2 = MaxWy;
    }
    return complete;
}

bool TJcfData::FileIn(const std::filesystem::path& FName) {
    return ReadDocumentFile(*this, FName);
}

void TJcfData::SetFileOutOption(std::int32_t n) { FileOutOpt = (n >= 0 && n < 64) ? n : 0; }

std::string TJcfData::WriteBytes(std::int32_t Ver) const { return WriteObjectArchiveStream(*this, Ver); }

bool TJcfData::FileOut(const std::filesystem::path& FName, std::int32_t Ver) {
    return WriteFileAtomic(FName, WriteBytes(Ver));
}

}  // namespace torvane
