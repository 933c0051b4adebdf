#pragma once

#include "PelikorWindows.h"
#include "RecordingCuePlayer.h"
#include "THlavniDialog.h"
#include "THraDialog.h"
#include "TPomocnikDialog.h"
#include "TStandardDialog.h"
#include "TVyberDialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The whole program on a temporary application folder with every cue file
// and, if given, a settings file as a player left it; the cues it plays
// are recorded by name.
struct NewGameProgram {
    QTemporaryDir folder;
    QString applicationDir = folder.path() + QLatin1Char('/');
    QStringList cues;
    std::unique_ptr<PelikorWindows> windows;

    explicit NewGameProgram(const QByteArray& settings = {})
    {
        if (!settings.isEmpty()) {
            QFile file(applicationDir + QStringLiteral("Kolvex.ini"));
            if (file.open(QIODevice::WriteOnly))
                file.write(settings);
        }
        const QDir builtCues(qEnvironmentVariable("PELIKOR_TEST_APP_DIR") + QStringLiteral("/Zvuky"));
        QDir(applicationDir).mkdir(QStringLiteral("Zvuky"));
        for (const QString& cue : builtCues.entryList(QDir::Files))
            QFile::copy(builtCues.filePath(cue), applicationDir + QStringLiteral("Zvuky/") + cue);
        windows = std::make_unique<PelikorWindows>(applicationDir, std::make_unique<RecordingCuePlayer>(cues));
    }

    // Shows the main window and lets its first show run, so that the figure
    // comes up as the settings say and the main window takes the keys.
    void start()
    {
        windows->show();
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
        QCoreApplication::processEvents();
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }

    THlavniDialog& main() { return windows->HlavniDialog(); }
    TPomocnikDialog& figure() { return windows->PomocnikDialog(); }
    TVyberDialog& chooser() { return windows->VyberDialog(); }
    TStandardDialog& standard() { return windows->StandardDialog(); }
    THraDialog& optional() { return windows->HraDialog(); }

    template <typename T> T* child(QWidget& window, const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    }
    QAction* command(const char* name) { return child<QAction>(main(), name); }
};
