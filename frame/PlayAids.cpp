#include "frame/PlayAids.h"

#include "frame/MainWindow.h"
#include "frame/PlayCommands.h"
#include "frame/PlayTexts.h"
#include "game/BoardPanel.h"
#include "game/FinishFinder.h"
#include "game/HintMark.h"
#include "game/WayPlayer.h"
#include "setup/core/RunningGame.h"
#include "widgets/PositionCursor.h"

#include <QAction>
#include <QEvent>

#include <utility>

PlayAids::PlayAids(MainWindow& main, pelikor::RunningGame& game, QMenu& popup)
    : QObject(&main), main_(main), board_(main.boardPanel()), game_(game)
{
    setObjectName(QStringLiteral("playAids"));
    finder_ = new FinishFinder(this);
    way_ = new WayPlayer(board_);
    mark_ = new HintMark(&board_);
    // Over the pegs, under the keyboard cursor's frame.
    mark_->stackUnder(&board_.cursor());
    commands_ = addPlayCommands(*this, *main.menuBar(), popup, board_.cursor());

    connect(finder_, &FinishFinder::found, this, &PlayAids::found);
    connect(&board_, &BoardPanel::boardChanged, this, &PlayAids::boardChanged);
    connect(&main, &MainWindow::gameStarted, this, &PlayAids::refresh);
    board_.installEventFilter(this);
    refresh();
}

void PlayAids::undo()
{
    way_->stop();
    game_.markAssisted();
    board_.undo();
}

void PlayAids::redo()
{
    way_->stop();
    board_.redo();
}

void PlayAids::startAgain()
{
    way_->stop();
    if (const std::optional<pelikor::Game>& game = game_.game())
        main_.startGame(board_.board().startLayout(), *game);
}

void PlayAids::showHint()
{
    way_->stop();
    game_.markAssisted();
    ask(Asked::Hint);
}

void PlayAids::playWay()
{
    way_->stop();
    game_.markAssisted();
    ask(Asked::Way);
}

void PlayAids::ask(Asked asked)
{
    asked_ = asked;
    // The game's own best finish bounds every board of it from below, and
    // spares the search the longest proofs: those that a lone peg cannot
    // be left, on boards of the games that end with two.
    finder_->find(board_.board().pegs(), game_.game() ? game_.game()->smallestRemainder : 0);
}

void PlayAids::found(pelikor::PositionSet pegs, const pelikor::Finish& finish)
{
    const Asked asked = std::exchange(asked_, Asked::Nothing);
    if (pegs != board_.board().pegs() || !game_.runs())
        return;
    if (asked == Asked::Hint) {
        presentHint(finish);
    } else if (asked == Asked::Way && !finish.way.empty()) {
        const QString told = PlayTexts::way(int(finish.way.size()), finish.pegs);
        tell(told, told);
        way_->play(finish.way);
    }
}

// A board with no jump open has no hint; the monitor ends its game at once.
void PlayAids::presentHint(const pelikor::Finish& finish)
{
    const std::optional<pelikor::Jump> jump = finish.hint();
    if (!jump)
        return;
    const int gameBest = game_.game()->smallestRemainder;
    const QString spoken = PlayTexts::spokenHint(*jump, finish.pegs, gameBest);
    mark_->mark(jump->source, jump->target, spoken);
    tell(PlayTexts::hint(finish.pegs, gameBest), spoken);
}

void PlayAids::boardChanged()
{
    mark_->clear();
    if (!way_->stepping())
        dropAnswers();
    refresh();
}

void PlayAids::dropAnswers()
{
    finder_->cancel();
    asked_ = Asked::Nothing;
    mark_->clear();
}

bool PlayAids::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == &board_ && (type == QEvent::ShowToParent || type == QEvent::HideToParent)) {
        way_->stop();
        dropAnswers();
        refresh();
    }
    return QObject::eventFilter(watched, event);
}

void PlayAids::refresh()
{
    const bool playing = game_.runs() && !board_.isHidden();
    const pelikor::Board& board = board_.board();
    commands_.undo->setEnabled(playing && board.canUndo());
    commands_.redo->setEnabled(playing && board.canRedo());
    for (QAction* command : {commands_.startAgain, commands_.hint, commands_.way})
        command->setEnabled(playing);
}

void PlayAids::tell(const QString& status, const QString& spoken)
{
    main_.showHint(status);
    board_.announce(spoken);
}
