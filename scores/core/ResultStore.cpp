#include "scores/core/ResultStore.h"

#include "scores/core/DbaseError.h"

namespace pelikor {

namespace results {

void selectGame(DbaseTable& table, std::string_view code)
{
    table.selectGame(code);
}

std::vector<Entry> readGame(DbaseTable& table, std::string_view code)
{
    selectGame(table, code);
    std::vector<Entry> entries;
    for (table.first(); !table.eof(); table.next())
        entries.push_back({table.fieldInt(DbaseTable::fieldTahy), table.fieldDate(DbaseTable::fieldDatum),
                           table.recordNumber()});
    return entries;
}

bool offersNameField(DbaseTable& table, std::string_view code, long long r, const DbaseDate& today)
{
    std::vector<Entry> entries = readGame(table, code);
    if (entries.size() > placesPerGame)
        entries.resize(placesPerGame);
    return earnsNameField(entries, r, today);
}

StoreTarget storeResult(DbaseTable& table, std::string_view code, std::string_view name, long long r,
                        const DbaseDate& today)
{
    // Another copy storing at the same moment waits for the lock and then
    // decides on what this one wrote, so neither overwrites the other's entry.
    const DbaseTable::ExclusiveAccess access(table);
    const std::vector<Entry> entries = readGame(table, code);
    // A full game is judged in the order of the counts, and the table keeps
    // that order for the next offer, which reads its first ten entries.
    if (entries.size() >= placesPerGame)
        table.setOrder(DbaseTable::Order::BestFirst);
    const StoreTarget target = storeTarget(entries, r, today);
    switch (target.kind) {
    case StoreTarget::Kind::Nothing:
        return target;
    case StoreTarget::Kind::NewRecord:
        table.insert();
        break;
    case StoreTarget::Kind::Overwrite:
        if (!table.gotoRecord(target.recordNumber))
            throw DbaseError(TableFault::StoredRecordGone, {std::to_string(target.recordNumber), std::string(code)});
        table.edit();
        break;
    }
    table.setFieldText(DbaseTable::fieldJmeno, name);
    table.setFieldText(DbaseTable::fieldTahy, std::to_string(r));
    table.setFieldText(DbaseTable::fieldHra, code);
    table.setFieldText(DbaseTable::fieldDatum, table.dateText(today));
    table.post();
    return target;
}

} // namespace results

} // namespace pelikor
