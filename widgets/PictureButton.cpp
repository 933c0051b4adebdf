#include "widgets/PictureButton.h"

#include "widgets/FocusFrame.h"
#include "widgets/Frame3D.h"
#include "widgets/ProgramStyle.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

namespace {

constexpr QSize kNewSize(40, 40);
constexpr ColourNumber kClWindow = 0xFFFFFF;
constexpr ColourNumber kClWindowText = 0x000000;
// The focus frame lies inside the raised or sunken frame of the pointer.
constexpr int kFocusInset = 2;

// Only the left button presses it, and the press follows the pointer out
// of the button and back.
constexpr FlatControl::MouseRules kMouseRules{
    .pressButtons = Qt::LeftButton,
    .releaseButtons = Qt::LeftButton,
    .pressMakesHot = false,
    .pressFollowsPointer = true,
};

QImage pick(const PictureList& list, int index)
{
    return index >= 0 && index < list.size() ? list[index] : QImage();
}

// Colours of a frame's top-left and bottom-right sides.
struct FrameColours {
    ColourNumber topLeft;
    ColourNumber bottomRight;
};

constexpr FrameColours kRaised{kClBtnHighlight, kClBtnShadow};
constexpr FrameColours kSunken{kClBtnShadow, kClBtnHighlight};

} // namespace

PictureButton::PictureButton(QWidget* parent) : FlatControl(kMouseRules, parent), color_(kClWindow)
{
    resize(kNewSize);
    hiFont_ = font();
}

void PictureButton::setAutoGray(bool autoGray)
{
    autoGray_ = autoGray;
    update();
}

void PictureButton::setBorderWidth(int width)
{
    borderWidth_ = width;
    update();
}

void PictureButton::setCaption(const QString& caption)
{
    caption_ = caption;
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (key.isEmpty()) {
        delete accelerator_;
        accelerator_ = nullptr;
    } else if (accelerator_) {
        accelerator_->setKey(key);
    } else {
        accelerator_ = new QShortcut(key, this);
        connect(accelerator_, &QShortcut::activated, this, &PictureButton::click);
    }
    update();
}

void PictureButton::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void PictureButton::setColor(ColourNumber colour)
{
    color_ = colour;
    update();
}

void PictureButton::setDown(bool down)
{
    down_ = down;
    update();
}

void PictureButton::setHiFont(const QFont& font)
{
    hiFont_ = font;
    update();
}

void PictureButton::setFrameStyle(FrameStyle style)
{
    frameStyle_ = style;
    update();
}

void PictureButton::setShowPressed(bool show)
{
    showPressed_ = show;
    update();
}

void PictureButton::setSpacing(int spacing)
{
    spacing_ = spacing;
    update();
}

void PictureButton::setTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void PictureButton::setWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    update();
}

void PictureButton::setActiveImage(const PictureList& list)
{
    activeList_ = list;
    imagesChanged();
}

void PictureButton::setActiveIndex(int index)
{
    activeIndex_ = index;
    imagesChanged();
}

void PictureButton::setGrayImage(const PictureList& list)
{
    grayList_ = list;
    imagesChanged();
}

void PictureButton::setGrayIndex(int index)
{
    grayIndex_ = index;
    imagesChanged();
}

void PictureButton::setDisabledImage(const PictureList& list)
{
    disabledList_ = list;
    imagesChanged();
}

void PictureButton::setDisabledIndex(int index)
{
    disabledIndex_ = index;
    imagesChanged();
}

void PictureButton::setDownImage(const PictureList& list)
{
    downList_ = list;
    imagesChanged();
}

void PictureButton::setDownIndex(int index)
{
    downIndex_ = index;
    imagesChanged();
}

void PictureButton::imagesChanged()
{
    images_.reset();
    update();
}

// The gray and the engraved pictures are made when first drawn or asked
// for: a window of picture buttons is made at the start, long before it
// shows, and its buttons are given their lists and indices one by one.
const QList<QImage>& PictureButton::images() const
{
    if (!images_) {
        const QImage active = pick(activeList_, activeIndex_);
        const QImage disabled = pick(disabledList_, disabledIndex_);
        const QImage down = pick(downList_, downIndex_);
        const QImage gray = pick(grayList_, grayIndex_);
        images_ = QList<QImage>{
            active,
            disabled.isNull() ? disabledImage(active) : disabled,
            down.isNull() ? active : down,
            gray.isNull() ? grayImage(active) : gray,
        };
    }
    return *images_;
}

