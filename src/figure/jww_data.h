#pragma once
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "figure/jww_figure.h"
#include "figure/jww_header.h"

namespace torvane {

// A drawing read from a drawing file (*.jww): the same model and object archive as TJcfData
// behind the drawing's header. Read only; the images a drawing may carry after its block
// definitions are not read.
class TJwwData final : public TJwwFigureData {
public:
    TEntJwwHeader Enthd;

    TEntJcfHeader& Header() override { return Enthd; }
    const TEntJcfHeader& Header() const override { return Enthd; }

    // True for a file beginning "JwwData." with a version of 200 to 700.
    bool FileCheck(const std::filesystem::path& FName) const;
    // Reads the file into the document; true when the header, the entity list and the block
    // definitions were read whole.
    bool FileIn(const std::filesystem::path& FName);

    // The same for a file already in memory; `name` becomes the text codes' file name and the
    // header's memo their memo.
    static bool CheckBytes(std::span<const std::uint8_t> bytes);
    bool ReadBytes(std::span<const std::uint8_t> bytes, const std::u16string& name);

    // True when the layer of `att` and its layer group are not hidden in the header.
    bool LayerShown(const TEntJwwAttr& att) const;
    // The drawing as Jw_cad shows it: the top-level entities on hidden layers or in hidden layer
    // groups removed (KeepEntities with LayerShown) and the base point, which a drawing does not
    // have, put at the lower left corner of the remaining entities (PlaceBasePointAtLowerLeft).
    void KeepShownLayers();

protected:
    void ResetHeader() override { Enthd = TEntJwwHeader{}; }
};

// Removes the top-level entities whose attributes `keep` refuses, keeps the order of the others,
// and rebuilds the block tree. The block definitions stay; only those the remaining placements
// reach are drawn or written.
void KeepEntities(TJwwFigureData& figure, const std::function<bool(const TEntJwwAttr&)>& keep);

// Puts the base point at the lower left corner of the extents of the figure's entities alone
// (GetMinMaxZahyo, which otherwise counts the base point in); (0, 0) when it has none.
void PlaceBasePointAtLowerLeft(TJwwFigureData& figure);

}  // namespace torvane
