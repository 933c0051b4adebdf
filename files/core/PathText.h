#pragma once

#include <string>
#include <string_view>

namespace pelikor {

// A text for a path's bytes that gives the same bytes back: valid UTF-8
// reads as its characters, and every other byte b as the lone surrogate
// U+DC00 + b, which no valid text holds. A folder whose name is not valid
// UTF-8 thus survives a trip through the windows' text types.
std::u16string pathText(std::string_view bytes);
std::string pathBytes(std::u16string_view text);

} // namespace pelikor
