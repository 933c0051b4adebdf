#include "services/ProgramLanguage.h"

#include "services/PathText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace {

const QString kProgramPrefix = QStringLiteral("pelikor_");
const QString kQtPrefix = QStringLiteral("qt_");
const QString kCLocale = QStringLiteral("C");
// The list LANGUAGE names, then the variables a locale is read from, the
// first one set deciding.
const char* const kLanguageList = "LANGUAGE";
const char* const kLocaleVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

// "cs_CZ.UTF-8@euro" is Czech; "C.UTF-8" and "POSIX" are the C locale.
QString languageOf(const QString& locale)
{
    const QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name == kCLocale || name == QLatin1String("POSIX"))
        return kCLocale;
    return name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}

QString readEnvironment(const char* name)
{
    return qEnvironmentVariable(name);
}

QString chosenLanguage(const QString& folder)
{
    return ProgramLanguage::choose(ProgramLanguage::wantedLanguages(readEnvironment),
                                   ProgramLanguage::translatedLanguages(folder));
}

} // namespace

QStringList ProgramLanguage::wantedLanguages(const std::function<QString(const char*)>& environment)
{
    QStringList wanted;
    for (const QString& entry : environment(kLanguageList).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        wanted.append(languageOf(entry));
    for (const char* variable : kLocaleVariables) {
        const QString locale = environment(variable);
        if (!locale.isEmpty()) {
            wanted.append(languageOf(locale));
            break;
        }
    }
    return wanted;
}

QString ProgramLanguage::choose(const QStringList& wanted, const QStringList& translated)
{
    // Without any locale the program runs under the C locale.
    if (wanted.isEmpty())
        return QLatin1String(kSourceLanguage);
    for (const QString& language : wanted) {
        if (language == kCLocale || language == QLatin1String(kSourceLanguage) || language == QLatin1String("sk"))
            return QLatin1String(kSourceLanguage);
        if (translated.contains(language))
            return language;
    }
    return QLatin1String(kFallbackLanguage);
}

QString ProgramLanguage::current()
{
    return languageOf(QLocale().name());
}

QStringList ProgramLanguage::translatedLanguages(const QString& folder)
{
    QStringList languages;
    const QStringList files = QDir(folder).entryList({kProgramPrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages.append(file.mid(kProgramPrefix.size()).chopped(3));
    return languages;
}

bool ProgramLanguage::loadProgramTexts(const std::filesystem::path& shippedFolder, QTranslator& translator)
{
    const QString folder = textOfPath(shippedFolder / kFolder);
    const QString language = chosenLanguage(folder);
    return language != QLatin1String(kSourceLanguage) && translator.load(kProgramPrefix + language, folder);
}

ProgramLanguage::ProgramLanguage(const std::filesystem::path& shippedFolder)
{
    language_ = chosenLanguage(textOfPath(shippedFolder / kFolder));
    if (loadProgramTexts(shippedFolder, program_))
        QCoreApplication::installTranslator(&program_);
    if (qt_.load(kQtPrefix + language_, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    QLocale::setDefault(QLocale(language_));
}
