#include "services/core/ProfileLine.h"

namespace pelikor {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

ProfileLine ProfileLine::classify(std::string_view text)
{
    ProfileLine line;
    const std::string_view content = trimmed(text);
    if (content.empty() || content.front() == ';')
        return line;
    if (content.front() == '[') {
        // The name runs to the last "]", as with the Windows reader.
        const std::size_t close = content.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = ProfileLine::Kind::Section;
            line.name = trimmed(content.substr(1, close - 1));
        }
        return line;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return line;
    line.kind = ProfileLine::Kind::Key;
    line.name = trimmed(content.substr(0, equals));
    line.value = trimmed(content.substr(equals + 1));
    return line;
}

std::vector<ProfileLine> ProfileLine::split(std::string_view bytes)
{
    std::vector<ProfileLine> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const std::size_t newline = bytes.find('\n', begin);
        const std::size_t next = newline == std::string_view::npos ? bytes.size() : newline + 1;
        std::size_t end = newline == std::string_view::npos ? bytes.size() : newline;
        if (end > begin && bytes[end - 1] == '\r')
            --end;
        ProfileLine line = classify(bytes.substr(begin, end - begin));
        line.begin = begin;
        line.end = end;
        line.next = next;
        lines.push_back(line);
        begin = next;
    }
    return lines;
}

} // namespace pelikor
