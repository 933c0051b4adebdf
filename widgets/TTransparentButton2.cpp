#include "widgets/TTransparentButton2.h"

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

QImage pick(const TImageList& list, int index)
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

TTransparentButton2::TTransparentButton2(QWidget* parent) : FlatControl(kMouseRules, parent), color_(kClWindow)
{
    resize(kNewSize);
    hiFont_ = font();
}

void TTransparentButton2::setAutoGray(bool autoGray)
{
    autoGray_ = autoGray;
    update();
}

void TTransparentButton2::setBorderWidth(int width)
{
    borderWidth_ = width;
    update();
}

void TTransparentButton2::setCaption(const QString& caption)
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
        connect(accelerator_, &QShortcut::activated, this, &TTransparentButton2::click);
    }
    update();
}

void TTransparentButton2::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void TTransparentButton2::setColor(ColourNumber colour)
{
    color_ = colour;
    update();
}

void TTransparentButton2::setDown(bool down)
{
    down_ = down;
    update();
}

void TTransparentButton2::setHiFont(const QFont& font)
{
    hiFont_ = font;
    update();
}

void TTransparentButton2::setFrameStyle(TFrameStyle style)
{
    frameStyle_ = style;
    update();
}

void TTransparentButton2::setShowPressed(bool show)
{
    showPressed_ = show;
    update();
}

void TTransparentButton2::setSpacing(int spacing)
{
    spacing_ = spacing;
    update();
}

void TTransparentButton2::setTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void TTransparentButton2::setWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    update();
}

void TTransparentButton2::setActiveImage(const TImageList& list)
{
    activeList_ = list;
    imagesChanged();
}

void TTransparentButton2::setActiveIndex(int index)
{
    activeIndex_ = index;
    imagesChanged();
}

void TTransparentButton2::setGrayImage(const TImageList& list)
{
    grayList_ = list;
    imagesChanged();
}

void TTransparentButton2::setGrayIndex(int index)
{
    grayIndex_ = index;
    imagesChanged();
}

void TTransparentButton2::setDisabledImage(const TImageList& list)
{
    disabledList_ = list;
    imagesChanged();
}

void TTransparentButton2::setDisabledIndex(int index)
{
    disabledIndex_ = index;
    imagesChanged();
}

void TTransparentButton2::setDownImage(const TImageList& list)
{
    downList_ = list;
    imagesChanged();
}

void TTransparentButton2::setDownIndex(int index)
{
    downIndex_ = index;
    imagesChanged();
}

void TTransparentButton2::imagesChanged()
{
    images_.reset();
    update();
}

// The gray and the engraved pictures are made when first drawn or asked
// for: a window of picture buttons is made at the start, long before it
// shows, and its buttons are given their lists and indices one by one.
const QList<QImage>& TTransparentButton2::images() const
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

TTransparentButton2::ImageSlot TTransparentButton2::currentSlot() const
{
    if (!ProgramStyle::looksEnabled(this))
        return kDisabledSlot;
    if (isPressed())
        return kDownSlot;
    if (frameStyle_ == TFrameStyle::fsExplorer && autoGray_ && !isHot())
        return kGraySlot;
    return kActiveSlot;
}

QImage TTransparentButton2::grayImage(const QImage& image)
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

QImage TTransparentButton2::disabledImage(const QImage& image)
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

void TTransparentButton2::paintEvent(QPaintEvent*)
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

void TTransparentButton2::drawFrame(QPainter& painter) const
{
    FrameColours colours{};
    switch (frameStyle_) {
    case TFrameStyle::fsNone: return;
    case TFrameStyle::fsExplorer:
        if ((isPressed() && showPressed_) || down_)
            colours = kSunken;
        else if (isHot())
            colours = kRaised;
        else
            return;
        break;
    case TFrameStyle::fsRegular: colours = {kClBtnHighlight, kCl3DDkShadow}; break;
    case TFrameStyle::fsIndent: colours = kSunken; break;
    case TFrameStyle::fsLight: colours = {kClBtnHighlight, kCl3DLight}; break;
    case TFrameStyle::fsDark: colours = {kCl3DLight, kCl3DDkShadow}; break;
    case TFrameStyle::fsMono: colours = {kCl3DDkShadow, kCl3DDkShadow}; break;
    }
    drawFrame3D(painter, rect(), colours.topLeft, colours.bottomRight, borderWidth_);
}

void TTransparentButton2::clickedOnControl()
{
    emit clicked();
}
