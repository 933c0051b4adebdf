#pragma once

#include <filesystem>
#include <vector>

namespace pelikor {

// The entries a path leads through: the path itself, then the target of
// each symbolic link in turn. The last is no link; it may not exist, where
// a link leads nowhere. Throws FileError naming the path when the links
// go round or run too long.
std::vector<std::filesystem::path> linkChain(const std::filesystem::path& file);

// The last entry of the chain: the file a write through the path replaces.
std::filesystem::path linkTarget(const std::filesystem::path& file);

} // namespace pelikor
