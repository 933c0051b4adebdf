#pragma once

// fontconfig reads its whole configuration the first time any text is
// measured, the larger part of what a start costs. Done on a thread of its
// own, from the moment Qt maps the first window: before that it would take
// the processor from the window and the X server; from then on it runs
// while the window system maps the window and Qt sets up its
// accessibility (which waits on the desktop's bus). The first text waits
// for it to be done. Without the start, the wait returns at once and the
// first text sets fontconfig up itself.
void startFontSetUp();
// Once the application object exists, the same thread will also have Qt
// list the fonts, which it would otherwise do at the first text.
void listFontsWithQt();
// Qt maps the first window: the thread begins. Given at the latest by
// awaitFontSetUp.
void firstWindowMapping();
// The first window's texts wait for the fonts' list. Then the same thread
// paints what the next windows show (pictures, titles) and has Qt find the
// faces that stand in for missing letters; the texts wait only for the
// list, not for that.
void awaitFontSetUp();
