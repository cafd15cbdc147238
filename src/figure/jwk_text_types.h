#pragma once
#include <array>
#include <cstdint>

namespace torvane {

// One row of the JWK text-type defaults: pen number and sizes in millimetres.
struct TJwkMojisyu {
    int32_t pen;
    double wid;  // character width
    double hei;  // character height
    double dst;  // spacing between characters
};

// Ten rows; element n - 1 holds text type n.
using TJwkMojisyuTable = std::array<TJwkMojisyu, 10>;

// The values the application puts into JwcMojiDef at start-up.
inline constexpr TJwkMojisyuTable JwcMojiDefStartup{{
    {1, 2.0, 2.0, 0.0},
    {1, 2.5, 2.5, 0.5},
    {2, 3.0, 3.0, 0.5},
    {2, 4.0, 4.0, 0.5},
    {3, 5.0, 5.0, 1.0},
    {3, 6.0, 6.0, 1.0},
    {4, 7.0, 7.0, 1.0},
    {4, 8.0, 8.0, 1.0},
    {5, 9.0, 9.0, 1.0},
    {5, 10.0, 10.0, 1.0},
}};

// JWK text-type defaults, read whenever a JWK document is initialised.
extern TJwkMojisyuTable JwcMojiDef;

}  // namespace torvane
