#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "figure/jww_figure.h"

namespace torvane {

// A figure as it travels through the clipboard in the "Jw_win" format (figure stream).
class TJcfData final : public TJwwFigureData {
public:
    TEntJcfHeader Enthd;

    TEntJcfHeader& Header() override { return Enthd; }
    const TEntJcfHeader& Header() const override { return Enthd; }

    // True when the file holds a figure stream of version 220 to 700 with positive layer scales.
    bool FileCheck(const std::filesystem::path& FName) const;
    // Reads the figure stream file into the document; true when the whole stream was read.
    bool FileIn(const std::filesystem::path& FName);
    // Writer options: n when 0 <= n < 64, else 0.
    void SetFileOutOption(std::int32_t n);
    // Writes the document as a figure stream of version Ver; no file is left behind on failure.
    bool FileOut(const std::filesystem::path& FName, std::int32_t Ver);

    // The same for a stream already in memory; `name` becomes the text codes' file name.
    static bool CheckBytes(std::span<const std::uint8_t> bytes);
    bool ReadBytes(std::span<const std::uint8_t> bytes, const std::u16string& name);
    // The stream FileOut writes, as bytes.
    std::string WriteBytes(std::int32_t Ver) const;

protected:
    void ResetHeader() override { Enthd = TEntJcfHeader{}; }
};

}  // namespace torvane
