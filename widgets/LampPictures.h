#pragma once

#include "widgets/ColourNumber.h"

#include <QImage>
#include <QPixmap>
#include <QString>

// The indicator lamps of the flat buttons and labels, drawn once at first
// use and kept. Each lamp is a bitmap in which one colour stands for
// "transparent": white for the 11 x 11 button lamps "OFF", "ON", "DOWN",
// yellow for the 20 x 16 round lamps "OFFRND", "ONRND", "DOWNRND" and the
// 20 x 11 triangles "OFF3DWN", "ON3DWN", "DOWN3DWN", "OFF3UP", "ON3UP",
// "DOWN3UP".
class LampPictures {
public:
    static constexpr ColourNumber kButtonLampKey = 0xFFFFFF; // white
    static constexpr ColourNumber kLabelLampKey = 0x00FFFF;  // yellow

    // The bitmap with its transparent colour; a null image for an unknown name.
    static QImage bitmap(const QString& name);
    // The bitmap ready to draw: its transparent colour made see-through.
    static QPixmap pixmap(const QString& name);
    // The transparent colour of a lamp.
    static ColourNumber keyColour(const QString& name);
    // The first part of a lamp's name for the pointer's state over its
    // control: "OFF" away from it, "ON" over it, "DOWN" over it and pressed.
    static QString stateName(bool hot, bool pressed);
};
