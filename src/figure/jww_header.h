#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "figure/jww_figure.h"
#include "util/byte_reader.h"

namespace torvane {

// The 16 layers of each of a drawing's 16 layer groups.
using TJwwLayerTable = std::array<std::array<TEntJwwLayer, 16>, 16>;

// Header of a drawing file (*.jww): the stream header's fields (jwVer is the drawing's version,
// the base point stays 0, 0) and the drawing's own settings. The layer groups' states, scales,
// protections and names go to the document's EntLgrp. Tables of the header that the pictures
// do not use (zoom marks, pen colours and line types, SXF colours and line types, text types)
// are read past and not kept.
struct TEntJwwHeader : TEntJcfHeader {
    std::u16string jwwID;  // "JwwData." after a successful read
    std::u16string strMemo;  // file memo; line breaks kept as CR LF
    std::int32_t nZumen = 0;  // paper size: 0..4 A0..A4, 8..11 2A..5A, 12..14 10 m, 50 m, 100 m
    std::int32_t nWriteGLay = 0;  // the write layer group
    TJwwLayerTable aLay{};
    std::int32_t lnSunpou1 = 0, lnSunpou2 = 0, lnSunpou3 = 0, lnSunpou4 = 0, lnSunpou5 = 0;
    std::int32_t nMaxDrawWid = 0;
    double DPPrtGenten_x = 0, DPPrtGenten_y = 0, dPrtBairitsu = 0;
    std::int32_t nPrtSet = 0, nMemoriMode = 0;
    double dMemoriHyoujiMin = 0, dMemoriX = 0, dMemoriY = 0, DpMemoriKijunTen_x = 0, DpMemoriKijunTen_y = 0;
    double dKageLevel = 0, dKageIdo = 0;
    std::int32_t nKage9_15JiFlg = 0;
    double dKabeKageLevel = 0, dTenkuuZuLevel = 0, dTenkuuZuEnkoR = 0;
    std::int32_t nMMTani3D = 0;
    double dBairitsu = 0, DPGenten_x = 0, DPGenten_y = 0;
    double dHanniBairitsu = 0, DPHanniGenten_x = 0, DPHanniGenten_y = 0;
    std::int32_t lnDrawTime = 0;  // drawing time, from version 223
    std::int32_t nSolidNinniColor = 0, SolidColor = 0;  // from version 230
    double dMojiSizeX = 0, dMojiSizeY = 0, dMojiKankaku = 0;
    std::int32_t nMojiColor = 0, nMojiShu = 0;
};

// The oldest and newest drawing versions read.
inline constexpr std::uint32_t kOldestJwwVersion = 200;
inline constexpr std::uint32_t kNewestJwwVersion = 700;

// Reads the signature "JwwData." and the version; false unless both are there and the version
// is one of kOldestJwwVersion .. kNewestJwwVersion.
bool ReadJwwSignature(ByteReader& in, std::uint32_t& version);

// Reads the header after the version up to the entity list into `hd` and the 16 `groups`.
// False when the bytes end first; `utf16` is set when a string was stored in UTF-16.
bool ReadJwwHeader(ByteReader& in, std::uint32_t version, TEntJwwHeader& hd, std::vector<TEntJwwLayerGroup>& groups,
                   bool& utf16);

}  // namespace torvane
