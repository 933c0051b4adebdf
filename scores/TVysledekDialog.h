#pragma once

#include "dialogs/BalloonDialog.h"

class QLabel;
class QLineEdit;
class TDataModule1;
struct Services;

// The result of a finished game beside the figure: the start count, the
// fewest pegs the game can leave and the pegs left. When the result earns a
// place among the ten best of its game, the name field is offered and the
// entry is stored as the dialog closes.
class TVysledekDialog : public BalloonDialog {
    Q_OBJECT

public:
    TVysledekDialog(Services& services, TDataModule1& dataModule);

    // The inputs others fill before the dialog shows: the start count, the
    // pegs left and the game code.
    QLabel& Label5() { return *Label5_; }
    QLabel& Label7() { return *Label7_; }
    QLabel& Kontrola() { return *Kontrola_; }

    // A game was laid with this many pegs.
    void setStartCount(int pocatecniPocet);

    // "Ok", Enter and Esc alike: the main window back to idle, the entry
    // stored where it earned a place, the dialog closed.
    void OfficeButton1Click();

signals:
    // The first closing step: the main window returns to idle.
    void returnToIdle();
    // The dialog closed: the main window refills its board.
    void resultClosed();

protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int key) override;

private:
    Services& services_;
    TDataModule1& dataModule_;
    QLabel* Label5_ = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7_ = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Kontrola_ = nullptr;
};
