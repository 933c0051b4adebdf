#include "files/core/FindEntry.h"

#include "files/core/AsciiCase.h"

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

std::filesystem::path findFolderPath(const std::filesystem::path& root, std::span<const std::string_view> names)
{
    std::filesystem::path folder = root;
    bool found = true;
    for (std::string_view name : names) {
        const auto entry = found ? findEntry(folder, name, EntryKind::Folder) : std::nullopt;
        found = entry.has_value();
        folder = found ? *entry : folder / name;
    }
    return folder;
}

} // namespace pelikor
