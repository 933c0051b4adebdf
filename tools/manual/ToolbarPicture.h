#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

// The manual's picture of the main window's toolbar: its buttons' icons
// in their order and groups, each named below by the menu command it
// gives.
namespace manual {

inline constexpr const char* kToolbarPictureFile = "lista.png";

// As wide as the main window; the pages show it at its size, from
// twice as many pixels.
inline constexpr QSize kToolbarPictureSize(402, 116);
inline constexpr qreal kToolbarPictureRatio = 2.0;

// A button of the toolbar: the index of its icon among the menu and
// toolbar icons, and the command it gives, as its menu item names it.
struct ToolbarButton {
    int icon;
    QString command;
};
// Left to right, named in the language of the installed translation.
std::vector<ToolbarButton> toolbarButtons();

// Where the icon of the button at `index` of toolbarButtons() lies, in the
// picture's pixels at ratio 1.
QRect toolbarIconPlace(int index);

QImage toolbarPicture();

} // namespace manual
