#include "game/core/Pagoda.h"

#include "game/core/Jumps.h"
#include "game/core/Symmetries.h"

#include <algorithm>
#include <cmath>
#include <vector>

#if defined(__x86_64__)
#define PAGODA_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define PAGODA_CLONES
#endif

namespace pelikor {

namespace {

// The relaxation: nonnegative amounts x of the jumps with
//   sum over jumps of x * (source + jumped - target) = from - to,
// one equation per position, solved by the first phase of the simplex
// method on a dense tableau with one artificial column per equation.
constexpr int kRows = kPositionCount;
constexpr int kFirstArtificial = kJumpCount;
constexpr int kRightSide = kJumpCount + kRows;
constexpr int kColumns = kRightSide + 1;
constexpr double kTolerance = 1e-9;
constexpr double kFeasible = 1e-7;
// Past this many pivots the smallest index enters, which cannot cycle.
constexpr int kDantzigPivots = 200;
constexpr int kMaxPivots = 2000;

constexpr int removedAt(const Jump& jump, int n)
{
    return (jump.source == n) + (jump.over == n) - (jump.target == n);
}

using RealWeights = std::array<double, kPositionCount + 1>;

class RelaxedPlay {
public:
    RelaxedPlay(PositionSet from, PositionSet to) : cells_((kRows + 1) * kColumns, 0.0), basis_(kRows)
    {
        for (int row = 0; row < kRows; ++row) {
            const int n = row + 1;
            const int rightSide = int(from.contains(n)) - int(to.contains(n));
            sign_[n] = rightSide < 0 ? -1 : 1;
            for (int j = 0; j < kJumpCount; ++j)
                at(row, j) = sign_[n] * removedAt(kJumps[j], n);
            at(row, kFirstArtificial + row) = 1;
            at(row, kRightSide) = sign_[n] * rightSide;
            basis_[row] = kFirstArtificial + row;
            for (int column = 0; column < kColumns; ++column)
                if (column < kFirstArtificial || column >= kRightSide)
                    at(kRows, column) -= at(row, column);
        }
    }

    // The pagoda weights that separate the two boards, or none when the
    // relaxation gets from one to the other.
    std::optional<RealWeights> separatingWeights()
    {
        for (int pivots = 0;; ++pivots) {
            const int column = enteringColumn(pivots >= kDantzigPivots);
            if (column < 0)
                break;
            const int row = leavingRow(column);
            if (row < 0 || pivots == kMaxPivots)
                return std::nullopt;
            pivot(row, column);
        }
        if (-at(kRows, kRightSide) <= kFeasible)
            return std::nullopt;
        // The multipliers of the optimal basis, read from the artificial
        // columns' reduced costs, back in the unflipped equations and negated.
        RealWeights weights{};
        for (int row = 0; row < kRows; ++row)
            weights[row + 1] = -sign_[row + 1] * (1.0 - at(kRows, kFirstArtificial + row));
        return weights;
    }

private:
    double& at(int row, int column) { return cells_[std::size_t(row) * kColumns + column]; }
    double at(int row, int column) const { return cells_[std::size_t(row) * kColumns + column]; }

    int enteringColumn(bool smallestIndex) const
    {
        int best = -1;
        for (int column = 0; column < kRightSide; ++column)
            if (at(kRows, column) < -kTolerance && (best < 0 || at(kRows, column) < at(kRows, best))) {
                best = column;
                if (smallestIndex)
                    break;
            }
        return best;
    }

    int leavingRow(int column) const
    {
        int best = -1;
        for (int row = 0; row < kRows; ++row) {
            if (at(row, column) <= kTolerance)
                continue;
            if (best < 0)
                best = row;
            const double ratio = at(row, kRightSide) / at(row, column);
            const double bestRatio = at(best, kRightSide) / at(best, column);
            if (ratio < bestRatio - kTolerance || (ratio <= bestRatio + kTolerance && basis_[row] < basis_[best]))
                best = row;
        }
        return best;
    }

    void pivot(int pivotRow, int column)
    {
        const double divisor = at(pivotRow, column);
        for (int c = 0; c < kColumns; ++c)
            at(pivotRow, c) /= divisor;
        for (int row = 0; row <= kRows; ++row) {
            const double factor = at(row, column);
            if (row == pivotRow || factor == 0.0)
                continue;
            for (int c = 0; c < kColumns; ++c)
                at(row, c) -= factor * at(pivotRow, c);
        }
        basis_[pivotRow] = column;
    }

    std::vector<double> cells_; // kRows equations, then the reduced costs
    std::vector<int> basis_;
    std::array<int, kPositionCount + 1> sign_{};
};

// Small whole weights for real ones: scaled so that the largest is a few
// units, rounded, then raised alike until no jump gains weight (raising
// every weight by one adds one to each jump's balance).
std::array<std::int64_t, kPositionCount + 1> wholeWeights(const RealWeights& weights)
{
    constexpr double kScale = 12.0; // halves, thirds and quarters stay exact
    double largest = 0;
    for (double w : weights)
        largest = std::max(largest, std::abs(w));
    std::array<std::int64_t, kPositionCount + 1> whole{};
    for (int n = 1; n <= kPositionCount; ++n)
        whole[n] = std::llround(weights[n] / largest * kScale);
    std::int64_t deficit = 0;
    for (const Jump& jump : kJumps)
        deficit = std::max(deficit, whole[jump.target] - whole[jump.source] - whole[jump.over]);
    for (int n = 1; n <= kPositionCount; ++n)
        whole[n] += deficit;
    return whole;
}

} // namespace

std::optional<Pagoda> Pagoda::inPlanes(const Weights& weights)
{
    Pagoda pagoda;
    pagoda.base_ = *std::min_element(weights.begin() + 1, weights.end());
    for (int n = 1; n <= kPositionCount; ++n) {
        const std::uint64_t excess = std::uint64_t(weights[n] - pagoda.base_);
        if (excess >> kMaxPlanes)
            return std::nullopt;
        for (int plane = 0; plane < kMaxPlanes; ++plane)
            if (excess >> plane & 1) {
                pagoda.planes_[plane] |= std::uint64_t{1} << n;
                pagoda.planeCount_ = std::max(pagoda.planeCount_, plane + 1);
            }
    }
    return pagoda;
}

std::optional<Pagoda> Pagoda::separating(PositionSet from, PositionSet to)
{
    const std::optional<RealWeights> weights = RelaxedPlay(from, to).separatingWeights();
    if (!weights)
        return std::nullopt;
    const std::optional<Pagoda> pagoda = inPlanes(wholeWeights(*weights));
    // Rounding may have eaten a slim margin.
    if (!pagoda || pagoda->weightOf(from) >= pagoda->weightOf(to))
        return std::nullopt;
    return pagoda;
}

Pagoda Pagoda::transformed(int symmetry) const
{
    Pagoda image = *this;
    for (int plane = 0; plane < planeCount_; ++plane)
        image.planes_[plane] = pelikor::transformed(PositionSet::fromBits(planes_[plane]), symmetry).bits();
    return image;
}

PAGODA_CLONES std::int64_t Pagoda::weightOf(PositionSet board) const
{
    const std::uint64_t bits = (board & PositionSet::all()).bits();
    std::int64_t weight = base_ * countBits(bits);
    for (int plane = 0; plane < planeCount_; ++plane)
        weight += std::int64_t{countBits(bits & planes_[plane])} << plane;
    return weight;
}

} // namespace pelikor
