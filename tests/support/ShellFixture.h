#pragma once

#include "dialogs/AssistantFigure.h"
#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogOwners.h"
#include "dialogs/Services.h"
#include "services/ManualLauncher.h"
#include "services/Settings.h"
#include "services/SoundCues.h"
#include "tests/support/RecordingCuePlayer.h"

#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

// The shell's services on a temporary application folder, as the owner of
// all windows builds them: the cues recorded instead of played (from the
// build's own sound files), a stand-in main window, and a figure whose
// picture is a plain disc with the disc as its outline.
struct ShellFixture {
    QTemporaryDir folder;
    QString applicationDir = folder.path() + QLatin1Char('/');
    QStringList cues;
    Settings settings{applicationDir};
    std::unique_ptr<RecordingCuePlayer> ownPlayer = std::make_unique<RecordingCuePlayer>(cues);
    RecordingCuePlayer* player = ownPlayer.get();
    SoundCues soundCues{qEnvironmentVariable("PELIKOR_TEST_APP_DIR") + QLatin1Char('/'), std::move(ownPlayer)};
    ManualLauncher manual{applicationDir};
    DialogOwners owners;
    AssistantProtocol protocol{owners, settings};
    Services services{settings, soundCues, manual, owners, protocol};
    QWidget mainWindow;
    std::unique_ptr<AssistantFigure> figure;

    ShellFixture()
    {
        const QRect disc(QPoint(), AssistantFigure::kClientSize);
        QPixmap picture(disc.size());
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setBrush(Qt::magenta);
        painter.drawEllipse(disc.adjusted(0, 0, -1, -1));
        painter.end();
        figure = std::make_unique<AssistantFigure>(settings, soundCues, [picture](qreal) { return picture.toImage(); },
                                                   QRegion(disc, QRegion::Ellipse));
        owners.setMainWindow(&mainWindow);
        owners.setFigure(figure.get());
    }
};
