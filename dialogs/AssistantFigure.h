#pragma once

#include "widgets/PictureSource.h"

#include <QPixmap>
#include <QRegion>
#include <QWidget>

class Settings;
class ShapedPicture;
class SoundCues;

// The assistant figure "Pomocník": a borderless window in the shape of the
// figure, on top of everything near the bottom right corner of the screen.
// The player drags it with the mouse and closes it with the window
// system's close command; the setting "Pomocnik" follows its visibility.
class AssistantFigure : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{104, 104};

    // `picture` paints the figure for a screen's pixel ratio; `outline` is
    // the figure's region in logical pixels, the window's shape.
    AssistantFigure(Settings& settings, SoundCues& cues, PictureSource picture, const QRegion& outline);

    // Moves the figure to a corner of the screen `rightMargin` and
    // `bottomMargin` pixels in from the right and bottom edges.
    void moveHome(int rightMargin, int bottomMargin);

    ShapedPicture& shapedPicture() { return *shapedPicture_; }

    // The program ends: the figure goes with it without its goodbye, and
    // the next start shows it again if the player had not closed it.
    void programEnds() { programEnds_ = true; }

signals:
    // The figure was clicked to open the welcome dialog.
    void doubleClicked();
    // The figure was closed by the player.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Settings& settings_;
    SoundCues& cues_;
    ShapedPicture* shapedPicture_;
    bool programEnds_ = false;
};
