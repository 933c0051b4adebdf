#include "Entry.h"

#include "NormalStart.h"
#include "PelikorWindows.h"
#include "SecondCopy.h"
#include "SingleCopy.h"

#include <QtGlobal>

void chooseWindowSystem()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

int runProgram(const QString& applicationDir)
{
    if (SingleCopy::runningCopyFound())
        return runSecondCopy(applicationDir);
    return runNormalStart(
        [&applicationDir](TSpusteniDialog& splash) { return createProgramWindows(applicationDir, splash); });
}
