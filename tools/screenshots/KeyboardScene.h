#pragma once

class PelikorWindows;
class ScreenCamera;

// A standard game played from the keyboard: the cursor's frame on the peg
// it has just selected. Taken last, since from the first key on every
// window shows its keyboard focus.
void shootKeyboardScene(ScreenCamera& camera, PelikorWindows& windows);
