#include "app/CommandLine.h"
#include "app/Entry.h"
#include "app/FontSetUp.h"
#include "app/PelikorApplication.h"
#include "app/SessionBus.h"
#include "services/AppFolders.h"
#include "services/AppPath.h"
#include "services/ProgramLanguage.h"
#include "services/SessionEnd.h"

int main(int argc, char** argv)
{
    // Answered before the application object, which would need a display.
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    chooseWindowSystem();
    skipFutileSessionBusSearch();
    startFontSetUp();
    PelikorApplication application(argc, argv);
    const ProgramLanguage language(AppFolders::ofProgram(AppPath().folder()).shipped());
    const SessionEnd sessionEnd;
    listFontsWithQt();
    return runProgram(AppFolders::ofProgram(AppPath().folder()));
}
