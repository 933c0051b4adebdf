// The selection by game, the orders, moving the current record and reading
// its fields.

#include "scores/core/DbaseTable.h"

#include "scores/core/ByteText.h"
#include "scores/core/Cp1250.h"
#include "scores/core/DbaseError.h"

#include <algorithm>

namespace pelikor {

namespace {

using bytetext::trim;
using bytetext::upper;

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

} // namespace

void DbaseTable::showFromStart()
{
    if (!reloadIfChanged())
        rebuildView();
    moveFirst();
}

bool DbaseTable::visible(const BestRecord& record) const
{
    return !record.deleted && (!filtered_ || filterText_.empty() || record.hra == filterCode_);
}

void DbaseTable::rebuildView()
{
    const auto& order = order_ == Order::BestFirst ? orderTahy_ : orderJmeno_;
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
        throw DbaseError(TableFault::BadSelection, {std::string(text)});
    filterText_ = std::string(trim(text));
    filterCode_ = code;
    if (active_)
        showFromStart();
}

void DbaseTable::selectGame(std::string_view code)
{
    filtered_ = true;
    filterText_ = std::string(fieldHra) + " = '" + std::string(code) + "'";
    filterCode_ = std::string(code);
    if (active_)
        showFromStart();
}

void DbaseTable::setIndexFieldNames(std::string_view field)
{
    const std::string name = upper(trim(field));
    if (name == fieldJmeno)
        setOrder(Order::ByName);
    else if (name == fieldTahy)
        setOrder(Order::BestFirst);
    else
        throw DbaseError(TableFault::NoOrder, {std::string(field)});
}

void DbaseTable::setOrder(Order order)
{
    order_ = order;
    if (active_)
        showFromStart();
}

std::string DbaseTable::indexFieldNames() const
{
    return std::string(order_ == Order::BestFirst ? fieldTahy : fieldJmeno);
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
    if (order_ != Order::BestFirst)
        throw DbaseError(TableFault::SearchNeedsMovesOrder, {});
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
        throw DbaseError(TableFault::NoCurrentRecord, {tablePath_.string()});
    return data_.records[view_[cursor_]];
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
    throw DbaseError(TableFault::NoField, {std::string(field)});
}

long long DbaseTable::fieldInt(std::string_view field) const
{
    const BestRecord& record = current();
    if (upper(field) != fieldTahy)
        throw DbaseError(TableFault::FieldNotNumber, {std::string(field)});
    return record.tahy;
}

DbaseDate DbaseTable::fieldDate(std::string_view field) const
{
    const BestRecord& record = current();
    if (upper(field) != fieldDatum)
        throw DbaseError(TableFault::FieldNotDate, {std::string(field)});
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

} // namespace pelikor
