#include "figure/jws_writer.h"

#include "figure/jws_data.h"
#include "figure/object_archive_writer.h"
#include "util/byte_writer.h"
#include "util/files.h"

namespace torvane {
namespace {

constexpr int kReservedIntegers = 6;
constexpr int kReservedDoubles = 6;

}  // namespace

std::string WriteJwsBytes(const TJcfData& doc, std::int32_t Ver) {
    const std::int32_t version = ArchiveVersion(Ver);
    ByteWriter out;
    out.Bytes(kJwsId);
    out.Bytes(std::string(kJwsVersionOffset - kJwsId.size(), '\0'));
    out.U32(static_cast<std::uint32_t>(version));
    WriteBasePointAndScales(doc, out);
    for (int i = 0; i < kReservedIntegers; ++i) out.S32(0);
    for (int i = 0; i < kReservedDoubles; ++i) out.Double(0);
    for (double extent : {doc.Enthd.Mx1, doc.Enthd.My1, doc.Enthd.Mx2, doc.Enthd.My2}) out.Double(extent);
    WriteObjectArchive(doc, version, out);
    return out.Take();
}

bool JwsFileOut(const TJcfData& doc, const std::filesystem::path& FName, std::int32_t Ver) {
    return WriteFileAtomic(FName, WriteJwsBytes(doc, Ver));
}

}  // namespace torvane
