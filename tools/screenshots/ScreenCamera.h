#pragma once

#include <QDir>
#include <QImage>
#include <QMap>
#include <QRect>
#include <QString>

class QWidget;

// Takes pictures of the X screen, shaped windows with what lies beneath
// them, once the program has painted what it was just told to show.
class ScreenCamera {
public:
    explicit ScreenCamera(const QDir& folder) : folder_(folder) {}

    // Saves the picture of `area` as `name`.png. With `changedFrom`, the
    // name of an earlier picture of the same area, it waits for the screen
    // to differ from it and fails when it never does: a picture of a new
    // moment that shows the old one is a wrong picture.
    bool shoot(const QString& name, const QRect& area, const QString& changedFrom = {});

    // Lets the event loop run until the window is on the screen.
    void waitUntilShown(const QWidget& window) const;

    int failures() const { return failures_; }

private:
    QImage settledPicture(const QRect& area, const QImage& before) const;

    QDir folder_;
    QMap<QString, QImage> taken_;
    int failures_ = 0;
};
