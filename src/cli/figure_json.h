#pragma once
#include <nlohmann/json.hpp>

#include <string>

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

Json DocumentJson(const TJcfData& doc);
Json DocumentJson(const TJwsData& doc);
Json DocumentJson(const TJwkData& doc);

// The whole output of dump: {"kind", "check", "read", "document"}, as text.
std::string DumpText(const char* kind, bool check, bool read, Json document);

}  // namespace torvane::cli
