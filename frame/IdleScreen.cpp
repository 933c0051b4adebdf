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

} // namespace

IdleScreen::IdleScreen(QWidget* client, const QString& title)
{
    createTitlePanel(client, title);
    createBoard(client);
}

void IdleScreen::createTitlePanel(QWidget* client, const QString& title)
{
    titlePanel_ = new QFrame(client);
    titlePanel_->setObjectName(QStringLiteral("titlePanel"));
    titlePanel_->setGeometry(kTitlePanelPlace);
    titlePanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(titlePanel_, kClSilver);
    nameTitle_ = makeGradientTitle(titlePanel_, QStringLiteral("nameTitle"), title, GradientTitle::kIdleNamePixels);
    versionTitle_ = makeGradientTitle(titlePanel_, QStringLiteral("versionTitle"), GradientTitle::version(),
                                      GradientTitle::kIdleVersionPixels);
    // The name centred, the version under its right end.
    nameTitle_->move((titlePanel_->width() - nameTitle_->width()) / 2, kTitleMargin);
    versionTitle_->move(nameTitle_->geometry().right() - versionTitle_->width(),
                        titlePanel_->height() - versionTitle_->height() - kTitleMargin);
}

void IdleScreen::createBoard(QWidget* client)
{
    auto* board = new ProgramLabel(client);
    board_ = board;
    board_->setObjectName(QStringLiteral("idleBoard"));
    board_->setGeometry(kBoardPlace);
    board_->setScaledContents(true);
    board->setPictureSource(pictures::boardPicture);

    for (int n = 1; n <= pelikor::kPositionCount; ++n)
        makePeg(client, QStringLiteral("decorationPeg%1").arg(n), pictures::decorationRect(n), kPegNormal);
}
