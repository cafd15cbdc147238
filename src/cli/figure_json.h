#pragma once
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "cli/json_writer.h"
#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"

namespace torvane::cli {

// Documents as JSON objects: every field under its name in the code, arrays holding exactly
// the valid records, written while the document is visited.
void WriteDocument(JsonWriter& json, const TJcfData& doc);
void WriteDocument(JsonWriter& json, const TJwsData& doc);
void WriteDocument(JsonWriter& json, const TJwkData& doc);
// A drawing: the stream's members and the drawing header's own fields.
void WriteDocument(JsonWriter& json, const TJwwData& doc);

// Opens a document's object and, in it, the object of its header "Enthd".
void BeginDocument(JsonWriter& json);

// The member `name`: an array of the first `count` records (never more than they hold), each
// written by write(json, record).
template <typename Record, typename Write>
void WriteRecords(JsonWriter& json, std::string_view name, const std::vector<Record>& records, std::int32_t count,
                  Write write) {
    json.Key(name);
    json.BeginArray();
    const std::size_t n = std::min<std::size_t>(records.size(), static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < n; ++i) write(json, records[i]);
    json.EndArray();
}

}  // namespace torvane::cli
