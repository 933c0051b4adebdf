#include "tools/screenshots/EndOfGameShots.h"

#include "app/PelikorWindows.h"
#include "dialogs/AssistantFigure.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "scores/BestTableView.h"
#include "scores/ClearTableQuestion.h"
#include "scores/CongratulationBalloon.h"
#include "scores/GiveUpQuestion.h"
#include "scores/ResultBalloon.h"
#include "setup/core/Games.h"
#include "tools/screenshots/ScreenCamera.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>

#include <functional>
#include <utility>
#include <vector>

namespace {

using Moves = std::vector<std::pair<int, int>>;

// Optional game 1 cleared to the centre, and optional game 2 down to the
// two pegs it cannot go below.
const Moves kOptional1ToCentre = {{10, 12}, {24, 10}, {9, 11}, {12, 10}, {5, 17}};
const Moves kOptional2ToTwo = {{10, 12}, {16, 28}, {17, 19}, {12, 26}, {25, 23}, {28, 16}, {9, 23}};
constexpr int kOptionalGame1Tab = 7;
constexpr int kOptionalGame2Tab = 6;
constexpr int kMonitorPatienceMs = 3000;
constexpr int kMargin = 10;

void play(MainWindow& main, int optionalGame, const Moves& moves)
{
    const pelikor::GameLayout layout = pelikor::optionalLayout(optionalGame);
    main.startGame(layout.occupied, layout.game);
    for (const auto& [peg, hole] : moves) {
        main.boardPanel().selectPeg(peg);
        main.boardPanel().jumpInto(hole);
    }
}

// Lets the monitor tick until `done` holds.
void waitFor(const std::function<bool()>& done)
{
    QElapsedTimer patience;
    patience.start();
    while (!done() && patience.elapsed() < kMonitorPatienceMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A balloon with the figure it speaks from.
QRect besideFigure(PelikorWindows& windows, const QWidget& dialog)
{
    return dialog.frameGeometry()
        .united(windows.assistantFigure().frameGeometry())
        .adjusted(-kMargin, -kMargin, kMargin, kMargin);
}

} // namespace

void shootEndOfGame(ScreenCamera& camera, PelikorWindows& windows)
{
    MainWindow& main = windows.mainWindow();
    CongratulationBalloon& congratulation = windows.congratulationBalloon();
    ResultBalloon& resultBalloon = windows.resultBalloon();
    auto* name = resultBalloon.findChild<QLineEdit*>(QStringLiteral("nameEdit"));

    play(main, 1, kOptional1ToCentre);
    waitFor([&] { return congratulation.isVisible(); });
    camera.shoot(QStringLiteral("congratulation"), besideFigure(windows, congratulation));
    congratulation.acknowledge();
    name->setText(QStringLiteral("Řehoř Žluťoučký"));
    resultBalloon.acknowledge();

    play(main, 2, kOptional2ToTwo);
    waitFor([&] { return resultBalloon.isVisible(); });
    name->setText(QStringLiteral("Ája Nováková"));
    camera.shoot(QStringLiteral("result-name-offered"), besideFigure(windows, resultBalloon));
    resultBalloon.acknowledge();

    play(main, 3, {});
    emit main.endGameRequested();
    GiveUpQuestion& giveUpQuestion = windows.giveUpQuestion();
    camera.shoot(QStringLiteral("end-game-question"), besideFigure(windows, giveUpQuestion));
    giveUpQuestion.answerYes();

    emit main.tableRequested();
    BestTableView& tableView = windows.bestTableView();
    auto* tabs = tableView.findChild<QTabWidget*>(QStringLiteral("pages"));
    tabs->setCurrentIndex(kOptionalGame1Tab);
    camera.shoot(QStringLiteral("table-volitelna-1"), tableView.frameGeometry());
    tabs->setCurrentIndex(kOptionalGame2Tab);
    camera.shoot(QStringLiteral("table-volitelna-2"), tableView.frameGeometry(), QStringLiteral("table-volitelna-1"));
    tableView.acknowledge();

    emit main.clearTableRequested();
    ClearTableQuestion& clearQuestion = windows.clearTableQuestion();
    camera.shoot(QStringLiteral("clear-question"), besideFigure(windows, clearQuestion));
    clearQuestion.answerNo();
}
