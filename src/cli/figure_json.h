#pragma once
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"

namespace torvane::cli {

// Documents as JSON: every field under its name in the code, arrays holding exactly the
// valid records. Doubles are written in their shortest round-trip form, NaN and infinities
// as the strings "NaN", "Infinity" and "-Infinity"; strings as UTF-8.
using Json = nlohmann::ordered_json;

Json Number(double value);
std::string Utf8(const std::u16string& text);

// The first `count` records of `records` (never more than they hold), each as JSON.
template <typename Record, typename ToJson>
Json Records(const std::vector<Record>& records, std::int32_t count, ToJson to_json) {
    Json out = Json::array();
    const std::size_t n = std::min<std::size_t>(records.size(), static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < n; ++i) out.push_back(to_json(records[i]));
    return out;
}

Json DocumentJson(const TJcfData& doc);
Json DocumentJson(const TJwsData& doc);
Json DocumentJson(const TJwkData& doc);

// The whole output of dump: {"kind", "check", "read", "document"}, as text.
std::string DumpText(const char* kind, bool check, bool read, Json document);

}  // namespace torvane::cli
