#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "figure/jwctype.h"

namespace torvane {

// Header of a JWK figure file.
struct TEntJwkHeader {
    std::u16string jwID;
    std::u16string comment1, comment2;
    int32_t lineCount = 0, arcCount = 0, tenCount = 0, mojiCount = 0;  // declared record counts
    float org_x = 0, org_y = 0;
    float dispScale = 1;
    int32_t strSpace = 0;  // size in bytes of the string area
    float scale = 1;       // stored coordinates divided by it give millimetres
    std::vector<std::u16string> para;  // the nine header values as texts, only while reading
};

// A figure of a JWK file (the DOS figure format): lines, arcs, points and texts, read only.
class TJwkData {
public:
    static constexpr std::size_t kMojiTypeCount = 12;

    TJwkData();
    ~TJwkData();
    TJwkData(const TJwkData&) = delete;
    TJwkData& operator=(const TJwkData&) = delete;

    // Empties the document and rebuilds the text-type table from JwcMojiDef.
    void DataInit();
    void DataFree();

    // The file begins with "jw_cad(c)sym" and eight dots.
    bool FileCheck(const std::filesystem::path& FName) const;
    // Reads the file; false on any format error (the document keeps what was read).
    bool FileIn(const std::filesystem::path& FName);

    // The same for a file already in memory; `name` becomes the text codes' file name.
    static bool CheckBytes(std::span<const std::uint8_t> bytes);
    bool ReadBytes(std::span<const std::uint8_t> bytes, const std::u16string& name);

    // Loads the drawing attributes gGraAtt for this figure: every layer shown, scaled by 1 / scale
    // (defined with the drawing attributes).
    void SetGAttLayer();

    // Extents in millimetres into myMinWx … and the shared current extents.
    void GetMinMaxZahyo();

    // Drawing (defined in render): the document or one entity on gGraph1, stored coordinates
    // divided by the header's scale.
    void GLDrawALL();
    void GLDrawLine(bool dispmode, std::uint32_t dcol, const TEntJwcLine& e);
    void GLDrawArc(bool dispmode, std::uint32_t dcol, const TEntJwcArc2& e);
    void GLDrawMoji(bool dispmode, std::uint32_t dcol, const TEntJwcMoji2& e);
    void GLDrawTen(bool dispmode, std::uint32_t dcol, const TEntJwcTen& e);

    int32_t lineN = 0, arcN = 0, tenN = 0, mojiN = 0;
    TEntJwkHeader Enthd;
    std::vector<TEntJwcMojiType> EntMjtp;
    std::vector<TEntJwcLine> EntLine;
    std::vector<TEntJwcArc2> EntArc;
    std::vector<TEntJwcTen> EntTen;
    std::vector<TEntJwcMoji2> EntMoji;
    double myMinWx = 0, myMinWy = 0, myMaxWx = 0, myMaxWy = 0;
};

}  // namespace torvane
