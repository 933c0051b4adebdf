#pragma once

#include "game/core/Monitor.h"

#include <QObject>
#include <QString>

class AssistantFigure;
class AssistantProtocol;
class CongratulationBalloon;
class MainWindow;
class QWindow;
class ResultBalloon;

// The hand-off of a finished game within the monitor's tick: after a
// perfect finish the board is refilled and the congratulation opens, after
// any other end the result dialog. Either opens beside the figure and
// receives the running game's result once the figure is placed and the
// windows are locked, just before it shows. The monitor hears whenever the
// windows the hand-off reads or keeps in front change, so that an open
// result is handed over again then: the figure shown, hidden or moved, a
// dialog shown or closed, another window made active.
class ResultHandOff : public QObject {
    Q_OBJECT

public:
    ResultHandOff(MainWindow& main, ResultBalloon& resultBalloon, CongratulationBalloon& congratulation,
                  AssistantFigure& figure, AssistantProtocol& protocol);

    // `assistantSetting` is the value of "Pomocnik" the tick read.
    void handOff(pelikor::Outcome outcome, const QString& assistantSetting);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activeWindowChanged(QWindow* window);

    AssistantFigure& figure_;
    MainWindow& main_;
    ResultBalloon& resultBalloon_;
    CongratulationBalloon& congratulation_;
    AssistantProtocol& protocol_;
};
