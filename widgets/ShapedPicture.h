#pragma once

#include "widgets/PictureSource.h"

#include <QByteArray>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

// A picture that fills its window and gives the window the picture's
// outline: the stored mask becomes the window's region, and dragging the
// picture with the left button moves the whole window.
class ShapedPicture : public QWidget {
    Q_OBJECT

public:
    // The parent window becomes frameless and the picture fills it.
    explicit ShapedPicture(QWidget* parent);

    // The picture drawn at the ratio of the form's current screen.
    QImage picture() const;
    // One picture for every screen. Drops the stored region; the window
    // keeps its current mask.
    void setPicture(const QPixmap& picture);
    // The picture for the ratio of the screen the form is on, asked at
    // every paint so that it stays sharp; on a finer screen the picture for
    // ratio 1 is drawn beneath it, so that every logical pixel the mask
    // lets through is covered as on a screen of ratio 1. Drops the stored
    // region like setPicture.
    void setPictureSource(PictureSource source);

    QRegion maskRegion() const { return region_; }
    // The stored form of the mask (see RegionData::toMaskStream).
    QByteArray maskStream() const;
    // Reads a stored mask and applies it to the window; a count of 0 leaves
    // the window rectangular. Throws std::runtime_error on bad data.
    void setMaskStream(const QByteArray& stream);

signals:
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    PictureSource source_;
    QRegion region_;
    bool dragging_ = false;
    QPoint dragOffset_; // the pointer's place on the window while it moves it
};
