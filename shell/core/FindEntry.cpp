#include "FindEntry.h"

#include "AsciiCase.h"

namespace pelikor {

namespace {

bool isKind(const std::filesystem::path& entry, EntryKind kind)
{
    std::error_code error;
    return kind == EntryKind::File ? std::filesystem::is_regular_file(entry, error)
                                   : std::filesystem::is_directory(entry, error);
}

} // namespace

std::optional<std::filesystem::path> findEntry(const std::filesystem::path& folder, std::string_view name,
                                               EntryKind kind)
{
    if (name.empty() || name.find('/') != std::string_view::npos)
        return std::nullopt;
    const std::filesystem::path exact = folder / name;
    if (isKind(exact, kind))
        return exact;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (equalIgnoringCase(entry->path().filename().native(), name) && isKind(entry->path(), kind))
            return entry->path();
    }
    return std::nullopt;
}

} // namespace pelikor
