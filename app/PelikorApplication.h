#pragma once

#include <QApplication>

// The application object. It is also the last guard of the error report:
// the windows report their own failures where they reach the files, and
// whatever a handler throws all the same is shown in a message box, the
// action is abandoned and the program goes on.
class PelikorApplication : public QApplication {
    Q_OBJECT

public:
    PelikorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // How many failures the last guard caught in the event delivery.
    int caughtInDelivery() const { return caughtInDelivery_; }

private:
    int caughtInDelivery_ = 0;
};
