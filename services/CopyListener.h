#pragma once

#include "files/core/FileDescriptor.h"

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

class QWidget;

// The answering side of a running copy: a listening local socket that
// tells every client the class name it was given and the window's current
// title. A child of the window, so that the socket closes and its file goes
// with it.
class CopyListener : public QObject {
    Q_OBJECT

public:
    // Listens on the socket file at `path`, in place of any file of that
    // name; null when the socket cannot be made.
    static CopyListener* listen(const QByteArray& path, QWidget& window, const QString& className);
    ~CopyListener() override;

private:
    CopyListener(pelikor::FileDescriptor socket, const QByteArray& path, QWidget& window, const QString& className);
    void answerPending();

    pelikor::FileDescriptor socket_;
    // Declared after the socket, so that it stops watching before the
    // socket closes.
    QSocketNotifier notifier_;
    QByteArray path_;
    const QWidget& window_;
    QString className_;
};
