#include "tools/screenshots/ShellScenes.h"

#include "app/PelikorWindows.h"
#include "dialogs/AssistantFigure.h"
#include "frame/AboutBox.h"
#include "frame/HelpBalloon.h"
#include "frame/MainWindow.h"
#include "frame/WelcomeBalloon.h"
#include "game/BoardPanel.h"
#include "setup/core/Games.h"
#include "tools/screenshots/ScreenCamera.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>

namespace {

// The smallest part of the screen that shows all of the windows.
QRect around(std::initializer_list<const QWidget*> windows)
{
    QRect area;
    for (const QWidget* window : windows)
        if (window->isVisible())
            area |= window->frameGeometry();
    return area.adjusted(-8, -8, 8, 8);
}

} // namespace

void shootShellScenes(ScreenCamera& camera, PelikorWindows& windows)
{
    MainWindow& main = windows.mainWindow();
    AssistantFigure& figure = windows.assistantFigure();
    WelcomeBalloon& welcome = windows.welcomeBalloon();
    // The main window's first show opens the welcome once it is on screen.
    camera.waitUntilShown(welcome);
    camera.shoot(QStringLiteral("shell-welcome-at-start"), around({&main, &figure, &welcome}));
    welcome.close();
    camera.shoot(QStringLiteral("main-idle"), around({&main, &figure}), QStringLiteral("shell-welcome-at-start"));

    // A menu open on its first command, whose hint the status bar shows.
    // The pointer is moved on the screen, so the menu hears it as a player's.
    QMenu* fileMenu = main.findChild<QMenu*>(QStringLiteral("fileMenu"));
    main.menuBar()->setActiveAction(fileMenu->menuAction());
    camera.waitUntilShown(*fileMenu);
    const QRect item = fileMenu->actionGeometry(main.findChild<QAction*>(QStringLiteral("newGameAction")));
    QCursor::setPos(fileMenu->mapToGlobal(item.center()));
    camera.shoot(QStringLiteral("shell-menu-and-hint"), around({&main, fileMenu}), QStringLiteral("main-idle"));
    fileMenu->close();
    QCursor::setPos(QPoint(0, 0));

    main.toggleBossScreen();
    camera.shoot(QStringLiteral("shell-boss-screen"), around({&main}));
    main.toggleBossScreen();

    HelpBalloon& help = windows.helpBalloon();
    emit main.helpRequested();
    camera.shoot(QStringLiteral("shell-help-topics"), around({&main, &figure, &help}));
    help.showTopic(3);
    camera.shoot(QStringLiteral("shell-help-topic"), around({&main, &figure, &help}), QStringLiteral("shell-help-topics"));
    // The longest text, whole above its rule.
    help.showTopic(1);
    camera.shoot(QStringLiteral("shell-help-topic-longest"), around({&main, &figure, &help}), QStringLiteral("shell-help-topic"));
    help.close();

    AboutBox& about = windows.aboutBox();
    emit main.aboutRequested();
    camera.shoot(QStringLiteral("shell-about"), around({&main, &about}));
    about.close();
}

void shootBoardScenes(ScreenCamera& camera, PelikorWindows& windows)
{
    MainWindow& main = windows.mainWindow();
    const QRect window = main.frameGeometry();
    camera.shoot(QStringLiteral("main-board-idle"), window);

    const pelikor::GameLayout standard = pelikor::standardLayout();
    main.startGame(standard.occupied, standard.game);
    camera.shoot(QStringLiteral("main-standard-start"), window, QStringLiteral("main-board-idle"));

    for (const auto& [peg, hole] : {std::pair{5, 17}, {12, 10}, {3, 11}, {18, 6}})
        main.boardPanel().selectPeg(peg), main.boardPanel().jumpInto(hole);
    main.boardPanel().selectPeg(16);
    camera.shoot(QStringLiteral("main-in-play"), window, QStringLiteral("main-standard-start"));
}
