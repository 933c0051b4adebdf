#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

// A keyboard cursor over the positions of a board, for the player without a
// mouse: it takes the focus in place of the positions' own controls and lets
// every mouse event through to them, moves with the arrow keys to the
// nearest position in the arrow's direction, and draws the house focus
// frame around its position while the keyboard is in use. What a position
// holds is its owner's to say; assistive technology reads every position as
// a button, and hears of the changes the owner reports.
class PositionCursor : public QWidget {
    Q_OBJECT

public:
    // A position as the player is told of it.
    struct Position {
        QString name;
        bool marked = false; // the peg selected on the board, or marked for removal
        QString hint;        // for the status bar; empty: the owner's own
    };
    using Describer = std::function<Position(int)>;

    // The frame stands `margin` pixels outside a position's place; its gaps
    // take `gaps` where the ground could swallow the dots.
    struct FrameLook {
        int margin = 0;
        QColor gaps = Qt::transparent;
    };

    // `places`: where the controls of positions 1, 2, ... lie in the parent.
    PositionCursor(const QList<QRect>& places, const FrameLook& look, QWidget* parent);

    int count() const { return int(places_.size()); }
    int position() const { return position_; }
    void setPosition(int n);
    // Where position n lies in the cursor's own coordinates.
    QRect place(int n) const;

    // Whether Enter activates a position like Space; otherwise it goes on
    // to the window.
    void setEnterActivates(bool activates) { enterActivates_ = activates; }

    void setDescriber(Describer describer);
    Position describe(int n) const;
    // The owner changed what the positions hold: the changed names and marks
    // are announced, and the hint follows.
    void positionsChanged();

    // Position n activated, as Space there does.
    void activate(int n);

    // What the last move did, said to the player: assistive technology reads
    // it as a notification shown after the positions (see announcement()).
    void announce(const QString& message);
    QString announcement() const { return announcement_; }

signals:
    void activated(int n);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QRect frameRect(int n) const;
    void announceFocus();
    // Keeps the cursor's hint that of its position, and shows it while the
    // cursor has the focus and the keyboard is in use.
    void followWithHint();

    FrameLook look_;
    QList<QRect> places_;
    int position_ = 1;
    bool enterActivates_ = false;
    Describer describer_;
    QList<Position> told_;
    QString announcement_;
};
