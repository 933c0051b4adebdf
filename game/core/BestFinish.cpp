#include "game/core/BestFinish.h"

#include "game/core/FinishSearch.h"

namespace pelikor {

std::optional<Jump> Finish::hint() const
{
    if (way.empty())
        return std::nullopt;
    return way.front();
}

Finish bestFinish(PositionSet pegs)
{
    return *FinishSearch(pegs, nullptr).run();
}

std::optional<Finish> bestFinish(PositionSet pegs, const std::atomic<bool>& cancelled)
{
    return FinishSearch(pegs, &cancelled).run();
}

} // namespace pelikor
