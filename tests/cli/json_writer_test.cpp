#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

namespace torvane::cli {
namespace {

// The writer's text must be what the dump printed when it built the document with nlohmann's
// JSON first (dump with an indent of one space).
TEST(JsonWriter, WritesTheLayoutAndNumberFormsOfTheLibraryDump) {
    const double inf = std::numeric_limits<double>::infinity();
    const double doubles[] = {0.0, -0.0, 1.0, -2.5, 0.1, 1e-7, 123456789012345678.0, 1e21, 5e-324, 100.0 / 3};
    nlohmann::ordered_json expected;
    std::ostringstream text;
    {
        JsonWriter json(text);
        json.BeginObject();
        for (double d : doubles) {
            const std::string name = "d" + std::to_string(expected.size());
            expected[name] = d;
            json.Member(name, d);
        }
        expected["float"] = static_cast<double>(0.1f);
        json.Member("float", 0.1f);
        expected["nan"] = "NaN";
        json.Member("nan", std::nan(""));
        expected["inf"] = "Infinity";
        json.Member("inf", inf);
        expected["-inf"] = "-Infinity";
        json.Member("-inf", -inf);
        expected["scalars"] = {std::int32_t{-7}, std::uint32_t{4000000000u}, false, true};
        json.Key("scalars");
        json.BeginArray();
        json.Int(-7);
        json.UInt(4000000000u);
        json.Bool(false);
        json.Bool(true);
        json.EndArray();
        expected["byte"] = std::uint8_t{200};
        json.Member("byte", std::uint8_t{200});
        expected["nested"] = {nlohmann::ordered_json::object(), nlohmann::ordered_json::array(), {{"a", 1}}};
        json.Key("nested");
        json.BeginArray();
        json.BeginObject();
        json.EndObject();
        json.BeginArray();
        json.EndArray();
        json.BeginObject();
        json.Member("a", 1);
        json.EndObject();
        json.EndArray();
        expected["text"] = "図面\"\\\b\f\n\r\t\x01\x1f\x7f end";
        json.Member("text", std::u16string(u"図面\"\\\b\f\n\r\t\x01\x1f\x7f end"));
        json.EndObject();
    }
    EXPECT_EQ(text.str(), expected.dump(1));
}

}  // namespace
}  // namespace torvane::cli
