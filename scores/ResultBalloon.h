#pragma once

#include "dialogs/BalloonDialog.h"
#include "setup/core/GameResult.h"

class BestTableModule;
class QLabel;
class QLineEdit;
struct Services;

// The result of a finished game beside the figure: the start count, the
// fewest pegs the game can leave and the pegs left. When the result earns a
// place among the ten best of its game, the name field is offered and the
// entry is stored as the dialog closes. An assisted game earns none: a note
// stands where the name field would, and nothing is stored.
class ResultBalloon : public BalloonDialog {
    Q_OBJECT

public:
    ResultBalloon(Services& services, BestTableModule& bestTable);

    // The finished game, handed over before the dialog shows: the pegs
    // left and the start count in their labels. The dialog judges and
    // stores this result.
    void setResult(const pelikor::GameResult& result);
    const pelikor::GameResult& result() const { return result_; }

    // A game was laid with this many pegs.
    void setStartCount(int startCount);

    // "Ok", Enter and Esc alike: the main window back to idle, the entry
    // stored where it earned a place, the dialog closed.
    void acknowledge();

signals:
    // The first closing step: the main window returns to idle.
    void returnToIdle();
    // The dialog closed: the main window refills its board.
    void resultClosed();

protected:
    void prepareToShow() override;
    void finishClosing() override;
    void handleKey(int key) override;

private:
    Services& services_;
    BestTableModule& bestTable_;
    pelikor::GameResult result_;
    QLabel* startCountLabel_ = nullptr;
    QLabel* smallestRemainderLabel_ = nullptr;
    QLabel* remainingLabel_ = nullptr;
    QLabel* nameCaption_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QLabel* assistedNote_ = nullptr;
};
