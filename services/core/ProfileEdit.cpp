#include "services/core/ProfileEdit.h"

#include "files/core/AsciiCase.h"
#include "services/core/ProfileLine.h"

#include <optional>

namespace pelikor {

namespace {

// Files the program creates get the line end of the family's Windows programs.
constexpr std::string_view kNewFileLineEnd = "\r\n";

std::string_view lineEndOf(std::string_view bytes)
{
    const std::size_t newline = bytes.find('\n');
    if (newline == std::string_view::npos)
        return kNewFileLineEnd;
    return newline > 0 && bytes[newline - 1] == '\r' ? "\r\n" : "\n";
}

} // namespace

std::string withProfileValue(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value)
{
    const std::string_view lineEnd = lineEndOf(bytes);
    const std::vector<ProfileLine> lines = ProfileLine::split(bytes);

    bool inSection = false;
    bool sectionSeen = false;
    std::optional<ProfileLine> insertAfter;
    for (const ProfileLine& line : lines) {
        if (line.kind == ProfileLine::Kind::Section) {
            if (inSection)
                break;
            inSection = !sectionSeen && equalIgnoringCase(line.name, section);
            sectionSeen = sectionSeen || inSection;
            if (inSection)
                insertAfter = line;
        } else if (inSection && line.kind == ProfileLine::Kind::Key) {
            if (equalIgnoringCase(line.name, key)) {
                std::string edited(bytes.substr(0, line.begin));
                edited.append(line.name).append("=").append(value);
                edited.append(bytes.substr(line.end));
                return edited;
            }
            insertAfter = line;
        }
    }

    std::string edited(bytes);
    std::string added;
    if (insertAfter) {
        const std::size_t at = insertAfter->next;
        if (insertAfter->end == at)
            added.append(lineEnd);
        added.append(key).append("=").append(value).append(lineEnd);
        edited.insert(at, added);
        return edited;
    }
    if (!bytes.empty() && bytes.back() != '\n')
        added.append(lineEnd);
    added.append("[").append(section).append("]").append(lineEnd);
    added.append(key).append("=").append(value).append(lineEnd);
    return edited.append(added);
}

} // namespace pelikor
