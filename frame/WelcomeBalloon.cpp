#include "frame/WelcomeBalloon.h"

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogControls.h"
#include "dialogs/ErrorReport.h"
#include "dialogs/Services.h"
#include "services/ManualLauncher.h"
#include "services/Settings.h"
#include "widgets/LinkLabel.h"

#include <QCheckBox>

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
    setObjectName(QStringLiteral("WelcomeBalloon"));
    setStatusTip(tr("Uvítací dialog"));

    label(this, "readyLabel", tr("Pomocník Kolvex je připraven poradit Vám v nesnázích."), {kLeft, 6}, Bold);
    label(this, "chooseLabel", tr("Stačí si pouze vybrat, jakou pomoc potřebujete."), {kLeft, 21}, Bold);
    connect(link(this, "helpLink", tr("Zobrazit úplný seznam témat nápovědy programu Pelikor 2000"),
                 tr("Zobrazí úplný seznam témat nápovědy"), {kLeft, 40, kLinkWidth, kLinkHeight}),
            &LinkLabel::clicked, this, &WelcomeBalloon::openHelp);
    manualLink_ = link(this, "manualLink", tr("Spustit elektronický manuál programu Pelikor 2000"),
                       tr("Spustí elektronický manuál pro Pelikor 2000"), {kLeft, 56, kLinkWidth, kLinkHeight});
    connect(manualLink_, &LinkLabel::clicked, this, &WelcomeBalloon::startManual);
    connect(link(this, "startLink", tr("Začít pracovat s programem Pelikor 2000"),
                 tr("Zahájí práci s programem"), {kLeft, 72, kLinkWidth, kLinkHeight}),
            &LinkLabel::clicked, this, &WelcomeBalloon::startPlaying);
    rule(this, "rule", {8, 93}, kClientSize.width() - 16);

    showAtStartBox_ = new QCheckBox(tr("Zobrazit tento dialog při každém spuštění programu"), this);
    showAtStartBox_->setObjectName(QStringLiteral("showAtStartBox"));
    showAtStartBox_->move(kLeft, 99);
    showAtStartBox_->adjustSize();
    passDialogKeys(showAtStartBox_);
}

void WelcomeBalloon::openAtStart()
{
    showAtStartBox_->setChecked(true);
    services_.protocol.open(AssistantProtocol::Row::WelcomeAtStart, *this);
}

void WelcomeBalloon::openOnFigure()
{
    services_.protocol.open(AssistantProtocol::Row::WelcomeOnFigure, *this);
}

void WelcomeBalloon::setManualAvailable(bool available)
{
    manualLink_->setEnabled(available);
}

void WelcomeBalloon::prepareToShow()
{
    if (services_.settings.read(Settings::kWelcomeKey) == QLatin1String("1"))
        showAtStartBox_->setChecked(true);
    services_.protocol.place(AssistantProtocol::Row::WelcomeOnFigure, *this);
}

bool WelcomeBalloon::leave()
{
    const QString shownAtStart = showAtStartBox_->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    const std::optional<QString> failure =
        ErrorReport::failureOf([&] { services_.settings.write(Settings::kWelcomeKey, shownAtStart); });
    // A settings file that cannot be written must not keep the main window
    // and the figure locked: the dialog closes before the error is reported.
    close();
    if (failure)
        ErrorReport::show(*failure);
    return !failure;
}

void WelcomeBalloon::openHelp()
{
    if (leave())
        emit helpRequested();
}

void WelcomeBalloon::startManual()
{
    services_.manual.start();
}

void WelcomeBalloon::startPlaying()
{
    leave();
}

void WelcomeBalloon::handleKey(int key)
{
    if (key == kKeyEscape || key == kKeyEnter)
        leave();
}
