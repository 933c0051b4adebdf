#pragma once

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogOwners.h"
#include "dialogs/Services.h"
#include "services/AppFolders.h"
#include "services/ManualLauncher.h"
#include "services/Settings.h"
#include "services/SoundCues.h"

#include <QString>

#include <functional>
#include <memory>

class CuePlayer;
class ResultHandOff;
class TDataModule1;
class TDotazKonecDialog;
class TGratulujiDialog;
class THlavniDialog;
class THraDialog;
class TNapovedaDialog;
class TOProgramuDialog;
class AssistantFigure;
class TStandardDialog;
class TTabulkaDialog;
class TUvitaniDialog;
class TVyberDialog;
class TVymazatDialog;
class TVysledekDialog;

// Owns every window of the program, created once at start in a fixed order
// and kept until the end, the services they share, and the connections
// by which one window opens another.
class PelikorWindows {
public:
    // `folders` say where the settings, the best table and the shipped
    // files lie; `player` plays the cue files; `progress` hears the start's
    // meter value (10 up to 100) after each step of the creation;
    // `mainWindowCreated` hears of the main window as soon as it exists.
    // Throws when the best table in its "Data" folder cannot be opened.
    PelikorWindows(const AppFolders& folders, std::unique_ptr<CuePlayer> player,
                   const std::function<void(int meter)>& progress = {},
                   const std::function<void(THlavniDialog&)>& mainWindowCreated = {});
    ~PelikorWindows();

    Services& services() { return services_; }
    THlavniDialog& HlavniDialog() { return *hlavniDialog_; }
    TUvitaniDialog& UvitaniDialog() { return *uvitaniDialog_; }
    TOProgramuDialog& OProgramuDialog() { return *oProgramuDialog_; }
    AssistantFigure& assistantFigure() { return *assistantFigure_; }
    TNapovedaDialog& NapovedaDialog() { return *napovedaDialog_; }

    // The new-game chain.
    TVyberDialog& VyberDialog() { return *vyberDialog_; }
    TStandardDialog& StandardDialog() { return *standardDialog_; }
    THraDialog& HraDialog() { return *hraDialog_; }
    TDataModule1& DataModule1() { return *dataModule1_; }
    TDotazKonecDialog& DotazKonecDialog() { return *dotazKonecDialog_; }
    TVysledekDialog& VysledekDialog() { return *vysledekDialog_; }
    TTabulkaDialog& TabulkaDialog() { return *tabulkaDialog_; }
    TVymazatDialog& VymazatDialog() { return *vymazatDialog_; }
    TGratulujiDialog& GratulujiDialog() { return *gratulujiDialog_; }

    // Shows the main window, the program's main form.
    void show();

private:
    void connectWindows();
    // The new-game command, the chooser and the dialogs of its two choices.
    void connectNewGame();
    // The monitor's hand-off, the result, the questions and the table view.
    void connectEndOfGame();

    Settings settings_;
    SoundCues cues_;
    ManualLauncher manual_;
    DialogOwners owners_;
    AssistantProtocol protocol_;
    Services services_;

    std::unique_ptr<THlavniDialog> hlavniDialog_;
    std::unique_ptr<TUvitaniDialog> uvitaniDialog_;
    std::unique_ptr<TOProgramuDialog> oProgramuDialog_;
    std::unique_ptr<AssistantFigure> assistantFigure_;
    std::unique_ptr<TNapovedaDialog> napovedaDialog_;

    std::unique_ptr<TVyberDialog> vyberDialog_;
    std::unique_ptr<TStandardDialog> standardDialog_;
    std::unique_ptr<THraDialog> hraDialog_;
    // The end of a game: the best table, the result, the questions and the
    // table view. The data module outlives every window that uses it.
    std::unique_ptr<TDataModule1> dataModule1_;
    std::unique_ptr<TDotazKonecDialog> dotazKonecDialog_;
    std::unique_ptr<TVysledekDialog> vysledekDialog_;
    std::unique_ptr<TTabulkaDialog> tabulkaDialog_;
    std::unique_ptr<TVymazatDialog> vymazatDialog_;
    std::unique_ptr<TGratulujiDialog> gratulujiDialog_;
    std::unique_ptr<ResultHandOff> resultHandOff_;
};
