#pragma once

#include <QString>

#include <exception>

// A failure as the player reads it, in the program's language: the cores'
// errors (the best table's, a file's, the settings file's) worded from
// what failed and which file; any other error by its own text.
QString errorText(const std::exception& error);
