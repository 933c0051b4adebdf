#include "widgets/KeyboardCues.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace KeyboardCues {

namespace {

bool shown_ = false;

void setShown(bool shown)
{
    if (shown == shown_)
        return;
    shown_ = shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->setAttribute(Qt::WA_KeyboardFocusChange, shown);
        if (QWidget* focus = window->focusWidget())
            focus->update();
    }
}

// A mouse button going down: a press, also the second press of a double
// click.
bool isButtonDown(const QEvent* event)
{
    const auto* mouse = event->isSinglePointEvent() ? dynamic_cast<const QMouseEvent*>(event) : nullptr;
    return mouse && mouse->button() != Qt::NoButton && mouse->buttons().testFlag(mouse->button());
}

class InputWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        // A key that is a shortcut (F2) is offered as one and never pressed.
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            setShown(true);
            break;
        default:
            if (isButtonDown(event))
                setShown(false);
            break;
        }
        return false;
    }
};

} // namespace

void follow()
{
    // One watcher per application object; a new application (as a test
    // makes one after another) starts with the mouse again.
    static QPointer<InputWatcher> watcher;
    if (watcher || !qApp)
        return;
    shown_ = false;
    watcher = new InputWatcher(qApp);
    qApp->installEventFilter(watcher);
}

bool shown()
{
    return shown_;
}

} // namespace KeyboardCues
