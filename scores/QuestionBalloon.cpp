#include "scores/QuestionBalloon.h"

#include "dialogs/DialogControls.h"
#include "dialogs/Services.h"
#include "pictures/WarningPicture.h"
#include "services/SoundCues.h"
#include "widgets/FlatButton.h"

#include <QLabel>
#include <QPixmap>

using namespace DialogControls;

namespace {

// Places in the tallest question; a shorter one raises them all.
constexpr QPoint kImage1At(5, 5);
constexpr QPoint kLabel1At(45, 25);
constexpr QPoint kLabel2At(5, 43);
constexpr QPoint kBevel1At(5, 66);
constexpr int kButtonsTop = 72;
constexpr int kButtonFontPixels = 11;

} // namespace

QuestionBalloon::QuestionBalloon(Services& services, AssistantProtocol::Row row, const Layout& layout)
    : BalloonDialog(services.owners, layout.clientSize, BalloonTail::RightTop), services_(services), row_(row)
{
    setStatusTip(QStringLiteral("Dotaz"));
    const QPoint up(0, -layout.raise);

    // A raised sign keeps its size: the part above the balloon is cut off.
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap::fromImage(pictures::warningPicture(devicePixelRatioF())));
    image->setGeometry(QRect(kImage1At + up, QSize(pictures::kWarningPictureSize, pictures::kWarningPictureSize)));

    label(this, "Label1", QStringLiteral("Pelikor 2000"), kLabel1At + up, Bold);
    label(this, "Label2", layout.question, kLabel2At + up);
    rule(this, "Bevel1", kBevel1At + up, layout.ruleWidth);

    const QFont captions = DialogControls::font(kMsSansSerif, kButtonFontPixels);
    FlatButton* ano = button(this, "OfficeButton1", QStringLiteral("Ano"), layout.anoHint,
                                QPoint(layout.anoLeft, kButtonsTop) + up);
    ano->setFont(captions);
    connect(ano, &FlatButton::clicked, this, &QuestionBalloon::OfficeButton1Click);
    FlatButton* ne = button(this, "OfficeButton2", QStringLiteral("Ne"), layout.neHint,
                               QPoint(layout.neLeft, kButtonsTop) + up);
    ne->setFont(captions);
    connect(ne, &FlatButton::clicked, this, &QuestionBalloon::OfficeButton2Click);
}

void QuestionBalloon::open()
{
    services_.protocol.open(row_, *this);
}

void QuestionBalloon::prepareToShow()
{
    services_.cues.play(pelikor::SoundCue::Question);
}

void QuestionBalloon::OfficeButton2Click()
{
    close();
}

void QuestionBalloon::handleKey(int key)
{
    if (key == kKeyEnter)
        OfficeButton1Click();
    else if (key == kKeyEscape)
        OfficeButton2Click();
}
