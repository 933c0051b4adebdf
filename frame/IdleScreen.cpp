#include "frame/IdleScreen.h"

#include "frame/GradientTitle.h"
#include "game/Pegs.h"
#include "pictures/BoardGeometry.h"
#include "pictures/BoardPicture.h"
#include "widgets/Background.h"
#include "widgets/ProgramLabel.h"

#include <QFrame>

namespace {

constexpr QRect kTitlePanelPlace(68, 40, 265, 55);
constexpr QRect kBoardPlace(48, 106, 305, 300);
constexpr int kTitleMargin = 2;

void createTitlePanel(QWidget* client, const QString& title)
{
    auto* panel = new QFrame(client);
    panel->setObjectName(QStringLiteral("titlePanel"));
    panel->setGeometry(kTitlePanelPlace);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(panel, kClSilver);
    GradientText* name = makeGradientTitle(panel, QStringLiteral("nameTitle"), title, GradientTitle::kIdleNamePixels);
    GradientText* version = makeGradientTitle(panel, QStringLiteral("versionTitle"), GradientTitle::version(),
                                              GradientTitle::kIdleVersionPixels);
    // The name centred, the version under its right end.
    name->move((panel->width() - name->width()) / 2, kTitleMargin);
    version->move(name->geometry().right() - version->width(), panel->height() - version->height() - kTitleMargin);
}

void createBoard(QWidget* client)
{
    auto* board = new ProgramLabel(client);
    board->setObjectName(QStringLiteral("idleBoard"));
    board->setGeometry(kBoardPlace);
    board->setScaledContents(true);
    board->setPictureSource(pictures::boardPicture);

    for (int n = 1; n <= pelikor::kPositionCount; ++n)
        makePeg(client, QStringLiteral("decorationPeg%1").arg(n), pictures::decorationRect(n), kPegNormal);
}

} // namespace

void createIdleScreen(QWidget* client, const QString& title)
{
    createTitlePanel(client, title);
    createBoard(client);
}
