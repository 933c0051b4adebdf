// Starts either the program the way its entry does, search for a running
// copy, splash and windows, on an application folder
// (`startup_probe pelikor FOLDER/`), or a bare QMainWindow
// (`startup_probe minimal`), and exits as soon as the main window is first
// exposed on screen, so that whole-process timings (hyperfine) compare
// the two starts.
#include "app/Entry.h"
#include "app/FontSetUp.h"
#include "app/PelikorApplication.h"

#include <QMainWindow>
#include <QWindow>

#include <cstring>

namespace {

// Quits the application at the first expose of a main window's window.
class QuitOnExpose : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()) {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->windowHandle() == watched && qobject_cast<QMainWindow*>(window))
                    QCoreApplication::quit();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    const bool minimal = argc < 3 || std::strcmp(argv[1], "pelikor") != 0;
    QuitOnExpose filter;
    if (minimal) {
        QApplication application(argc, argv);
        application.installEventFilter(&filter);
        QMainWindow window;
        window.show();
        return application.exec();
    }
    startFontSetUp();
    chooseWindowSystem();
    PelikorApplication application(argc, argv);
    listFontsWithQt();
    application.installEventFilter(&filter);
    return runProgram(QString::fromLocal8Bit(argv[2]));
}
