#pragma once

#include "dialogs/ProgramDialog.h"
#include "widgets/BalloonShaper.h"
#include "widgets/ColourNumber.h"

// A dialog in the shape of a speech balloon beside the assistant figure:
// pale yellow, its tail on the side given, captions in the dialogs' font.
// Its controls take the keyboard focus in the order the player reads them,
// top to bottom and left to right, each showing starting at the first.
class BalloonDialog : public ProgramDialog {
    Q_OBJECT

public:
    static constexpr ColourNumber kBalloonColour = 14745599; // 0xE0FFFF

    BalloonDialog(DialogOwners& owners, QSize clientSize, BalloonTail tail,
                  OwnerLock lock = OwnerLock::WhileShown);

    const BalloonShaper& shaper() const { return *shaper_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void focusInReadingOrder();

    BalloonShaper* shaper_;
};
