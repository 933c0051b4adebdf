#pragma once

#include <cstdint>
#include <string>

namespace pelikor {

// One record of the best table as a grid shows it; text in UTF-8.
struct TableRow {
    std::string jmeno;
    long long tahy = 0;
    std::string hra;
    std::string datum;
    std::uint32_t recordNumber = 0;
};

} // namespace pelikor
