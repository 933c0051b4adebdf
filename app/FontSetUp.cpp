#include "app/FontSetUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <atomic>
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

std::atomic<bool> listWithQt = false;
bool given = false;

void giveGoOn()
{
    if (!std::exchange(given, true))
        goOn().release();
}

} // namespace

void startFontSetUp()
{
    setUp() = std::jthread([] {
        FcInit();
        goOn().acquire();
        // Qt lists every font the first time a font is looked for; its font
        // database may be read from any thread once the application exists.
        if (listWithQt)
            QFontDatabase::families();
    });
}

void listFontsWithQt()
{
    listWithQt = true;
    giveGoOn();
}

// Two threads that set fontconfig up at once would each read it all.
void awaitFontSetUp()
{
    giveGoOn();
    if (setUp().joinable())
        setUp().join();
}
