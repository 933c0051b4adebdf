#include "dialogs/DialogControls.h"

#include "widgets/FlatButton.h"
#include "widgets/LinkLabel.h"
#include "widgets/ProgramLabel.h"

#include <QFrame>
#include <QLabel>

namespace DialogControls {

namespace {

constexpr QSize kButtonSize(64, 20);
constexpr int kButtonRoundSize = 20;
constexpr int kRuleHeight = 2;

} // namespace

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& place, int style)
{
    auto* label = new ProgramLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    if (style & Bold) {
        QFont bold = parent->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    label->setAlignment((style & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(style & Wrapped);
    if (place.size().isEmpty()) {
        label->move(place.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(place);
    }
    return label;
}

QFrame* rule(QWidget* parent, const char* name, QPoint at, int width)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(at.x(), at.y(), width, kRuleHeight);
    return line;
}

LinkLabel* link(QWidget* parent, const char* name, const QString& caption, const QString& hint, const QRect& place)
{
    auto* link = new LinkLabel(parent);
    link->setObjectName(QLatin1String(name));
    link->setFont(parent->font());
    link->setCaption(caption);
    link->setStatusTip(hint);
    link->setGeometry(place);
    return link;
}

FlatButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint, QPoint at)
{
    auto* button = new FlatButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(parent->font());
    button->setCaption(caption);
    button->setStatusTip(hint);
    button->setRoundSize(kButtonRoundSize);
    button->setGeometry(QRect(at, kButtonSize));
    return button;
}

QFont font(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace DialogControls
