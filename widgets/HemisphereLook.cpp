#include "widgets/HemisphereLook.h"

int HemisphereLook::ringsWidth() const
{
    const int rings = (bevelOuter != THemisphereBevel::hbNone) + (bevelInner != THemisphereBevel::hbNone);
    return rings * bevelWidth;
}
