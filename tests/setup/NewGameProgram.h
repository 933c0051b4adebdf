#pragma once

#include "setup/GameTypeChooser.h"
#include "setup/OptionalGameChooser.h"
#include "setup/StandardGameBalloon.h"
#include "tests/support/ProgramFixture.h"

// The whole program with the windows of the new-game chain at hand.
struct NewGameProgram : ProgramFixture {
    using ProgramFixture::ProgramFixture;

    GameTypeChooser& chooser() { return windows->gameTypeChooser(); }
    StandardGameBalloon& standard() { return windows->standardGameBalloon(); }
    OptionalGameChooser& optional() { return windows->optionalGameChooser(); }

    // Makes the main window the one that takes the keys, as a click on it does.
    void activate()
    {
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }
};
