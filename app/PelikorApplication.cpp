#include "app/PelikorApplication.h"

#include "dialogs/ErrorReport.h"
#include "services/CoreErrorText.h"
#include "widgets/ProgramStyle.h"

#include <QFont>
#include <QIcon>

#include <exception>

namespace {

// A resource path that does not exist, so no icon theme is ever found.
const QString kNoIconThemes = QStringLiteral(":/no-icon-themes");

} // namespace

PelikorApplication::PelikorApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Pelikor 2000"));
    // The desktop entry's and the icon's name, which the desktop matches
    // the windows with.
    setDesktopFileName(QStringLiteral(PELIKOR_APP_ID));
    // The windows name the faces they were drawn with. fontconfig knows
    // Times New Roman by its metric twin, but may give a monospace face for
    // the old dialog font, so that one is named here.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    // The program paints its own pictures; the few the style draws (the
    // calendar's arrows, the message box's sign) it has built in. Looking
    // them up in the desktop's icon themes first would cost the start more
    // than all of the program's own pictures.
    // (An empty list would mean the desktop's default folders.)
    QIcon::setThemeSearchPaths({kNoIconThemes});
    QIcon::setFallbackSearchPaths({kNoIconThemes});
    ProgramStyle::install();
}

bool PelikorApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ++caughtInDelivery_;
        ErrorReport::show(errorText(error));
    } catch (...) {
        ++caughtInDelivery_;
        ErrorReport::show(tr("Neznámá chyba"));
    }
    return false;
}
