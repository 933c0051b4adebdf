#pragma once

#include <memory>

class THlavniDialog;

// Owns every window of the program, created once at start in a fixed order
// and kept until the end, and wires them to the services they use.
class PelikorWindows {
public:
    PelikorWindows();
    ~PelikorWindows();

    THlavniDialog& HlavniDialog() { return *hlavniDialog_; }

    // Shows the main window, the program's main form.
    void show();

private:
    std::unique_ptr<THlavniDialog> hlavniDialog_;
};
