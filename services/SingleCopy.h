#pragma once

#include <QString>

class QWidget;

// The test for a running copy of the program. The main window of every
// running copy answers through a local socket of its own, in a folder of
// the user and the display, with its window class and its current title;
// a new start asks each of them, as the old window search looked at every
// top-level window. Sockets that no one answers any more are cleared.
class SingleCopy {
public:
    // How long a search waits for the answers of all copies together: a
    // copy whose main window exists but whose event loop does not run yet
    // counts as not found when it has not answered by then.
    static constexpr int kAnswerTimeoutMs = 250;
    // The same for a start that waited for another start (StartLock): that
    // one's main window answers from its first turn of the event loop, which
    // a busy machine may take longer to come round to.
    static constexpr int kAnswerTimeoutAfterStartMs = 3000;

    // The class name a running copy's main window answers with: the name
    // the program's main window has always been searched for by.
    static const QString kMainWindowClass;

    // Whether a main window of class kMainWindowClass titled exactly
    // "Pelikor 2000" exists in a running copy.
    static bool runningCopyFound(int answerTimeoutMs = kAnswerTimeoutMs);

    // Whether a running copy has a published window of this class with
    // exactly this title.
    static bool findWindow(const QString& className, const QString& title, int answerTimeoutMs = kAnswerTimeoutMs);

    // Answers searches with `className` and the window's title at the
    // moment of asking, for as long as the window exists. A folder or
    // socket that cannot be made leaves the window unpublished.
    static void publish(QWidget& window, const QString& className);

    // The folder of the sockets of this user on this display.
    static QString folder();

    // Makes the folder when it is missing; false when it is not a folder of
    // this user alone, so that no other user can plant or read sockets in it.
    static bool makeFolder();
};
