#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "figure/figure_texts.h"
#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"
#include "util/encodings.h"
#include "util/files.h"
#include "util/search_fold.h"

namespace torvane::cli {
namespace {

namespace fs = std::filesystem;

// The texts of a figure file of one kind; nothing when the file is not of that kind. A file
// damaged part way gives the texts read before the damage.
template <class Figure>
std::optional<std::vector<std::u16string>> ReadTexts(const fs::path& file) {
    auto figure = std::make_unique<Figure>();
    if (!figure->FileCheck(file)) return std::nullopt;
    figure->FileIn(file);
    return FigureTexts(*figure);
}

// The figure files find reads, by lower-cased extension. Another kind of figure file is one
// more line here.
struct TextReader {
    std::u16string_view extension;
    std::optional<std::vector<std::u16string>> (*read)(const fs::path&);
    const char* description;
};

constexpr TextReader kReaders[] = {
    {u".1", ReadTexts<TJcfData>, "figure stream"},
    {u".jws", ReadTexts<TJwsData>, "JWS figure file"},
    {u".jwk", ReadTexts<TJwkData>, "JWK figure file"},
    {u".jww", ReadTexts<TJwwData>, "drawing"},
};

const TextReader* ReaderOf(const fs::path& file) {
    const std::u16string ext = ExtOf(file);
    const auto found = std::find_if(std::begin(kReaders), std::end(kReaders),
                                    [&ext](const TextReader& r) { return r.extension == ext; });
    return found != std::end(kReaders) ? found : nullptr;
}

// A text on one line of the listing: line breaks and tabs become spaces.
std::string OneLine(const std::u16string& text) {
    std::string line = StrToUtf8(text);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return line;
}

// A path found in a folder as it is listed: its bytes on POSIX, UTF-8 (as the texts) on Windows,
// where a name need not fit the ANSI code page.
std::string Listed(const fs::path& file) {
#if defined(_WIN32)
    return StrToUtf8(PathText(file));
#else
    return file.string();
#endif
}

class Finder {
public:
    Finder(std::u16string_view text, Streams streams) : needle_(SearchFold(text)), streams_(streams) {}

    // A file of a known kind is searched; a folder, every such file under it in name order.
    void Search(const std::string& argument) {
        const fs::path path = ArgPath(argument);
        std::error_code error;
        if (fs::is_directory(path, error)) {
            SearchFolder(argument, path);
        } else if (const TextReader* reader = ReaderOf(path)) {
            SearchFile(argument, path, *reader);
        } else {
            ReportUnreadable(streams_.err, "find", argument, ReadProblem(path, "not a .1, .jws, .jwk or .jww figure file"));
        }
    }

    bool Matched() const { return matched_; }

private:
    void SearchFolder(const std::string& argument, const fs::path& folder) {
        std::vector<fs::path> files;
        std::error_code error;
        fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
        for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            std::error_code type_error;
            if (it->is_regular_file(type_error) && ReaderOf(it->path())) files.push_back(it->path());
        }
        if (error) ReportUnreadable(streams_.err, "find", argument, error.message());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) SearchFile(Listed(file), file, *ReaderOf(file));
    }

    void SearchFile(const std::string& shown, const fs::path& file, const TextReader& reader) {
        const std::optional<std::vector<std::u16string>> texts = reader.read(file);
        if (!texts) {
            ReportUnreadable(streams_.err, "find", shown, ReadProblem(file, std::string("not a ") + reader.description));
            return;
        }
        std::string line;
        for (const std::u16string& text : *texts) {
            if (FoldedContains(SearchFold(text), needle_)) line += "\t" + OneLine(text);
        }
        if (line.empty()) return;
        streams_.out << shown << line << "\n";
        matched_ = true;
    }

    std::u16string needle_;
    Streams streams_;
    bool matched_ = false;
};

}  // namespace

void AddFindCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto* command = app.add_subcommand(
        "find",
        "Lists the figure files (.1, .jws, .jwk, .jww; folders searched through) whose texts or block names contain TEXT, "
        "case and width folded; one line per file: the path and the matching texts, tab-separated. Exit 0 when "
        "something matched, 1 when nothing did");
    auto text = std::make_shared<std::string>();
    auto paths = std::make_shared<std::vector<std::string>>();
    command->add_option("TEXT", *text, "text to look for (UTF-8)")->required();
    command->add_option("PATH", *paths, "figure files and folders")->required();
    command->callback([streams, &exit_code, text, paths] {
        // TEXT as the system hands arguments over, as file names are (ANSI on Windows, UTF-8 here).
        const std::u16string wanted = PathText(ArgPath(*text));
        if (SearchFold(wanted).empty()) {
            streams.err << "find: TEXT is empty\n";
            exit_code = kExitUsage;
            return;
        }
        Finder finder(wanted, streams);
        for (const std::string& path : *paths) finder.Search(path);
        exit_code = finder.Matched() ? kExitDone : kExitFailed;
    });
}

}  // namespace torvane::cli
