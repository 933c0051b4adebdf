#include "frame/PlayCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// One of the aids' commands: its caption, status-bar hint, keys and handler.
struct PlayCommand {
    const char* name;
    QString caption;
    QString hint;
    QList<QKeySequence> keys;
    void (PlayAids::*handler)();
};

QAction* makeCommand(PlayAids& aids, const PlayCommand& command)
{
    auto* action = new QAction(command.caption, &aids);
    action->setObjectName(QLatin1String(command.name));
    action->setStatusTip(command.hint);
    action->setShortcuts(command.keys);
    QObject::connect(action, &QAction::triggered, &aids, command.handler);
    return action;
}

} // namespace

PlayAids::Commands addPlayCommands(PlayAids& aids, QMenuBar& menuBar, QMenu& popup, QWidget& board)
{
    const PlayAids::Commands commands{
        makeCommand(aids, {"undoAction", QStringLiteral("&Vrátit tah"), QStringLiteral("Vezme zpět poslední tah"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &PlayAids::undo}),
        makeCommand(aids, {"redoAction", QStringLiteral("&Opakovat tah"),
                           QStringLiteral("Znovu zahraje tah, který byl vzat zpět"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                           &PlayAids::redo}),
        makeCommand(aids, {"startAgainAction", QStringLiteral("Hrát &znovu"),
                           QStringLiteral("Začne stejnou hru znovu od začátku"), {QKeySequence(Qt::CTRL | Qt::Key_R)},
                           &PlayAids::startAgain}),
        makeCommand(aids, {"hintAction", QStringLiteral("&Poradit tah"),
                           QStringLiteral("Označí tah, který vede k nejlepšímu konci"), {QKeySequence(Qt::Key_F4)},
                           &PlayAids::showHint}),
        makeCommand(aids, {"wayAction", QStringLiteral("&Cesta k nejlepšímu konci"),
                           QStringLiteral("Zahraje zbylé tahy k nejlepšímu konci"), {}, &PlayAids::playWay}),
    };
    const QList<QAction*> all{commands.undo, commands.redo, commands.startAgain, commands.hint, commands.way};

    auto* menu = new QMenu(QStringLiteral("&Tahy"), &menuBar);
    menu->setObjectName(QStringLiteral("playMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("playMenuAction"));
    menu->menuAction()->setStatusTip(QStringLiteral("Obsahuje příkazy pro vracení tahů a nápovědu"));
    menu->addActions({commands.undo, commands.redo});
    menu->addSeparator()->setObjectName(QStringLiteral("playSeparator"));
    menu->addActions({commands.startAgain, commands.hint, commands.way});
    // The second menu of the bar, before the tools.
    menuBar.insertMenu(menuBar.actions().value(1), menu);

    popup.addSeparator()->setObjectName(QStringLiteral("popupPlaySeparator"));
    popup.addActions(all);
    board.addActions(all);
    return commands;
}
