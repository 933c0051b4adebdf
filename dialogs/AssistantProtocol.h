#pragma once

#include <QRect>
#include <QString>

#include <functional>

class AssistantFigure;
class DialogOwners;
class ProgramDialog;
class QWidget;
class Settings;

// How a balloon dialog is opened beside the assistant figure: the setting
// "Pomocnik" read, the figure moved to its home corner when the balloon
// would not fit beside it, the figure shown where the setting says it is
// closed, the main window and the figure locked, the dialog placed and
// shown. Each kind of dialog has its row of rules.
class AssistantProtocol {
public:
    enum class Row {
        WelcomeAtStart,  // the main window's first show
        WelcomeOnFigure, // a click on the figure
        Help,            // F1, the welcome dialog's help link
        GameChooser,     // a new game
        Result,          // the end of a game: result or congratulation
        EndGame,         // giving a game up
        ClearTable,      // clearing the best table
    };

    // The figure is the owners' figure at the time of each call.
    AssistantProtocol(DialogOwners& owners, Settings& settings);

    // Opens `dialog` by its row, reading "Pomocnik" from the settings.
    void open(Row row, ProgramDialog& dialog);
    // The same with "Pomocnik" as the caller has already read it. `fill`,
    // when given, hands the dialog its inputs once the figure is placed and
    // the windows are locked, just before the dialog shows.
    void open(Row row, ProgramDialog& dialog, const QString& assistantSetting, const std::function<void()>& fill = {});

    // Places a dialog beside the figure as its row says; the dialogs that
    // place themselves do it when they are shown.
    void place(Row row, QWidget& dialog) const;

    // Where a dialog of `size` would stand beside the figure now.
    QRect placeFor(Row row, QSize size) const;
    // Whether the figure stands where a dialog of `size` would not fit beside it.
    bool mustRelocate(Row row, QSize size) const;

private:
    AssistantFigure& figure() const;

    DialogOwners& owners_;
    Settings& settings_;
};
