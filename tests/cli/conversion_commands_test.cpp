#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "figure/jcf_data.h"
#include "support/test_files.h"

namespace torvane {
namespace {

struct CliResult {
    int code;
    std::string out, err;
};

CliResult RunTool(std::vector<std::string> args) {
    args.insert(args.begin(), "torvane-cli");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

// A small figure stream: one line from the base point (0, 0) to (10, 0) and one text.
std::filesystem::path WriteFigure(const test::TempDir& dir) {
    TJcfData doc;
    doc.DataDefaultSet();
    TEntJwwLine line;
    line.att.nPenStyle = 50;
    line.att.nPenColor = 200;
    line.att.lGroup = 4;
    line.end_x = 10;
    doc.EntLine = {line};
    doc.EntLineN = 1;
    doc.EntNo = {{kEntLine, 0}};
    doc.Enthd.n1 = 1;
    const auto path = dir / "figure.1";
    EXPECT_TRUE(doc.FileOut(path, 600));
    return path;
}

TEST(TransformCommand, TurnsACopyAndReportsTheValues) {
    test::TempDir dir;
    const auto in = WriteFigure(dir);
    const std::string before = test::ReadBytes(in);
    const auto out = dir / "out.1";
    const CliResult r = RunTool({"transform", in.string(), out.string(), "--scale", "2", "--angle", "90", "--text-scale"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto report = nlohmann::json::parse(r.out);
    EXPECT_EQ(report["PasteBai"], "2");
    EXPECT_EQ(report["PasteBaX"], 2.0);
    EXPECT_EQ(report["PasteMoj"], true);
    EXPECT_EQ(report["PasteTen"], false);
    EXPECT_EQ(report["outcome"], "converted");
    EXPECT_EQ(test::ReadBytes(in), before);
    TJcfData doc;
    ASSERT_TRUE(doc.FileIn(out));
    EXPECT_NEAR(doc.EntLine[0].end_x, 0, 1e-9);
    EXPECT_NEAR(doc.EntLine[0].end_y, 20, 1e-9);
}

TEST(TransformCommand, NothingAskedCopiesAndUnreadableFails) {
    test::TempDir dir;
    const auto in = WriteFigure(dir);
    const auto out = dir / "out.1";
    const CliResult same = RunTool({"transform", in.string(), out.string(), "--scale", "1", "--angle", "360"});
    EXPECT_EQ(same.code, 0);
    EXPECT_EQ(nlohmann::json::parse(same.out)["outcome"], "unchanged");
    EXPECT_EQ(test::ReadBytes(out), test::ReadBytes(in));

    test::WriteBytes(dir / "bad.1", "garbage");
    const CliResult bad = RunTool({"transform", (dir / "bad.1").string(), out.string(), "--scale", "2", "--angle", "0"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(nlohmann::json::parse(bad.out)["outcome"], "unreadable");
    EXPECT_EQ(test::ReadBytes(out), "garbage");
}

TEST(ConvertCommand, AppliesTheChosenConversions) {
    test::TempDir dir;
    const auto in = WriteFigure(dir);
    const auto out = dir / "out.1";
    const CliResult r = RunTool({"convert", in.string(), out.string(), "--curve", "1", "--color", "10", "--ltype", "19"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["outcome"], "converted");
    TJcfData doc;
    ASSERT_TRUE(doc.FileIn(out));
    EXPECT_EQ(doc.EntLine[0].att.lGroup, 0u);
    EXPECT_EQ(doc.EntLine[0].att.nPenColor, 101);
    EXPECT_EQ(doc.EntLine[0].att.nPenStyle, 31);
}

TEST(ConvertCommand, RejectsSettingsOutsideTheLists) {
    test::TempDir dir;
    const auto in = WriteFigure(dir);
    EXPECT_NE(RunTool({"convert", in.string(), (dir / "o.1").string(), "--color", "26"}).code, 0);
    EXPECT_NE(RunTool({"convert", in.string(), (dir / "o.1").string(), "--curve", "3"}).code, 0);
    const CliResult none = RunTool({"convert", in.string(), (dir / "o.1").string()});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(nlohmann::json::parse(none.out)["outcome"], "unchanged");
}

TEST(ImportCommand, ConvertsAJwsFigure) {
    const auto data = test::DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    test::TempDir dir;
    const auto out = dir / "figure.1";
    const CliResult r = RunTool({"import", (*data / "jws" / "test1.jws").string(), out.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto report = nlohmann::json::parse(r.out);
    EXPECT_EQ(report["kind"], "jws");
    EXPECT_EQ(report["written"], true);
    TJcfData doc;
    EXPECT_TRUE(doc.FileIn(out));
    EXPECT_GT(doc.Enthd.n1, 0);
}

TEST(ImportCommand, ConvertsAJwkFigureAndRefusesOthers) {
    test::TempDir dir;
    std::string jwk = "jw_cad(c)sym........";
    jwk.resize(200, '\0');
    std::string values = "1,0,0,0,0,0,1,0,1";
    values.resize(200, '\0');
    jwk += values;
    const float line[4] = {0, 0, 10, 5};
    jwk.append(reinterpret_cast<const char*>(line), sizeof line);
    jwk += std::string("\x01\x02\x00\x00\x00\x00", 6);
    test::WriteBytes(dir / "a.jwk", jwk);
    const CliResult r = RunTool({"import", (dir / "a.jwk").string(), (dir / "a.1").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    TJcfData doc;
    ASSERT_TRUE(doc.FileIn(dir / "a.1"));
    ASSERT_EQ(doc.EntLineN, 1);
    EXPECT_EQ(doc.EntLine[0].end_x, 10);
    EXPECT_EQ(doc.EntLine[0].att.nPenColor, 2);

    test::WriteBytes(dir / "b.jws", "not a figure");
    const CliResult bad = RunTool({"import", (dir / "b.jws").string(), (dir / "b.1").string()});
    EXPECT_EQ(bad.code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "b.1"));
}

TEST(TransformCommand, ScaleAndAngleDefaultToNoChange) {
    test::TempDir dir;
    const CliResult r = RunTool({"transform", WriteFigure(dir).string(), (dir / "out.1").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["outcome"], "unchanged");
}

TEST(ConversionCommands, FileNamesAreTheBytesTheSystemGives) {
#if defined(_WIN32)
    GTEST_SKIP() << "POSIX file names";
#else
    test::TempDir dir;
    const std::string figure = (dir.path() / "\x90\x7D\x8C\x60.1").native();  // 図形 in Shift-JIS: no UTF-8
    std::filesystem::rename(WriteFigure(dir), figure);
    std::string jwk = std::string("jw_cad(c)sym........").append(180, '\0') + "0,0,0,0,0,0,1,0,1";
    test::WriteBytes(figure + ".jwk", jwk.append(400 - jwk.size(), '\0'));
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"transform", figure, figure + ".t", "--scale", "2"},
          {"convert", figure, figure + ".c", "--curve", "1"},
          {"write", figure, figure + ".w"},
          {"import", figure + ".jwk", figure + ".i"}}) {
        EXPECT_EQ(RunTool(command).code, 0) << command[0];
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(command[2]))) << command[0];
    }
#endif
}

}  // namespace
}  // namespace torvane
