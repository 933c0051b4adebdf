#pragma once

#include <QString>

// The application folder: where the running program file lies, with a
// trailing "/". Every path of the program is formed from it.
class TAppPath {
public:
    // Looked up afresh on every call from the program's own file, so that a
    // start from another working folder or through a link finds the real folder.
    QString Path() const;
};
