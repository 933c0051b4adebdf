#pragma once

// fontconfig reads its whole configuration the first time any text is
// measured, the larger part of what a start costs. Begun on a thread of
// its own before the application object exists, it runs while the program
// connects to the window system and shows its first window; the first text
// waits for it to be done. Without the start, the wait returns at once and
// the first text sets fontconfig up itself.
void startFontSetUp();
// Once the application object exists, the same thread goes on to have Qt
// list the fonts, which it would otherwise do at the first text; the
// first text waits for the list only, not for what the thread does after it.
void listFontsWithQt();
void awaitFontSetUp();
