#include "dialogs/AssistantProtocol.h"

#include "dialogs/AssistantFigure.h"
#include "dialogs/DialogOwners.h"
#include "dialogs/ProgramDialog.h"
#include "services/Settings.h"

#include <QGuiApplication>
#include <QScreen>

#include <array>

namespace {

using Row = AssistantProtocol::Row;

// Which value of "Pomocnik" makes the figure show itself before the dialog.
enum class ShownWhen { Always, IsZero, IsNotOne };

// Beside the figure: above and to the left of it (the balloon's tail at its
// bottom right), or to its left with the bottom edges aligned.
enum class Side { AboveLeft, Left };

struct RowRule {
    ShownWhen shownWhen;
    // The figure is shown before the relocation test, not after it.
    bool shownFirst;
    Side side;
    // The relocation test. Above-left: left < W - Pw + slackX or
    // top < H + slackY. Left: left < W - slackX or
    // top > screen height - Pch - slackY.
    int slackX;
    int slackY;
    // The home corner's margins from the right and bottom screen edges.
    int homeRight;
    int homeBottom;
    // The dialog's offset from the figure's edge.
    int offset;
    // The caller places the dialog; the others place themselves when shown.
    bool callerPlaces;
};

constexpr std::array<RowRule, 7> kRows = {{
    {ShownWhen::Always, false, Side::AboveLeft, 0, 5, 7, 25, 38, false},     // WelcomeAtStart
    {ShownWhen::Always, false, Side::AboveLeft, 10, -28, 12, 30, 38, false}, // WelcomeOnFigure
    {ShownWhen::IsNotOne, false, Side::AboveLeft, 30, 10, 7, 25, 40, true},  // Help
    {ShownWhen::IsZero, true, Side::AboveLeft, 10, -28, 12, 30, 38, false},  // GameChooser
    {ShownWhen::IsZero, true, Side::AboveLeft, 10, -28, 12, 30, 38, false},  // Result
    {ShownWhen::IsNotOne, false, Side::Left, 45, 25, 7, 25, 45, true},       // EndGame
    {ShownWhen::IsNotOne, false, Side::Left, 45, 25, 7, 25, 45, true},       // ClearTable
}};

// The balloon's tail reaches this far below the figure's top edge.
constexpr int kTailDrop = 30;

const RowRule& ruleOf(Row row)
{
    return kRows[std::size_t(row)];
}

bool figureShows(ShownWhen when, const QString& assistantSetting)
{
    switch (when) {
    case ShownWhen::Always:
        return true;
    case ShownWhen::IsZero:
        return assistantSetting == QLatin1String("0");
    case ShownWhen::IsNotOne:
        return assistantSetting != QLatin1String("1");
    }
    return false;
}

// Showing the figure runs its show handler; one already shown only comes
// to the front.
void showFigure(AssistantFigure& figure)
{
    figure.show();
    figure.raise();
}

} // namespace

AssistantProtocol::AssistantProtocol(DialogOwners& owners, Settings& settings) : owners_(owners), settings_(settings) {}

AssistantFigure& AssistantProtocol::figure() const
{
    return *owners_.figure();
}

void AssistantProtocol::open(Row row, ProgramDialog& dialog)
{
    open(row, dialog, settings_.read(Settings::kAssistantKey));
}

void AssistantProtocol::open(Row row, ProgramDialog& dialog, const QString& assistantSetting,
                             const std::function<void()>& fill)
{
    const RowRule& rule = ruleOf(row);
    const bool shows = figureShows(rule.shownWhen, assistantSetting);
    if (shows && rule.shownFirst)
        showFigure(figure());
    if (mustRelocate(row, dialog.size())) {
        // Hidden and shown again, so the figure greets from its new place.
        figure().hide();
        figure().moveHome(rule.homeRight, rule.homeBottom);
        figure().show();
    }
    if (shows && !rule.shownFirst)
        showFigure(figure());
    owners_.disable();
    if (rule.callerPlaces)
        place(row, dialog);
    if (fill)
        fill();
    dialog.showDialog();
}

bool AssistantProtocol::mustRelocate(Row row, QSize size) const
{
    const RowRule& rule = ruleOf(row);
    const QRect figure = this->figure().frameGeometry();
    if (rule.side == Side::AboveLeft)
        return figure.left() < size.width() - figure.width() + rule.slackX
            || figure.top() < size.height() + rule.slackY;
    const int screenHeight = QGuiApplication::primaryScreen()->size().height();
    return figure.left() < size.width() - rule.slackX
        || figure.top() > screenHeight - this->figure().height() - rule.slackY;
}

QRect AssistantProtocol::placeFor(Row row, QSize size) const
{
    const RowRule& rule = ruleOf(row);
    const QRect figure = this->figure().frameGeometry();
    if (rule.side == Side::AboveLeft)
        return {figure.left() + figure.width() - size.width() - rule.offset,
                figure.top() - size.height() + kTailDrop, size.width(), size.height()};
    return {figure.left() - size.width() + rule.offset, figure.top() + figure.height() - size.height(), size.width(),
            size.height()};
}

void AssistantProtocol::place(Row row, QWidget& dialog) const
{
    dialog.move(placeFor(row, dialog.frameGeometry().size()).topLeft());
}
