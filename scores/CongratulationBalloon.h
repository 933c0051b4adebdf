#pragma once

#include "dialogs/BalloonDialog.h"
#include "setup/core/GameResult.h"

class QLabel;
struct Services;

// The congratulation on a perfect finish, one peg left in the centre; it
// leads on to the result dialog.
class CongratulationBalloon : public BalloonDialog {
    Q_OBJECT

public:
    explicit CongratulationBalloon(Services& services);

    // The finished game, handed over before the dialog shows; its code
    // stands in the hidden game-code label.
    void setResult(const pelikor::GameResult& result);
    const QLabel& gameCodeLabel() const { return *gameCodeLabel_; }

    // "Ok", Enter and Esc alike: the dialog closes and the result follows.
    void acknowledge();

signals:
    // The congratulation was read; the result dialog shows.
    void resultRequested();

protected:
    void prepareToShow() override;
    void handleKey(int key) override;

private:
    Services& services_;
    QLabel* gameCodeLabel_ = nullptr;
};
