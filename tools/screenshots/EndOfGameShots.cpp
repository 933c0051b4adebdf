#include "tools/screenshots/EndOfGameShots.h"

#include "app/PelikorWindows.h"
#include "dialogs/AssistantFigure.h"
#include "frame/THlavniDialog.h"
#include "game/BoardPanel.h"
#include "scores/TDotazKonecDialog.h"
#include "scores/TGratulujiDialog.h"
#include "scores/TTabulkaDialog.h"
#include "scores/TVymazatDialog.h"
#include "scores/TVysledekDialog.h"
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
constexpr int kVolitelna1Tab = 7;
constexpr int kVolitelna2Tab = 6;
constexpr int kMonitorPatienceMs = 3000;
constexpr int kMargin = 10;

void play(THlavniDialog& main, int optionalGame, const Moves& moves)
{
    const pelikor::GameLayout layout = pelikor::optionalLayout(optionalGame);
    main.StartGame(layout.occupied, layout.game);
    for (const auto& [peg, hole] : moves) {
        main.Plocha().KClick(peg);
        main.Plocha().BMouseDown(hole);
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
    THlavniDialog& main = windows.HlavniDialog();
    TGratulujiDialog& gratuluji = windows.GratulujiDialog();
    TVysledekDialog& vysledek = windows.VysledekDialog();
    auto* name = vysledek.findChild<QLineEdit*>(QStringLiteral("Edit1"));

    play(main, 1, kOptional1ToCentre);
    waitFor([&] { return gratuluji.isVisible(); });
    camera.shoot(QStringLiteral("congratulation"), besideFigure(windows, gratuluji));
    gratuluji.OfficeButton1Click();
    name->setText(QStringLiteral("Řehoř Žluťoučký"));
    vysledek.OfficeButton1Click();

    play(main, 2, kOptional2ToTwo);
    waitFor([&] { return vysledek.isVisible(); });
    name->setText(QStringLiteral("Ája Nováková"));
    camera.shoot(QStringLiteral("result-name-offered"), besideFigure(windows, vysledek));
    vysledek.OfficeButton1Click();

    play(main, 3, {});
    main.MS3Click();
    TDotazKonecDialog& dotazKonec = windows.DotazKonecDialog();
    camera.shoot(QStringLiteral("end-game-question"), besideFigure(windows, dotazKonec));
    dotazKonec.OfficeButton1Click();

    main.MN5Click();
    TTabulkaDialog& tabulka = windows.TabulkaDialog();
    auto* tabs = tabulka.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(kVolitelna1Tab);
    camera.shoot(QStringLiteral("table-volitelna-1"), tabulka.frameGeometry());
    tabs->setCurrentIndex(kVolitelna2Tab);
    camera.shoot(QStringLiteral("table-volitelna-2"), tabulka.frameGeometry(), QStringLiteral("table-volitelna-1"));
    tabulka.Button1Click();

    main.Vymazattabulkunejlepch1Click();
    TVymazatDialog& vymazat = windows.VymazatDialog();
    camera.shoot(QStringLiteral("clear-question"), besideFigure(windows, vymazat));
    vymazat.OfficeButton2Click();
}
