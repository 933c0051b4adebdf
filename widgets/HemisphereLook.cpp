#include "widgets/HemisphereLook.h"

int HemisphereLook::ringsWidth() const
{
    const int rings = (bevelOuter != HemisphereBevel::None) + (bevelInner != HemisphereBevel::None);
    return rings * bevelWidth;
}
