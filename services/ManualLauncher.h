#pragma once

#include "services/ProgramLanguage.h"

#include <QString>

// The electronic manual among the program's shipped files
// (AppFolders::shipped): its pages under "Html/Pelkor2000", entered at
// "Index.htm", and the family's viewer "ManualKolvex.exe" where one is
// installed beside them. The pages in Czech lie there; those in another
// language in a folder named by its code inside it ("en/Index.htm").
class ManualLauncher {
public:
    // `applicationDir` ends with "/", as AppFolders::text gives it. The
    // manual opens in `language` where its pages are there, in Czech
    // otherwise.
    explicit ManualLauncher(QString applicationDir, QString language = ProgramLanguage::current());

    // Whether there is a manual to open: its index page, or a viewer that
    // can be run, either found in any letter case.
    bool isPresent() const;

    // Opens the manual on its index page: in the viewer, started from
    // `applicationDir`, which becomes the current folder, when one can be
    // run; otherwise in the desktop's browser. Throws std::runtime_error,
    // naming the page, when neither takes it.
    void start() const;

private:
    QString applicationDir_;
    QString language_;
};
