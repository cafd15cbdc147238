#pragma once
#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "figure/jcf_data.h"

namespace torvane {

// The texts of the clips searched so far, folded for searching (SearchFold) and kept by page and
// clip name: a clip's ".1" never changes after capture, so each is read once. A clip name is
// unique on its page only, hence the page in the key.
class TClipTextCache {
public:
    // The folded texts of clip `name` of `page`, read from its ".1" in `folder` the first time
    // (none when the file is missing or no figure stream; what a damaged stream held before the
    // damage otherwise).
    const std::vector<std::u16string>& Texts(int page, const std::u16string& name, const std::filesystem::path& folder);
    // A clip that was deleted leaves the cache.
    void Forget(int page, const std::u16string& name);
    // Keeps only the clips for which `named` (page, name) is true: those the index still names.
    void KeepOnly(const std::function<bool(int page, const std::u16string& name)>& named);
    std::size_t Size() const { return texts_.size(); }
    // Figure streams read since the cache was made.
    std::size_t FilesRead() const { return files_read_; }

private:
    std::map<std::pair<int, std::u16string>, std::vector<std::u16string>> texts_;
    TJcfData figure_;
    std::size_t files_read_ = 0;
};

}  // namespace torvane
