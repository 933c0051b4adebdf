#pragma once

#include <QString>

class ScreenCamera;

// The splash half way through the start.
void shootSplash(ScreenCamera& camera);

// A second copy's warning beside the figure, in both colours of its blinking.
void shootSecondCopy(ScreenCamera& camera, const QString& applicationDir);
