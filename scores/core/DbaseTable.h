#pragma once

#include "files/core/FileStamp.h"
#include "scores/core/DbaseDate.h"
#include "scores/core/DbfFormat.h"
#include "scores/core/FileStore.h"
#include "scores/core/TableOrder.h"
#include "scores/core/TableRow.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelikor {

// The best table: one dBASE table file with its production index, opened
// from a folder, seen through a selection by game and an order, with one
// current record that can be edited or a new one inserted and posted.
// Defined in three files: opening and loading (DbaseTable.cpp), selection
// and reading (DbaseTableSelection.cpp), writing (DbaseTableWriting.cpp).
class DbaseTable {
public:
    static constexpr std::string_view tableName = "Pelkor.dbf";
    static constexpr std::string_view indexName = "Pelkor.MDX";
    // The spellings of the files in the template folder and of a live index
    // written where none existed.
    static constexpr std::string_view templateIndexName = "Pelkor.Mdx";
    static constexpr std::string_view liveIndexName = "Pelkor.mdx";

    static constexpr std::string_view fieldJmeno = dbf::definition(dbf::Field::Jmeno).name;
    static constexpr std::string_view fieldTahy = dbf::definition(dbf::Field::Tahy).name;
    static constexpr std::string_view fieldHra = dbf::definition(dbf::Field::Hra).name;
    static constexpr std::string_view fieldDatum = dbf::definition(dbf::Field::Datum).name;

    explicit DbaseTable(DateTextCodec codec = dayMonthYearCodec());

    // While one lives, no other copy of the program can write the table and
    // the table is as it is on disk, so that what a caller decides from what
    // it reads still holds when it posts. One at a time per table; the
    // current record stays where the selection still holds it.
    class ExclusiveAccess {
    public:
        explicit ExclusiveAccess(DbaseTable& table);
        ~ExclusiveAccess();
        ExclusiveAccess(const ExclusiveAccess&) = delete;
        ExclusiveAccess& operator=(const ExclusiveAccess&) = delete;

    private:
        DbaseTable& table_;
    };

    void setDatabaseName(const std::filesystem::path& dir);
    const std::filesystem::path& databaseName() const { return dir_; }

    void open();
    void close();
    bool active() const { return active_; }

    // The selection: only records whose HRA equals the code of the text
    // "HRA = 'code'" are visible while filtered is on.
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }
    void setFilter(std::string_view text);
    const std::string& filter() const { return filterText_; }
    // Filtered on with the selection of this game code.
    void selectGame(std::string_view code);

    // The order: "JMENO" or "TAHY", ascending, equal keys in file order.
    void setIndexFieldNames(std::string_view field);
    std::string indexFieldNames() const;
    // The same by the tag.
    using Order = TableOrder;
    void setOrder(Order order);
    Order order() const { return order_; }

    void first();
    void next();
    void last();
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    // With the order TAHY: moves to the first record in order with this
    // count; returns false and stays when there is none.
    bool findKey(long long tahy);
    // Moves to the record at this 1-based position of the file when the
    // selection holds it.
    bool gotoRecord(std::uint32_t number);

    void edit();
    void insert();
    void cancel();
    void setFieldText(std::string_view field, std::string_view text);
    // Writes the edited or new record to both files, under the folder lock,
    // after taking in what another process wrote meanwhile. An edited record
    // that another process changed since edit() is not overwritten: post
    // throws and stores nothing.
    void post();

    std::string fieldText(std::string_view field) const;
    long long fieldInt(std::string_view field) const;
    DbaseDate fieldDate(std::string_view field) const;
    // The date text of the table's conversion.
    std::string dateText(const DbaseDate& date) const;
    std::uint32_t recordNumber() const;
    std::size_t recordCount() const;

    // The records of the selection in the current order, as they are on
    // disk; the current record stays where it is.
    using Row = TableRow;
    std::vector<Row> rows();

    // Replaces both files by the template's after checking it; a missing or
    // invalid template leaves the table as it was and open.
    void resetFromTemplate(const std::filesystem::path& templateDir);

    // Writes an empty table with its index into dir under the given names.
    static void createEmpty(const std::filesystem::path& dir, std::string_view tableFile,
                            std::string_view indexFile, const DbfLayout& layout = {});

    void setWriteHooks(filestore::WriteHooks hooks) { hooks_ = std::move(hooks); }

private:
    enum class Mode { Browse, Edit, Insert };

    void requireActive() const;
    // Reads and parses the table file; returns its bytes.
    std::string load();
    bool reloadIfChanged();
    void refreshKeepingCurrent();
    void showFromStart();
    void rebuildView();
    void moveFirst();
    bool visible(const BestRecord& record) const;
    const BestRecord& current() const;
    std::string tableStem() const;
    // The index in any spelling, or the name a new one is written under.
    std::filesystem::path liveIndexPath() const;
    // The index as it lies on disk; empty when there is none or it cannot
    // be read.
    std::string indexOnDisk() const;
    // Whether the index holds every record under the key dBASE writes for
    // it, whoever wrote it.
    bool indexMatches(std::string_view index) const;
    void rebuildStaleIndex(std::string tableBytes);
    // The index for the table's content, with the tags another engine added
    // to the one on disk; throws DbaseError naming a tag it cannot rebuild.
    std::string rebuiltIndex(const DbfTable& content, std::string_view onDisk) const;

    DateTextCodec codec_;
    std::filesystem::path dir_;
    std::filesystem::path tablePath_;
    std::filesystem::path indexPath_;
    std::optional<pelikor::FileStamp> stamp_;
    filestore::WriteHooks hooks_;

    bool active_ = false;
    bool filtered_ = false;
    std::string filterText_;
    std::string filterCode_;
    Order order_ = Order::ByName;

    DbfTable data_;
    std::vector<std::uint32_t> orderJmeno_;
    std::vector<std::uint32_t> orderTahy_;
    std::vector<std::uint32_t> view_;
    std::size_t cursor_ = 0;
    bool bof_ = true;
    bool eof_ = true;

    Mode mode_ = Mode::Browse;
    BestRecord buffer_;
    std::uint32_t editing_ = 0;
    // The edited record as it was when edit() took it.
    BestRecord original_;

    std::unique_ptr<filestore::FolderLock> heldLock_;
};

} // namespace pelikor
