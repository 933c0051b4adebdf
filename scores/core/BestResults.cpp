#include "scores/core/BestResults.h"

#include "scores/core/ResultStore.h"

namespace pelikor {

BestResults::BestResults(DateTextCodec codec) : table_(std::move(codec)) {}

void BestResults::setFolder(const std::filesystem::path& dir)
{
    table_.setDatabaseName(dir);
}

void BestResults::open()
{
    table_.open();
}

bool BestResults::isOpen() const
{
    return table_.active();
}

void BestResults::show(const Game& game, Order order)
{
    game_ = game;
    results::selectGame(table_, game.code);
    table_.setOrder(order);
}

std::vector<TableRow> BestResults::shown()
{
    return table_.rows();
}

BestResults::Order BestResults::order() const
{
    return table_.order();
}

bool BestResults::offersName(const Game& game, long long remaining, const DbaseDate& today)
{
    game_ = game;
    return results::offersNameField(table_, game.code, remaining, today);
}

results::StoreTarget BestResults::store(const Game& game, std::string_view name, long long remaining,
                                        const DbaseDate& today)
{
    game_ = game;
    return results::storeResult(table_, game.code, name, remaining, today);
}

void BestResults::resetFromTemplate(const std::filesystem::path& templateDir)
{
    table_.resetFromTemplate(templateDir);
}

void BestResults::setWriteHooks(filestore::WriteHooks hooks)
{
    table_.setWriteHooks(std::move(hooks));
}

} // namespace pelikor
