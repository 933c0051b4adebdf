#pragma once

#include <QWidget>

// The hinted jump on the board: a ring around the peg that jumps and one
// around the hole it lands in, in a colour no peg or cursor uses. It lies
// over the pegs and lets every mouse event through to them; a screen
// reader reads it by the hint it shows.
class HintMark : public QWidget {
    Q_OBJECT

public:
    // Covers the whole of `board`, the board panel.
    explicit HintMark(QWidget* board);

    // Marks the jump from `source` into `target`, told as `hint`.
    void mark(int source, int target, const QString& hint);
    void clear();

    int source() const { return source_; }
    int target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int source_ = 0;
    int target_ = 0;
};
