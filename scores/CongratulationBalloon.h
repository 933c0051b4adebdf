#pragma once

#include "dialogs/BalloonDialog.h"
#include "setup/core/GameResult.h"

struct Services;

// The congratulation on a perfect finish, one peg left in the centre; it
// leads on to the result dialog.
class CongratulationBalloon : public BalloonDialog {
    Q_OBJECT

public:
    explicit CongratulationBalloon(Services& services);

    // The finished game, handed over before the dialog shows.
    void setResult(const pelikor::GameResult& result) { result_ = result; }
    const pelikor::GameResult& result() const { return result_; }

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
    pelikor::GameResult result_;
};
