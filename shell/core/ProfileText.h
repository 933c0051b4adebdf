#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pelikor {

// Longest value a read returns: the reader's buffer holds 2048 characters with the terminator.
inline constexpr std::size_t kMaxProfileValue = 2047;

// The values of a profile file, looked up by section and key without regard to case.
// Only the first section of a name and the first key of a name in it count.
class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string_view bytes);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;

private:
    using Keys = std::unordered_map<std::string, std::string>;
    std::unordered_map<std::string, Keys> sections_;
};

} // namespace pelikor
