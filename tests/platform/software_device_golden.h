#pragma once
// Expected pixels of the software device tests ('.' white, '#' black, 'R' red, 'G' green,
// 'B' blue); each picture starts after its first newline.

namespace torvane::test::golden {

// Horizontal (1,1)-(7,1), vertical (1,3)-(1,7), dot at (3,3), the diagonal (3,4)-(7,6) and the
// reverse diagonal (11,6)-(7,4) (its pixels differ: the tie rule of the octant).
inline constexpr const char* kLines = R"(
............
.######.....
............
.#.#........
.#.##...#...
.#...##..##.
.#.........#
............
)";

// Rectangle (1,1)-(8,6) red outline, solid green inside; a blue FillRect (9,0)-(11,3), whose
// right and bottom edges are left out.
inline constexpr const char* kRectangles = R"(
.........BB.
.RRRRRRR.BB.
.RGGGGGR.BB.
.RGGGGGR....
.RGGGGGR....
.RRRRRRR....
............
)";

// Square (1,1)-(9,9) with a hole (3,3)-(6,6) in one even-odd polygon.
inline constexpr const char* kFillWithHole = R"(
...........
.########..
.########..
.##...###..
.##...###..
.##...###..
.########..
.########..
.########..
...........
...........
)";

// A filled square marker (code 5, size factor 1) centred at device (7, 6) at 4 pixels per
// unit: fill and closing outline cover x 2..12, y 1..11.
inline constexpr const char* kSquareMarker = R"(
..............
..###########.
..###########.
..###########.
..###########.
..###########.
..###########.
..###########.
..###########.
..###########.
..###########.
..###########.
..............
..............
)";

}  // namespace torvane::test::golden
