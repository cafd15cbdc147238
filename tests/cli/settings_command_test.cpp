#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/test_files.h"

namespace torvane::test {
namespace {

struct CliResult {
    int exit_code;
    std::string out;
    std::string err;
};

CliResult RunSettings(std::vector<std::string> args) {
    args.insert(args.begin(), {"torvane-cli", "settings"});
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

TEST(SettingsCommand, PrintsTheParsedValuesOfATruncatedFile) {
    TempDir dir;
    WriteBytes(dir / "t.dat", "10\r\n20\r\n300\r\n200\r\n0\r\n1\r\n");
    const auto result = RunSettings({(dir / "t.dat").string()});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["settings"]["Ktime"], 1000);
    EXPECT_EQ(json["settings"]["Histo"], 1);
    EXPECT_EQ(json["settings"]["BtnXn"], 1);
    EXPECT_EQ(json["settings"]["BtnWi"], 16);
    EXPECT_EQ(json["settings"]["PasteBai"], "");
    EXPECT_EQ(json["windows"]["Form1"]["Width"], 300);
    EXPECT_EQ(json["windows"]["Form5"]["ColWidths"].size(), 3U);
    ASSERT_EQ(json["StringGrid1"].size(), 4U);
    EXPECT_EQ(json["StringGrid1"][3].size(), 100U);
    EXPECT_TRUE(json["BrowserFolders"].empty());
}

TEST(SettingsCommand, WriteGivesAFileThatReadsTheSame) {
    TempDir dir;
    std::string file = "1\r\n2\r\n3\r\n4\r\n250\r\n1\r\n";
    for (int line = 7; line <= 28; ++line) file += "0\r\n";
    file += "1\r\n1 / 2\r\n1\r\n45\r\n2 x\r\n30\r\n0\r\n1\r\n1\r\nE59BB3E99DA2\r\n";
    WriteBytes(dir / "in.dat", file);
    const auto first = RunSettings({(dir / "in.dat").string(), "--write", (dir / "out.dat").string()});
    ASSERT_EQ(first.exit_code, 0) << first.err;
    const auto second = RunSettings({(dir / "out.dat").string()});
    EXPECT_EQ(second.out, first.out);
    const auto json = nlohmann::json::parse(second.out);
    EXPECT_EQ(json["settings"]["PasteBa"], nlohmann::json::array({"1 / 2"}));
    EXPECT_EQ(json["settings"]["PasteBai"], "2 x");
    EXPECT_EQ(json["settings"]["ZukeiFold"], "図面");
}

TEST(SettingsCommand, GarbageIsReadWithoutCrashing) {
    TempDir dir;
    std::string garbage;
    unsigned state = 7;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1664525 + 1013904223;
        garbage += static_cast<char>(state >> 24);
        if (i % 13 == 0) garbage += "\r\n";
    }
    WriteBytes(dir / "g.dat", garbage);
    const auto result = RunSettings({(dir / "g.dat").string(), "--write", (dir / "g2.dat").string()});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_TRUE(nlohmann::json::accept(result.out));
}

TEST(SettingsCommand, MissingFileFails) {
    TempDir dir;
    const auto result = RunSettings({(dir / "none.dat").string()});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_TRUE(result.out.empty());
}

}  // namespace
}  // namespace torvane::test
