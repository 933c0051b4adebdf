#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>

// Keeps what assistive technology hears of a change to many widgets at
// once down to what a screen reader needs. While one lives, the events of
// the widgets inside windows are dropped: a window shown brings all its
// controls, a window locked all of them, and a reader that hears each of
// them falls behind the player. Only the events of the window it names
// (shown, hidden) and the moves of the focus are kept, and told when the
// outermost one ends. A widget's state is still read when asked for, so
// nothing is lost but the noise.
class AccessibleQuiet {
public:
    // `window`: the window whose own events are told; none for a change of
    // which nothing is told (a lock).
    explicit AccessibleQuiet(const QObject* window = nullptr);
    ~AccessibleQuiet();

    AccessibleQuiet(const AccessibleQuiet&) = delete;
    AccessibleQuiet& operator=(const AccessibleQuiet&) = delete;

private:
    // An event kept to be told again; those that carry more than their
    // kind, object and child are never kept.
    struct Held {
        QPointer<QObject> object;
        QAccessible::Event type;
        int child;
        QAccessible::State changed;
    };

    static void hold(QAccessibleEvent* event);
    bool tells(const QAccessibleEvent& event) const;

    QPointer<const QObject> window_;
    bool named_;

    static QList<AccessibleQuiet*> open_;
    static QList<Held> held_;
    static QAccessible::UpdateHandler previous_;
};
