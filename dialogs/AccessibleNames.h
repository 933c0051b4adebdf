#pragma once

// Lets assistive technology know the program's own controls: the links and
// buttons by their roles, each named in Czech after its caption, or after
// its hint where it has none, and the dialogs after their hints. A name
// given by hand (a peg's "Kámen 17") comes first. Qt's own controls name
// themselves after their text. Installed once per program.
namespace AccessibleNames {

void install();

} // namespace AccessibleNames
