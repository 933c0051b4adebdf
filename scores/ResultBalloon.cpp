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

ResultBalloon::ResultBalloon(Services& services, BestTableModule& dataModule)
    : BalloonDialog(services.owners, kClientSize, BalloonTail::BottomRight), services_(services),
      dataModule_(dataModule)
{
    setObjectName(QStringLiteral("TVysledekDialog"));
    setStatusTip(QStringLiteral("Výsledek aktuální hry"));

    // The name field is created first, so that it is first in the tab order.
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(9, 104, 225, 21);
    Edit1->setEnabled(false);
    passDialogKeys(Edit1);

    label(this, "Label1", QStringLiteral("Výsledek Vaší hry"), {27, 6, 189, 19}, Bold | Centred | Wrapped);
    label(this, "Label2", QStringLiteral("Počáteční počet hracích kamenů   :"), {kTextLeft, 30});
    label(this, "Label3", QStringLiteral("Minimální počet zbylých kamenů :"), {kTextLeft, 46});
    label(this, "Label4", QStringLiteral("Počet zbylých kamenů                    :"), {kTextLeft, 62});
    Label5 = label(this, "Label5", QString(), {QPoint(kCountLeft, 30), kCountSize}, Bold);
    Label6 = label(this, "Label6", QStringLiteral("1"), {QPoint(kCountLeft, 46), kCountSize}, Bold);
    Label7 = label(this, "Label7", QString(), {QPoint(kCountLeft, 62), kCountSize}, Bold);
    rule(this, "Bevel1", {9, 80}, kRuleWidth);
    Label8 = label(this, "Label8", QStringLiteral("Vaše jméno do tabulky nejlepších :"), {kTextLeft, 86});
    Label8->setEnabled(false);
    // The field is read out by the label above it.
    Label8->setBuddy(Edit1);
    rule(this, "Bevel2", {9, 130}, kRuleWidth);
    connect(button(this, "OfficeButton1", QStringLiteral("Ok"), QStringLiteral("Uzavře dialogové okno"), {90, 135}),
            &FlatButton::clicked, this, &ResultBalloon::OfficeButton1Click);

    Kontrola_ = new QLabel(this);
    Kontrola_->setObjectName(QStringLiteral("Kontrola"));
    Kontrola_->hide();
}

void ResultBalloon::setResult(const pelikor::GameResult& result)
{
    result_ = result;
    Kontrola_->setText(gameCode());
    Label7->setText(QString::number(result.remaining));
    setStartCount(result.startCount);
}

void ResultBalloon::setStartCount(int startCount)
{
    Label5->setText(QString::number(startCount));
}

QString ResultBalloon::gameCode() const
{
    return QString::fromUtf8(result_.game.code);
}

void ResultBalloon::prepareToShow()
{
    Edit1->clear();
    const bool offered = dataModule_.table.offersNameField(gameCode(), result_.remaining);
    Edit1->setEnabled(offered);
    Label8->setEnabled(offered);
    // The fewest pegs this very game can leave, not one for every game:
    // from some starts a single peg is out of reach.
    Label6->setText(QString::number(result_.game.smallestRemainder));
    services_.cues.play(pelikor::SoundCue::Dialog);
    services_.protocol.place(AssistantProtocol::Row::Result, *this);
    if (offered)
        Edit1->setFocus();
    else
        setFocus();
}

void ResultBalloon::OfficeButton1Click()
{
    emit returnToIdle();
    // A store that fails is reported by the general error report and leaves
    // the dialog open, so that the next "Ok" tries again.
    if (Edit1->isEnabled())
        dataModule_.table.storeResult(gameCode(), Edit1->text(), result_.remaining);
    close();
}

void ResultBalloon::finishClosing()
{
    emit resultClosed();
}

void ResultBalloon::handleKey(int key)
{
    if (key == kKeyEnter || key == kKeyEscape)
        OfficeButton1Click();
}
