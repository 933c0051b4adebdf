#pragma once

#include "widgets/GradientText.h"

#include <QString>

// The program's name and version as its title pictures show them: letters
// running from red to blue, Times New Roman, bold italic.
namespace GradientTitle {

inline const QString kName = QStringLiteral("Pelikor 2000");
// The version in the program's language.
QString version();
// The letters' sizes of the titles, in the order the start makes them: on
// the splash, on the main window's idle screen and in the about box.
inline constexpr int kSplashNamePixels = 37;
inline constexpr int kSplashVersionPixels = 19;
inline constexpr int kIdleNamePixels = 32;
inline constexpr int kIdleVersionPixels = 15;
inline constexpr int kAboutNamePixels = 29;
inline constexpr int kAboutVersionPixels = 19;

// Paints the title `text` in letters of `pixels` at the pixel ratio `dpr`
// for makeGradientTitle to take once; meant for a thread beside the main
// thread, once the application exists.
void prepare(const QString& text, int pixels, qreal dpr);

} // namespace GradientTitle

// A title `text` in letters of `pixels`, sized to its text on one line.
// When its picture was prepared for the control's pixel ratio, the title
// takes it and does not measure or paint the letters itself.
GradientText* makeGradientTitle(QWidget* parent, const QString& name, const QString& text, int pixels);
