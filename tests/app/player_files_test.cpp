#include "app/PlayerFiles.h"
#include "scores/BestTableModule.h"
#include "scores/core/DbaseTable.h"
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

    // The layout is told from the program's own folder; the player's
    // folders come from the XDG variables when they name absolute folders.
    void foldersOfAProgram_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("variables"); // the folder both name, under the test's root
        QTest::newRow("portable folder") << false << QString();
        QTest::newRow("installed") << true << QString();
        QTest::newRow("installed, player's folders") << true << QStringLiteral("/xdg");
        QTest::newRow("installed, relative folders are none") << true << QStringLiteral("xdg");
    }
    void foldersOfAProgram()
    {
        QFETCH(bool, installed);
        QFETCH(QString, variables);
        const auto under = [this](const char* path) { return (*root_ / path).lexically_normal(); };
        const QString named = variables.startsWith(QLatin1Char('/')) ? QString::fromStdString(root_->path()) + variables : variables;
        setVariable("XDG_CONFIG_HOME", named.isNull() ? named : named + QStringLiteral("/config"));
        setVariable("XDG_DATA_HOME", named.isNull() ? named : named + QStringLiteral("/data"));
        fs::create_directories(*root_ / "app");
        if (installed)
            fs::create_directories(*root_ / "usr/share/games/pelikor2000");

        const AppFolders folders = AppFolders::ofProgram(under(installed ? "usr/games" : "app"));
        const bool own = variables.startsWith(QLatin1Char('/'));
        QCOMPARE(folders.installed(), installed);
        QCOMPARE(folders.settings(), under(!installed ? "app" : own ? "xdg/config/pelikor2000" : "home/.config/pelikor2000"));
        QCOMPARE(folders.table(), under(!installed ? "app" : own ? "xdg/data/pelikor2000" : "home/.local/share/pelikor2000"));
        QCOMPARE(folders.shipped(), under(installed ? "usr/share/games/pelikor2000" : "app"));
    }

    // The first start lays out the shipped settings and the empty table in
    // folders of the player's alone; a later start leaves what the player
    // has, also a table the program refuses, which it refuses here as
    // anywhere; a portable folder is the build's to lay out.
    void aFirstStartLaysOutThePlayersFilesOnce()
    {
        const AppFolders folders = installedFolders();
        layOutPlayerFiles(folders);
        const fs::path table = folders.table() / "Data/Pelkor.dbf";
        QCOMPARE(readBytes(folders.settings() / "Kolvex.ini"), kShippedSettings);
        QCOMPARE(readBytes(table), readBytes(folders.shipped() / "Data/Zaloha/Pelkor.dbf"));
        QVERIFY(fs::exists(folders.table() / "Data/Pelkor.mdx"));
        for (const fs::path& made : {folders.settings(), table.parent_path(), *root_ / "home/.local"})
            QCOMPARE(fs::status(made).permissions(), fs::perms::owner_all);

        writeBytes(folders.settings() / "Kolvex.ini", "[Nastaveni]\r\nPomocnik=0\r\n");
        fs::remove(table);
        QCOMPARE(::mkfifo(table.c_str(), 0600), 0);
        layOutPlayerFiles(folders);
        QCOMPARE(readBytes(folders.settings() / "Kolvex.ini"), std::string("[Nastaveni]\r\nPomocnik=0\r\n"));
        QVERIFY(fs::is_fifo(table));
        BestTableModule module(AppFolders::text(folders.table()), AppFolders::text(folders.shipped()));
        try {
            module.table.open();
            QFAIL("the table was opened");
        } catch (const std::exception& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QString::fromStdString(table.native())), error.what());
        }

        const fs::path portable = *root_ / "app";
        fs::create_directories(portable);
        layOutPlayerFiles(AppFolders::portable(portable));
        QVERIFY(fs::is_empty(portable));
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
