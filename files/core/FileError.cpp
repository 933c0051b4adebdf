#include "files/core/FileError.h"

#include <cerrno>
#include <utility>

namespace pelikor {

namespace {

// The reasons a file of the player's can fail for; any other comes by its number.
constexpr std::pair<int, std::string_view> kReasons[] = {
    {EACCES, "přístup odepřen"},
    {EPERM, "operace není povolena"},
    {ENOENT, "soubor nebo složka neexistuje"},
    {ENOTDIR, "není to složka"},
    {EISDIR, "je to složka"},
    {EEXIST, "soubor již existuje"},
    {ENOSPC, "na disku není místo"},
    {EDQUOT, "disková kvóta je vyčerpána"},
    {EROFS, "systém souborů je jen pro čtení"},
    {ELOOP, "příliš mnoho symbolických odkazů"},
    {ENAMETOOLONG, "jméno je příliš dlouhé"},
    {EMFILE, "příliš mnoho otevřených souborů"},
    {ENFILE, "příliš mnoho otevřených souborů v systému"},
    {EIO, "chyba vstupu nebo výstupu"},
    {EBUSY, "soubor je používán"},
    {EFBIG, "soubor je příliš velký"},
    {EINVAL, "neplatný argument"},
    {EXDEV, "soubory leží na různých discích"},
    {EAGAIN, "prostředek je dočasně nedostupný"},
    {ENOMEM, "nedostatek paměti"},
    {ENOLCK, "zámek nelze získat"},
};

} // namespace

std::string reasonText(int code)
{
    for (const auto& [known, reason] : kReasons)
        if (known == code)
            return std::string(reason);
    return "systémová chyba " + std::to_string(code);
}

} // namespace pelikor
