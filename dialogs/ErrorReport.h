#pragma once

#include <QString>

#include <functional>
#include <optional>

// How a failure of the program's files reaches the player: one message box
// over the active window, titled with the program's name, after which the
// program goes on without the step that failed. The windows report where
// they reach the files, so that no error travels through Qt's event
// delivery.
namespace ErrorReport {

void show(const QString& message);

// Runs a step that reaches the files: the failure's message, or nothing
// when it was done.
std::optional<QString> failureOf(const std::function<void()>& step);

// Runs such a step and shows its failure. Returns whether it was done.
bool attempt(const std::function<void()>& step);

} // namespace ErrorReport
