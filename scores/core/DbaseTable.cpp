#include "DbaseTable.h"

#include "ByteText.h"
#include "Cp1250.h"
#include "DbaseError.h"
#include "MdxFormat.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

using bytetext::trim;
using bytetext::upper;

constexpr std::size_t longestName = 100;

// Reads "HRA = 'code'"; returns false for any other text.
bool parseSelection(std::string_view text, std::string& code)
{
    text = trim(text);
    if (text.size() < 3 || upper(text.substr(0, 3)) != DbaseTable::fieldHra)
        return false;
    text = trim(text.substr(3));
    if (text.empty() || text.front() != '=')
        return false;
    text = trim(text.substr(1));
    if (text.size() < 2 || text.front() != '\'' || text.back() != '\'')
        return false;
    const auto value = text.substr(1, text.size() - 2);
    if (value.find('\'') != std::string_view::npos)
        return false;
    code = std::string(value);
    while (!code.empty() && code.back() == ' ')
        code.pop_back();
    return true;
}

// The folder lock for one step, unless the table already holds it for a
// caller's ExclusiveAccess: a second lock from the same process would wait
// on the first for ever.
class StepLock {
public:
    StepLock(const std::filesystem::path& dir, bool held)
    {
        if (!held)
            lock_.emplace(dir);
    }

private:
    std::optional<filestore::FolderLock> lock_;
};

} // namespace

DbaseTable::DbaseTable(DateTextCodec codec) : codec_(std::move(codec)) {}

DbaseTable::ExclusiveAccess::ExclusiveAccess(DbaseTable& table) : table_(table)
{
    table.requireActive();
    if (table.heldLock_)
        throw DbaseError("The best table \"" + table.tablePath_.string() + "\" is already held by this program");
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
        throw DbaseError("Cannot change the folder of the open table \"" + tablePath_.string() + "\"");
    dir_ = dir;
}

