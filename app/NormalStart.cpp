#include "app/NormalStart.h"

#include "app/CursorBlinkLimit.h"
#include "app/PelikorWindows.h"
#include "app/PlayerFiles.h"
#include "app/Splash.h"
#include "dialogs/ErrorReport.h"
#include "frame/MainWindow.h"
#include "services/AppPath.h"
#include "services/CoreErrorText.h"
#include "services/ModuleCuePlayer.h"
#include "services/SingleCopy.h"

#include <QTimer>

#include <exception>

namespace {

// The meter after the application object, titled when it was made.
constexpr int kApplicationReady = 5;

} // namespace

int runNormalStart(const WindowsFactory& createWindows, const std::function<void()>& answering)
{
    auto splash = std::make_unique<Splash>();
    splash->showAndPaint();
    splash->stepDone(kApplicationReady);
    std::unique_ptr<PelikorWindows> windows;
    try {
        windows = createWindows(*splash);
    } catch (const std::exception& error) {
        splash.reset();
        if (answering)
            answering();
        ErrorReport::show(errorText(error));
        return kStartFailed;
    }
    splash.reset();
    const CursorBlinkLimit blinking;
    windows->show();
    // Nothing between here and the loop processes events, so this runs in
    // its first turn.
    if (answering)
        QTimer::singleShot(0, qApp, answering);
    return QApplication::exec();
}

std::unique_ptr<PelikorWindows> createProgramWindows(const AppFolders& folders, Splash& splash)
{
    layOutPlayerFiles(folders);
    return std::make_unique<PelikorWindows>(
        folders, std::make_unique<ModuleCuePlayer>(AppPath().folder()),
        [&splash](int meter) { splash.stepDone(meter); },
        [](MainWindow& main) {
            // Another start finds this copy from the moment its main window
            // exists; it hears the answer once this copy's event loop runs.
            SingleCopy::publish(main, SingleCopy::kMainWindowClass);
            // The main window goes to the screen before the windows the
            // player opens later are made behind the splash's meter, with
            // the meter's next step, which is on the screen at once. No
            // event is handled until every one of them exists.
            main.show();
        });
}
