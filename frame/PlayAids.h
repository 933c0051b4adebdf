#pragma once

#include "game/core/BestFinish.h"
#include "game/core/Positions.h"

#include <QObject>

class BoardPanel;
class FinishFinder;
class HintMark;
class MainWindow;
class QAction;
class QMenu;
class WayPlayer;

namespace pelikor {
class RunningGame;
}

// The player's aids in a running game: undo and redo of jumps, the same
// game started again, the hint and the way to the best finish. Undo, the
// hint and the way make the game assisted, which keeps its result out of
// the best table. The best finish is looked for off the window's thread
// and forgotten when the board changes before it is found. The commands
// are grey while no game is on the board or they have nothing to do.
class PlayAids : public QObject {
    Q_OBJECT

public:
    struct Commands {
        QAction* undo = nullptr;
        QAction* redo = nullptr;
        QAction* startAgain = nullptr;
        QAction* hint = nullptr;
        QAction* way = nullptr;
    };

    // The commands go into `main`'s menu bar, into its pop-up `popup` and
    // onto its board.
    PlayAids(MainWindow& main, pelikor::RunningGame& game, QMenu& popup);

    void undo();
    void redo();
    // The same game from its start layout, through the start every game
    // takes; a fresh game that no aid has helped yet.
    void startAgain();
    void showHint();
    void playWay();

    const Commands& commands() const { return commands_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Asked { Nothing, Hint, Way };

    void ask(Asked asked);
    void found(pelikor::PositionSet pegs, const pelikor::Finish& finish);
    void presentHint(const pelikor::Finish& finish);
    // The board changed: its mark is over, and what was asked for it too
    // unless the way made the change. Shown or hidden, the board drops
    // both and the way stops.
    void boardChanged();
    void dropAnswers();
    void refresh();
    // The status bar shows `status`, a screen reader hears `spoken`.
    void tell(const QString& status, const QString& spoken);

    MainWindow& main_;
    BoardPanel& board_;
    pelikor::RunningGame& game_;
    FinishFinder* finder_ = nullptr;
    WayPlayer* way_ = nullptr;
    HintMark* mark_ = nullptr;
    Asked asked_ = Asked::Nothing;
    Commands commands_;
};
