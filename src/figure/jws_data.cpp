#include "figure/jws_data.h"

#include "figure/figure_file.h"
#include "figure/object_archive_reader.h"
#include "figure/text_code_context.h"
#include "util/byte_reader.h"

namespace torvane {
namespace {

constexpr std::size_t kCheckedBytes = kJwsVersionOffset + 4;
constexpr std::int32_t kLayerGroups = 16;

// Reads the identifier and the version; false unless they are "JwsData" and 230 to 700.
bool ReadIdAndVersion(ByteReader& in, std::uint32_t& version) {
    const auto id = in.Bytes(kJwsId.size());
    if (!in.ok() || std::string_view(reinterpret_cast<const char*>(id.data()), id.size()) != kJwsId) return false;
    in.Skip(kJwsVersionOffset - kJwsId.size());
    version = in.U32();
    return in.ok() && version >= 230 && version <= 700;
}

}  // namespace

bool TJwsData::CheckBytes(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    std::uint32_t version = 0;
    return ReadIdAndVersion(in, version);
}

bool TJwsData::FileCheck(const std::filesystem::path& FName) const {
    return CheckDocumentFile<TJwsData>(FName, kCheckedBytes);
}

bool TJwsData::ReadBytes(std::span<const std::uint8_t> bytes, const std::u16string& name) {
    // The strings of the texts read before are reused for the texts of this figure.
    std::vector<TEntJwwMoji> old_texts = std::move(EntMoji);
    DataInit();
    EntLgrp.assign(kLayerGroups, TEntJwwLayerGroup{2, 0, 0.0, 0, {}});
    ByteReader in(bytes);
    std::uint32_t version = 0;
    bool complete = false;
    if (ReadIdAndVersion(in, version)) {
        Enthd.jwVer = static_cast<std::int32_t>(version);
        Enthd.BasePoint_x = in.Double();
        Enthd.BasePoint_y = in.Double();
        for (auto& group : EntLgrp) group.adScale = in.Double();
        for (std::int32_t* value : {&Enthd.dmy01, &Enthd.dmy02, &Enthd.dmy03, &Enthd.dmy04, &Enthd.dmy05, &Enthd.dmy06})
            *value = in.S32();
        for (double* value : {&Enthd.dmy11, &Enthd.dmy12, &Enthd.dmy13, &Enthd.dmy14, &Enthd.dmy15, &Enthd.dmy16})
            *value = in.Double();
        for (double* value : {&Enthd.Mx1, &Enthd.My1, &Enthd.Mx2, &Enthd.My2}) *value = in.Double();
        if (in.ok()) {
            Enthd.jwID = std::u16string(kJwsId.begin(), kJwsId.end());
            ResetTextCodeContext(name);
            std::uint32_t count = 0;
            if (ObjectArchiveReader::ReadCount(in, count)) {
                ObjectArchiveReader reader(in, *this, Enthd.jwVer, std::move(old_texts));
                complete = reader.ReadObjectsAndDefinitions(count);
            }
        }
    }
    MakeBlockTree();
    return complete;
}

bool TJwsData::FileIn(const std::filesystem::path& FName) {
    return ReadDocumentFile(*this, FName);
}

}  // namespace torvane
