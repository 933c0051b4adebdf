#pragma once

#include "widgets/PictureSource.h"

#include <QLabel>

// A label of the program's windows, text or picture. It looks disabled only
// when it is disabled itself: a window locked while a dialog is open keeps
// its labels and pictures as they were, as the program's windows always did.
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
