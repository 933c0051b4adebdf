#pragma once

#include <QList>
#include <QWidget>

// One window with every flat control, picture button, gradient text and
// meter of the widget set, each in its states side by side.
class GalleryPanel : public QWidget {
    Q_OBJECT

public:
    explicit GalleryPanel(QWidget* parent = nullptr);

    // Puts the samples that show the hot and pressed states into them;
    // called once the panel is on screen.
    void showStates();

private:
    void addHeading(const QString& text, int y);
    void addNote(const QString& text, QRect where);
    void addFlatButtons();
    void addLinkLabels();
    void addPictureButtons();
    void addGradientTexts();
    void addMeters();

    QList<QWidget*> hotSamples_;
    QList<QWidget*> pressedSamples_;
};
