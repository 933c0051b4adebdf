#pragma once

#include "widgets/ColourNumber.h"
#include "widgets/FlatControl.h"

#include <QString>
#include <QWidget>

// Shape of a label's lamp.
enum class LinkLamp { Round, TriangleDown, TriangleUp };

// A clickable line of text with an indicator lamp at its left, used as a
// link in the balloon dialogs. Links standing in a column pass the focus
// up and down it with the arrow keys.
class LinkLabel : public FlatControl {
    Q_OBJECT

public:
    static constexpr int kTextGap = 5;     // between the lamp and the text
    static constexpr int kFocusMargin = 3; // focus frame left of the text

    explicit LinkLabel(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    ColourNumber labelColor() const { return labelColor_; }
    void setLabelColor(ColourNumber colour);
    LinkLamp lampShape() const { return lampShape_; }
    void setLampShape(LinkLamp type);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    bool isErasePending() const { return erasePending_; }
    // The lamp the label shows now, e.g. "OFFRND" or "DOWN3UP".
    QString lampName() const;
    // Where the caption is written.
    QRect textRect() const;
    // Where the focus frame is drawn while pressed or focused.
    QRect focusRect() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void pointerLeft() override;
    void clickedOnControl() override;
    bool followsArrow(int key) const override;

private:
    QString caption_ = QStringLiteral("OfficeLabel");
    ColourNumber labelColor_ = kClSilver;
    LinkLamp lampShape_ = LinkLamp::Round;
    bool transparent_ = true;

    bool erasePending_ = false;
};
