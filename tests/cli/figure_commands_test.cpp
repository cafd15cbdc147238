// check, dump, write and find on real and hand-built figures.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "figure/jwk_file_builder.h"
#include "figure/stream_builder.h"
#include "support/test_files.h"

namespace torvane {
namespace {

struct Result {
    int exit_code;
    std::string out;
    std::string err;
};

Result RunCommand(std::vector<std::string> args) {
    args.insert(args.begin(), "torvane-cli");
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

class FigureCommands : public ::testing::Test {
protected:
    void SetUp() override {
        const auto dir = test::DataDir();
        if (!dir) GTEST_SKIP() << "no real data";
        data_ = *dir;
    }
    std::filesystem::path data_;
    test::TempDir temp_;
};

TEST_F(FigureCommands, CheckTellsTheKindAndTheResult) {
    EXPECT_EQ(RunCommand({"check", (data_ / "streams" / "test1.1").string()}).exit_code, 0);
    const Result jws = RunCommand({"check", (data_ / "jws" / "test1.jws").string()});
    EXPECT_EQ(jws.exit_code, 0);
    EXPECT_EQ(nlohmann::json::parse(jws.out)["kind"], "jws");
    test::WriteBytes(temp_ / "note.txt", "not a figure");
    EXPECT_EQ(RunCommand({"check", (temp_ / "note.txt").string()}).exit_code, 1);
    EXPECT_EQ(RunCommand({"check", (data_ / "jws" / "test1.jws").string(), "--kind", "jcf"}).exit_code, 1);
}

TEST_F(FigureCommands, DumpPrintsEveryRecordUnderItsCodeName) {
    const Result result = RunCommand({"dump", (data_ / "streams" / "2blocks.1").string()});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["kind"], "jcf");
    EXPECT_EQ(json["check"], true);
    EXPECT_EQ(json["read"], true);
    const auto& doc = json["document"];
    EXPECT_EQ(doc["Enthd"]["jwVer"], 700);
    EXPECT_EQ(doc["EntBlock"].size(), doc["EntBlockN"].get<std::size_t>());
    EXPECT_EQ(doc["EntNo"].size(), doc["Enthd"]["n1"].get<std::size_t>());
    ASSERT_EQ(doc["EntBlockDef"].size(), 2u);
    EXPECT_EQ(doc["EntBlockDef"][0]["strName"], "2lines@@SfigorgFlag@@4");
    EXPECT_TRUE(doc["EntBlockDef"][0]["mLine"][0]["att"].contains("nPenStyle"));
    EXPECT_TRUE(doc["EntMoji"][0].contains("strFontName"));
    EXPECT_EQ(doc["EntLgrp"].size(), 16u);

    const auto jws = nlohmann::json::parse(RunCommand({"dump", (data_ / "jws" / "test2.jws").string()}).out);
    EXPECT_EQ(jws["document"]["Enthd"]["jwID"], "JwsData");
    EXPECT_TRUE(jws["document"]["Enthd"].contains("dmy16"));
}

TEST_F(FigureCommands, DumpShowsJwkFilesAndExtentsOnRequest) {
    test::JwkFileBuilder file;
    file.Line(0, 0, 10, 5).Line(-3, 1, 2, 8);
    test::WriteBytes(temp_ / "figure.jwk", file.Bytes());
    const Result jwk = RunCommand({"dump", (temp_ / "figure.jwk").string(), "--extents"});
    ASSERT_EQ(jwk.exit_code, 0) << jwk.err;
    const auto json = nlohmann::json::parse(jwk.out);
    EXPECT_EQ(json["kind"], "jwk");
    EXPECT_EQ(json["document"]["EntLine"].size(), 2u);
    EXPECT_LT(json["document"]["myMinWx"].get<double>(), json["document"]["myMaxWx"].get<double>());
    EXPECT_EQ(RunCommand({"check", (temp_ / "figure.jwk").string()}).exit_code, 0);

    const auto stream = nlohmann::json::parse(RunCommand({"dump", (data_ / "streams" / "test1.1").string(), "--extents"}).out);
    EXPECT_LT(stream["document"]["myMinWx"].get<double>(), stream["document"]["myMaxWx"].get<double>());
}

TEST_F(FigureCommands, DumpWritesNonNumbersAsStrings) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    test::StreamBuilder s;
    s.Header().Count(1).NewClass("CDataSen").Line(-std::numeric_limits<double>::infinity(), nan, 0.1, 1e300).Count(0);
    test::WriteBytes(temp_ / "odd.1", s.bytes());
    const auto json = nlohmann::json::parse(RunCommand({"dump", (temp_ / "odd.1").string()}).out);
    const auto& line = json["document"]["EntLine"][0];
    EXPECT_EQ(line["start_x"], "-Infinity");
    EXPECT_EQ(line["start_y"], "NaN");
    EXPECT_EQ(line["end_x"].dump(), "0.1");
    EXPECT_EQ(line["end_y"].get<double>(), 1e300);
}

TEST_F(FigureCommands, WriteGivesBackTheStreamOrANewVersion) {
    const auto in = data_ / "streams" / "Test2.1";
    const auto out = temp_ / "out.1";
    ASSERT_EQ(RunCommand({"write", in.string(), out.string()}).exit_code, 0);
    EXPECT_EQ(test::ReadBytes(out), test::ReadBytes(in));
    ASSERT_EQ(RunCommand({"write", in.string(), out.string(), "--ver", "351", "--utf16"}).exit_code, 0);
    const auto json = nlohmann::json::parse(RunCommand({"dump", out.string()}).out);
    EXPECT_EQ(json["document"]["Enthd"]["jwVer"], 351);
    EXPECT_EQ(json["document"]["MojiEncode"], true);
    EXPECT_EQ(RunCommand({"write", (temp_ / "missing.1").string(), out.string()}).exit_code, 1);
}

// export writes a JWS file that check accepts and import turns back into the stream.
TEST_F(FigureCommands, ExportWritesAJwsFileThatCheckAcceptsAndImportGivesBack) {
    const auto in = data_ / "streams" / "2blocks.1";
    const auto jws = temp_ / u8"図形.jws";
    ASSERT_EQ(RunCommand({"export", in.string(), jws.string()}).exit_code, 0);
    EXPECT_EQ(RunCommand({"check", jws.string(), "--kind", "jws"}).exit_code, 0);
    ASSERT_EQ(RunCommand({"import", jws.string(), (temp_ / "back.1").string()}).exit_code, 0);
    EXPECT_EQ(test::ReadBytes(temp_ / "back.1"), test::ReadBytes(in));
    EXPECT_EQ(RunCommand({"export", (temp_ / "missing.1").string(), jws.string()}).exit_code, 1);
}

// A drawing goes through check, dump, render and import like the other kinds; its hidden layer
// groups (Test6 shows 2 of 16) stay in the dump and out of the picture and the import.
TEST_F(FigureCommands, DrawingsTakeEveryFigureCommand) {
    const std::string drawing = (data_ / "jww" / "Test6.jww").string();
    const Result check = RunCommand({"check", drawing});
    EXPECT_EQ(check.exit_code, 0);
    EXPECT_EQ(nlohmann::json::parse(check.out)["kind"], "jww");
    EXPECT_EQ(RunCommand({"check", (data_ / "jws" / "Test6.jws").string(), "--kind", "jww"}).exit_code, 1);

    const Result dump = RunCommand({"dump", drawing});
    ASSERT_EQ(dump.exit_code, 0) << dump.err;
    const auto doc = nlohmann::json::parse(dump.out)["document"];
    const auto jws = nlohmann::json::parse(RunCommand({"dump", (data_ / "jws" / "Test6.jws").string()}).out)["document"];
    EXPECT_EQ(doc["EntNo"], jws["EntNo"]);
    EXPECT_EQ(doc["EntLine"], jws["EntLine"]);
    EXPECT_EQ(doc["Enthd"]["jwwID"], "JwwData.");
    EXPECT_EQ(doc["Enthd"]["strMemo"], "２．５用ＴＥＳＴデータ\r\n");
    EXPECT_EQ(doc["Enthd"]["aLay"].size(), 16u);
    EXPECT_EQ(doc["EntLgrp"][1]["anGLay"], 0);
    EXPECT_EQ(doc["EntLgrp"][0]["aStrGLayName"], "　敷地・建物");

    const auto png = temp_ / "drawing.png";
    EXPECT_EQ(RunCommand({"render", drawing, png.string(), "--size", "120x90"}).exit_code, 0);
    EXPECT_EQ(RunCommand({"render", (data_ / "jws" / "Test6.jws").string(), (temp_ / "jws.png").string(), "--size",
                          "120x90"}).exit_code,
              0);
    EXPECT_NE(test::ReadBytes(png), test::ReadBytes(temp_ / "jws.png"));

    const auto stream = temp_ / "drawing.1";
    const Result import = RunCommand({"import", drawing, stream.string()});
    ASSERT_EQ(import.exit_code, 0) << import.err;
    EXPECT_EQ(nlohmann::json::parse(import.out)["kind"], "jww");
    const auto clip = nlohmann::json::parse(RunCommand({"dump", stream.string(), "--extents"}).out)["document"];
    EXPECT_EQ(clip["Enthd"]["n1"], 1962 - 1389);
    EXPECT_EQ(clip["Enthd"]["BasePoint_x"], clip["myMinWx"]);
    EXPECT_EQ(clip["Enthd"]["BasePoint_y"], clip["myMinWy"]);
}

TEST(CommandLine, FailuresNameTheCommandThePathAndTheReasonAndExitCodesAreThree) {
    test::TempDir temp;
    const std::string missing = (temp / "missing.1").string();
    for (const char* command : {"check", "dump"}) {
        const Result result = RunCommand({command, missing});
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_EQ(result.err, std::string(command) + ": cannot read " + missing + ": no such file\n");
    }
    EXPECT_NE(RunCommand({"dump", temp.path().string()}).err.find(": it is a folder"), std::string::npos);
    test::StreamBuilder s;
    s.Header().Count(1).NewClass("CDataSen").Line(0, 0, 1, 0).Count(0);
    const std::string in = (temp / "in.1").string();
    test::WriteBytes(in, s.bytes());
    const std::string unwritable = (temp / "no" / "out.1").string();
    EXPECT_EQ(RunCommand({"write", in, unwritable}).err, "write: cannot write " + unwritable + ": no such folder\n");

    EXPECT_EQ(RunCommand({"draw", in}).exit_code, 2);
    for (const char* command : {"check", "dump", "write", "render", "transform", "convert", "import", "export", "settings", "keys"})
        EXPECT_EQ(RunCommand({command}).exit_code, 2) << command;
    // Only the versions the stream check accepts.
    EXPECT_EQ(RunCommand({"write", in, missing, "--ver", "219"}).exit_code, 2);
    EXPECT_EQ(RunCommand({"write", in, missing, "--ver", "701"}).exit_code, 2);
    EXPECT_EQ(RunCommand({"write", in, missing, "--ver", "220"}).exit_code, 0);
    const Result help = RunCommand({"--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_NE(help.out.find("Exit codes"), std::string::npos);
}

// find: every kind of figure file under a folder, texts width- and case-folded, the exit codes.
TEST_F(FigureCommands, FindListsTheFilesWhoseTextsHoldTheText) {
    namespace fs = std::filesystem;
    const fs::path top = temp_ / "top";
    fs::create_directories(top / "sub");
    fs::copy_file(data_ / "streams" / "Test2.1", top / "Test2.1");
    fs::copy_file(data_ / "streams" / "jww-1.1", top / "jww-1.1");
    fs::copy_file(data_ / "jws" / "Test1.jws", top / "sub" / "Test1.jws");
    fs::copy_file(data_ / "jww" / "Test2.jww", top / "sub" / "Test2.jww");
    test::WriteBytes(top / "sub" / "note.txt", "\x82\x54\x82\x8d\x83\x89\x83\x43\x83\x93");
    test::JwkFileBuilder door;
    door.strings = std::string("\x83h\x83\x41\0", 5);
    door.Moji(0, 0, 10, 0, 0);
    test::WriteBytes(top / "sub" / "door.JWK", door.Bytes());

    const Result lines = RunCommand({"find", "5Mﾗｲﾝ", top.string()});
    ASSERT_EQ(lines.exit_code, 0) << lines.err;
    const std::string first = (top / "Test2.1").string() + "\t５ｍライン";
    const std::string second = (top / "sub" / "Test1.jws").string() + "\t５ｍラインの書き方\t";
    EXPECT_EQ(lines.out.substr(0, first.size()), first);
    EXPECT_NE(lines.out.find("\n" + second), std::string::npos) << lines.out;
    EXPECT_NE(lines.out.find("\n" + (top / "sub" / "Test2.jww").string() + "\t５ｍライン\n"), std::string::npos)
        << "a drawing";
    EXPECT_EQ(std::count(lines.out.begin(), lines.out.end(), '\n'), 3);

    const Result jwk = RunCommand({"find", "ﾄﾞｱ", (top / "sub" / "door.JWK").string(), top.string()});
    EXPECT_EQ(jwk.exit_code, 0);
    EXPECT_EQ(jwk.out, (top / "sub" / "door.JWK").string() + "\tドア\n" + (top / "sub" / "door.JWK").string() + "\tドア\n");
    EXPECT_EQ(RunCommand({"find", "扉", top.string()}).exit_code, 1);
    const Result missing = RunCommand({"find", "ドア", (top / "gone.1").string(), (top / "sub" / "note.txt").string()});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_NE(missing.err.find("gone.1"), std::string::npos);
    EXPECT_NE(missing.err.find("note.txt: not a .1, .jws, .jwk or .jww figure file"), std::string::npos) << missing.err;
    EXPECT_EQ(RunCommand({"find", "", top.string()}).exit_code, 2) << "an empty text";
    EXPECT_EQ(RunCommand({"find", "ドア"}).exit_code, 2);
}

}  // namespace
}  // namespace torvane
