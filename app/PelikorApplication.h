#pragma once

#include <QApplication>

// The application object. It is also the general error report: whatever a
// handler throws is shown in a message box, the action is abandoned and the
// program goes on.
class PelikorApplication : public QApplication {
    Q_OBJECT

public:
    PelikorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows one error message the way every failure is reported.
    static void reportError(const QString& message);
};
