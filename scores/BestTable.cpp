#include "scores/BestTable.h"

#include "files/core/PathText.h"
#include "scores/core/DbaseTable.h"
#include "scores/core/ResultStore.h"
#include "scores/ShortDateFormat.h"

using pelikor::DbaseDate;
using pelikor::DbaseTable;
namespace results = pelikor::results;

namespace {

// The folder comes from AppPath's text, whose escapes give back the bytes
// of a name that is not valid UTF-8.
std::filesystem::path toPath(const QString& dir)
{
    return std::filesystem::path(pelikor::pathBytes(dir.toStdU16String()));
}

} // namespace

BestTable::BestTable(QObject* parent) : QObject(parent), engine_(std::make_unique<DbaseTable>(shortDateCodec())) {}

BestTable::~BestTable() = default;

void BestTable::setDatabaseName(const QString& dir) { engine_->setDatabaseName(toPath(dir)); }
bool BestTable::active() const { return engine_->active(); }
QString BestTable::filter() const { return QString::fromStdString(engine_->filter()); }
QString BestTable::indexFieldNames() const { return QString::fromStdString(engine_->indexFieldNames()); }
std::vector<pelikor::TableRow> BestTable::rows() { return engine_->rows(); }

void BestTable::open()
{
    engine_->open();
    emit changed();
}

void BestTable::setIndexFieldNames(const QString& field)
{
    engine_->setIndexFieldNames(field.toStdString());
    emit changed();
}

void BestTable::changeAndTell(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        emit changed();
        throw;
    }
    emit changed();
}

void BestTable::selectGame(const QString& code)
{
    changeAndTell([&] { results::selectGame(*engine_, code.toStdString()); });
}

bool BestTable::offersNameField(const QString& code, int r)
{
    bool offered = false;
    changeAndTell([&] { offered = results::offersNameField(*engine_, code.toStdString(), r, DbaseDate::today()); });
    return offered;
}

bool BestTable::storeResult(const QString& code, const QString& name, int r)
{
    bool stored = false;
    changeAndTell([&] {
        const auto target =
            results::storeResult(*engine_, code.toStdString(), name.toStdString(), r, DbaseDate::today());
        stored = target.kind != results::StoreTarget::Kind::Nothing;
    });
    return stored;
}

void BestTable::resetFromTemplate(const QString& templateDir)
{
    changeAndTell([&] { engine_->resetFromTemplate(toPath(templateDir)); });
}

void BestTable::setWriteHooks(pelikor::filestore::WriteHooks hooks)
{
    engine_->setWriteHooks(std::move(hooks));
}
