#pragma once

#include "dialogs/BalloonDialog.h"
#include "setup/core/GameResult.h"

class QLabel;
class QLineEdit;
class BestTableModule;
struct Services;

// The result of a finished game beside the figure: the start count, the
// fewest pegs the game can leave and the pegs left. When the result earns a
// place among the ten best of its game, the name field is offered and the
// entry is stored as the dialog closes.
class ResultBalloon : public BalloonDialog {
    Q_OBJECT

public:
    ResultBalloon(Services& services, BestTableModule& dataModule);

    // The finished game, handed over before the dialog shows: its code in
    // `Kontrola`, the pegs left in `Label7`, the start count in `Label5`.
    // The dialog judges and stores this result.
    void setResult(const pelikor::GameResult& result);
    const QLabel& Kontrola() const { return *Kontrola_; }

    // A game was laid with this many pegs.
    void setStartCount(int startCount);

    // "Ok", Enter and Esc alike: the main window back to idle, the entry
    // stored where it earned a place, the dialog closed.
    void OfficeButton1Click();

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
    QString gameCode() const;

    Services& services_;
    BestTableModule& dataModule_;
    pelikor::GameResult result_;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Kontrola_ = nullptr;
};
