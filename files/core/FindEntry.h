#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace pelikor {

// What a name must stand for to be found. Any also takes an entry that
// leads nowhere (a link to nothing), so that a file about to be replaced
// keeps the spelling the folder already lists.
enum class EntryKind { File, Folder, Any };

// The file or folder of `folder` named `name` without regard to letter case,
// as the program's names were matched on its original platform. An entry
// spelt exactly so is preferred; of several other spellings the least in
// byte order, so that every copy of the program picks the same one whatever
// order the folder lists them in.
std::optional<std::filesystem::path> findEntry(const std::filesystem::path& folder, std::string_view name,
                                               EntryKind kind);

// The folder reached from `root` through the folders `names`, each matched
// as findEntry matches it; from the first one missing on, as spelt here.
std::filesystem::path findFolderPath(const std::filesystem::path& root, std::span<const std::string_view> names);

} // namespace pelikor
