#pragma once

#include "dialogs/BalloonDialog.h"

class LinkLabel;
class QCheckBox;
struct Services;

// The welcome balloon: the assistant offers the help topics, the manual or
// the game itself, and whether to greet again at the next start.
class WelcomeBalloon : public BalloonDialog {
    Q_OBJECT

public:
    explicit WelcomeBalloon(Services& services);

    // Opened by the main window's first show; the check box ticked.
    void openAtStart();
    // Opened by a click on the figure.
    void openOnFigure();

    // Whether the manual link can be used; the main window tests it once.
    void setManualAvailable(bool available);

    void openHelp();
    void startManual();
    void startPlaying();

signals:
    // The help link was chosen: the help opens on its topic list.
    void helpRequested();

protected:
    void prepareToShow() override;
    void handleKey(int key) override;

private:
    // Remembers the check box in "Uvitani" and closes the dialog. Returns
    // whether the setting was written; a failure is reported.
    bool leave();

    Services& services_;
    LinkLabel* manualLink_ = nullptr;
    QCheckBox* showAtStartBox_ = nullptr;
};
