#pragma once

#include "widgets/PictureSource.h"

#include <QLabel>

// A label of the program's windows, text or picture, whose text looks
// disabled only as the program's style says (ProgramStyle::looksEnabled).
class ProgramLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // A picture that follows the ratio of the label's screen; it is shown
    // instead of the pixmap, placed by the alignment or stretched over the
    // label as the pixmap would be.
    void setPictureSource(PictureSource source);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureSource source_;
};
