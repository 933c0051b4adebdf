#pragma once

#include "dialogs/ProgramDialog.h"

class QPushButton;
struct Services;

// The box about the program, in the middle of the screen: the figure, the
// program's name and version.
class AboutBox : public ProgramDialog {
    Q_OBJECT

public:
    explicit AboutBox(Services& services);

    void acknowledge();

protected:
    void prepareToShow() override;
    void handleKey(int key) override;

private:
    QPushButton* okButton_ = nullptr;
};
