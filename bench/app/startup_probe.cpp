// Starts either the program's windows on an application folder
// (`startup_probe pelikor FOLDER/`) or a bare QMainWindow
// (`startup_probe minimal`) and exits as soon as the window is first
// exposed on screen, so that whole-process timings (hyperfine) compare
// the two starts.
#include "MultimediaCuePlayer.h"
#include "PelikorApplication.h"
#include "PelikorWindows.h"
#include "THlavniDialog.h"

#include <QMainWindow>
#include <QWindow>

#include <cstring>
#include <memory>

namespace {

// Quits the application at the first expose of a window.
class QuitOnExpose : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose)
            QCoreApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};

void quitWhenExposed(QWidget& window, QuitOnExpose& filter)
{
    window.winId(); // makes the native window that receives the expose
    window.windowHandle()->installEventFilter(&filter);
}

} // namespace

int main(int argc, char** argv)
{
    const bool minimal = argc < 3 || std::strcmp(argv[1], "pelikor") != 0;
    QuitOnExpose filter;
    if (minimal) {
        QApplication application(argc, argv);
        QMainWindow window;
        quitWhenExposed(window, filter);
        window.show();
        return application.exec();
    }
    PelikorApplication application(argc, argv);
    PelikorWindows windows(QString::fromLocal8Bit(argv[2]), std::make_unique<MultimediaCuePlayer>());
    quitWhenExposed(windows.HlavniDialog(), filter);
    windows.show();
    return application.exec();
}
