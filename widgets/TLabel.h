#pragma once

#include <QLabel>

// A label of the program's windows, text or picture. It looks disabled only
// when it is disabled itself: a window locked while a dialog is open keeps
// its labels and pictures as they were, as the program's windows always did.
class TLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
