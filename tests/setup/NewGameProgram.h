#pragma once

#include "setup/THraDialog.h"
#include "setup/TStandardDialog.h"
#include "setup/TVyberDialog.h"
#include "tests/support/ProgramFixture.h"

// The whole program with the windows of the new-game chain at hand.
struct NewGameProgram : ProgramFixture {
    using ProgramFixture::ProgramFixture;

    TVyberDialog& chooser() { return windows->VyberDialog(); }
    TStandardDialog& standard() { return windows->StandardDialog(); }
    THraDialog& optional() { return windows->HraDialog(); }

    // Makes the main window the one that takes the keys, as a click on it does.
    void activate()
    {
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }
};
