#pragma once

#include "game/core/Monitor.h"

#include <QObject>
#include <QString>

class AssistantProtocol;
class TGratulujiDialog;
class THlavniDialog;
class TVysledekDialog;

// The hand-off of a finished game within the monitor's tick: after a
// perfect finish the board is refilled and the congratulation opens, after
// any other end the result dialog. Either opens beside the figure and
// receives the running game's result once the figure is placed and the
// windows are locked, just before it shows.
class ResultHandOff : public QObject {
    Q_OBJECT

public:
    ResultHandOff(THlavniDialog& main, TVysledekDialog& vysledek, TGratulujiDialog& gratuluji,
                  AssistantProtocol& protocol);

    // `pomocnik` is the assistant setting the tick read.
    void GameFinished(pelikor::Outcome outcome, const QString& pomocnik);

private:
    THlavniDialog& main_;
    TVysledekDialog& vysledek_;
    TGratulujiDialog& gratuluji_;
    AssistantProtocol& protocol_;
};
