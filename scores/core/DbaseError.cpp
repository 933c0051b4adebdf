#include "scores/core/DbaseError.h"

namespace pelikor {

namespace {

std::string logText(TableFault fault, const std::vector<std::string>& arguments, const std::string& detail)
{
    std::string text = "best table fault " + std::to_string(int(fault));
    for (const std::string& argument : arguments)
        text += " \"" + argument + "\"";
    return detail.empty() ? text : text + ": " + detail;
}

} // namespace

DbaseError::DbaseError(TableFault fault, std::vector<std::string> arguments, const std::string& detail)
    : std::runtime_error(logText(fault, arguments, detail)), fault_(fault), arguments_(std::move(arguments))
{
}

DbaseError::DbaseError(const FileError& cause)
    : std::runtime_error(cause.what()), fault_(TableFault::FileFailed), arguments_{cause.file().string()},
      cause_(cause)
{
}

DbaseError DbaseError::keepingTable() const
{
    DbaseError kept(*this);
    kept.tableKept_ = true;
    return kept;
}

} // namespace pelikor
