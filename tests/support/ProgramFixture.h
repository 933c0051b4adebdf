#pragma once

#include "BestTableFolder.h"
#include "PelikorWindows.h"
#include "RecordingCuePlayer.h"
#include "SoundCue.h"
#include "THlavniDialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string_view>

// The whole program on a temporary application folder with an empty best
// table and the build's sound files, its cues recorded.
struct Program {
    QTemporaryDir folder;
    QString applicationDir = folder.path() + QLatin1Char('/');
    QStringList cues;
    std::unique_ptr<PelikorWindows> windows;

    // Settings written before the windows exist, as a player left them.
    explicit Program(const QString& settings = {})
    {
        if (!settings.isEmpty()) {
            QFile file(applicationDir + QStringLiteral("Kolvex.ini"));
            file.open(QIODevice::WriteOnly);
            file.write(settings.toUtf8());
        }
        layOutBestTable(applicationDir);
        QDir().mkpath(applicationDir + QStringLiteral("Zvuky"));
        for (std::string_view cue : pelikor::kSoundCueFiles) {
            const QString name = QString::fromLatin1(cue.data(), qsizetype(cue.size()));
            QFile::copy(qEnvironmentVariable("PELIKOR_TEST_APP_DIR") + QStringLiteral("/Zvuky/") + name,
                        applicationDir + QStringLiteral("Zvuky/") + name);
        }
        windows = std::make_unique<PelikorWindows>(applicationDir, std::make_unique<RecordingCuePlayer>(cues));
    }

    THlavniDialog& main() { return windows->HlavniDialog(); }
    TPomocnikDialog& figure() { return windows->PomocnikDialog(); }
    TUvitaniDialog& welcome() { return windows->UvitaniDialog(); }
    QString setting(std::string_view key) { return windows->services().settings.read(key); }

    template <typename T> T* child(const char* name) { return main().findChild<T*>(QLatin1String(name)); }

    // Shows the main window and lets its first show run.
    void start()
    {
        windows->show();
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
        QTest::qWait(20);
    }
};
