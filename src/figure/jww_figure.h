#pragma once
#include <concepts>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "figure/jwwtype.h"

namespace torvane {

// Header of a clipboard figure stream; the JWS header extends it.
struct TEntJcfHeader {
    std::int32_t jwVer = 0;  // schema of the stream's first object class, e.g. 600
    double BasePoint_x = 0, BasePoint_y = 0;
    double Mx1 = 0, My1 = 0, Mx2 = 0, My2 = 0;  // extents
    std::int32_t n1 = 0;  // top-level entities (entries of EntNo)
    std::int32_t n2 = 0;  // block definitions
};

// Work through block placements that one figure may cost, in entities visited (a curve, a fill
// or a character counting more than a line). The block tree takes nodes only while their
// definitions' members fit in it, and the extents and the drawing walk that tree, so that
// measuring and drawing any figure stay bounded whatever its blocks; a figure beyond it is drawn
// with the placements that fitted.
inline constexpr std::int64_t kPlacedEntityBudget = std::int64_t{1} << 21;

// The figure model shared by TJcfData (clipboard streams) and TJwsData (JWS files):
// layer groups, one array per entity kind with its count, the order table, the block
// definitions and the flattened block tree. Only the header differs between the two.
class TJwwFigureData {
public:
    TJwwFigureData() = default;
    virtual ~TJwwFigureData() = default;
    TJwwFigureData(const TJwwFigureData&) = default;
    TJwwFigureData& operator=(const TJwwFigureData&) = default;

    // The header fields both documents have.
    virtual TEntJcfHeader& Header() = 0;
    virtual const TEntJcfHeader& Header() const = 0;

    std::vector<TEntJwwLayerGroup> EntLgrp;  // 16 groups once read or defaulted
    std::vector<TEntJwwNo> EntNo;            // order of the top-level entities; n1 valid
    std::vector<TEntJwwLine> EntLine;
    std::int32_t EntLineN = 0;
    std::vector<TEntJwwEnko> EntEnko;
    std::int32_t EntEnkoN = 0;
    std::vector<TEntJwwTen> EntTen;
    std::int32_t EntTenN = 0;
    std::vector<TEntJwwMoji> EntMoji;
    std::int32_t EntMojiN = 0;
    std::vector<TEntJwwSunpo> EntSunpo;
    std::int32_t EntSunpoN = 0;
    std::vector<TEntJwwSolid> EntSolid;
    std::int32_t EntSolidN = 0;
    std::vector<TEntJwwBlock> EntBlock;
    std::int32_t EntBlockN = 0;
    std::vector<TEntJwwBlockDef> EntBlockDef;
    std::int32_t EntBlockDefN = 0;
    std::vector<TEntJwwBlockTree> EntBlockTree;
    std::int32_t EntBlockTreeN = 0;
    std::int32_t EntBlockNum = 0;      // definitions reached from the insertions
    std::u16string BindImageFolder;    // folder of images named "^@BM%temp%…"; kept by resets
    std::int32_t FileOutOpt = 0;       // writer options, 0..63; 32 = UTF-16 strings
    bool MojiEncode = false;           // the stream read held a UTF-16 string
    double myMinWx = 0, myMinWy = 0, myMaxWx = 0, myMaxWy = 0;  // extents

    // Empties the document; BindImageFolder keeps its value.
    void DataInit();
    // Releases the definitions' arrays, then DataInit.
    void DataFree();
    // Version 600, base point (0, 0) and 16 layer groups of scale 1, for building by hand.
    void DataDefaultSet();
    // Sets every count (EntLineN … EntBlockDefN, EntBlockTreeN and each definition's N and
    // mLineN … mBlockN) to the size of its array.
    void CountEntities();
    // Rebuilds EntBlockTree (bounded by kPlacedEntityBudget) and, from every definition the
    // insertions reach however deep, the definitions' ref_flag and ref_no and EntBlockNum.
    void MakeBlockTree();
    // The number under which block number n is written.
    std::uint32_t ChangeBlockNo(std::uint32_t n) const;
    // Loads the layer-group scales into the drawing attributes gGraAtt (defined in render).
    void SetGAttLayer();
    // Recomputes myMinWx … myMaxWy and the shared current extents (defined with the extents).
    void GetMinMaxZahyo();

