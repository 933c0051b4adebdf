#pragma once

#include <QWidget>

class QCalendarWidget;
class QFrame;
class QTreeView;

// The boss screen: a calendar, the folder tree of the current directory
// and a bar chart of a year's plan, over the whole client area of the main
// window, to hide a game from an unwelcome visitor.
class BossScreen : public QWidget {
    Q_OBJECT

public:
    explicit BossScreen(QWidget* parent);

    // Null until the screen is first shown.
    QCalendarWidget* calendar() const { return calendar_; }
    QTreeView* folderTree() const { return folderTree_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFrame* calendarPanel_;
    QCalendarWidget* calendar_ = nullptr;
    QTreeView* folderTree_;
    // The current directory when the screen was made, which its tree shows.
    QString startFolder_;
};
