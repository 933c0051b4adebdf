#pragma once

#include <QWidget>

// A white circle with a black outline: an empty hole of the board. It takes
// a press of any mouse button anywhere in its rectangle, at once.
class HoleShape : public QWidget {
    Q_OBJECT

public:
    explicit HoleShape(QWidget* parent = nullptr);

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
