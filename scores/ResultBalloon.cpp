#include "scores/ResultBalloon.h"

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogControls.h"
#include "dialogs/Services.h"
#include "scores/BestTableModule.h"
#include "services/SoundCues.h"
#include "widgets/FlatButton.h"

#include <QLabel>
#include <QLineEdit>

using namespace DialogControls;

namespace {

constexpr QSize kClientSize(252, 176);
constexpr int kTextLeft = 11;
// The counts stand right of the colons, wide enough for two digits.
constexpr int kCountLeft = 200;
constexpr QSize kCountSize(30, 16);
constexpr int kRuleWidth = 225;

} // namespace

ResultBalloon::ResultBalloon(Services& services, BestTableModule& bestTable)
    : BalloonDialog(services.owners, kClientSize, BalloonTail::BottomRight), services_(services),
      bestTable_(bestTable)
{
    setObjectName(QStringLiteral("ResultBalloon"));
    setStatusTip(tr("Výsledek aktuální hry"));

    // The name field is created first, so that it is first in the tab order.
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    nameEdit_->setGeometry(9, 104, 225, 21);
    nameEdit_->setEnabled(false);
    passDialogKeys(nameEdit_);

    label(this, "titleLabel", tr("Výsledek Vaší hry"), {27, 6, 189, 19}, Bold | Centred | Wrapped);
    QLabel* startCountCaption =
        label(this, "startCountCaption", tr("Počáteční počet hracích kamenů   :"), {kTextLeft, 30});
    QLabel* smallestRemainderCaption =
        label(this, "smallestRemainderCaption", tr("Minimální počet zbylých kamenů :"), {kTextLeft, 46});
    QLabel* remainingCaption =
        label(this, "remainingCaption", tr("Počet zbylých kamenů                    :"), {kTextLeft, 62});
    startCountLabel_ = label(this, "startCountLabel", QString(), {QPoint(kCountLeft, 30), kCountSize}, Bold);
    smallestRemainderLabel_ =
        label(this, "smallestRemainderLabel", QStringLiteral("1"), {QPoint(kCountLeft, 46), kCountSize}, Bold);
    remainingLabel_ = label(this, "remainingLabel", QString(), {QPoint(kCountLeft, 62), kCountSize}, Bold);
    // Each count is read out with its caption.
    startCountCaption->setBuddy(startCountLabel_);
    smallestRemainderCaption->setBuddy(smallestRemainderLabel_);
    remainingCaption->setBuddy(remainingLabel_);
    rule(this, "upperRule", {9, 80}, kRuleWidth);
    nameCaption_ = label(this, "nameCaption", tr("Vaše jméno do tabulky nejlepších :"), {kTextLeft, 86});
    nameCaption_->setEnabled(false);
    // The field is read out by the label above it.
    nameCaption_->setBuddy(nameEdit_);
    assistedNote_ = label(this, "assistedNote",
                          tr("Hra s vracením tahů nebo s nápovědou se do tabulky nezapisuje."),
                          {kTextLeft, 86, kRuleWidth - 2, 40}, Wrapped);
    assistedNote_->hide();
    rule(this, "lowerRule", {9, 130}, kRuleWidth);
    connect(button(this, "okButton", tr("Ok"), tr("Uzavře dialogové okno"), {90, 135}),
            &FlatButton::clicked, this, &ResultBalloon::acknowledge);
}

void ResultBalloon::setResult(const pelikor::GameResult& result)
{
    result_ = result;
    remainingLabel_->setText(QString::number(result.remaining));
    setStartCount(result.startCount);
}

void ResultBalloon::setStartCount(int startCount)
{
    startCountLabel_->setText(QString::number(startCount));
}

void ResultBalloon::prepareToShow()
{
    nameEdit_->clear();
    const bool offered = !result_.assisted && bestTable_.table.offersName(result_.game, result_.remaining);
    nameEdit_->setEnabled(offered);
    nameCaption_->setEnabled(offered);
    nameEdit_->setVisible(!result_.assisted);
    nameCaption_->setVisible(!result_.assisted);
    assistedNote_->setVisible(result_.assisted);
    // The fewest pegs this very game can leave, not one for every game:
    // from some starts a single peg is out of reach.
    smallestRemainderLabel_->setText(QString::number(result_.game.smallestRemainder));
    services_.cues.play(pelikor::SoundCue::Dialog);
    services_.protocol.place(AssistantProtocol::Row::Result, *this);
    if (offered)
        nameEdit_->setFocus();
    else
        setFocus();
}

void ResultBalloon::acknowledge()
{
    emit returnToIdle();
    // A store that fails is reported and leaves the dialog open, so that
    // the next "Ok" tries again.
    if (nameEdit_->isEnabled()
        && bestTable_.table.storeResult(result_.game, nameEdit_->text(), result_.remaining) == BestTable::Store::Failed)
        return;
    close();
}

void ResultBalloon::finishClosing()
{
    emit resultClosed();
}

void ResultBalloon::handleKey(int key)
{
    if (key == kKeyEnter || key == kKeyEscape)
        acknowledge();
}
