#pragma once

#include <QImage>

#include <functional>

// Where a control takes a picture painted by code: the picture for a device
// pixel ratio. Controls ask it at every paint with their screen's ratio, so
// a window moved to a finer screen shows a sharper picture of the same
// size.
using PictureSource = std::function<QImage(qreal dpr)>;