void DbaseTable::open()
{
    if (active_)
        return;
    if (dir_.empty())
        throw DbaseError("The best table has no folder");
    {
        const StepLock lock(dir_, heldLock_ != nullptr);
        load();
        indexPath_ = liveIndexPath();
        const std::string expected = mdx::build(data_, tableStem());
        std::string present;
        try {
            present = filestore::readAll(indexPath_);
        } catch (const DbaseError&) {
            present.clear();
        }
        // An index that fails to rebuild here (a read-only folder) is
        // written again with the next post; the table reads from memory.
        if (present != expected) {
            try {
                filestore::replaceAll({{indexPath_, expected}}, hooks_);
            } catch (const DbaseError&) {
            }
        }
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

void DbaseTable::load()
{
    tablePath_ = filestore::resolve(dir_, tableName);
    const filestore::Stamp stamp = filestore::stampOf(tablePath_);
    const std::string bytes = filestore::readAll(tablePath_);
    data_ = dbf::parse(bytes, tablePath_.string());
    stamp_ = stamp;
    orderJmeno_ = mdx::order(data_, mdx::Tag::Jmeno);
    orderTahy_ = mdx::order(data_, mdx::Tag::Tahy);
    rebuildView();
}

// Another copy replaces the table by a rename onto the path load() found,
// so one stat of that path tells whether there is anything new to read.
bool DbaseTable::reloadIfChanged()
{
    if (filestore::stampOf(tablePath_) == stamp_)
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

void DbaseTable::showFromStart()
{
    if (!reloadIfChanged())
        rebuildView();
    moveFirst();
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
        throw DbaseError("The best table \"" + (dir_ / tableName).string() + "\" is closed");
}

bool DbaseTable::visible(const BestRecord& record) const
{
    return !record.deleted && (!filtered_ || filterText_.empty() || record.hra == filterCode_);
}

void DbaseTable::rebuildView()
{
    const auto& order = order_ == Order::Tahy ? orderTahy_ : orderJmeno_;
    view_.clear();
    for (const std::uint32_t position : order)
        if (visible(data_.records[position]))
            view_.push_back(position);
    cursor_ = 0;
}

void DbaseTable::moveFirst()
{
    cursor_ = 0;
    bof_ = true;
    eof_ = view_.empty();
}

void DbaseTable::setFiltered(bool on)
{
    filtered_ = on;
    if (active_)
        showFromStart();
}

void DbaseTable::setFilter(std::string_view text)
{
    std::string code;
    if (!trim(text).empty() && !parseSelection(text, code))
        throw DbaseError("The selection \"" + std::string(text) + "\" is not of the form HRA = 'code'");
    filterText_ = std::string(trim(text));
    filterCode_ = code;
    if (active_)
        showFromStart();
}

void DbaseTable::setIndexFieldNames(std::string_view field)
{
    const std::string name = upper(trim(field));
    if (name == fieldJmeno)
        order_ = Order::Jmeno;
    else if (name == fieldTahy)
        order_ = Order::Tahy;
    else
        throw DbaseError("The best table has no order \"" + std::string(field) + "\"");
    if (active_)
        showFromStart();
}

std::string DbaseTable::indexFieldNames() const
{
    return std::string(order_ == Order::Tahy ? fieldTahy : fieldJmeno);
}

void DbaseTable::first()
{
    requireActive();
    reloadIfChanged();
    mode_ = Mode::Browse;
    moveFirst();
}

void DbaseTable::next()
{
    requireActive();
    mode_ = Mode::Browse;
    bof_ = false;
    if (!view_.empty() && cursor_ + 1 < view_.size()) {
        ++cursor_;
        eof_ = false;
    } else {
        eof_ = true;
    }
}

void DbaseTable::last()
{
    requireActive();
    mode_ = Mode::Browse;
    if (view_.empty()) {
        bof_ = eof_ = true;
        return;
    }
    cursor_ = view_.size() - 1;
    bof_ = false;
    eof_ = false;
}

bool DbaseTable::findKey(long long tahy)
{
    requireActive();
    if (order_ != Order::Tahy)
        throw DbaseError("A search by key needs the order TAHY");
    const auto it = std::lower_bound(view_.begin(), view_.end(), tahy,
                                     [&](std::uint32_t position, long long key) { return data_.records[position].tahy < key; });
    if (it == view_.end() || data_.records[*it].tahy != tahy)
        return false;
    mode_ = Mode::Browse;
    cursor_ = std::size_t(it - view_.begin());
    bof_ = eof_ = false;
    return true;
}

bool DbaseTable::gotoRecord(std::uint32_t number)
{
    const auto it = std::find(view_.begin(), view_.end(), number - 1);
    if (number == 0 || it == view_.end())
        return false;
    mode_ = Mode::Browse;
    cursor_ = std::size_t(it - view_.begin());
    bof_ = eof_ = false;
    return true;
}

const BestRecord& DbaseTable::current() const
{
    requireActive();
    if (mode_ != Mode::Browse)
        return buffer_;
    if (view_.empty())
        throw DbaseError("The best table \"" + tablePath_.string() + "\" has no current record");
    return data_.records[view_[cursor_]];
}

void DbaseTable::edit()
{
    requireActive();
    if (view_.empty())
        throw DbaseError("The best table \"" + tablePath_.string() + "\" has no record to edit");
    buffer_ = data_.records[view_[cursor_]];
    original_ = buffer_;
    editing_ = view_[cursor_] + 1;
    mode_ = Mode::Edit;
}

void DbaseTable::insert()
{
    requireActive();
    buffer_ = {};
    editing_ = 0;
    mode_ = Mode::Insert;
}

void DbaseTable::cancel()
{
    mode_ = Mode::Browse;
}

void DbaseTable::setFieldText(std::string_view field, std::string_view text)
{
    requireActive();
    if (mode_ == Mode::Browse)
        throw DbaseError("The best table \"" + tablePath_.string() + "\" is not in edit or insert mode");
    const std::string name = upper(field);
    const DbfLayout& layout = data_.layout;
    if (name == fieldJmeno) {
        buffer_.jmeno = cp1250::fromUtf8(text, std::min<std::size_t>(longestName, std::size_t(layout.jmenoWidth)));
        while (!buffer_.jmeno.empty() && buffer_.jmeno.back() == ' ')
            buffer_.jmeno.pop_back();
    } else if (name == fieldTahy) {
        const auto digits = trim(text);
        long long value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()
            || value > dbf::largestTahy(layout) || value < -dbf::largestTahy(layout) / 10)
            throw DbaseError("\"" + std::string(text) + "\" is not a valid value for the field TAHY");
        buffer_.tahy = value;
    } else if (name == fieldHra) {
        buffer_.hra = cp1250::fromUtf8(trim(text), std::size_t(layout.hraWidth));
    } else if (name == fieldDatum) {
        if (trim(text).empty()) {
            buffer_.datum = {};
        } else {
            const auto date = codec_.parse(trim(text));
            if (!date)
                throw DbaseError("\"" + std::string(text) + "\" is not a valid date for the field DATUM");
            buffer_.datum = *date;
        }
    } else {
        throw DbaseError("The best table has no field \"" + std::string(field) + "\"");
    }
}

void DbaseTable::post()
{
    requireActive();
    if (mode_ == Mode::Browse)
        throw DbaseError("The best table \"" + tablePath_.string() + "\" has nothing to post");
    {
        const StepLock lock(dir_, heldLock_ != nullptr);
        refreshKeepingCurrent();
        DbfTable next = data_;
        if (mode_ == Mode::Edit) {
            if (editing_ == 0 || editing_ > next.records.size())
                throw DbaseError("The record being edited is gone from \"" + tablePath_.string() + "\"");
            // Writing over it would silently drop what the other copy stored;
            // the edit stays open, as after any failed post, for the caller
            // to cancel.
            if (next.records[editing_ - 1] != original_)
                throw DbaseError("The record " + std::to_string(editing_) + " of \"" + tablePath_.string()
                                 + "\" was changed by another copy of the program; not stored");
            next.records[editing_ - 1] = buffer_;
        } else {
            next.records.push_back(buffer_);
            editing_ = std::uint32_t(next.records.size());
        }
        next.lastUpdate = DbaseDate::today();
        const std::string tableBytes = dbf::serialize(next);
        const std::string indexBytes = mdx::build(next, tableStem());
        // The table is renamed last: until then the old table stands, and an
        // index that ran ahead of it is rebuilt on the next open.
        filestore::replaceAll({{indexPath_, indexBytes}, {tablePath_, tableBytes}}, hooks_);
        data_ = std::move(next);
        stamp_ = filestore::stampOf(tablePath_);
        orderJmeno_ = mdx::order(data_, mdx::Tag::Jmeno);
        orderTahy_ = mdx::order(data_, mdx::Tag::Tahy);
    }
    mode_ = Mode::Browse;
    rebuildView();
    if (!gotoRecord(editing_))
        moveFirst();
}

std::string DbaseTable::fieldText(std::string_view field) const
{
    const BestRecord& record = current();
    const std::string name = upper(field);
    if (name == fieldJmeno)
        return cp1250::toUtf8(record.jmeno);
    if (name == fieldTahy)
        return std::to_string(record.tahy);
    if (name == fieldHra)
        return cp1250::toUtf8(record.hra);
    if (name == fieldDatum)
        return record.datum.isNull() ? std::string() : codec_.format(record.datum);
    throw DbaseError("The best table has no field \"" + std::string(field) + "\"");
}

long long DbaseTable::fieldInt(std::string_view field) const
{
    const BestRecord& record = current();
    if (upper(field) != fieldTahy)
        throw DbaseError("The field \"" + std::string(field) + "\" is not a number");
    return record.tahy;
}

DbaseDate DbaseTable::fieldDate(std::string_view field) const
{
    const BestRecord& record = current();
    if (upper(field) != fieldDatum)
        throw DbaseError("The field \"" + std::string(field) + "\" is not a date");
    return record.datum;
}

std::string DbaseTable::dateText(const DbaseDate& date) const
{
    return date.isNull() ? std::string() : codec_.format(date);
}

std::uint32_t DbaseTable::recordNumber() const
{
    requireActive();
    if (mode_ == Mode::Insert || view_.empty())
        return 0;
    return mode_ == Mode::Edit ? editing_ : view_[cursor_] + 1;
}

std::size_t DbaseTable::recordCount() const
{
    requireActive();
    return view_.size();
}

std::vector<DbaseTable::Row> DbaseTable::rows()
{
    requireActive();
    refreshKeepingCurrent();
    std::vector<Row> out;
    out.reserve(view_.size());
    for (const std::uint32_t position : view_) {
        const BestRecord& r = data_.records[position];
        out.push_back({cp1250::toUtf8(r.jmeno), r.tahy, cp1250::toUtf8(r.hra),
                       r.datum.isNull() ? std::string() : codec_.format(r.datum), position + 1});
    }
    return out;
}

void DbaseTable::resetFromTemplate(const std::filesystem::path& templateDir)
{
    if (dir_.empty())
        throw DbaseError("The best table has no folder");
    const auto templateTable = filestore::resolve(templateDir, tableName);
    const auto templateIndex = filestore::resolve(templateDir, templateIndexName);
    for (const auto& file : {templateTable, templateIndex})
        if (!filestore::exists(file.parent_path(), file.filename().string()))
            throw DbaseError("The template \"" + file.string() + "\" is missing; the best table was left as it was");
    const std::string tableBytes = filestore::readAll(templateTable);
    const std::string indexBytes = filestore::readAll(templateIndex);
    const DbfTable fresh = dbf::parse(tableBytes, templateTable.string());
    if (indexBytes != mdx::build(fresh, templateTable.stem().string()))
        throw DbaseError("The template \"" + templateIndex.string()
                         + "\" does not match its table; the best table was left as it was");

    const bool wasActive = active_;
    const auto restore = [&] {
        if (wasActive && !active_)
            open();
    };
    close();
    try {
        const StepLock lock(dir_, heldLock_ != nullptr);
        const auto liveTable = filestore::resolve(dir_, tableName);
        filestore::replaceAll({{liveIndexPath(), indexBytes}, {liveTable, tableBytes}}, hooks_);
    } catch (...) {
        restore();
        throw;
    }
    open();
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
