#include "app/FontSetUp.h"

#include "frame/GradientTitle.h"
#include "pictures/CommandIcons.h"
#include "pictures/FigurePicture.h"
#include "pictures/ProgramIcon.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <atomic>
#include <chrono>
#include <initializer_list>
#include <mutex>
#include <semaphore>
#include <thread>
#include <utility>

namespace {

// Joined at the latest when the program ends.
std::jthread& setUp()
{
    static std::jthread thread;
    return thread;
}

// Given once: the application object exists, or the first text will not
// wait for the font list any longer.
std::binary_semaphore& goOn()
{
    static std::binary_semaphore semaphore(0);
    return semaphore;
}

// Given once Qt maps the first window.
std::binary_semaphore& firstWindowMapped()
{
    static std::binary_semaphore semaphore(0);
    return semaphore;
}

// A start that shows no window does not keep the thread waiting longer;
// its first text sets fontconfig up itself.
constexpr std::chrono::seconds kFirstWindowPatience(10);

// Given once the fonts are listed (or the list is left to the first text).
std::binary_semaphore& listed()
{
    static std::binary_semaphore semaphore(0);
    return semaphore;
}

std::atomic<bool> listWithQt = false;
// The pixel ratios the start's windows come up at and the menus' icons are
// painted for, read on the main thread.
qreal startRatio = 0;
qreal iconRatio = 0;
bool given = false;

// Qt asks fontconfig once per family and style which faces stand in for
// letters a face lacks, and keeps the answer for every thread (not so the
// faces themselves). Asked here for the kinds of face the splash and the
// main window measure beside their titles (which the titles' pictures
// ask for here), the main thread finds the answers ready.
void warmFallbacks()
{
    for (const QFont& face : {QFont(QStringLiteral("Times New Roman")), QGuiApplication::font()})
        QFontMetrics(face).height();
}

// The titles the main thread would measure and paint itself, each a face
// of its own.
void prepareTitles(std::initializer_list<std::pair<QString, int>> titles)
{
    if (startRatio <= 0)
        return;
    for (const auto& [text, pixels] : titles)
        GradientTitle::prepare(text, pixels, startRatio);
}

// The splash's figure, the main window's icon and its commands' icons,
// which need no fonts.
void preparePictures()
{
    if (startRatio <= 0)
        return;
    pictures::figurePicture(startRatio);
    pictures::prepareProgramIcon();
    for (int icon = 0; icon < pictures::kCommandIconCount; ++icon)
        pictures::commandIcon(icon, iconRatio);
}

void giveGoOn()
{
    if (!std::exchange(given, true))
        goOn().release();
}

} // namespace

void startFontSetUp()
{
    setUp() = std::jthread([] {
        goOn().acquire();
        // Qt lists every font the first time a font is looked for; its font
        // database may be read from any thread once the application exists.
        if (!listWithQt || !firstWindowMapped().try_acquire_for(kFirstWindowPatience)) {
            listed().release();
            return;
        }
        FcInit();
        QFontDatabase::families();
        listed().release();
        // The splash's titles first: the splash lays its caption out
        // meanwhile and shows the titles next.
        prepareTitles({{GradientTitle::kName, GradientTitle::kSplashNamePixels},
                       {GradientTitle::version(), GradientTitle::kSplashVersionPixels}});
        preparePictures();
        prepareTitles({{GradientTitle::kName, GradientTitle::kIdleNamePixels},
                       {GradientTitle::version(), GradientTitle::kIdleVersionPixels},
                       {GradientTitle::kName, GradientTitle::kAboutNamePixels},
                       {GradientTitle::version(), GradientTitle::kAboutVersionPixels}});
        warmFallbacks();
    });
}

void listFontsWithQt()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        startRatio = screen->devicePixelRatio();
    iconRatio = qApp->devicePixelRatio();
    listWithQt = true;
    giveGoOn();
}

void firstWindowMapping()
{
    static std::once_flag given;
    std::call_once(given, [] { firstWindowMapped().release(); });
}

// Two threads that set fontconfig up at once would each read it all.
void awaitFontSetUp()
{
    giveGoOn();
    static std::once_flag waited;
    std::call_once(waited, [] {
        if (!setUp().joinable())
            return;
        firstWindowMapping();
        listed().acquire();
    });
}
