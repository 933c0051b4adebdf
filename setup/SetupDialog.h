#pragma once

#include "dialogs/BalloonDialog.h"

class FlatButton;
struct Services;

// A balloon of the new-game chain. All three stand above and to the left
// of the figure, as the game-type chooser's row of the assistant protocol
// places them, and each has its way back, "Zpět".
class SetupDialog : public BalloonDialog {
    Q_OBJECT

public:
    SetupDialog(Services& services, QSize clientSize, const char* name, const QString& hint, OwnerLock lock);

protected:
    Services& services() { return services_; }

    // The placement rule of the setup dialogs: the right edge 38 pixels left
    // of the figure's right edge, the bottom edge 30 pixels below its top.
    void placeBesideFigure();

    // The "Zpět" button at `at`.
    FlatButton* makeBackButton(QPoint at);

private:
    Services& services_;
};
