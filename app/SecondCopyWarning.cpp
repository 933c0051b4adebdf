#include "app/SecondCopyWarning.h"

#include "dialogs/DialogControls.h"
#include "dialogs/DialogOwners.h"
#include "pictures/WarningPicture.h"
#include "widgets/Background.h"
#include "widgets/FlatButton.h"

#include <QLabel>
#include <QTimer>

using namespace DialogControls;

namespace {

constexpr int kMargin = 8;
constexpr int kTextLeft = 50;
constexpr int kMessageTop = 25;
constexpr int kMessageHeight = 34;
constexpr int kRuleTop = 64;
constexpr int kButtonTop = 71;
// The balloon's body ends where its tail begins, on the right.
constexpr int kBodyWidth = SecondCopyWarning::kClientSize.width() - BalloonShaper::kDefaultIndent;

} // namespace

SecondCopyWarning::SecondCopyWarning(DialogOwners& owners)
    : BalloonDialog(owners, kClientSize, BalloonTail::RightTop)
{
    setObjectName(QStringLiteral("SecondCopyWarning"));
    setColour(kStrongPink);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("warningPicture"));
    const QImage& warning = pictures::warningPicture(devicePixelRatioF());
    picture->setGeometry(kMargin, kMargin, pictures::kWarningPictureSize, pictures::kWarningPictureSize);
    picture->setPixmap(QPixmap::fromImage(warning));

    label(this, "titleLabel", QStringLiteral("Pelikor 2000"), {kTextLeft, kMargin}, Bold);
    label(this, "messageLabel", tr("Pozor ! Již máte spuštěnu jednu kopii tohoto programu."),
          {kTextLeft, kMessageTop, kBodyWidth - kTextLeft - kMargin, kMessageHeight}, Wrapped);
    rule(this, "rule", {kMargin, kRuleTop}, kBodyWidth - 2 * kMargin);

    FlatButton* ok = button(this, "okButton", tr("Ok"), QString(), {0, kButtonTop});
    ok->move((kBodyWidth - ok->width()) / 2, kButtonTop);
    connect(ok, &FlatButton::clicked, this, &SecondCopyWarning::acknowledge);

    blinkTimer_ = new QTimer(this);
    blinkTimer_->setObjectName(QStringLiteral("blinkTimer"));
    blinkTimer_->setTimerType(Qt::PreciseTimer);
    blinkTimer_->setInterval(kBlinkIntervalMs);
    connect(blinkTimer_, &QTimer::timeout, this, &SecondCopyWarning::blink);
    blinkTimer_->start();
}

void SecondCopyWarning::setColour(ColourNumber colour)
{
    colour_ = colour;
    setBackground(this, colour);
}

void SecondCopyWarning::blink()
{
    setColour(colour_ == kLightPink ? kStrongPink : kLightPink);
}

void SecondCopyWarning::acknowledge()
{
    owners().enable();
    if (AssistantFigure* figure = owners().figure())
        figure->close();
}

void SecondCopyWarning::handleKey(int key)
{
    if (key == kKeyEscape || key == kKeyEnter)
        acknowledge();
}

void SecondCopyWarning::hideEvent(QHideEvent* event)
{
    BalloonDialog::hideEvent(event);
    blinkTimer_->stop();
}
