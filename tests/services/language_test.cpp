#include "scores/core/DbaseError.h"
#include "services/CoreErrorText.h"
#include "services/ProgramLanguage.h"
#include "services/core/ProfileWriteError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

// The choice of the program's language from the environment, and the
// translations the build lays out.
class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void choosesTheFirstLanguageItSpeaks_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("nothing set") << "" << "" << "" << "" << "cs";
        QTest::newRow("Czech") << "" << "" << "" << "cs_CZ.UTF-8" << "cs";
        QTest::newRow("Slovak") << "" << "" << "" << "sk_SK.UTF-8" << "cs";
        QTest::newRow("C") << "" << "" << "" << "C.UTF-8" << "cs";
        QTest::newRow("POSIX") << "" << "" << "" << "POSIX" << "cs";
        QTest::newRow("English") << "" << "" << "" << "en_US.UTF-8" << "en";
        QTest::newRow("Polish without a translation") << "" << "" << "" << "pl_PL.UTF-8" << "en";
        QTest::newRow("German with one") << "" << "" << "" << "de_AT.UTF-8@euro" << "de";
        QTest::newRow("LANGUAGE before LANG") << "en" << "" << "" << "cs_CZ.UTF-8" << "en";
        QTest::newRow("LANGUAGE in order") << "fr:sk:en" << "" << "" << "en_US.UTF-8" << "cs";
        QTest::newRow("LANGUAGE of unknown ones") << "fr:it" << "" << "" << "cs_CZ.UTF-8" << "cs";
        QTest::newRow("nothing known") << "fr:it" << "" << "" << "pl_PL" << "en";
        QTest::newRow("LC_ALL before LC_MESSAGES") << "" << "cs_CZ" << "en_GB" << "en_GB" << "cs";
        QTest::newRow("LC_MESSAGES before LANG") << "" << "" << "en_GB" << "cs_CZ" << "en";
        QTest::newRow("empty LANGUAGE entries") << "::en:" << "" << "" << "C" << "en";
    }

    void choosesTheFirstLanguageItSpeaks()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, chosen);
        const QMap<QString, QString> environment{
            {"LANGUAGE", language}, {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}};
        const QStringList wanted =
            ProgramLanguage::wantedLanguages([&](const char* name) { return environment.value(name); });
        QCOMPARE(ProgramLanguage::choose(wanted, {"en", "de"}), chosen);
    }

    // The cores name what failed and where; the player reads it in words,
    // with every argument in its place and the table's fate after it.
    void wordsTheCoresErrors()
    {
        using namespace pelikor;
        const FileError denied(FileAction::Write, "/d/Pelkor.mdx", EACCES);
        const std::pair<QString, QString> cases[] = {
            {errorText(denied), "Nelze zapsat soubor \"/d/Pelkor.mdx\": přístup odepřen"},
            {errorText(FileError(FileAction::Open, "/d/x", kNotRegularFile)), "Nelze otevřít soubor \"/d/x\": není to obyčejný soubor"},
            {errorText(FileError(FileAction::LockFolder, "/d", 9999)), "Nelze zamknout složku \"/d\": systémová chyba 9999"},
            {errorText(DbaseError(denied)), "Nelze zapsat soubor \"/d/Pelkor.mdx\": přístup odepřen"},
            {errorText(DbaseError(TableFault::RecordChanged, {"7", "/d/Pelkor.dbf"}, "detail")),
             "Záznam 7 tabulky \"/d/Pelkor.dbf\" mezitím změnila jiná kopie programu; nebyl uložen."},
            {errorText(DbaseError(TableFault::TemplateMissing, {"/z/Pelkor.Mdx"}).keepingTable()),
             "Chybí šablona \"/z/Pelkor.Mdx\". Tabulka nejlepších zůstala beze změny."},
            {errorText(DbaseError(TableFault::TooManyTags, {"47"})), "Index obsahuje nejvýše 47 značek."},
            {errorText(ProfileWriteError("/d/Kolvex.ini")), "Unable to write to /d/Kolvex.ini"},
            {errorText(std::runtime_error("jiná")), "jiná"},
        };
        for (const auto& [worded, expected] : cases)
            QCOMPARE(worded, expected);
    }

    // A language is a file in the folder: any "pelikor_<language>.qm", nothing else.
    void findsTheLanguagesByTheirFiles()
    {
        QTemporaryDir folder;
        for (const char* name : {"pelikor_de.qm", "qt_fr.qm", "pelikor_it.ts"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(ProgramLanguage::translatedLanguages(folder.path()), QStringList({"de"}));
        QCOMPARE(ProgramLanguage::translatedLanguages(folder.filePath("missing")), QStringList());
    }

    // The build lays out English, and the program and Qt speak it when the
    // player's first language is English; Czech keeps its source texts and
    // Qt's Czech.
    void installsTheChosenTranslations()
    {
        const std::filesystem::path appFolder = qEnvironmentVariable("PELIKOR_TEST_APP_DIR").toStdString();
        QVERIFY(ProgramLanguage::translatedLanguages(QString::fromStdString(appFolder / "translations")).contains("en"));
        qputenv("LANGUAGE", "en");
        {
            const ProgramLanguage english(appFolder);
            QCOMPARE(english.language(), QStringLiteral("en"));
            QCOMPARE(QCoreApplication::translate("CoreErrorText", "přístup odepřen"), QStringLiteral("permission denied"));
            QCOMPARE(QLocale().language(), QLocale::English);
            QCOMPARE(ProgramLanguage::current(), QStringLiteral("en"));
        }
        QCOMPARE(QCoreApplication::translate("CoreErrorText", "přístup odepřen"), QStringLiteral("přístup odepřen"));
        qputenv("LANGUAGE", "cs");
        const ProgramLanguage czech(appFolder);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Zrušit"));
        QCOMPARE(QLocale().language(), QLocale::Czech);
        QCOMPARE(ProgramLanguage::current(), QStringLiteral("cs"));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
