// A bare Qt main window and nothing else: what any Qt program costs to
// start, to idle and to keep in memory. scripts/bench, scripts/idle-cpu and
// scripts/idle-memory measure it beside the program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    return application.exec();
}
