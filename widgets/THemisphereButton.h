#pragma once

#include "TColor.h"

#include <QImage>
#include <QString>
#include <QWidget>

enum class THemisphereBevel { hbNone, hbLowered, hbRaised };
enum class THemisphereBorderStyle { bsNone, bsSingle };

// A round push button drawn as a lit dome set into a lowered ring; the
// board's pegs and their twins are made of it. It reacts only inside its
// ellipse and lets the parent show through outside it.
class THemisphereButton : public QWidget {
    Q_OBJECT

public:
    explicit THemisphereButton(QWidget* parent = nullptr);

    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow);
    double attenControl() const { return attenControl_; }
    void setAttenControl(double atten);
    THemisphereBevel bevelInner() const { return bevelInner_; }
    void setBevelInner(THemisphereBevel bevel);
    THemisphereBevel bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(THemisphereBevel bevel);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);
    TColor borderColor() const { return borderColor_; }
    void setBorderColor(TColor colour);
    THemisphereBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(THemisphereBorderStyle style);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool isDown() const { return down_; }
    void setDown(bool down);
    TColor faceColor() const { return faceColor_; }
    void setFaceColor(TColor colour);
    bool faceShaded() const { return faceShaded_; }
    void setFaceShaded(bool shaded);
    bool faceTransparent() const { return faceTransparent_; }
    void setFaceTransparent(bool transparent);
    QImage glyph() const { return glyph_; }
    void setGlyph(const QImage& glyph);
    int glyphIndex() const { return glyphIndex_; }
    void setGlyphIndex(int index);
    bool glyphShaded() const { return glyphShaded_; }
    void setGlyphShaded(bool shaded);
    bool glyphMapped() const { return glyphMapped_; }
    void setGlyphMapped(bool mapped);
    bool glyphTransparent() const { return glyphTransparent_; }
    void setGlyphTransparent(bool transparent);
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count);

    // The pre-rendered pictures: up and down face, and the mask (black
    // where the button is opaque, white where the parent shows through).
    // They are rendered when first needed after a change of look or size.
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
    void render() const;
    int ringsWidth() const;

    bool allowAllUp_ = false;
    double attenControl_ = 1.0;
    THemisphereBevel bevelInner_ = THemisphereBevel::hbNone;
    THemisphereBevel bevelOuter_ = THemisphereBevel::hbLowered;
    int bevelWidth_ = 2;
    TColor borderColor_ = kClGray;
    THemisphereBorderStyle borderStyle_ = THemisphereBorderStyle::bsNone;
    QString caption_;
    bool down_ = false;
    TColor faceColor_ = kClGray;
    bool faceShaded_ = true;
    bool faceTransparent_ = false;
    QImage glyph_;
    int glyphIndex_ = 1;
    bool glyphShaded_ = true;
    bool glyphMapped_ = false;
    bool glyphTransparent_ = true;
    int groupIndex_ = 0;
    int numGlyphs_ = 1;

    bool tracking_ = false;
    bool pressState_ = false;

    mutable bool lookChanged_ = true;
    mutable QImage upImage_;
    mutable QImage downImage_;
    mutable QImage maskImage_;
    mutable QImage upPaint_;   // up image, transparent outside the mask
    mutable QImage downPaint_; // down image, transparent outside the mask
};
