#pragma once

// fontconfig reads its whole configuration the first time any text is
// measured, the larger part of what a start costs. Begun on a thread of
// its own before the application object exists, it runs while the program
// connects to the window system and shows its first window; the first text
// waits for it to be done. Without the start, the wait returns at once and
// the first text sets fontconfig up itself.
void startFontSetUp();
// Once the application object exists, the same thread goes on to have Qt
// list the fonts, which it would otherwise do at the first text.
void listFontsWithQt();
// The first window is on its way and its texts wait for the fonts' list.
// Then the same thread paints what the next windows show (pictures,
// titles) and has Qt find the faces that stand in for missing letters;
// the texts wait only for the list, not for that.
void awaitFontSetUp();
