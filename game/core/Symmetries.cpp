#include "game/core/Symmetries.h"

#include "game/core/Jumps.h"

#include <array>
#include <cstdint>

namespace pelikor {

namespace {

using Bits = std::uint64_t;

// Position bits 1..33 lie in the low five bytes of a set's bits.
constexpr int kByteCount = 5;

// Where the symmetry s of the square board (rotations and reflections about
// the centre) takes a row and column.
constexpr Cell cellImage(int s, Cell cell)
{
    const int last = kBoardSide - 1;
    Cell turned = (s & 1) ? Cell{cell.column, cell.row} : cell;
    if (s & 2)
        turned.row = last - turned.row;
    if (s & 4)
        turned.column = last - turned.column;
    return turned;
}

// For each symmetry, the image of every byte value at every byte of a set,
// so that a whole set is carried over with five look-ups.
struct SymmetryTables {
    std::array<std::array<std::array<Bits, 256>, kByteCount>, kSymmetryCount> image{};

    SymmetryTables()
    {
        for (int s = 0; s < kSymmetryCount; ++s)
            for (int byte = 0; byte < kByteCount; ++byte)
                for (int value = 0; value < 256; ++value) {
                    Bits bits = 0;
                    for (int bit = 0; bit < 8; ++bit) {
                        const int n = byte * 8 + bit;
                        if ((value >> bit & 1) && isPosition(n)) {
                            const Cell to = cellImage(s, kCells[n]);
                            bits |= Bits{1} << positionAt(to.row, to.column);
                        }
                    }
                    image[s][byte][value] = bits;
                }
    }

    Bits imageOf(Bits bits, int s) const
    {
        Bits mapped = 0;
        for (int byte = 0; byte < kByteCount; ++byte)
            mapped |= image[s][byte][(bits >> (8 * byte)) & 0xFF];
        return mapped;
    }

    Bits canonical(Bits bits) const
    {
        Bits least = bits;
        for (int s = 1; s < kSymmetryCount; ++s) {
            const Bits mapped = imageOf(bits, s);
            least = mapped < least ? mapped : least;
        }
        return least;
    }
};

const SymmetryTables& tables()
{
    static const SymmetryTables symmetryTables;
    return symmetryTables;
}

constexpr int positionImage(int n, int s)
{
    const Cell to = cellImage(s, kCells[n]);
    return positionAt(to.row, to.column);
}

// For each symmetry, the image of every jump, by index.
constexpr std::array<std::array<int, kJumpCount>, kSymmetryCount> kJumpImages = [] {
    std::array<std::array<int, kJumpCount>, kSymmetryCount> images{};
    for (int s = 0; s < kSymmetryCount; ++s)
        for (int index = 0; index < kJumpCount; ++index) {
            const Jump& jump = kJumps[index];
            const Jump image{positionImage(jump.source, s), positionImage(jump.over, s), positionImage(jump.target, s)};
            for (int other = 0; other < kJumpCount; ++other)
                if (kJumps[other] == image)
                    images[s][index] = other;
        }
    return images;
}();

} // namespace

PositionSet canonical(PositionSet set)
{
    return PositionSet::fromBits(tables().canonical((set & PositionSet::all()).bits()));
}

PositionSet transformed(PositionSet set, int symmetry)
{
    return PositionSet::fromBits(tables().imageOf((set & PositionSet::all()).bits(), symmetry));
}

int transformedJump(int index, int symmetry)
{
    return kJumpImages[symmetry][index];
}

int inverse(int symmetry)
{
    for (int s = 0;; ++s) {
        bool undoes = true;
        for (int n = 1; n <= kPositionCount; ++n)
            undoes = undoes && positionImage(positionImage(n, symmetry), s) == n;
        if (undoes)
            return s;
    }
}

} // namespace pelikor
