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
        makeCommand(aids, {"undoAction", PlayAids::tr("&Vrátit tah"), PlayAids::tr("Vezme zpět poslední tah"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &PlayAids::undo}),
        makeCommand(aids, {"redoAction", PlayAids::tr("&Opakovat tah"),
                           PlayAids::tr("Znovu zahraje tah, který byl vzat zpět"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                           &PlayAids::redo}),
        makeCommand(aids, {"startAgainAction", PlayAids::tr("Hrát &znovu"),
                           PlayAids::tr("Začne stejnou hru znovu od začátku"), {QKeySequence(Qt::CTRL | Qt::Key_R)},
                           &PlayAids::startAgain}),
        makeCommand(aids, {"hintAction", PlayAids::tr("&Poradit tah"),
                           PlayAids::tr("Označí tah, který vede k nejlepšímu konci"), {QKeySequence(Qt::Key_F4)},
                           &PlayAids::showHint}),
        makeCommand(aids, {"wayAction", PlayAids::tr("&Cesta k nejlepšímu konci"),
                           PlayAids::tr("Zahraje zbylé tahy k nejlepšímu konci"), {}, &PlayAids::playWay}),
    };
    const QList<QAction*> all{commands.undo, commands.redo, commands.startAgain, commands.hint, commands.way};

    auto* menu = new QMenu(PlayAids::tr("&Tahy"), &menuBar);
    menu->setObjectName(QStringLiteral("playMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("playMenuAction"));
    menu->menuAction()->setStatusTip(PlayAids::tr("Obsahuje příkazy pro vracení tahů a nápovědu"));
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
