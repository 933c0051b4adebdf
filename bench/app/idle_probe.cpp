// A bare Qt main window and nothing else: what any Qt program costs to
// start, to idle and to keep in memory. scripts/bench, scripts/idle-cpu and
// scripts/idle-memory measure it beside the program.
//
//     idle_probe           the bare window
//     idle_probe label     the same with one short label, the least a
//                          window with text needs
//     idle_probe menu      the label and a menu bar of one menu
//
// The two with text show what any text costs before a window maps: the
// floor under the program's splash and main window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    const char* variant = argc > 1 ? argv[1] : "";
    if (std::strcmp(variant, "label") == 0 || std::strcmp(variant, "menu") == 0)
        window.setCentralWidget(new QLabel(QStringLiteral("Pelikor 2000"), &window));
    if (std::strcmp(variant, "menu") == 0)
        window.menuBar()->addMenu(QStringLiteral("&Hra"));
    window.show();
    return application.exec();
}
