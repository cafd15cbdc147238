#include <gtest/gtest.h>

#include <sstream>

#include "cli/run_cli.h"

namespace torvane::cli {
namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunKeys(std::vector<const char*> args) {
    args.insert(args.begin(), {"torvane-cli", "keys"});
    std::ostringstream out, err;
    const int code = RunCli(static_cast<int>(args.size()), args.data(), out, err);
    return {code, out.str(), err.str()};
}

TEST(KeysCommand, PrintsItemsWaitsAndKeyEvents) {
    const auto r = RunKeys({"^V{10}{enter}"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "item ^V\n"
              "  wait 500 ms\n"
              "  down 0x11 CTRL\n"
              "  down 0x56 V\n"
              "  up 0x56 V\n"
              "  up 0x11 CTRL\n"
              "  up 0x56 V\n"
              "item {10}\n"
              "  wait 1000 ms\n"
              "item {enter}\n"
              "  wait 500 ms\n"
              "  down 0x0D ENTER\n"
              "  up 0x0D ENTER\n"
              "  up 0x0D ENTER\n");
}

TEST(KeysCommand, NonAsciiItemsAndMissingArgument) {
    const auto r = RunKeys({"\xE3\x81\x82+"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("item \xE3\x81\x82\n  wait 500 ms\n  down 0x42 B\n"), std::string::npos);
    EXPECT_NE(r.out.find("item +\n  wait 500 ms\n  down 0x6B\n"), std::string::npos);
    EXPECT_NE(RunKeys({}).code, 0);
}

}  // namespace
}  // namespace torvane::cli
