#pragma once

#include "app/PelikorWindows.h"
#include "dialogs/AssistantFigure.h"
#include "frame/MainWindow.h"
#include "frame/WelcomeBalloon.h"
#include "services/Settings.h"
#include "tests/support/BestTableFolder.h"
#include "tests/support/RecordingCuePlayer.h"
#include "widgets/ProgramStyle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string_view>

// The whole program on a temporary application folder with an empty best
// table, the build's cue files and, if given, a settings file as a player
// left it, in the program's style; the cues it plays are recorded by name.
struct ProgramFixture {
    QTemporaryDir folder;
    QString applicationDir = folder.path() + QLatin1Char('/');
    QStringList cues;
    std::unique_ptr<PelikorWindows> windows;

    explicit ProgramFixture(const QString& settings = {})
    {
        if (!settings.isEmpty()) {
            QFile file(applicationDir + QStringLiteral("Kolvex.ini"));
            if (file.open(QIODevice::WriteOnly))
                file.write(settings.toUtf8());
        }
        ProgramStyle::install();
        layOutBestTable(applicationDir);
        const QDir builtCues(qEnvironmentVariable("PELIKOR_TEST_APP_DIR") + QStringLiteral("/Zvuky"));
        QDir(applicationDir).mkdir(QStringLiteral("Zvuky"));
        for (const QString& cue : builtCues.entryList(QDir::Files))
            QFile::copy(builtCues.filePath(cue), applicationDir + QStringLiteral("Zvuky/") + cue);
        windows = std::make_unique<PelikorWindows>(applicationDir, std::make_unique<RecordingCuePlayer>(cues));
    }

    MainWindow& main() { return windows->mainWindow(); }
    AssistantFigure& figure() { return windows->assistantFigure(); }
    WelcomeBalloon& welcome() { return windows->welcomeBalloon(); }
    QString setting(std::string_view key) { return windows->services().settings.read(key); }

    // A control of the main window by its name.
    template <typename T> T* child(const char* name) { return main().findChild<T*>(QLatin1String(name)); }

    // Shows the main window and lets its first show run.
    void start()
    {
        windows->show();
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
        QTest::qWait(20);
    }
};
