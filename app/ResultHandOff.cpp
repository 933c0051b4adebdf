#include "app/ResultHandOff.h"

#include "dialogs/AssistantFigure.h"
#include "dialogs/AssistantProtocol.h"
#include "frame/GameMonitor.h"
#include "frame/MainWindow.h"
#include "game/BoardPanel.h"
#include "scores/CongratulationBalloon.h"
#include "scores/ResultBalloon.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

ResultHandOff::ResultHandOff(MainWindow& main, ResultBalloon& resultBalloon, CongratulationBalloon& congratulation,
                             AssistantFigure& figure, AssistantProtocol& protocol)
    : figure_(figure), main_(main), resultBalloon_(resultBalloon), congratulation_(congratulation), protocol_(protocol)
{
    for (QWidget* window : {static_cast<QWidget*>(&figure_), static_cast<QWidget*>(&resultBalloon_),
                            static_cast<QWidget*>(&congratulation_)})
        window->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ResultHandOff::activeWindowChanged);
}

// Only the figure's place matters to the hand-off; a dialog's own moves do
// not, and the hand-off's raising moves nothing.
bool ResultHandOff::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Hide || (type == QEvent::Move && watched == &figure_))
        main_.monitor().handOffWindowsChanged();
    return QObject::eventFilter(watched, event);
}

// Another window in front may cover an open result, which the hand-off
// brings to the front again.
void ResultHandOff::activeWindowChanged(QWindow*)
{
    main_.monitor().handOffWindowsChanged();
}

void ResultHandOff::handOff(pelikor::Outcome outcome, const QString& assistantSetting)
{
    // The result dialog returns the main window to idle before it stores;
    // when the store fails the dialog stays open for another try, and the
    // ticks until then must not hand the idle game over as the result.
    if (!main_.gameRunning())
        return;
    const pelikor::GameResult result = main_.gameResult();
    if (outcome == pelikor::Outcome::PerfectFinish) {
        main_.boardPanel().refill();
        // The congratulation leads on to the result dialog, which is filled
        // now so that it is ready then.
        protocol_.open(AssistantProtocol::Row::Result, congratulation_, assistantSetting, [&] {
            resultBalloon_.setResult(result);
            congratulation_.setResult(result);
        });
        return;
    }
    protocol_.open(AssistantProtocol::Row::Result, resultBalloon_, assistantSetting,
                   [&] { resultBalloon_.setResult(result); });
}
