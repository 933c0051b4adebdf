#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pelikor {

// Text conversion between UTF-8 and the Central European code page 1250
// in which the table keeps its text fields.
namespace cp1250 {

// Characters the code page lacks, and broken UTF-8, become '?'. At most
// maxChars characters are converted; the rest is cut off.
std::string fromUtf8(std::string_view utf8, std::size_t maxChars = std::string_view::npos);

std::string toUtf8(std::string_view bytes);

} // namespace cp1250

} // namespace pelikor
