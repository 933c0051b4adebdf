#pragma once

#include <string>
#include <string_view>

namespace pelikor {

// The file `bytes` with `key` of `section` set to `value`, as the Windows
// writer leaves it: the key's line replaced, or the key added at the end of
// its section, or the section added at the end of the file. Every other byte
// stays as it was; new lines take the file's own line end.
std::string withProfileValue(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value);

} // namespace pelikor
