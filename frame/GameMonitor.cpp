#include "frame/GameMonitor.h"

#include "game/BoardPanel.h"
#include "services/Settings.h"
#include "setup/core/RunningGame.h"

#include <QEvent>
#include <QSocketNotifier>
#include <QTimer>

namespace {

// Where the kernel gives no notice of the settings file's changes, an open
// result keeps looking at it, as its hand-off reads it.
constexpr int kUnnotifiedSettingsPollMs = 1;

} // namespace

GameMonitor::GameMonitor(BoardPanel& boardPanel, const pelikor::RunningGame& game, Settings& settings,
                         QObject* parent)
    : QObject(parent), boardPanel_(boardPanel), game_(game), settings_(settings)
{
    setObjectName(QStringLiteral("gameMonitor"));
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("monitorTimer"));
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &GameMonitor::check);
    watchInputs();
}

void GameMonitor::watchInputs()
{
    connect(&boardPanel_, &BoardPanel::boardChanged, this, &GameMonitor::arm);
    boardPanel_.installEventFilter(this);
    const int notices = settings_.changeNotices();
    if (notices >= 0) {
        auto* settingsChanged = new QSocketNotifier(qintptr(notices), QSocketNotifier::Read, this);
        connect(settingsChanged, &QSocketNotifier::activated, this, &GameMonitor::arm);
    }
}

bool GameMonitor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &boardPanel_ && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        arm();
    return QObject::eventFilter(watched, event);
}

void GameMonitor::arm()
{
    timer_->start(0);
}

void GameMonitor::handOffWindowsChanged()
{
    ++handOffWindows_;
    arm();
}

// The settings are read first, whatever the check finds: the read takes the
// change notices, which would otherwise call for a check again and again.
void GameMonitor::check()
{
    const Inputs inputs{boardPanel_.board().pegs(), !boardPanel_.isHidden(), game_.runs(),
                        settings_.read(Settings::kAssistantKey), handOffWindows_};
    if (checked_ != inputs) {
        checked_ = inputs;
        lastOutcome_ = boardPanel_.monitorTick();
        if (lastOutcome_ != pelikor::Outcome::Nothing)
            emit gameFinished(lastOutcome_, inputs.assistantSetting);
    }
    if (lastOutcome_ != pelikor::Outcome::Nothing && !settings_.changesNotified() && !timer_->isActive())
        timer_->start(kUnnotifiedSettingsPollMs);
}
