#include "services/core/ProfileText.h"

#include "files/core/AsciiCase.h"
#include "services/core/ProfileLine.h"

#include <cstring>

namespace pelikor {

namespace {

// Windows drops one pair of matching quotes around a value.
std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

// Only a line that starts with "[" after its blanks can open a section.
bool mayBeSection(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t\v\f");
    return first != std::string_view::npos && line[first] == '[';
}

} // namespace

ProfileText::ProfileText(std::string bytes) : bytes_(std::move(bytes)) {}

std::optional<std::string> ProfileText::value(std::string_view section, std::string_view key)
{
    for (const Found& known : found_)
        if (equalIgnoringCase(known.section, section) && equalIgnoringCase(known.key, key))
            return known.value;
    return found_.emplace_back(std::string(section), std::string(key), search(section, key)).value;
}

std::optional<std::string> ProfileText::search(std::string_view section, std::string_view key) const
{
    bool inSection = false;
    const std::string_view bytes = bytes_;
    for (std::size_t begin = 0; begin < bytes.size();) {
        const void* newline = std::memchr(bytes.data() + begin, '\n', bytes.size() - begin);
        const std::size_t end = newline ? std::size_t(static_cast<const char*>(newline) - bytes.data()) : bytes.size();
        std::string_view text = bytes.substr(begin, end - begin);
        begin = end + 1;
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (!inSection && !mayBeSection(text))
            continue;
        const ProfileLine line = ProfileLine::classify(text);
        if (line.kind == ProfileLine::Kind::Section) {
            // A later section of a name already seen is never found by the reader.
            if (inSection)
                return std::nullopt;
            inSection = equalIgnoringCase(line.name, section);
        } else if (inSection && line.kind == ProfileLine::Kind::Key && !line.name.empty()
                   && equalIgnoringCase(line.name, key)) {
            return std::string(unquoted(line.value).substr(0, kMaxProfileValue));
        }
    }
    return std::nullopt;
}

} // namespace pelikor
