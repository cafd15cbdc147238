#include "cli/failure_messages.h"

#include <fstream>
#include <system_error>

#include "figure/figure_file.h"

namespace torvane::cli {

std::string ReadProblem(const std::filesystem::path& path, std::string_view otherwise) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return "no such file";
    if (std::filesystem::is_directory(status)) return "it is a folder";
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxFigureFileBytes) return "larger than 512 MB";
    if (!std::ifstream(path, std::ios::binary)) return "it cannot be opened";
    return std::string(otherwise);
}

std::string WriteProblem(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return "it is a folder";
    const std::filesystem::path folder = path.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) return "no such folder";
    return "it cannot be written";
}

const char* FigureKindDescription(FigureKind kind) {
    switch (kind) {
        case FigureKind::Jws: return "JWS figure file";
        case FigureKind::Jwk: return "JWK figure file";
        case FigureKind::Jww: return "Jw_cad drawing file";
        case FigureKind::Jcf: break;
    }
    return "figure stream";
}

void ReportUnreadable(std::ostream& err, std::string_view command, std::string_view argument,
                      std::string_view reason) {
    err << command << ": cannot read " << argument << ": " << reason << "\n";
}

void ReportUnwritable(std::ostream& err, std::string_view command, std::string_view argument,
                      const std::filesystem::path& path) {
    err << command << ": cannot write " << argument << ": " << WriteProblem(path) << "\n";
}

}  // namespace torvane::cli
