// The floor of the monitor's idle cost: a bare Qt main window whose only
// work is an empty 1 ms precise timer. scripts/idle-cpu measures it beside
// the program.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, &window, [] {});
    timer.start();
    return application.exec();
}
