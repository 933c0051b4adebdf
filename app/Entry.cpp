#include "app/Entry.h"

#include "app/NormalStart.h"
#include "app/PelikorWindows.h"
#include "app/SecondCopy.h"
#include "services/SingleCopy.h"
#include "services/StartLock.h"

#include <QtGlobal>

void chooseWindowSystem()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

int runProgram(const AppFolders& folders)
{
    StartLock lock;
    if (SingleCopy::runningCopyFound(lock.waited() ? SingleCopy::kAnswerTimeoutAfterStartMs
                                                   : SingleCopy::kAnswerTimeoutMs)) {
        lock.release();
        return runSecondCopy(folders);
    }
    return runNormalStart([&folders](Splash& splash) { return createProgramWindows(folders, splash); },
                          [&lock] { lock.release(); });
}
