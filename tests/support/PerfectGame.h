#pragma once

#include <QPoint>

#include <utility>
#include <vector>

// A standard game from the full board less the centre, cleared to one peg
// in the centre: each move is the peg clicked and the hole it jumps into.
inline const std::vector<std::pair<int, int>> kPerfectStandardGame = {
    {5, 17},  {8, 10},  {1, 9},   {3, 1},   {10, 8},  {7, 9},   {11, 3},  {13, 11}, {16, 4},  {1, 9},   {14, 16},
    {16, 4},  {18, 16}, {20, 18}, {18, 6},  {3, 11},  {23, 9},  {4, 16},  {21, 23}, {24, 22}, {30, 18}, {27, 25},
    {31, 23}, {16, 28}, {33, 31}, {31, 23}, {22, 24}, {24, 26}, {11, 25}, {26, 24}, {29, 17},
};

// Where the balloons of a new game take the player's clicks, in each
// balloon's own coordinates.
inline constexpr QPoint kStandardChoice(40, 40);
inline constexpr QPoint kOptionalChoice(40, 56);
inline constexpr QPoint kMiniatureCentre(42 + 16 * 3 + 7, 65 + 15 * 3 + 7);
inline constexpr QPoint kStandardOk(29 + 32, 182 + 10);
inline constexpr QPoint kThirdPicture(103 + 20, 40 + 20);
