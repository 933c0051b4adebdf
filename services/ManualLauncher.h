#pragma once

#include <QString>

// The electronic manual, a separate program of the family that may lie
// among the program's shipped files (AppFolders::shipped):
// "ManualKolvex.exe" with its pages under "Html/Pelkor2000".
class ManualLauncher {
public:
    // `applicationDir` ends with "/", as AppFolders::text gives it.
    explicit ManualLauncher(QString applicationDir);

    // Whether both the program and its index page are there, in any letter case.
    bool isPresent() const;

    // Starts the manual on its index page when it is present, from
    // `applicationDir`, which becomes the current folder; nothing is
    // reported when it is missing or fails to start.
    void start() const;

private:
    QString applicationDir_;
};
