#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <filesystem>
#include <functional>

// The language the program speaks, chosen once at the start from the
// player's list of languages, with the translators of its texts and of
// Qt's own. Czech is the language the texts are written in; every other
// language is a file "pelikor_<language>.qm" in the translations folder.
class ProgramLanguage {
public:
    // The folder of the translations under the folder of shipped files.
    static constexpr const char* kFolder = "translations";
    static constexpr const char* kSourceLanguage = "cs";
    static constexpr const char* kFallbackLanguage = "en";

    // Chooses from the environment and installs the translators into the
    // running application; they stay installed while this object lives.
    explicit ProgramLanguage(const std::filesystem::path& shippedFolder);
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    const QString& language() const { return language_; }
    // The language chosen at the start, which the default locale carries
    // from then on; before the choice, the system's.
    static QString current();

    // Loads the program's texts in the language the environment chooses
    // into `translator` without installing it, for what is answered before
    // the application exists; false where the texts are the source's.
    static bool loadProgramTexts(const std::filesystem::path& shippedFolder, QTranslator& translator);

    // The player's languages in order, as the environment lists them:
    // LANGUAGE (a list), then the first of LC_ALL, LC_MESSAGES and LANG;
    // each as a lower-case language code, "C" for the C and POSIX locales.
    static QStringList wantedLanguages(const std::function<QString(const char*)>& environment);
    // The first wanted language the program speaks: Czech for Czech,
    // Slovak and the C locale, a language with a translation for itself,
    // English when none of them is.
    static QString choose(const QStringList& wanted, const QStringList& translated);
    // The languages a translation lies in `folder` for.
    static QStringList translatedLanguages(const QString& folder);

private:
    QString language_;
    QTranslator program_;
    QTranslator qt_;
};
