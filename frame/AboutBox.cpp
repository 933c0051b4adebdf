#include "frame/AboutBox.h"

#include "dialogs/DialogControls.h"
#include "dialogs/Services.h"
#include "frame/GradientTitle.h"
#include "pictures/FigurePicture.h"
#include "widgets/Background.h"
#include "widgets/ProgramLabel.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace DialogControls;

namespace {

constexpr QSize kClientSize(323, 244);
constexpr int kInset = 2;
constexpr QRect kPicturePlace(8, 8, 63, 62);
constexpr int kTitleLeft = 84;
constexpr QRect kOkButtonPlace(234, 206, 75, 25);

QFrame* silverPanel(QWidget* parent, const char* name, const QRect& place)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(panel, kClSilver);
    return panel;
}

} // namespace

AboutBox::AboutBox(Services& services) : ProgramDialog(services.owners, kClientSize)
{
    setObjectName(QStringLiteral("AboutBox"));
    setStatusTip(tr("Informace o programu"));
    setFont(DialogControls::font(kTimesNewRoman, 13));

    QFrame* outer = silverPanel(this, "outerPanel", rect());
    QFrame* inner = silverPanel(outer, "innerPanel", rect().adjusted(kInset, kInset, -kInset, -kInset));

    auto* picture = new ProgramLabel(inner);
    picture->setObjectName(QStringLiteral("figurePicture"));
    picture->setGeometry(kPicturePlace);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap::fromImage(pictures::figurePicture(devicePixelRatioF())));

    GradientText* name = makeGradientTitle(inner, QStringLiteral("nameTitle"), GradientTitle::kName,
                                           GradientTitle::kAboutNamePixels);
    name->move(kTitleLeft, 10);
    GradientText* version = makeGradientTitle(inner, QStringLiteral("versionTitle"), GradientTitle::version(),
                                              GradientTitle::kAboutVersionPixels);
    version->move(kTitleLeft, name->geometry().bottom() + 2);

    rule(inner, "upperRule", {8, 82}, inner->width() - 16);
    QLabel* line = label(inner, "infoLabel", QString(), {8, 92, inner->width() - 16, 90}, Centred | Wrapped);
    line->setFont(DialogControls::font(kTimesNewRoman, 12));
    rule(inner, "lowerRule", {8, 190}, inner->width() - 16);

    okButton_ = new QPushButton(tr("Ok"), inner);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setStatusTip(tr("Uzavře dialogové okno s informacemi o programu"));
    okButton_->setGeometry(kOkButtonPlace.translated(-kInset, -kInset));
    connect(okButton_, &QPushButton::clicked, this, &AboutBox::acknowledge);
    passDialogKeys(okButton_);
}

void AboutBox::prepareToShow()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    okButton_->setFocus();
}

void AboutBox::acknowledge()
{
    close();
}

void AboutBox::handleKey(int key)
{
    if (key == kKeyEscape || key == kKeyEnter)
        close();
}
