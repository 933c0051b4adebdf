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
constexpr QPoint kWarningAt(5, 5);
constexpr QPoint kTitleAt(45, 25);
constexpr QPoint kQuestionAt(5, 43);
constexpr QPoint kRuleAt(5, 66);
constexpr int kButtonsTop = 72;
constexpr int kButtonFontPixels = 11;

} // namespace

QuestionBalloon::QuestionBalloon(Services& services, AssistantProtocol::Row row, const Layout& layout)
    : BalloonDialog(services.owners, layout.clientSize, BalloonTail::RightTop), services_(services), row_(row)
{
    setStatusTip(tr("Dotaz"));
    const QPoint up(0, -layout.raise);

    // A raised sign keeps its size: the part above the balloon is cut off.
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("warningPicture"));
    image->setPixmap(QPixmap::fromImage(pictures::warningPicture(devicePixelRatioF())));
    image->setGeometry(QRect(kWarningAt + up, QSize(pictures::kWarningPictureSize, pictures::kWarningPictureSize)));

    label(this, "titleLabel", QStringLiteral("Pelikor 2000"), kTitleAt + up, Bold);
    label(this, "questionLabel", layout.question, kQuestionAt + up);
    rule(this, "rule", kRuleAt + up, layout.ruleWidth);

    const QFont captions = DialogControls::font(kMsSansSerif, kButtonFontPixels);
    FlatButton* yes =
        button(this, "yesButton", tr("Ano"), layout.yesHint, QPoint(layout.yesLeft, kButtonsTop) + up);
    yes->setFont(captions);
    connect(yes, &FlatButton::clicked, this, &QuestionBalloon::answerYes);
    FlatButton* no =
        button(this, "noButton", tr("Ne"), layout.noHint, QPoint(layout.noLeft, kButtonsTop) + up);
    no->setFont(captions);
    connect(no, &FlatButton::clicked, this, &QuestionBalloon::answerNo);
}

void QuestionBalloon::open()
{
    services_.protocol.open(row_, *this);
}

void QuestionBalloon::prepareToShow()
{
    services_.cues.play(pelikor::SoundCue::Question);
}

void QuestionBalloon::answerNo()
{
    close();
}

void QuestionBalloon::handleKey(int key)
{
    if (key == kKeyEnter)
        answerYes();
    else if (key == kKeyEscape)
        answerNo();
}
