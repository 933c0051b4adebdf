#include "tools/screenshots/PlayAidScenes.h"

#include "app/PelikorWindows.h"
#include "dialogs/AssistantFigure.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "scores/ResultBalloon.h"
#include "setup/core/Games.h"
#include "tools/screenshots/ScreenCamera.h"

#include <QAction>

namespace {

constexpr int kMargin = 10;

void play(BoardPanel& board, std::initializer_list<std::pair<int, int>> moves)
{
    for (const auto& [peg, hole] : moves) {
        board.selectPeg(peg);
        board.jumpInto(hole);
    }
}

} // namespace

void shootPlayAids(ScreenCamera& camera, PelikorWindows& windows)
{
    MainWindow& main = windows.mainWindow();
    BoardPanel& board = main.boardPanel();
    auto* hint = main.findChild<QAction*>(QStringLiteral("hintAction"));

    const pelikor::GameLayout standard = pelikor::standardLayout();
    main.startGame(standard.occupied, standard.game);
    play(board, {{5, 17}, {12, 10}});
    hint->trigger();
    camera.waitUntilShown(*main.findChild<QWidget*>(QStringLiteral("hintMark")));
    camera.shoot(QStringLiteral("main-hint"), main.frameGeometry(), QStringLiteral("main-keyboard-cursor"));
    main.abandonGame();

    // Optional game 2 down to the two pegs it cannot go below, helped by a hint.
    const pelikor::GameLayout optional = pelikor::optionalLayout(2);
    main.startGame(optional.occupied, optional.game);
    hint->trigger();
    play(board, {{10, 12}, {16, 28}, {17, 19}, {12, 26}, {25, 23}, {28, 16}, {9, 23}});
    ResultBalloon& result = windows.resultBalloon();
    camera.waitUntilShown(result);
    const QRect area = result.frameGeometry()
                           .united(windows.assistantFigure().frameGeometry())
                           .adjusted(-kMargin, -kMargin, kMargin, kMargin);
    camera.shoot(QStringLiteral("result-assisted"), area, QStringLiteral("result-name-offered"));
    result.acknowledge();
}
