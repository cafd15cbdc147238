#pragma once
#include <filesystem>
#include <string_view>

#include "convert/paste_values.h"
#include "convert/stream_file.h"
#include "figure/jcf_data.h"

namespace torvane {

// Maps every top-level entity of the figure about its base point; block definitions follow
// their insertions and are not changed.
void TransformFigure(TJcfData& doc, const PasteTransformValues& values);

struct PasteTransformResult {
    PasteTransformValues values;
    StreamFileOutcome outcome = StreamFileOutcome::Unchanged;
};

// The paste transform of the figure stream file f with the palette's scale and angle texts and
// its two check boxes, done through the document `JCF`. The file is rewritten only when the
// values scale or rotate and it reads as a whole.
PasteTransformResult PasteTransformFile(const std::filesystem::path& f, std::u16string_view scale_text,
                                        std::u16string_view angle_text, bool text_scale, bool point_scale,
                                        TJcfData& JCF);

}  // namespace torvane
