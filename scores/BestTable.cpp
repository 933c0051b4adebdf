#include "scores/BestTable.h"

#include "dialogs/ErrorReport.h"
#include "files/core/PathText.h"
#include "scores/core/BestResults.h"
#include "scores/ShortDateFormat.h"

using pelikor::DbaseDate;

namespace {

// The folder comes from AppPath's text, whose escapes give back the bytes
// of a name that is not valid UTF-8.
std::filesystem::path toPath(const QString& dir)
{
    return std::filesystem::path(pelikor::pathBytes(dir.toStdU16String()));
}

} // namespace

BestTable::BestTable(QObject* parent)
    : QObject(parent), results_(std::make_unique<pelikor::BestResults>(shortDateCodec())), report_(&ErrorReport::show)
{
}

BestTable::~BestTable() = default;

const std::optional<pelikor::Game>& BestTable::game() const { return results_->game(); }
BestTable::Order BestTable::order() const { return results_->order(); }

void BestTable::setFolder(const QString& dir) { results_->setFolder(toPath(dir)); }
bool BestTable::isOpen() const { return results_->isOpen(); }
void BestTable::setWriteHooks(pelikor::filestore::WriteHooks hooks) { results_->setWriteHooks(std::move(hooks)); }
void BestTable::setErrorReport(Reporter report) { report_ = std::move(report); }

void BestTable::open()
{
    results_->open();
    emit changed();
}

std::vector<pelikor::TableRow> BestTable::shown()
{
    std::vector<pelikor::TableRow> rows;
    const std::optional<QString> failure = ErrorReport::failureOf([&] { rows = results_->shown(); });
    // While the views follow a step that failed, the step's report says it.
    if (failure && !followingFailedStep_)
        report_(*failure);
    return rows;
}

bool BestTable::changeAndTell(const std::function<void()>& step)
{
    const std::optional<QString> failure = ErrorReport::failureOf(step);
    followingFailedStep_ = failure.has_value();
    emit changed();
    followingFailedStep_ = false;
    if (failure)
        report_(*failure);
    return !failure;
}

void BestTable::show(const pelikor::Game& game, Order order)
{
    changeAndTell([&] { results_->show(game, order); });
}

bool BestTable::offersName(const pelikor::Game& game, int r)
{
    bool offered = false;
    changeAndTell([&] { offered = results_->offersName(game, r, DbaseDate::today()); });
    return offered;
}

BestTable::Store BestTable::storeResult(const pelikor::Game& game, const QString& name, int r)
{
    using Kind = pelikor::results::StoreTarget::Kind;
    Kind written = Kind::Nothing;
    if (!changeAndTell([&] { written = results_->store(game, name.toStdString(), r, DbaseDate::today()).kind; }))
        return Store::Failed;
    return written == Kind::Nothing ? Store::Nothing : Store::Written;
}

bool BestTable::resetFromTemplate(const QString& templateDir)
{
    return changeAndTell([&] { results_->resetFromTemplate(toPath(templateDir)); });
}
