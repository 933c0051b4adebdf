#include "PelikorApplication.h"

#include <QFont>
#include <QMessageBox>

#include <exception>

PelikorApplication::PelikorApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Pelikor 2000"));
    // The windows name the faces they were drawn with. fontconfig knows
    // Times New Roman by its metric twin, but may give a monospace face for
    // the old dialog font, so that one is named here.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
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
