#pragma once

#include "widgets/ColourNumber.h"
#include "widgets/HemisphereImages.h"
#include "widgets/HemisphereLook.h"

#include <QImage>
#include <QString>
#include <QWidget>

// A round push button drawn as a lit dome set into a lowered ring; the
// board's pegs and their twins are made of it. It reacts only inside its
// ellipse and lets the parent show through outside it.
class HemisphereButton : public QWidget {
    Q_OBJECT

public:
    explicit HemisphereButton(QWidget* parent = nullptr);

    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow);
    double attenControl() const { return look_.attenControl; }
    void setAttenControl(double atten);
    HemisphereBevel bevelInner() const { return look_.bevelInner; }
    void setBevelInner(HemisphereBevel bevel);
    HemisphereBevel bevelOuter() const { return look_.bevelOuter; }
    void setBevelOuter(HemisphereBevel bevel);
    int bevelWidth() const { return look_.bevelWidth; }
    void setBevelWidth(int width);
    ColourNumber borderColor() const { return look_.borderColor; }
    void setBorderColor(ColourNumber colour);
    HemisphereBorder borderStyle() const { return look_.borderStyle; }
    void setBorderStyle(HemisphereBorder style);
    QString caption() const { return look_.caption; }
    void setCaption(const QString& caption);
    bool isDown() const { return down_; }
    void setDown(bool down);
    ColourNumber faceColor() const { return look_.faceColor; }
    void setFaceColor(ColourNumber colour);
    bool faceShaded() const { return look_.faceShaded; }
    void setFaceShaded(bool shaded);
    bool faceTransparent() const { return look_.faceTransparent; }
    void setFaceTransparent(bool transparent);
    QImage glyph() const { return look_.glyph; }
    void setGlyph(const QImage& glyph);
    int glyphIndex() const { return look_.glyphIndex; }
    void setGlyphIndex(int index);
    bool glyphShaded() const { return look_.glyphShaded; }
    void setGlyphShaded(bool shaded);
    bool glyphMapped() const { return look_.glyphMapped; }
    void setGlyphMapped(bool mapped);
    bool glyphTransparent() const { return look_.glyphTransparent; }
    void setGlyphTransparent(bool transparent);
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);
    int numGlyphs() const { return look_.numGlyphs; }
    void setNumGlyphs(int count);

    // The pre-rendered pictures: up and down face, and the mask (black
    // where the button is opaque, white where the parent shows through),
    // at the control's size times its screen's device pixel ratio. They are
    // rendered when first needed after a change of look, size or ratio.
    const QImage& upImage() const;
    const QImage& downImage() const;
    const QImage& maskImage() const;

    // Whether a point in widget coordinates lies on the button's ellipse.
    bool isOnButton(QPoint point) const;

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    void mouseMove(Qt::KeyboardModifiers modifiers, QPoint point);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Marks the pictures stale; the next paint or picture read renders them.
    void invalidateLook();
    void ensureRendered() const;
    template <typename T>
    void setLook(T HemisphereLook::*property, const T& value);

    bool allowAllUp_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    HemisphereLook look_;

    bool tracking_ = false;
    bool pressState_ = false;

    mutable bool lookChanged_ = true;
    mutable HemisphereImages images_;
};
