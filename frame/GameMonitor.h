#pragma once

#include "game/core/Monitor.h"
#include "game/core/Positions.h"

#include <QObject>
#include <QString>

#include <optional>

class BoardPanel;
class QTimer;
class Settings;

namespace pelikor {
class RunningGame;
}

// When the game monitor looks: a single-shot timer runs a check at the next
// turn of the event loop whenever one of its inputs may have changed (the
// board, the board panel shown or hidden, the settings file, the windows
// the hand-off reads), and a check that finds every input as the last one
// did repeats nothing.
class GameMonitor : public QObject {
    Q_OBJECT

public:
    GameMonitor(BoardPanel& boardPanel, const pelikor::RunningGame& game, Settings& settings, QObject* parent);

    // One check: a tick, unless none of the inputs changed since the last.
    void check();
    // Has the check run at the next turn of the event loop, after the paints
    // of what just changed.
    void arm();
    // A window the hand-off of a finished game reads or keeps in front (the
    // figure, the result dialogs, the active window) changed.
    void handOffWindowsChanged();

signals:
    // A tick found the game finished; `assistantSetting` is the value of
    // "Pomocnik" that tick read.
    void gameFinished(pelikor::Outcome outcome, const QString& assistantSetting);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Everything a tick and its hand-off read.
    struct Inputs {
        pelikor::PositionSet pegs;
        bool boardShown;
        bool gameRunning;
        QString assistantSetting;
        unsigned long handOffWindows;
        bool operator==(const Inputs&) const = default;
    };

    void watchInputs();

    BoardPanel& boardPanel_;
    const pelikor::RunningGame& game_;
    Settings& settings_;
    std::optional<Inputs> checked_;
    unsigned long handOffWindows_ = 0;
    pelikor::Outcome lastOutcome_ = pelikor::Outcome::Nothing;
    QTimer* timer_ = nullptr;
};
