#include "tools/screenshots/NewGameScenes.h"

#include "app/PelikorWindows.h"
#include "dialogs/AssistantFigure.h"
#include "frame/MainWindow.h"
#include "services/Settings.h"
#include "setup/GameTypeChooser.h"
#include "setup/OptionalGameChooser.h"
#include "setup/StandardGameBalloon.h"
#include "tools/screenshots/ScreenCamera.h"

#include <QCursor>

void shootNewGameScenes(ScreenCamera& camera, PelikorWindows& windows)
{
    // The command brings the closed figure back and the balloons hang beside it.
    MainWindow& main = windows.mainWindow();
    main.abandonGame();
    windows.services().settings.write(Settings::kAssistantKey, QStringLiteral("0"));
    emit main.newGameRequested();
    GameTypeChooser& chooser = windows.gameTypeChooser();
    const QRect figure = windows.assistantFigure().frameGeometry();
    camera.shoot(QStringLiteral("new-game-chooser"), figure | chooser.frameGeometry());
    chooser.chooseStandardGame();
    StandardGameBalloon& standardDialog = windows.standardGameBalloon();
    standardDialog.markPeg(12);
    // The standard dialog is the tallest balloon of the chain, so its
    // picture's area holds the optional dialog's as well.
    const QRect chain = figure | chooser.frameGeometry() | standardDialog.frameGeometry();
    camera.shoot(QStringLiteral("new-game-standard"), chain);
    standardDialog.goBack();
    chooser.chooseOptionalGame();
    camera.shoot(QStringLiteral("new-game-optional"), chain, QStringLiteral("new-game-standard"));
    // The pictures are gray until the pointer comes over one.
    OptionalGameChooser& optional = windows.optionalGameChooser();
    QWidget* picture = optional.findChild<QWidget*>(QStringLiteral("gameButton5"));
    QCursor::setPos(picture->mapToGlobal(picture->rect().center()));
    camera.shoot(QStringLiteral("new-game-optional-pointed"), chain, QStringLiteral("new-game-optional"));
    QCursor::setPos(QPoint(0, 0));
    optional.goBack();
    chooser.goBack();
}
