#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "figure/jww_figure.h"

namespace torvane {

// A JWS file begins with this identifier; its version is the u32 at kJwsVersionOffset.
inline constexpr std::string_view kJwsId = "JwsData";
inline constexpr std::size_t kJwsVersionOffset = 200;

// Header of a JWS figure file: the stream header's fields and the file's own.
struct TEntJwsHeader : TEntJcfHeader {
    std::u16string jwID;  // "JwsData" after a successful read
    std::int32_t dmy01 = 0, dmy02 = 0, dmy03 = 0, dmy04 = 0, dmy05 = 0, dmy06 = 0;
    double dmy11 = 0, dmy12 = 0, dmy13 = 0, dmy14 = 0, dmy15 = 0, dmy16 = 0;
};

// A figure read from a JWS file: the same model and object archive as TJcfData behind a
// file header of its own. JwsFileOut (jws_writer.h) writes a stream's figure in this form.
class TJwsData final : public TJwwFigureData {
public:
    TEntJwsHeader Enthd;

    TEntJcfHeader& Header() override { return Enthd; }
    const TEntJcfHeader& Header() const override { return Enthd; }

    // True for a file beginning "JwsData" with a version of 230 to 700 at offset 200.
    bool FileCheck(const std::filesystem::path& FName) const;
    // Reads the file into the document; true when the whole archive was read.
    bool FileIn(const std::filesystem::path& FName);

    // The same for a file already in memory; `name` becomes the text codes' file name.
    static bool CheckBytes(std::span<const std::uint8_t> bytes);
    bool ReadBytes(std::span<const std::uint8_t> bytes, const std::u16string& name);

protected:
    void ResetHeader() override { Enthd = TEntJwsHeader{}; }
};

}  // namespace torvane
