#include "app/PlayerFiles.h"
#include "scores/core/DbaseTable.h"
#include "scores/TDataModule1.h"
#include "services/AppFolders.h"
#include "tests/support/TempFolder.h"

#include <QTest>

#include <filesystem>
#include <optional>

#include <sys/stat.h>

// Where a program keeps its files, told from its own folder, and what a
// player's first start of an installed program lays out.

namespace fs = std::filesystem;

namespace {

const std::string kShippedSettings = "[Nastaveni]\r\nPomocnik=1\r\nUvitani=1\r\n";

void setVariable(const char* name, const QString& value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value.toUtf8());
}

} // namespace

class PlayerFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        root_.emplace();
        qputenv("HOME", (*root_ / "home").c_str());
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }

    void foldersOfAProgram_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("configHome");
        QTest::addColumn<QString>("dataHome");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("table");
        const auto text = [](const char* value) { return QString::fromUtf8(value); };
        QTest::newRow("portable folder") << false << QString() << QString() << text("app") << text("app");
        QTest::newRow("installed") << true << QString() << QString() << text("home/.config/pelikor2000")
                                   << text("home/.local/share/pelikor2000");
        QTest::newRow("installed, player's folders")
            << true << text("/config") << text("/data") << text("config/pelikor2000") << text("data/pelikor2000");
        QTest::newRow("installed, relative folders are no folders")
            << true << text("config") << text("data") << text("home/.config/pelikor2000")
            << text("home/.local/share/pelikor2000");
    }
    void foldersOfAProgram()
    {
        QFETCH(bool, installed);
        QFETCH(QString, configHome);
        QFETCH(QString, dataHome);
        QFETCH(QString, settings);
        QFETCH(QString, table);
        const auto under = [this](const QString& path) { return (*root_ / path.toStdString()).lexically_normal(); };
        const QString rootText = QString::fromStdString(root_->path().native());
        setVariable("XDG_CONFIG_HOME", configHome.startsWith(QLatin1Char('/')) ? rootText + configHome : configHome);
        setVariable("XDG_DATA_HOME", dataHome.startsWith(QLatin1Char('/')) ? rootText + dataHome : dataHome);
        fs::create_directories(*root_ / "usr/games");
        fs::create_directories(*root_ / "app");
        if (installed)
            fs::create_directories(*root_ / "usr/share/games/pelikor2000");

        const AppFolders folders = AppFolders::ofProgram(under(installed ? "usr/games" : "app"));
        QCOMPARE(folders.installed(), installed);
        QCOMPARE(folders.settings(), under(settings));
        QCOMPARE(folders.table(), under(table));
        QCOMPARE(folders.shipped(), under(installed ? "usr/share/games/pelikor2000" : "app"));
    }

    // The first start lays out the shipped settings and the empty table in
    // folders of the player's alone; a later start leaves what the player
    // has, and a portable folder is the build's to lay out.
    void aFirstStartLaysOutThePlayersFilesOnce()
    {
        const AppFolders folders = installedFolders();
        layOutPlayerFiles(folders);
        QCOMPARE(readBytes(folders.settings() / "Kolvex.ini"), kShippedSettings);
        QCOMPARE(readBytes(folders.table() / "Data/Pelkor.dbf"), readBytes(folders.shipped() / "Data/Zaloha/Pelkor.dbf"));
        QVERIFY(fs::exists(folders.table() / "Data/Pelkor.mdx"));
        for (const fs::path& made : {folders.settings(), folders.table() / "Data", *root_ / "home/.local"})
            QCOMPARE(fs::status(made).permissions(), fs::perms::owner_all);

        writeBytes(folders.settings() / "Kolvex.ini", "[Nastaveni]\r\nPomocnik=0\r\n");
        writeBytes(folders.table() / "Data/Pelkor.dbf", "hráčův výsledek");
        layOutPlayerFiles(folders);
        QCOMPARE(readBytes(folders.settings() / "Kolvex.ini"), std::string("[Nastaveni]\r\nPomocnik=0\r\n"));
        QCOMPARE(readBytes(folders.table() / "Data/Pelkor.dbf"), std::string("hráčův výsledek"));

        const fs::path portable = *root_ / "app";
        fs::create_directories(portable);
        layOutPlayerFiles(AppFolders::portable(portable));
        QVERIFY(fs::is_empty(portable));
    }

    // A table the program refuses in a portable folder it refuses in the
    // player's folder too, and the first start does not lay a new one over it.
    void aTableTheProgramRefusesStaysAndIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << QStringLiteral("fifo");
        QTest::newRow("damaged") << QStringLiteral("damaged");
        QTest::newRow("oversized") << QStringLiteral("oversized");
    }
    void aTableTheProgramRefusesStaysAndIsRefused()
    {
        QFETCH(QString, kind);
        const AppFolders folders = installedFolders();
        const fs::path table = folders.table() / "Data/Pelkor.dbf";
        fs::create_directories(table.parent_path());
        if (kind == QStringLiteral("fifo"))
            QCOMPARE(::mkfifo(table.c_str(), 0600), 0);
        else
            writeBytes(table, "no table");
        if (kind == QStringLiteral("oversized"))
            fs::resize_file(table, std::size_t(300) << 20);
        const auto before = fs::symlink_status(table).type();
        const auto size = fs::is_regular_file(table) ? fs::file_size(table) : 0;

        layOutPlayerFiles(folders);
        TDataModule1 module(AppFolders::text(folders.table()), AppFolders::text(folders.shipped()));
        try {
            module.Table1.open();
            QFAIL("the table was opened");
        } catch (const std::exception& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QString::fromStdString(table.native())), error.what());
        }
        QCOMPARE(fs::symlink_status(table).type(), before);
        QCOMPARE(fs::is_regular_file(table) ? fs::file_size(table) : 0, size);
    }

private:
    // An install under the test's folder with the shipped settings and
    // template, run by a player whose home lies there too.
    AppFolders installedFolders()
    {
        const fs::path shipped = *root_ / "usr/share/games/pelikor2000";
        fs::create_directories(shipped / "Data/Zaloha");
        fs::create_directories(*root_ / "usr/games");
        writeBytes(shipped / "Kolvex.ini", kShippedSettings);
        pelikor::DbaseTable::createEmpty(shipped / "Data/Zaloha", pelikor::DbaseTable::tableName,
                                         pelikor::DbaseTable::templateIndexName);
        return AppFolders::ofProgram(*root_ / "usr/games");
    }

    std::optional<TempFolder> root_;
};

QTEST_MAIN(PlayerFilesTest)
#include "player_files_test.moc"
