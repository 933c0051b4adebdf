#include "tools/screenshots/KeyboardScene.h"

#include "app/PelikorWindows.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "setup/core/Games.h"
#include "tools/screenshots/ScreenCamera.h"
#include "widgets/PositionCursor.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

void press(QWidget& control, Qt::Key key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &up);
}

} // namespace

void shootKeyboardScene(ScreenCamera& camera, PelikorWindows& windows)
{
    MainWindow& main = windows.mainWindow();
    main.activateWindow();
    const pelikor::GameLayout standard = pelikor::standardLayout();
    main.startGame(standard.occupied, standard.game);
    // From the centre two down to the bottom arm, and the peg there selected.
    PositionCursor& cursor = main.boardPanel().cursor();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Space})
        press(cursor, key);
    camera.shoot(QStringLiteral("main-keyboard-cursor"), main.frameGeometry());
    main.abandonGame();
}
