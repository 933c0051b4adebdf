#pragma once

#include "setup/core/Games.h"
#include "setup/SetupStepDialog.h"
#include "widgets/PictureButton.h"

#include <array>

// The optional-game chooser: the seven start layouts as picture buttons
// under their numbers; one click starts that game at once.
class OptionalGameChooser : public SetupStepDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{203, 214};

    explicit OptionalGameChooser(Services& services);

    // The dialog's image list: picture n - 1 is the miniature of optional game n.
    const PictureList& layoutPictures() const { return layoutPictures_; }

    // Picture button n clicked: optional game n starts.
    void startGame(int n);
    // "Zpět", Esc and Enter: back to the chooser.
    void goBack();

signals:
    // Optional game `game` is to start.
    void startRequested(int game);

protected:
    void prepareToShow() override;
    void handleKey(int key) override;

private:
    PictureList layoutPictures_;
    std::array<PictureButton*, pelikor::kOptionalGameCount + 1> pictureButtons_{};
};
