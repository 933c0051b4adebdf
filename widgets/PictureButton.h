#pragma once

#include "widgets/ColourNumber.h"
#include "widgets/FlatControl.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class QShortcut;

// How a picture button frames itself; WhileHot shows a frame only while
// the pointer is over the button or it is pressed.
enum class FrameStyle { Regular, Indent, WhileHot, None, Light, Dark, Mono };

// A list of pictures of one size from which a button takes one by index.
using PictureList = QList<QImage>;

// A flat picture button that lights up under the pointer: gray until the
// pointer is over it, in colour while hot, engraved while disabled. The
// arrow keys pass the focus among the picture buttons of a window; the
// focused one shows the house focus frame of dots inside its edge.
class PictureButton : public FlatControl {
    Q_OBJECT

public:
    // Positions in the internal image list.
    enum ImageSlot { kActiveSlot = 0, kDisabledSlot = 1, kDownSlot = 2, kGraySlot = 3 };

    explicit PictureButton(QWidget* parent = nullptr);

    bool autoGray() const { return autoGray_; }
    void setAutoGray(bool autoGray);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    QString caption() const { return caption_; }
    // An "&" in the caption marks its accelerator key: Alt and the key
    // clicks the button.
    void setCaption(const QString& caption);
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    ColourNumber color() const { return color_; }
    void setColor(ColourNumber colour);
    bool isDown() const { return down_; }
    void setDown(bool down);
    QFont hiFont() const { return hiFont_; }
    void setHiFont(const QFont& font);
    FrameStyle frameStyle() const { return frameStyle_; }
    void setFrameStyle(FrameStyle style);
    bool showPressed() const { return showPressed_; }
    void setShowPressed(bool show);
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

    // Image lists and indices; an index of -1 or outside its list is unset.
    void setActiveImage(const PictureList& list);
    void setActiveIndex(int index);
    int activeIndex() const { return activeIndex_; }
    void setGrayImage(const PictureList& list);
    void setGrayIndex(int index);
    int grayIndex() const { return grayIndex_; }
    void setDisabledImage(const PictureList& list);
    void setDisabledIndex(int index);
    int disabledIndex() const { return disabledIndex_; }
    void setDownImage(const PictureList& list);
    void setDownIndex(int index);
    int downIndex() const { return downIndex_; }

    // The four pictures the button draws from, by ImageSlot.
    const QList<QImage>& images() const;
    // The slot drawn in the current state.
    ImageSlot currentSlot() const;

    // Pictures may carry a device pixel ratio; they are drawn at their
    // logical size, and the generated ones keep the ratio.

    // Each pixel the gray (30 red + 59 green + 11 blue) / 100 of itself.
    static QImage grayImage(const QImage& image);
    // The picture engraved: white and top-left-coloured pixels become
    // background, the rest is drawn in the highlight colour one logical
    // pixel right and down and in the shadow colour over it.
    static QImage disabledImage(const QImage& image);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool staysPressed() const override { return down_; }
    void clickedOnControl() override;
    bool followsArrow(int) const override { return true; }

private:
    void imagesChanged();
    void drawFrame(QPainter& painter) const;

    bool autoGray_ = true;
    int borderWidth_ = 1;
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    ColourNumber color_;
    bool down_ = false;
    QFont hiFont_;
    FrameStyle frameStyle_ = FrameStyle::WhileHot;
    bool showPressed_ = true;
    int spacing_ = 2;
    bool transparent_ = true;
    bool wordWrap_ = false;

    PictureList activeList_, grayList_, disabledList_, downList_;
    int activeIndex_ = -1, grayIndex_ = -1, disabledIndex_ = -1, downIndex_ = -1;
    // Derived from the lists and indices; empty while one of them changed.
    mutable std::optional<QList<QImage>> images_;

    QShortcut* accelerator_ = nullptr;
};
