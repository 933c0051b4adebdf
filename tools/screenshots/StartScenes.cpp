#include "tools/screenshots/StartScenes.h"

#include "app/SecondCopy.h"
#include "app/SecondCopyWarning.h"
#include "app/Splash.h"
#include "dialogs/AssistantFigure.h"
#include "services/CuePlayer.h"
#include "tools/screenshots/ScreenCamera.h"

namespace {

// The meter's value half way through the start, after AboutBox.
constexpr int kMeterHalfWay = 55;

class SilentCuePlayer : public CuePlayer {
public:
    void play(const QString&) override {}
};

} // namespace

void shootSplash(ScreenCamera& camera)
{
    Splash splash;
    splash.showAndPaint();
    splash.stepDone(kMeterHalfWay);
    camera.shoot(QStringLiteral("start-splash"), splash.frameGeometry());
}

void shootSecondCopy(ScreenCamera& camera, const QString& applicationDir)
{
    SecondCopy copy(applicationDir, std::make_unique<SilentCuePlayer>());
    copy.start();
    SecondCopyWarning& warning = copy.secondCopyWarning();
    const QRect both = warning.frameGeometry().united(copy.assistantFigure().frameGeometry());
    camera.shoot(QStringLiteral("second-copy-warning"), both);
    warning.blink();
    camera.shoot(QStringLiteral("second-copy-warning-blink"), both, QStringLiteral("second-copy-warning"));
}
