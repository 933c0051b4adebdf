#pragma once

#include "files/core/FileError.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pelikor {

// What went wrong in the best-table engine. The arguments of each fault,
// in the order given here, name the file or value at fault.
enum class TableFault {
    TableDamaged,             // table file
    IndexDamaged,             // index file
    IndexMismatch,            // index file
    OtherCodePage,            // table file, language driver
    ForeignTagNotRebuildable, // index file, tag, key expression
    TemplateMissing,          // template file
    NoFolder,
    TableHeld,                // table file
    FolderOfOpenTable,        // table file
    TableClosed,              // table file
    NoCurrentRecord,          // table file
    NoRecordToEdit,           // table file
    NotEditing,               // table file
    NothingToPost,            // table file
    EditedRecordGone,         // table file
    RecordChanged,            // record number, table file
    StoredRecordGone,         // record number, game code
    NoField,                  // field
    NoOrder,                  // field
    FieldNotNumber,           // field
    FieldNotDate,             // field
    InvalidMoves,             // text
    InvalidDate,              // text
    MovesDoNotFit,            // number
    BadSelection,             // text
    SearchNeedsMovesOrder,
    TagNotComputable,         // tag
    TooManyTags,              // the most an index holds
    FileFailed,               // (the file error it carries)
};

// A failure of the best-table engine: its kind and what it names, never a
// sentence; the layer above words it in the player's language. what()
// holds the same with the engine's detail, for the log.
class DbaseError : public std::runtime_error {
public:
    DbaseError(TableFault fault, std::vector<std::string> arguments, const std::string& detail = {});
    explicit DbaseError(const FileError& cause);

    TableFault fault() const { return fault_; }
    const std::vector<std::string>& arguments() const { return arguments_; }
    // The failed file access behind a FileFailed.
    const std::optional<FileError>& cause() const { return cause_; }
    // Whether the best table was left untouched by the step that failed.
    bool tableKept() const { return tableKept_; }
    DbaseError keepingTable() const;

private:
    TableFault fault_;
    std::vector<std::string> arguments_;
    std::optional<FileError> cause_;
    bool tableKept_ = false;
};

} // namespace pelikor
