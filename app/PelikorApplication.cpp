#include "PelikorApplication.h"

#include <QMessageBox>

#include <exception>

PelikorApplication::PelikorApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Pelikor 2000"));
}

bool PelikorApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(QStringLiteral("Neznámá chyba"));
    }
    return false;
}

void PelikorApplication::reportError(const QString& message)
{
    QMessageBox::critical(activeWindow(), applicationName(), message);
}
