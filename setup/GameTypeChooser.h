#pragma once

#include "setup/SetupDialog.h"

// The game-type chooser, the first balloon of a new game: the standard
// game or an optional one. It stays on screen, disabled, while the dialog
// of the choice is open, and its close unlocks the main window and the figure.
class GameTypeChooser : public SetupDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{160, 115};

    explicit GameTypeChooser(Services& services);

    // The new-game command: the chooser opened by its row of the assistant protocol.
    void openForNewGame();
    // The dialog of a choice went back: the chooser takes the keys again,
    // at the choice it was left by.
    void enableAgain();

    void chooseStandardGame();
    void chooseOptionalGame();
    void goBack();

signals:
    void standardGameChosen();
    void optionalGameChosen();

protected:
    void prepareToShow() override;
    void finishClosing() override;
    void handleKey(int key) override;

private:
    // Disables the chooser beneath the dialog of a choice, which is
    // chosen from the link `choice`.
    void leaveFor(QWidget* choice);

    QWidget* standardLink_ = nullptr;
    QWidget* optionalLink_ = nullptr;
    QWidget* chosen_ = nullptr;
};