    // Drawing on gGraph1 with the attributes of gGraAtt (defined in render). GLDrawALL draws
    // every entity and block placement; the others draw one entity: dispmode is the display
    // mode, dcol an ARGB override colour (0 none), hojof leaves out a dimension's auxiliary
    // parts. The forms ending in 2 draw an entity of a block definition placed by the block
    // transform (bx, by, b1..b4, sc; lf: the block keeps its own layer scales, sc counts as 1).
    void GLDrawALL();
    void GLDrawImage(bool dispmode, std::uint32_t dcol, const TEntJwwMoji& e);
    void GLDrawSolid(bool dispmode, std::uint32_t dcol, const TEntJwwSolid& e);
    void GLDrawLine(bool dispmode, std::uint32_t dcol, const TEntJwwLine& e);
    void GLDrawEnko(bool dispmode, std::uint32_t dcol, const TEntJwwEnko& e);
    void GLDrawTen(bool dispmode, std::uint32_t dcol, const TEntJwwTen& e);
    void GLDrawMoji(bool dispmode, std::uint32_t dcol, const TEntJwwMoji& e);
    void GLDrawSunpo(bool dispmode, bool hojof, std::uint32_t dcol, const TEntJwwSunpo& e);
    void GLDrawImage2(bool dispmode, std::uint32_t dcol, const TEntJwwMoji& e, bool lf, double sc, double bx,
                      double by, double b1, double b2, double b3, double b4);
    void GLDrawSolid2(bool dispmode, std::uint32_t dcol, const TEntJwwSolid& e, bool lf, double sc, double bx,
                      double by, double b1, double b2, double b3, double b4);
    void GLDrawLine2(bool dispmode, std::uint32_t dcol, const TEntJwwLine& e, bool lf, double sc, double bx,
                     double by, double b1, double b2, double b3, double b4);
    void GLDrawEnko2(bool dispmode, std::uint32_t dcol, const TEntJwwEnko& e, bool lf, double sc, double bx,
                     double by, double b1, double b2, double b3, double b4);
    void GLDrawTen2(bool dispmode, std::uint32_t dcol, const TEntJwwTen& e, bool lf, double sc, double bx, double by,
                    double b1, double b2, double b3, double b4);
    void GLDrawMoji2(bool dispmode, std::uint32_t dcol, const TEntJwwMoji& e, bool lf, double sc, double bx,
                     double by, double b1, double b2, double b3, double b4);
    void GLDrawSunpo2(bool dispmode, bool hojof, std::uint32_t dcol, const TEntJwwSunpo& e, bool lf, double sc,
                      double bx, double by, double b1, double b2, double b3, double b4);
    // A dimension text drawn with the string sm in place of its own, centred where it stood.
    void GLDrawMoji3(bool dispmode, std::uint32_t dcol, const std::u16string& sm, const TEntJwwMoji& e, bool lf,
                     double sc, double bx, double by, double b1, double b2, double b3, double b4);

protected:
    // Empties the header fields of the concrete document.
    virtual void ResetHeader() = 0;
};

// VisitEntityArrays over the figure's own entities.
template <class Figure, class Visit>
    requires std::derived_from<std::remove_const_t<Figure>, TJwwFigureData>
void ForEachEntityArray(Figure& f, Visit&& visit) {
    VisitEntityArrays(visit, f.EntLine, f.EntLineN, f.EntEnko, f.EntEnkoN, f.EntTen, f.EntTenN, f.EntMoji, f.EntMojiN,
                      f.EntSunpo, f.EntSunpoN, f.EntSolid, f.EntSolidN, f.EntBlock, f.EntBlockN);
}

}  // namespace torvane
