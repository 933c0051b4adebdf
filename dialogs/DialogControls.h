#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class FlatButton;
class LinkLabel;
class QFrame;
class QLabel;
class QWidget;

// The controls the dialogs are made of, built the same way everywhere.
namespace DialogControls {

enum LabelStyle { Plain = 0, Bold = 1, Centred = 2, Wrapped = 4 };

// A label at `place`; a zero size fits it to its text.
QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& place, int style = Plain);
inline QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint at, int style = Plain)
{
    return label(parent, name, text, QRect(at, QSize()), style);
}

// A horizontal rule, an engraved line two pixels high.
QFrame* rule(QWidget* parent, const char* name, QPoint at, int width);

// A link-like label with its lamp, in the dialog's font.
LinkLabel* link(QWidget* parent, const char* name, const QString& caption, const QString& hint, const QRect& place);

// A rounded flat command button of the balloons: 64 x 20, corner size 20.
FlatButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint, QPoint at);

// The dialogs' fonts by family and pixel size.
QFont font(const QString& family, int pixels, bool bold = false);
inline const QString kTimesNewRoman = QStringLiteral("Times New Roman");
inline const QString kMsSansSerif = QStringLiteral("MS Sans Serif");

} // namespace DialogControls
