#include "services/CoreErrorText.h"

#include "scores/core/DbaseError.h"
#include "services/core/ProfileWriteError.h"

#include <QCoreApplication>

#include <cerrno>
#include <utility>

namespace {

using pelikor::FileAction;
using pelikor::TableFault;

constexpr const char* kContext = "CoreErrorText";

// Indexed by pelikor::TableFault; FileFailed is worded by the file error it carries.
constexpr const char* kTableFaults[] = {
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších \"%1\" je poškozená nebo to není tabulka nejlepších."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Index \"%1\" je poškozený."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Index \"%1\" neodpovídá své tabulce."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších \"%1\" je označena jinou kódovou stránkou (ovladač jazyka "
                                       "%2); tento program zapisuje jen kódovou stránku 1250 (0xC8)."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Index \"%1\" obsahuje značku %2 (%3), kterou tento program neumí znovu "
                                       "sestavit; tabulka ani její index se nezměnily."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Chybí šablona \"%1\"."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších nemá složku."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulku nejlepších \"%1\" už tento program drží otevřenou."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Otevřené tabulce \"%1\" nelze změnit složku."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších \"%1\" je zavřená."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších \"%1\" nemá aktuální záznam."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších \"%1\" nemá záznam k úpravě."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších \"%1\" není v režimu úprav ani vkládání."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších \"%1\" nemá co uložit."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Upravovaný záznam z tabulky \"%1\" zmizel."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Záznam %1 tabulky \"%2\" mezitím změnila jiná kopie programu; nebyl uložen."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Záznam %1 hry %2 z tabulky nejlepších zmizel."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších nemá pole \"%1\"."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších nemá řazení \"%1\"."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Pole \"%1\" není číslo."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Pole \"%1\" není datum."),
    QT_TRANSLATE_NOOP("CoreErrorText", "\"%1\" není platná hodnota pole TAHY."),
    QT_TRANSLATE_NOOP("CoreErrorText", "\"%1\" není platné datum pro pole DATUM."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Hodnota %1 se do pole TAHY nevejde."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Výběr \"%1\" nemá tvar HRA = 'kód'."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Hledání podle klíče vyžaduje řazení TAHY."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Klíč značky %1 tento program neumí spočítat."),
    QT_TRANSLATE_NOOP("CoreErrorText", "Index obsahuje nejvýše %1 značek."),
};
static_assert(std::size(kTableFaults) == std::size_t(TableFault::FileFailed));

constexpr const char* kTableKept = QT_TRANSLATE_NOOP("CoreErrorText", "Tabulka nejlepších zůstala beze změny.");
constexpr const char* kSettingsNotWritten = QT_TRANSLATE_NOOP("CoreErrorText", "Unable to write to %1");

// Indexed by pelikor::FileAction.
constexpr const char* kFileActions[] = {
    QT_TRANSLATE_NOOP("CoreErrorText", "Nelze otevřít soubor \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreErrorText", "Nelze číst soubor \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreErrorText", "Nelze zapsat soubor \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreErrorText", "Nelze nahradit soubor \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreErrorText", "Nelze projít odkazy souboru \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreErrorText", "Nelze otevřít složku \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreErrorText", "Nelze zamknout složku \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreErrorText", "Nelze vytvořit složku \"%1\": %2"),
};
static_assert(std::size(kFileActions) == std::size_t(FileAction::MakeFolder) + 1);

// The reasons a file of the player's can fail for; any other comes by its number.
constexpr std::pair<int, const char*> kReasons[] = {
    {pelikor::kNotRegularFile, QT_TRANSLATE_NOOP("CoreErrorText", "není to obyčejný soubor")},
    {EACCES, QT_TRANSLATE_NOOP("CoreErrorText", "přístup odepřen")},
    {EPERM, QT_TRANSLATE_NOOP("CoreErrorText", "operace není povolena")},
    {ENOENT, QT_TRANSLATE_NOOP("CoreErrorText", "soubor nebo složka neexistuje")},
    {ENOTDIR, QT_TRANSLATE_NOOP("CoreErrorText", "není to složka")},
    {EISDIR, QT_TRANSLATE_NOOP("CoreErrorText", "je to složka")},
    {EEXIST, QT_TRANSLATE_NOOP("CoreErrorText", "soubor již existuje")},
    {ENOSPC, QT_TRANSLATE_NOOP("CoreErrorText", "na disku není místo")},
    {EDQUOT, QT_TRANSLATE_NOOP("CoreErrorText", "disková kvóta je vyčerpána")},
    {EROFS, QT_TRANSLATE_NOOP("CoreErrorText", "systém souborů je jen pro čtení")},
    {ELOOP, QT_TRANSLATE_NOOP("CoreErrorText", "příliš mnoho symbolických odkazů")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("CoreErrorText", "jméno je příliš dlouhé")},
    {EMFILE, QT_TRANSLATE_NOOP("CoreErrorText", "příliš mnoho otevřených souborů")},
    {ENFILE, QT_TRANSLATE_NOOP("CoreErrorText", "příliš mnoho otevřených souborů v systému")},
    {EIO, QT_TRANSLATE_NOOP("CoreErrorText", "chyba vstupu nebo výstupu")},
    {EBUSY, QT_TRANSLATE_NOOP("CoreErrorText", "soubor je používán")},
    {EFBIG, QT_TRANSLATE_NOOP("CoreErrorText", "soubor je příliš velký")},
    {EINVAL, QT_TRANSLATE_NOOP("CoreErrorText", "neplatný argument")},
    {EXDEV, QT_TRANSLATE_NOOP("CoreErrorText", "soubory leží na různých discích")},
    {EAGAIN, QT_TRANSLATE_NOOP("CoreErrorText", "prostředek je dočasně nedostupný")},
    {ENOMEM, QT_TRANSLATE_NOOP("CoreErrorText", "nedostatek paměti")},
    {ENOLCK, QT_TRANSLATE_NOOP("CoreErrorText", "zámek nelze získat")},
};

QString translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QString fileText(const std::filesystem::path& file)
{
    return QString::fromStdString(file.string());
}

QString reasonText(int code)
{
    for (const auto& [known, reason] : kReasons)
        if (known == code)
            return translated(reason);
    return translated(QT_TRANSLATE_NOOP("CoreErrorText", "systémová chyba %1")).arg(code);
}

QString fileErrorText(const pelikor::FileError& error)
{
    return translated(kFileActions[int(error.action())]).arg(fileText(error.file()), reasonText(error.code()));
}

QString tableErrorText(const pelikor::DbaseError& error)
{
    QString text;
    if (error.cause()) {
        text = fileErrorText(*error.cause());
    } else {
        text = translated(kTableFaults[int(error.fault())]);
        for (const std::string& argument : error.arguments())
            text = text.arg(QString::fromStdString(argument));
    }
    return error.tableKept() ? text + QLatin1Char(' ') + translated(kTableKept) : text;
}

} // namespace

QString errorText(const std::exception& error)
{
    if (const auto* table = dynamic_cast<const pelikor::DbaseError*>(&error))
        return tableErrorText(*table);
    if (const auto* file = dynamic_cast<const pelikor::FileError*>(&error))
        return fileErrorText(*file);
    if (const auto* settings = dynamic_cast<const pelikor::ProfileWriteError*>(&error))
        return translated(kSettingsNotWritten).arg(fileText(settings->file()));
    return QString::fromUtf8(error.what());
}
