#include "app/Splash.h"

#include "app/FontSetUp.h"
#include "app/OutlinedShape.h"
#include "dialogs/DialogControls.h"
#include "frame/GradientTitle.h"
#include "pictures/FigurePicture.h"
#include "widgets/Background.h"
#include "widgets/GradientProgress.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <initializer_list>

using namespace DialogControls;

namespace {

constexpr int kInset = 2;
constexpr ColourNumber kBlack = 0x000000;
constexpr ColourNumber kWhite = 0xFFFFFF;
constexpr ColourNumber kRed = 0x0000FF;
constexpr ColourNumber kLightYellow = 14745599; // 0xE0FFFF

constexpr int kTitleTop = 4;
constexpr QSize kPictureSize(73, 74);
constexpr int kPictureMargin = 8;
constexpr int kLineGap = 6;
constexpr int kLineHeight = 16;
constexpr int kMargin = 5;

constexpr QSize kMeterSize(231, 17);
// The white frame and a black pixel inside it on every side of the meter.
constexpr int kStripBorder = 2;
constexpr int kMeterMaximum = 100;
constexpr int kMeterStep = 1;
constexpr int kCaptionPixels = 11;

// Longest wait for the window system to show the splash; a screen that
// never answers must not stop the start.
constexpr int kExposeWaitMs = 1000;

} // namespace

Splash::Splash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Splash"));
    setFixedSize(kClientSize);

    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("outerPanel"));
    content_->setGeometry(rect());
    setBackground(content_, kBlack);
    // Shown once the window is mapped: see showAndPaint.
    content_->hide();
    panel_ = new QWidget(content_);
    panel_->setObjectName(QStringLiteral("innerPanel"));
    panel_->setGeometry(rect().adjusted(kInset, kInset, -kInset, -kInset));
    setBackground(panel_, kLightYellow);
    createMeter();
}

void Splash::createMeter()
{
    const QSize stripSize = kMeterSize + QSize(2 * kStripBorder, 2 * kStripBorder);
    const QPoint stripAt(panel_->width() - kMargin - stripSize.width(), panel_->height() - kMargin - stripSize.height());
    strip_ = new OutlinedShape(panel_, OutlinedShape::Kind::Rectangle, kWhite, kBlack);
    strip_->setObjectName(QStringLiteral("meterStrip"));
    strip_->setGeometry(QRect(stripAt, stripSize));

    meter_ = new GradientProgress(strip_);
    meter_->setObjectName(QStringLiteral("meter"));
    meter_->setGeometry(QRect(QPoint(kStripBorder, kStripBorder), kMeterSize));
    meter_->setStyle(GradientStyle::Horizontal);
    meter_->setBevelStyle(BevelStyle::None);
    meter_->setStartColor(kWhite);
    meter_->setEndColor(kRed);
    meter_->setBackColor(kBlack);
    meter_->setShowPercent(false);
    meter_->setMaxValue(kMeterMaximum);
    meter_->setStep(kMeterStep);
    meter_->setPosition(0);
}

void Splash::createTexts()
{
    awaitFontSetUp();
    // The caption first: the font thread paints the titles meanwhile.
    // It fills the corner left of the strip, its last line level
    // with the strip's bottom.
    const int captionWidth = strip_->x() - 2 * kMargin;
    QLabel* caption = label(panel_, "captionLabel", tr("Malé strpení, spouštím program"),
                            {kMargin, 0, captionWidth, 1}, Wrapped);
    // In the face the main window loads anyway: one face less to load at start.
    caption->setFont(DialogControls::font(kTimesNewRoman, kCaptionPixels));
    const int captionHeight = caption->heightForWidth(captionWidth);
    caption->setGeometry(kMargin, strip_->geometry().bottom() + 1 - captionHeight, captionWidth, captionHeight);

    // The figure next, still while the thread paints the titles.
    const QPixmap figure = QPixmap::fromImage(pictures::figurePicture(devicePixelRatioF()));

    const int middle = panel_->width() / 2;
    GradientText* title =
        makeGradientTitle(panel_, QStringLiteral("nameTitle"), GradientTitle::kName, GradientTitle::kSplashNamePixels);
    title->move(middle - title->width() / 2, kTitleTop);
    GradientText* version =
        makeGradientTitle(panel_, QStringLiteral("versionTitle"), GradientTitle::version(),
                          GradientTitle::kSplashVersionPixels);
    version->move(middle - version->width() / 2, title->geometry().bottom() + 1);

    // The picture and the line under it in the middle of the room left
    // between the version and the meter.
    const QSize frameSize = kPictureSize + QSize(2 * kPictureMargin, 2 * kPictureMargin);
    const int roomTop = version->geometry().bottom() + 1;
    const int frameTop = (roomTop + strip_->y() - frameSize.height() - kLineGap - kLineHeight) / 2;
    auto* frame = new OutlinedShape(panel_, OutlinedShape::Kind::RoundRect, kWhite, kBlack);
    frame->setObjectName(QStringLiteral("pictureFrame"));
    frame->setGeometry(QRect(QPoint(middle - frameSize.width() / 2, frameTop), frameSize));
    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("figurePicture"));
    picture->setGeometry(QRect(QPoint(kPictureMargin, kPictureMargin), kPictureSize));
    picture->setScaledContents(true);
    picture->setPixmap(figure);

    QLabel* line = label(panel_, "pictureLine", QString(),
                         {kMargin, frame->geometry().bottom() + kLineGap, panel_->width() - 2 * kMargin, kLineHeight},
                         Centred);
    for (QWidget* part : std::initializer_list<QWidget*>{title, version, caption, frame, line})
        part->show();
}

void Splash::showAndPaint()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    // The fonts' set-up begins as Qt maps the window, not before: it would
    // take the processor from the window and the X server.
    create();
    connect(windowHandle(), &QWindow::visibleChanged, this, &Splash::mapping, Qt::SingleShotConnection);
    show();
    // The controls show after the window: the first control to show has Qt
    // set up its accessibility, which waits for the desktop's session bus
    // (where there is none, for dbus-launch to look for one) and would hold
    // the map back.
    content_->show();
    // The window goes to the window system now, before its texts wait for
    // the fonts.
    QCoreApplication::processEvents();
    if (!textsMade_) {
        textsMade_ = true;
        createTexts();
    }
    // The window system shows a new window when it is ready; until then
    // nothing painted would reach the screen.
    QTimer patience;
    patience.setSingleShot(true);
    patience.start(kExposeWaitMs);
    while (!windowHandle()->isExposed() && patience.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    repaint();
}

void Splash::mapping(bool visible)
{
    if (visible)
        firstWindowMapping();
}

void Splash::stepDone(int value)
{
    if (value <= meter_->position())
        return;
    meter_->setPosition(value);
}
