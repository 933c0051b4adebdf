#pragma once

#include "widgets/BalloonShape.h"

#include <QObject>
#include <QRegion>

class QWidget;

// Gives its form the outline of a speech balloon: a rounded body and a
// triangular tail, with a black outline painted under the form's own
// painting. The form becomes frameless and exists on screen only inside
// the balloon.
class BalloonShaper : public QObject {
    Q_OBJECT

public:
    static constexpr int kDefaultEllipse = 20;
    static constexpr int kDefaultIndent = 15;

    // Throws std::invalid_argument when the owner is not a top-level window.
    explicit BalloonShaper(QWidget* owner);

    bool reshape() const { return reshape_; }
    void setReshape(bool reshape);
    BalloonTail balloonPosition() const { return position_; }
    void setBalloonPosition(BalloonTail position);
    int balloonEllipse() const { return ellipse_; }
    void setBalloonEllipse(int ellipse);
    int balloonIndent() const { return indent_; }
    void setBalloonIndent(int indent);

    // Shapes the form now, as loading the form does when Reshape is set;
    // the form is shaped by itself when it is first shown.
    void applyShape();
    bool isApplied() const { return applied_; }

    // The balloon for the form's current size and the properties.
    BalloonShape shape() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeFrameless();
    void paintOutline();

    QWidget* form_;
    bool reshape_ = false;
    BalloonTail position_ = BalloonTail::TopLeft;
    int ellipse_ = kDefaultEllipse;
    int indent_ = kDefaultIndent;
    bool applied_ = false;
    QRegion outline_;
};
