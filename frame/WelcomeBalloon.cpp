#include "frame/WelcomeBalloon.h"

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogControls.h"
#include "dialogs/Services.h"
#include "services/ManualLauncher.h"
#include "services/Settings.h"
#include "widgets/LinkLabel.h"

#include <QCheckBox>
#include <QScopeGuard>

using namespace DialogControls;

namespace {

constexpr QSize kClientSize(412, 140);
constexpr int kLeft = 10;
constexpr int kLinkWidth = 392;
constexpr int kLinkHeight = 17;

} // namespace

WelcomeBalloon::WelcomeBalloon(Services& services)
    : BalloonDialog(services.owners, kClientSize, BalloonTail::BottomRight), services_(services)
{
    setObjectName(QStringLiteral("TUvitaniDialog"));
    setStatusTip(QStringLiteral("Uvítací dialog"));

    label(this, "Label1", QStringLiteral("Pomocník Kolvex je připraven poradit Vám v nesnázích."), {kLeft, 6}, Bold);
    label(this, "Label2", QStringLiteral("Stačí si pouze vybrat, jakou pomoc potřebujete."), {kLeft, 21}, Bold);
    connect(link(this, "OfficeLabel2", QStringLiteral("Zobrazit úplný seznam témat nápovědy programu Pelikor 2000"),
                 QStringLiteral("Zobrazí úplný seznam témat nápovědy"), {kLeft, 40, kLinkWidth, kLinkHeight}),
            &LinkLabel::clicked, this, &WelcomeBalloon::OfficeLabel2Click);
    OfficeLabel3 = link(this, "OfficeLabel3", QStringLiteral("Spustit elektronický manuál programu Pelikor 2000"),
                        QStringLiteral("Spustí elektronický manuál pro Pelikor 2000"), {kLeft, 56, kLinkWidth, kLinkHeight});
    connect(OfficeLabel3, &LinkLabel::clicked, this, &WelcomeBalloon::OfficeLabel3Click);
    connect(link(this, "OfficeLabel4", QStringLiteral("Začít pracovat s programem Pelikor 2000"),
                 QStringLiteral("Zahájí práci s programem"), {kLeft, 72, kLinkWidth, kLinkHeight}),
            &LinkLabel::clicked, this, &WelcomeBalloon::OfficeLabel4Click);
    rule(this, "Bevel1", {8, 93}, kClientSize.width() - 16);

    CheckBox1 = new QCheckBox(QStringLiteral("Zobrazit tento dialog při každém spuštění programu"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->move(kLeft, 99);
    CheckBox1->adjustSize();
    passDialogKeys(CheckBox1);
}

void WelcomeBalloon::openAtStart()
{
    CheckBox1->setChecked(true);
    services_.protocol.open(AssistantProtocol::Row::WelcomeAtStart, *this);
}

void WelcomeBalloon::openOnFigure()
{
    services_.protocol.open(AssistantProtocol::Row::WelcomeOnFigure, *this);
}

void WelcomeBalloon::setManualAvailable(bool available)
{
    OfficeLabel3->setEnabled(available);
}

void WelcomeBalloon::prepareToShow()
{
    if (services_.settings.read(Settings::kWelcomeKey) == QLatin1String("1"))
        CheckBox1->setChecked(true);
    services_.protocol.place(AssistantProtocol::Row::WelcomeOnFigure, *this);
}

void WelcomeBalloon::leave()
{
    // A settings file that cannot be written must not keep the main window
    // and the figure locked: the dialog closes and the error is reported.
    const auto closeAnyway = qScopeGuard([this] { close(); });
    services_.settings.write(Settings::kWelcomeKey, CheckBox1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void WelcomeBalloon::OfficeLabel2Click()
{
    leave();
    emit helpRequested();
}

void WelcomeBalloon::OfficeLabel3Click()
{
    services_.manual.start();
}

void WelcomeBalloon::OfficeLabel4Click()
{
    leave();
}

void WelcomeBalloon::handleKey(int key)
{
    if (key == kKeyEscape || key == kKeyEnter)
        leave();
}
