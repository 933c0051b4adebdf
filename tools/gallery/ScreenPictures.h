#pragma once

#include <QDir>
#include <QList>
#include <QWidget>

// Pictures of the gallery as it stands on the screen, shaped windows
// included: the whole screen, each window's area, and the lamps enlarged.
class ScreenPictures {
public:
    explicit ScreenPictures(const QDir& folder) : folder_(folder) {}

    // Returns false when a picture could not be taken or saved.
    bool saveScreen(const QString& name);
    bool saveArea(const QString& name, const QRect& area);
    bool saveLamps(const QString& name);

private:
    bool save(const QImage& picture, const QString& name);

    QDir folder_;
    QImage screen_;
};
