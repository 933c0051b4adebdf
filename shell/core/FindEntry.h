#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace pelikor {

enum class EntryKind { File, Folder };

// The file or folder of `folder` named `name` without regard to letter case,
// as the program's names were matched on its original platform. An entry
// spelt exactly so is preferred; otherwise the first case-insensitive match.
std::optional<std::filesystem::path> findEntry(const std::filesystem::path& folder, std::string_view name,
                                               EntryKind kind);

} // namespace pelikor
