#include "app/SecondCopy.h"

#include "app/FontSetUp.h"

#include "app/SecondCopyWarning.h"
#include "dialogs/AssistantFigure.h"
#include "pictures/FigurePicture.h"
#include "services/AppPath.h"
#include "services/CuePlayer.h"
#include "services/ModuleCuePlayer.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

// How far the warning reaches over the figure, so that its tail points at it.
constexpr int kWarningOverlap = 35;

} // namespace

SecondCopy::SecondCopy(const AppFolders& folders, std::unique_ptr<CuePlayer> player)
    : settings_(folders.settings()), cues_(AppFolders::text(folders.shipped()), std::move(player))
{
    assistantFigure_ =
        std::make_unique<AssistantFigure>(settings_, cues_, pictures::figurePicture, pictures::figureOutline());
    owners_.setFigure(assistantFigure_.get());
    secondCopyWarning_ = std::make_unique<SecondCopyWarning>(owners_);
    connect(assistantFigure_.get(), &AssistantFigure::closed, this, &SecondCopy::finished);
}

SecondCopy::~SecondCopy() = default;

void SecondCopy::start()
{
    AssistantFigure& figure = *assistantFigure_;
    SecondCopyWarning& warning = *secondCopyWarning_;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    figure.move(screen.width() / 2 - figure.width() / 2, screen.height() / 2 - figure.height() / 2);
    warning.move(figure.x() - warning.width() + kWarningOverlap, figure.y() + figure.height() - warning.height());
    warning.showDialog();
    figure.show();
    // The keys belong to the warning, which the figure shown after it must
    // not take from it.
    warning.activateWindow();
}

int runSecondCopy(const AppFolders& folders)
{
    awaitFontSetUp();
    SecondCopy copy(folders, std::make_unique<ModuleCuePlayer>(AppPath().folder()));
    QObject::connect(&copy, &SecondCopy::finished, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    copy.start();
    return QApplication::exec();
}
