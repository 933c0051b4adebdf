#include "ProfileText.h"

#include "AsciiCase.h"
#include "ProfileLine.h"

namespace pelikor {

namespace {

// Windows drops one pair of matching quotes around a value.
std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

ProfileText::ProfileText(std::string_view bytes)
{
    // A later section of a name already seen is never found by the reader.
    Keys* current = nullptr;
    for (const ProfileLine& line : ProfileLine::split(bytes)) {
        if (line.kind == ProfileLine::Kind::Section) {
            const auto [section, isNew] = sections_.try_emplace(foldedCase(line.name));
            current = isNew ? &section->second : nullptr;
        } else if (line.kind == ProfileLine::Kind::Key && current && !line.name.empty()) {
            current->try_emplace(foldedCase(line.name), unquoted(line.value).substr(0, kMaxProfileValue));
        }
    }
}

std::optional<std::string> ProfileText::value(std::string_view section, std::string_view key) const
{
    const auto keys = sections_.find(foldedCase(section));
    if (keys == sections_.end())
        return std::nullopt;
    const auto value = keys->second.find(foldedCase(key));
    if (value == keys->second.end())
        return std::nullopt;
    return value->second;
}

} // namespace pelikor
