#pragma once

#include <stdexcept>
#include <string>

namespace pelikor {

// A failure of the best-table engine; the message names the file or value at fault.
class DbaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace pelikor
