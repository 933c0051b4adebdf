#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The program's current hint, for the status bar: the hint of whatever the
// pointer is over in any window of the program (a control without a hint
// of its own shows its parent's), or of the highlighted menu item. While
// the player uses the keyboard, the hint follows its focus too.
class HintWatcher : public QObject {
    Q_OBJECT

public:
    // Watches every window of the application from now on.
    explicit HintWatcher(QObject* parent = nullptr);
    ~HintWatcher() override;

    const QString& hint() const { return hint_; }

    // The hint a control shows: its own, or the nearest one of its parents.
    static QString hintOf(const QWidget* control);

signals:
    void hintChanged(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setHint(const QString& hint);
    // The hint of what the pointer is over now; none over no window of ours.
    static QString hintUnderPointer();

    QString hint_;
};