PictureButton::ImageSlot PictureButton::currentSlot() const
{
    if (!ProgramStyle::looksEnabled(this))
        return kDisabledSlot;
    if (isPressed())
        return kDownSlot;
    if (frameStyle_ == FrameStyle::WhileHot && autoGray_ && !isHot())
        return kGraySlot;
    return kActiveSlot;
}

QImage PictureButton::grayImage(const QImage& image)
{
    if (image.isNull())
        return {};
    QImage gray = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < gray.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(gray.scanLine(y));
        for (int x = 0; x < gray.width(); ++x) {
            const QRgb p = line[x];
            const int level = (30 * qRed(p) + 59 * qGreen(p) + 11 * qBlue(p)) / 100;
            line[x] = qRgba(level, level, level, qAlpha(p));
        }
    }
    return gray;
}

QImage PictureButton::disabledImage(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb corner = source.pixel(0, 0);
    const QRgb white = qRgb(255, 255, 255);
    QImage result(source.size(), QImage::Format_ARGB32);
    result.setDevicePixelRatio(source.devicePixelRatio());
    result.fill(Qt::transparent);
    // The highlight lies one of the button's pixels off, however many
    // device pixels that is.
    const int offset = std::max(1, qRound(source.devicePixelRatio()));
    const QRgb highlight = toQColor(kClBtnHighlight).rgb();
    const QRgb shadow = toQColor(kClBtnShadow).rgb();
    const auto isFigure = [&](int x, int y) {
        const QRgb p = reinterpret_cast<const QRgb*>(source.constScanLine(y))[x];
        return p != corner && p != white && qAlpha(p) != 0;
    };
    const auto put = [&](int x, int y, QRgb colour) { reinterpret_cast<QRgb*>(result.scanLine(y))[x] = colour; };
    for (int y = 0; y + offset < source.height(); ++y)
        for (int x = 0; x + offset < source.width(); ++x)
            if (isFigure(x, y))
                put(x + offset, y + offset, highlight);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (isFigure(x, y))
                put(x, y, shadow);
    return result;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), toQColor(color_));

    const QImage& image = images()[currentSlot()];
    if (!image.isNull()) {
        const int shift = isPressed() && showPressed_ ? 1 : 0;
        const QSize size = image.deviceIndependentSize().toSize();
        const QPoint at((width() - size.width()) / 2 + shift, (height() - size.height()) / 2 + shift);
        painter.drawImage(at, image);
    }

    if (!caption_.isEmpty()) {
        painter.setFont(isHot() ? hiFont_ : font());
        painter.setPen(toQColor(ProgramStyle::looksEnabled(this) ? kClWindowText : kClGray));
        const int flags = int(alignment_) | Qt::TextShowMnemonic | (wordWrap_ ? Qt::TextWordWrap : 0);
        painter.drawText(rect().adjusted(spacing_, spacing_, -spacing_, -spacing_), flags, caption_);
    }

    drawFrame(painter);
    if (showsFocus())
        drawFocusFrame(painter, rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset));
}

void PictureButton::drawFrame(QPainter& painter) const
{
    FrameColours colours{};
    switch (frameStyle_) {
    case FrameStyle::None: return;
    case FrameStyle::WhileHot:
        if ((isPressed() && showPressed_) || down_)
            colours = kSunken;
        else if (isHot())
            colours = kRaised;
        else
            return;
        break;
    case FrameStyle::Regular: colours = {kClBtnHighlight, kCl3DDkShadow}; break;
    case FrameStyle::Indent: colours = kSunken; break;
    case FrameStyle::Light: colours = {kClBtnHighlight, kCl3DLight}; break;
    case FrameStyle::Dark: colours = {kCl3DLight, kCl3DDkShadow}; break;
    case FrameStyle::Mono: colours = {kCl3DDkShadow, kCl3DDkShadow}; break;
    }
    drawFrame3D(painter, rect(), colours.topLeft, colours.bottomRight, borderWidth_);
}

void PictureButton::clickedOnControl()
{
    emit clicked();
}
