#include "PelikorWindows.h"

#include "THlavniDialog.h"

PelikorWindows::PelikorWindows() : hlavniDialog_(std::make_unique<THlavniDialog>()) {}

PelikorWindows::~PelikorWindows() = default;

void PelikorWindows::show()
{
    hlavniDialog_->show();
}
