#include "setup/core/Games.h"

#include <stdexcept>
#include <string>

namespace pelikor {

const Game& optionalGame(int number)
{
    if (number < 1 || number > kOptionalGameCount)
        throw std::invalid_argument("No optional game " + std::to_string(number));
    // Optional game n stands at tab kGameCount - n.
    return kGames[std::size_t(kGameCount - number)];
}

GameLayout standardLayout(int removed)
{
    if (!isPosition(removed))
        throw std::invalid_argument("No board position " + std::to_string(removed) + " to remove");
    return {standardGame(), standardGame().layout - PositionSet{removed}};
}

GameLayout standardLayout()
{
    return standardLayout(kCentre);
}

GameLayout optionalLayout(int number)
{
    const Game& game = optionalGame(number);
    return {game, game.layout};
}

} // namespace pelikor
