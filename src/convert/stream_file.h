#pragma once
#include <filesystem>

#include "figure/jcf_data.h"

namespace torvane {

// What became of a figure stream file given to a conversion.
enum class StreamFileOutcome {
    Unchanged,    // nothing was asked: the file was not read
    Converted,    // read, changed and written back
    Unreadable,   // the file could not be read: left as it was
    WriteFailed,  // read and changed, but the writer failed (it leaves the old file or none)
};

// Rebuilds the block tree and writes the document over f in its own version, with UTF-16
// strings when it was read with them.
StreamFileOutcome WriteBack(TJcfData& JCF, const std::filesystem::path& f);

}  // namespace torvane
