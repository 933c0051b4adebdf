#include "scores/core/DbaseDate.h"

#include <charconv>
#include <ctime>

namespace pelikor {

bool DbaseDate::isValid(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int monthLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int length = monthLength[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= length;
}

DbaseDate DbaseDate::today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

DateTextCodec dayMonthYearCodec()
{
    DateTextCodec codec;
    codec.format = [](const DbaseDate& date) {
        if (date.isNull())
            return std::string();
        return std::to_string(date.day) + '.' + std::to_string(date.month) + '.'
            + std::to_string(date.year);
    };
    codec.parse = [](std::string_view text) -> std::optional<DbaseDate> {
        int parts[3] = {0, 0, 0};
        const char* p = text.data();
        const char* end = text.data() + text.size();
        for (int i = 0; i < 3; ++i) {
            const auto [next, error] = std::from_chars(p, end, parts[i]);
            if (error != std::errc() || next == p)
                return std::nullopt;
            p = next;
            if (i < 2) {
                if (p == end || *p != '.')
                    return std::nullopt;
                ++p;
            }
        }
        if (p != end || !DbaseDate::isValid(parts[2], parts[1], parts[0]))
            return std::nullopt;
        return DbaseDate{parts[2], parts[1], parts[0]};
    };
    return codec;
}

} // namespace pelikor
