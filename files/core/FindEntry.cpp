#include "FindEntry.h"

#include "AsciiCase.h"

namespace pelikor {

namespace {

bool isKind(const std::filesystem::path& entry, EntryKind kind)
{
    std::error_code error;
    switch (kind) {
    case EntryKind::File:
        return std::filesystem::is_regular_file(entry, error);
    case EntryKind::Folder:
        return std::filesystem::is_directory(entry, error);
    case EntryKind::Any:
        return std::filesystem::exists(entry, error);
    }
    return false;
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
    std::optional<std::filesystem::path> least;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::filesystem::path& path = entry->path();
        if (equalIgnoringCase(path.filename().native(), name) && (kind == EntryKind::Any || isKind(path, kind))
            && (!least || path < *least))
            least = path;
    }
    return least;
}

} // namespace pelikor
