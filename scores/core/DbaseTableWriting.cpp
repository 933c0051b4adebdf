// Editing, inserting and posting records, and replacing the table by its
// template.

#include "scores/core/DbaseTable.h"

#include "scores/core/ByteText.h"
#include "scores/core/Cp1250.h"
#include "scores/core/DbaseError.h"
#include "scores/core/MdxFormat.h"
#include "scores/core/MdxReader.h"
#include "scores/core/StepLock.h"

#include <algorithm>
#include <charconv>

namespace pelikor {

namespace {

using bytetext::trim;
using bytetext::upper;

constexpr std::size_t longestName = 100;

} // namespace

void DbaseTable::edit()
{
    requireActive();
    if (view_.empty())
        throw DbaseError(TableFault::NoRecordToEdit, {tablePath_.string()});
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
        throw DbaseError(TableFault::NotEditing, {tablePath_.string()});
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
            throw DbaseError(TableFault::InvalidMoves, {std::string(text)});
        buffer_.tahy = value;
    } else if (name == fieldHra) {
        buffer_.hra = cp1250::fromUtf8(trim(text), std::size_t(layout.hraWidth));
    } else if (name == fieldDatum) {
        if (trim(text).empty()) {
            buffer_.datum = {};
        } else {
            const auto date = codec_.parse(trim(text));
            if (!date)
                throw DbaseError(TableFault::InvalidDate, {std::string(text)});
            buffer_.datum = *date;
        }
    } else {
        throw DbaseError(TableFault::NoField, {std::string(field)});
    }
}

void DbaseTable::post()
{
    requireActive();
    if (mode_ == Mode::Browse)
        throw DbaseError(TableFault::NothingToPost, {tablePath_.string()});
    {
        const StepLock lock(dir_, heldLock_ != nullptr);
        refreshKeepingCurrent();
        dbf::requireCodePage1250(data_, tablePath_.string());
        DbfTable next = data_;
        if (mode_ == Mode::Edit) {
            if (editing_ == 0 || editing_ > next.records.size())
                throw DbaseError(TableFault::EditedRecordGone, {tablePath_.string()});
            // Writing over it would silently drop what the other copy stored;
            // the edit stays open, as after any failed post, for the caller
            // to cancel.
            if (next.records[editing_ - 1] != original_)
                throw DbaseError(TableFault::RecordChanged, {std::to_string(editing_), tablePath_.string()});
            next.records[editing_ - 1] = buffer_;
        } else {
            next.records.push_back(buffer_);
            editing_ = std::uint32_t(next.records.size());
        }
        next.lastUpdate = DbaseDate::today();
        const std::string tableBytes = dbf::serialize(next);
        const std::string indexBytes = rebuiltIndex(next, indexOnDisk());
        // The table is renamed last: until then the old table stands, and an
        // index that ran ahead of it is rebuilt on the next open.
        filestore::replaceAll({{indexPath_, indexBytes}, {tablePath_, tableBytes}}, hooks_);
        data_ = std::move(next);
        stamp_ = pelikor::FileStamp::of(tablePath_);
        orderJmeno_ = mdx::order(data_, mdx::Tag::Jmeno);
        orderTahy_ = mdx::order(data_, mdx::Tag::Tahy);
    }
    mode_ = Mode::Browse;
    rebuildView();
    if (!gotoRecord(editing_))
        moveFirst();
}

void DbaseTable::resetFromTemplate(const std::filesystem::path& templateDir)
{
    if (dir_.empty())
        throw DbaseError(TableFault::NoFolder, {});
    const auto templateTable = filestore::resolve(templateDir, tableName);
    const auto templateIndex = filestore::resolve(templateDir, templateIndexName);
    for (const auto& file : {templateTable, templateIndex})
        if (!filestore::exists(file.parent_path(), file.filename().string()))
            throw DbaseError(TableFault::TemplateMissing, {file.string()}).keepingTable();
    const std::string tableBytes = filestore::readAll(templateTable);
    const std::string indexBytes = filestore::readAll(templateIndex);
    // Another engine's index fits as well as ours; the open after the copy
    // writes ours in its place unless its keys are as dBASE writes them.
    try {
        const DbfTable templateContent = dbf::parse(tableBytes, templateTable.string());
        dbf::requireCodePage1250(templateContent, templateTable.string());
        mdx::requireMatching(templateContent, indexBytes, templateIndex.string(), mdx::KeyForm::SameValue);
    } catch (const DbaseError& error) {
        throw error.keepingTable();
    }

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

} // namespace pelikor
