#pragma once

#include "widgets/ColourNumber.h"
#include "widgets/FlatControl.h"

#include <QString>
#include <QWidget>

// A flat rounded push button with a small indicator lamp; it draws only
// its outline on the parent's background until the pointer comes over it.
// With the keyboard focus it shows the house focus frame of dots, rounded
// like the button and three pixels inside its outline.
class FlatButton : public FlatControl {
    Q_OBJECT

public:
    static constexpr int kLampX = 7;
    static constexpr int kCaptionShift = 7;
    static constexpr int kFocusInset = 3;

    explicit FlatButton(QWidget* parent = nullptr);

    ColourNumber borderColor() const { return borderColor_; }
    void setBorderColor(ColourNumber colour);
    quint8 borderWidth() const { return borderWidth_; }
    void setBorderWidth(quint8 width);
    ColourNumber buttonColor() const { return buttonColor_; }
    void setButtonColor(ColourNumber colour);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int roundSize() const { return roundSize_; }
    void setRoundSize(int size);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    bool isShifted() const { return shifted_; }
    // The lamp the button shows now: "OFF", "ON" or "DOWN".
    QString lampName() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void pointerLeft() override;
    void pressBegan() override;
    void pressEnded() override;
    void clickedOnControl() override;

private:
    ColourNumber borderColor_ = kClGray;
    quint8 borderWidth_ = 1;
    ColourNumber buttonColor_ = kClSilver;
    QString caption_ = QStringLiteral("OfficeButton");
    int roundSize_ = 20;
    bool transparent_ = true;

    bool shifted_ = false;
};
