#pragma once

#include <optional>

// The program's answers on the terminal, given before any window exists,
// in Czech: --help and --version print and end the program with status 0;
// an unknown option or any other argument ends it with a message on the
// error output and kBadCommandLine. Returns the exit status when the
// program ends here, nothing when the game is to start.
std::optional<int> answerCommandLine(int argc, char** argv);

inline constexpr int kBadCommandLine = 2;
