#include "game/core/BestFinish.h"

#include "game/core/FinishSearch.h"

namespace pelikor {

std::optional<Jump> Finish::hint() const
{
    if (way.empty())
        return std::nullopt;
    return way.front();
}

Finish bestFinish(PositionSet pegs, int atLeast)
{
    return *FinishSearch(pegs, nullptr, atLeast).run();
}

std::optional<Finish> bestFinish(PositionSet pegs, const std::atomic<bool>& cancelled, int atLeast)
{
    return FinishSearch(pegs, &cancelled, atLeast).run();
}

} // namespace pelikor
