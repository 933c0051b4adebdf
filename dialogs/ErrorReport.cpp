#include "dialogs/ErrorReport.h"

#include "services/CoreErrorText.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace ErrorReport {

void show(const QString& message)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

std::optional<QString> failureOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception& error) {
        return errorText(error);
    }
    return std::nullopt;
}

bool attempt(const std::function<void()>& step)
{
    const std::optional<QString> failure = failureOf(step);
    if (failure)
        show(*failure);
    return !failure;
}

} // namespace ErrorReport
