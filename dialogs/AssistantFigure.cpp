#include "dialogs/AssistantFigure.h"

#include "dialogs/ErrorReport.h"
#include "services/Settings.h"
#include "services/SoundCues.h"
#include "widgets/Background.h"
#include "widgets/RegionData.h"
#include "widgets/ShapedPicture.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("AssistantFigure", "Pomocník");
const char* const kHint = QT_TRANSLATE_NOOP("AssistantFigure", "Pomocník Kolvex");
// Where the figure stands when it is created.
constexpr int kHomeRightMargin = 12;
constexpr int kHomeBottomMargin = 30;

} // namespace

AssistantFigure::AssistantFigure(Settings& settings, SoundCues& cues, PictureSource picture, const QRegion& outline)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), settings_(settings), cues_(cues)
{
    setObjectName(QStringLiteral("AssistantFigure"));
    setWindowTitle(tr(kCaption));
    setStatusTip(tr(kHint));
    setFixedSize(kClientSize);
    setBackground(this, kClSilver);

    shapedPicture_ = new ShapedPicture(this);
    shapedPicture_->setObjectName(QStringLiteral("shapedPicture"));
    shapedPicture_->setStatusTip(tr(kHint));
    shapedPicture_->setPictureSource(std::move(picture));
    shapedPicture_->setMaskStream(RegionData::toMaskStream(outline));
    connect(shapedPicture_, &ShapedPicture::doubleClicked, this, &AssistantFigure::doubleClicked);

    moveHome(kHomeRightMargin, kHomeBottomMargin);
}

void AssistantFigure::moveHome(int rightMargin, int bottomMargin)
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    move(screen.width() - width() - rightMargin, screen.height() - height() - bottomMargin);
}

void AssistantFigure::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    cues_.play(pelikor::SoundCue::FigureArrives);
    ErrorReport::attempt([this] { settings_.write(Settings::kAssistantKey, QStringLiteral("1")); });
}

void AssistantFigure::closeEvent(QCloseEvent* event)
{
    if (!isVisible() || programEnds_) {
        event->accept();
        return;
    }
    // Locked by an open dialog, the figure takes no command, closing included.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    cues_.play(pelikor::SoundCue::FigureLeaves);
    // A setting that cannot be written is reported; the figure goes anyway.
    ErrorReport::attempt([this] { settings_.write(Settings::kAssistantKey, QStringLiteral("0")); });
    event->accept();
    emit closed();
}

// The window system's close command, also where no window manager binds it
// to a borderless window.
void AssistantFigure::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}
