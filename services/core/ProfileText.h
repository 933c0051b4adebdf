#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelikor {

// Longest value a read returns: the reader's buffer holds 2048 characters with the terminator.
inline constexpr std::size_t kMaxProfileValue = 2047;

// The values of a profile file, looked up by section and key without regard to case.
// Only the first section of a name and the first key of a name in it count.
// A key is searched for when first asked and remembered, so that a large
// file costs one pass over its lines per key, not a table of all its keys.
class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string bytes);

    std::optional<std::string> value(std::string_view section, std::string_view key);

    // Gives the bytes back, so that the next read of the file reuses their room.
    std::string takeBytes() && { return std::move(bytes_); }

private:
    std::optional<std::string> search(std::string_view section, std::string_view key) const;

    // A key asked for before; the program asks for few, so a list serves.
    struct Found {
        std::string section;
        std::string key;
        std::optional<std::string> value;
    };

    std::string bytes_;
    std::vector<Found> found_;
};

} // namespace pelikor
