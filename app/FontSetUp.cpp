#include "app/FontSetUp.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace {

// Joined at the latest when the program ends.
std::jthread& setUp()
{
    static std::jthread thread;
    return thread;
}

} // namespace

void startFontSetUp()
{
    setUp() = std::jthread([] { FcInit(); });
}

// Two threads that set fontconfig up at once would each read it all.
void awaitFontSetUp()
{
    if (setUp().joinable())
        setUp().join();
}
