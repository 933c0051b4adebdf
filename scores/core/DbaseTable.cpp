// Opening, loading and closing the table, and taking in what another copy
// of the program wrote.

#include "scores/core/DbaseTable.h"

#include "scores/core/DbaseError.h"
#include "scores/core/MdxFormat.h"
#include "scores/core/MdxReader.h"
#include "scores/core/MdxTags.h"
#include "scores/core/StepLock.h"

#include <algorithm>
#include <optional>

namespace pelikor {

DbaseTable::DbaseTable(DateTextCodec codec) : codec_(std::move(codec)) {}

DbaseTable::ExclusiveAccess::ExclusiveAccess(DbaseTable& table) : table_(table)
{
    table.requireActive();
    if (table.heldLock_)
        throw DbaseError(TableFault::TableHeld, {table.tablePath_.string()});
    table.heldLock_ = std::make_unique<filestore::FolderLock>(table.dir_);
    try {
        table.refreshKeepingCurrent();
    } catch (...) {
        table.heldLock_.reset();
        throw;
    }
}

DbaseTable::ExclusiveAccess::~ExclusiveAccess()
{
    table_.heldLock_.reset();
}

void DbaseTable::setDatabaseName(const std::filesystem::path& dir)
{
    if (active_)
        throw DbaseError(TableFault::FolderOfOpenTable, {tablePath_.string()});
    dir_ = dir;
}

void DbaseTable::open()
{
    if (active_)
        return;
    if (dir_.empty())
        throw DbaseError(TableFault::NoFolder, {});
    {
        const StepLock lock(dir_, heldLock_ != nullptr);
        std::string tableBytes = load();
        indexPath_ = liveIndexPath();
        rebuildStaleIndex(std::move(tableBytes));
    }
    active_ = true;
    mode_ = Mode::Browse;
    moveFirst();
}

void DbaseTable::close()
{
    active_ = false;
    mode_ = Mode::Browse;
    data_ = {};
    orderJmeno_.clear();
    orderTahy_.clear();
    view_.clear();
    bof_ = eof_ = true;
}

std::string DbaseTable::load()
{
    tablePath_ = filestore::resolve(dir_, tableName);
    const std::optional<pelikor::FileStamp> stamp = pelikor::FileStamp::of(tablePath_);
    std::string bytes = filestore::readAll(tablePath_);
    data_ = dbf::parse(bytes, tablePath_.string());
    stamp_ = stamp;
    orderJmeno_ = mdx::order(data_, mdx::Tag::Jmeno);
    orderTahy_ = mdx::order(data_, mdx::Tag::Tahy);
    rebuildView();
    return bytes;
}

// Another copy replaces the table by a rename onto the path load() found,
// so one stat of that path tells whether there is anything new to read.
bool DbaseTable::reloadIfChanged()
{
    if (pelikor::FileStamp::of(tablePath_) == stamp_)
        return false;
    load();
    return true;
}

// For the callers that only look, or that go on from the current record.
void DbaseTable::refreshKeepingCurrent()
{
    const std::optional<std::uint32_t> at = view_.empty() ? std::nullopt : std::optional(view_[cursor_]);
    if (!reloadIfChanged())
        return;
    const auto it = at ? std::find(view_.begin(), view_.end(), *at) : view_.end();
    if (it == view_.end())
        moveFirst();
    else
        cursor_ = std::size_t(it - view_.begin());
}

std::string DbaseTable::indexOnDisk() const
{
    try {
        return filestore::readAll(indexPath_);
    } catch (const DbaseError&) {
        return {};
    }
}

// Another engine's index differs from ours in bytes that change nothing
// (block size, free blocks, node fill, order among equal keys); rebuilding
// it for those would rewrite it at every open.
bool DbaseTable::indexMatches(std::string_view index) const
{
    try {
        mdx::requireMatching(data_, index, indexPath_.string(), mdx::KeyForm::AsDbaseWritesIt);
        return true;
    } catch (const DbaseError&) {
        return false;
    }
}

// An index that cannot be rebuilt here (a read-only folder, a tag another
// engine keys in a way this program cannot compute) stays as it is: the
// table reads from memory, and the next post writes the index or says why
// it cannot.
void DbaseTable::rebuildStaleIndex(std::string tableBytes)
{
    const std::string index = indexOnDisk();
    if (indexMatches(index))
        return;
    try {
        std::vector<std::pair<std::filesystem::path, std::string>> files = {{indexPath_, rebuiltIndex(data_, index)}};
        // An engine that dropped the index cleared the table's mark of it.
        const bool unmarked = dbf::markProductionIndex(tableBytes);
        if (unmarked)
            files.emplace_back(tablePath_, std::move(tableBytes));
        filestore::replaceAll(files, hooks_);
        if (unmarked)
            stamp_ = pelikor::FileStamp::of(tablePath_);
    } catch (const DbaseError&) {
    }
}

std::string DbaseTable::rebuiltIndex(const DbfTable& content, std::string_view onDisk) const
{
    const auto tags = mdx::tagsToRebuild(content.layout, onDisk, indexPath_.string());
    return mdx::build(content, tableStem(), tags);
}

std::filesystem::path DbaseTable::liveIndexPath() const
{
    return filestore::resolve(dir_, indexName, liveIndexName);
}

std::string DbaseTable::tableStem() const
{
    return tablePath_.stem().string();
}

void DbaseTable::requireActive() const
{
    if (!active_)
        throw DbaseError(TableFault::TableClosed, {(dir_ / tableName).string()});
}

void DbaseTable::createEmpty(const std::filesystem::path& dir, std::string_view tableFile,
                             std::string_view indexFile, const DbfLayout& layout)
{
    DbfTable empty;
    empty.layout = layout;
    empty.lastUpdate = DbaseDate::today();
    const auto table = filestore::resolve(dir, tableFile);
    const auto index = filestore::resolve(dir, indexFile);
    filestore::replaceAll({{index, mdx::build(empty, table.stem().string())}, {table, dbf::serialize(empty)}});
}

} // namespace pelikor
