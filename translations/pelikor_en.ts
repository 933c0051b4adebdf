<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>AboutBox</name>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Uzavře dialogové okno s informacemi o programu</source>
        <translation>Closes the dialog about the program</translation>
    </message>
    <message>
        <source>Informace o programu</source>
        <translation>About the program</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Kámen, řada %1, sloupec %2</source>
        <translation>Peg, row %1, column %2</translation>
    </message>
    <message>
        <source>Volný bod, řada %1, sloupec %2</source>
        <translation>Empty hole, row %1, column %2</translation>
    </message>
    <message>
        <source>Vybrán kámen, řada %1, sloupec %2</source>
        <translation>Peg selected, row %1, column %2</translation>
    </message>
    <message>
        <source>Skok z řady %1, sloupce %2 přes řadu %3, sloupec %4 na řadu %5, sloupec %6. Zbylé kameny: %7</source>
        <translation>Jump from row %1, column %2 over row %3, column %4 to row %5, column %6. Pegs left: %7</translation>
    </message>
    <message>
        <source>Skok na řadu %1, sloupec %2 není možný</source>
        <translation>No jump to row %1, column %2</translation>
    </message>
</context>
<context>
    <name>AssistantFigure</name>
    <message>
        <source>Pomocník</source>
        <translation>Assistant</translation>
    </message>
    <message>
        <source>Pomocník Kolvex</source>
        <translation>Kolvex the assistant</translation>
    </message>
</context>
<context>
    <name>BestGrid</name>
    <message>
        <source>Jméno</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Zbytek</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>BestTableView</name>
    <message>
        <source>Standardní</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Volitelná %1</source>
        <translation>Optional %1</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Tabulka nejlepších hráčů</source>
        <translation>Best scores</translation>
    </message>
    <message>
        <source>Nejlepší hráči: %1</source>
        <translation>Best scores: %1</translation>
    </message>
</context>
<context>
    <name>BoardPanel</name>
    <message>
        <source>Hrací pole</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Volný bod</source>
        <translation>Empty hole</translation>
    </message>
    <message>
        <source>Hrací kámen</source>
        <translation>Peg</translation>
    </message>
    <message>
        <source>Zbylé kameny: %1</source>
        <translation>Pegs left: %1</translation>
    </message>
</context>
<context>
    <name>ClearTableQuestion</name>
    <message>
        <source>Opravdu chcete vymazat tabulku nejlepších ?</source>
        <translation>Do you really want to clear the best scores?</translation>
    </message>
    <message>
        <source>Vymaže tabulku nejlepšíchi a uzavře dialogové okno</source>
        <translation>Clears the best scores and closes the dialog</translation>
    </message>
    <message>
        <source>Uzavře dialogové okno bez vymazání tabulky nejlepších</source>
        <translation>Closes the dialog without clearing the best scores</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pelikor 2000, verze %1
</source>
        <translation>Pelikor 2000, version %1
</translation>
    </message>
    <message>
        <source>Použití: %1 [volby]
Hlavolam se skákajícími kameny: skákejte kameny přes sousední, dokud nezbude jediný.

Volby:
</source>
        <translation>Usage: %1 [options]
Peg solitaire: jump pegs over their neighbours until only one is left.

Options:
</translation>
    </message>
    <message>
        <source>%1: neznámá volba %2
</source>
        <translation>%1: unknown option %2
</translation>
    </message>
    <message>
        <source>%1: nečekaný argument %2
</source>
        <translation>%1: unexpected argument %2
</translation>
    </message>
    <message>
        <source>%1: chybně zadané volby: %2
</source>
        <translation>%1: wrong options: %2
</translation>
    </message>
    <message>
        <source>Nápovědu vypíše %1 --help
</source>
        <translation>For help, run %1 --help
</translation>
    </message>
    <message>
        <source>Vypíše tuto nápovědu a skončí.</source>
        <translation>Prints this help and exits.</translation>
    </message>
    <message>
        <source>Vypíše verzi programu a skončí.</source>
        <translation>Prints the version of the program and exits.</translation>
    </message>
</context>
<context>
    <name>CongratulationBalloon</name>
    <message>
        <source>Výsledek aktuální hry</source>
        <translation>Result of the current game</translation>
    </message>
    <message>
        <source>Právě jste dosáhl(a) nejnižšího počtu zbylých hracích kamenů, přičemž jedinný zbylý hrací kámen je umístěn ve středu hracího pole.</source>
        <translation>You have just left the fewest pegs possible, and the only peg left stands in the centre of the board.</translation>
    </message>
    <message>
        <source>Pokud jste hrál(a) standardní typ hry, při které je použit nejvyžší stupeň obtížnosti, tak jste génius a zasloužíte obdiv.</source>
        <translation>If you played the standard game, the hardest of all, you are a genius and deserve admiration.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Uzavře dialogové okno</source>
        <translation>Closes the dialog</translation>
    </message>
    <message>
        <source>Gratuluji</source>
        <translation>Congratulations</translation>
    </message>
</context>
<context>
    <name>CoreErrorText</name>
    <message>
        <source>Tabulka nejlepších &quot;%1&quot; je poškozená nebo to není tabulka nejlepších.</source>
        <translation>The best table &quot;%1&quot; is damaged or not a best table.</translation>
    </message>
    <message>
        <source>Index &quot;%1&quot; je poškozený.</source>
        <translation>The index &quot;%1&quot; is damaged.</translation>
    </message>
    <message>
        <source>Index &quot;%1&quot; neodpovídá své tabulce.</source>
        <translation>The index &quot;%1&quot; does not match its table.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších &quot;%1&quot; je označena jinou kódovou stránkou (ovladač jazyka %2); tento program zapisuje jen kódovou stránku 1250 (0xC8).</source>
        <translation>The best table &quot;%1&quot; is marked with another code page (language driver %2); this program writes only code page 1250 (0xC8).</translation>
    </message>
    <message>
        <source>Index &quot;%1&quot; obsahuje značku %2 (%3), kterou tento program neumí znovu sestavit; tabulka ani její index se nezměnily.</source>
        <translation>The index &quot;%1&quot; holds the tag %2 (%3), which this program cannot rebuild; the table and its index were left as they are.</translation>
    </message>
    <message>
        <source>Chybí šablona &quot;%1&quot;.</source>
        <translation>The template &quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších nemá složku.</source>
        <translation>The best table has no folder.</translation>
    </message>
    <message>
        <source>Tabulku nejlepších &quot;%1&quot; už tento program drží otevřenou.</source>
        <translation>The best table &quot;%1&quot; is already held by this program.</translation>
    </message>
    <message>
        <source>Otevřené tabulce &quot;%1&quot; nelze změnit složku.</source>
        <translation>Cannot change the folder of the open table &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších &quot;%1&quot; je zavřená.</source>
        <translation>The best table &quot;%1&quot; is closed.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších &quot;%1&quot; nemá aktuální záznam.</source>
        <translation>The best table &quot;%1&quot; has no current record.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších &quot;%1&quot; nemá záznam k úpravě.</source>
        <translation>The best table &quot;%1&quot; has no record to edit.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších &quot;%1&quot; není v režimu úprav ani vkládání.</source>
        <translation>The best table &quot;%1&quot; is not in edit or insert mode.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších &quot;%1&quot; nemá co uložit.</source>
        <translation>The best table &quot;%1&quot; has nothing to post.</translation>
    </message>
    <message>
        <source>Upravovaný záznam z tabulky &quot;%1&quot; zmizel.</source>
        <translation>The record being edited is gone from &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Záznam %1 tabulky &quot;%2&quot; mezitím změnila jiná kopie programu; nebyl uložen.</source>
        <translation>The record %1 of &quot;%2&quot; was changed by another copy of the program; not stored.</translation>
    </message>
    <message>
        <source>Záznam %1 hry %2 z tabulky nejlepších zmizel.</source>
        <translation>The record %1 of the game %2 is gone from the best table.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších nemá pole &quot;%1&quot;.</source>
        <translation>The best table has no field &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších nemá řazení &quot;%1&quot;.</source>
        <translation>The best table has no order &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Pole &quot;%1&quot; není číslo.</source>
        <translation>The field &quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <source>Pole &quot;%1&quot; není datum.</source>
        <translation>The field &quot;%1&quot; is not a date.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; není platná hodnota pole TAHY.</source>
        <translation>&quot;%1&quot; is not a valid value for the field TAHY.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; není platné datum pro pole DATUM.</source>
        <translation>&quot;%1&quot; is not a valid date for the field DATUM.</translation>
    </message>
    <message>
        <source>Hodnota %1 se do pole TAHY nevejde.</source>
        <translation>The value %1 does not fit the field TAHY.</translation>
    </message>
    <message>
        <source>Výběr &quot;%1&quot; nemá tvar HRA = &apos;kód&apos;.</source>
        <translation>The selection &quot;%1&quot; is not of the form HRA = &apos;code&apos;.</translation>
    </message>
    <message>
        <source>Hledání podle klíče vyžaduje řazení TAHY.</source>
        <translation>A search by key needs the order TAHY.</translation>
    </message>
    <message>
        <source>Klíč značky %1 tento program neumí spočítat.</source>
        <translation>The tag %1 keys what this program cannot compute.</translation>
    </message>
    <message>
        <source>Index obsahuje nejvýše %1 značek.</source>
        <translation>An index holds at most %1 tags.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších zůstala beze změny.</source>
        <translation>The best table was left as it was.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
    <message>
        <source>Nelze otevřít soubor &quot;%1&quot;: %2</source>
        <translation>Cannot open the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nelze číst soubor &quot;%1&quot;: %2</source>
        <translation>Cannot read the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nelze zapsat soubor &quot;%1&quot;: %2</source>
        <translation>Cannot write the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nelze nahradit soubor &quot;%1&quot;: %2</source>
        <translation>Cannot replace the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nelze projít odkazy souboru &quot;%1&quot;: %2</source>
        <translation>Cannot follow the links of the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nelze otevřít složku &quot;%1&quot;: %2</source>
        <translation>Cannot open the folder &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nelze zamknout složku &quot;%1&quot;: %2</source>
        <translation>Cannot lock the folder &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nelze vytvořit složku &quot;%1&quot;: %2</source>
        <translation>Cannot create the folder &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>není to obyčejný soubor</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>přístup odepřen</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>operace není povolena</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>soubor nebo složka neexistuje</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>není to složka</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>je to složka</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>soubor již existuje</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>na disku není místo</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>disková kvóta je vyčerpána</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>systém souborů je jen pro čtení</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>příliš mnoho symbolických odkazů</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>jméno je příliš dlouhé</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>příliš mnoho otevřených souborů</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>příliš mnoho otevřených souborů v systému</source>
        <translation>too many open files in the system</translation>
    </message>
    <message>
        <source>chyba vstupu nebo výstupu</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>soubor je používán</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>soubor je příliš velký</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>neplatný argument</source>
        <translation>invalid argument</translation>
    </message>
    <message>
        <source>soubory leží na různých discích</source>
        <translation>the files lie on different disks</translation>
    </message>
    <message>
        <source>prostředek je dočasně nedostupný</source>
        <translation>resource temporarily unavailable</translation>
    </message>
    <message>
        <source>nedostatek paměti</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>zámek nelze získat</source>
        <translation>no lock available</translation>
    </message>
    <message>
        <source>systémová chyba %1</source>
        <translation>system error %1</translation>
    </message>
</context>
<context>
    <name>GameTypeChooser</name>
    <message>
        <source>Dialog pro výběr hry</source>
        <translation>Game choice dialog</translation>
    </message>
    <message>
        <source>Standardní hra</source>
        <translation>Standard game</translation>
    </message>
    <message>
        <source>Spustí standardní hru</source>
        <translation>Starts a standard game</translation>
    </message>
    <message>
        <source>Volitelná hra</source>
        <translation>Optional game</translation>
    </message>
    <message>
        <source>Otevře dialog pro výběr volitelné hry</source>
        <translation>Opens the dialog for choosing an optional game</translation>
    </message>
    <message>
        <source>Vyberte si typ hry</source>
        <translation>Choose a game type</translation>
    </message>
</context>
<context>
    <name>GiveUpQuestion</name>
    <message>
        <source>Opravdu chcete ukončit tuto hru ?</source>
        <translation>Do you really want to end this game?</translation>
    </message>
    <message>
        <source>Ukončí aktuální hru</source>
        <translation>Ends the current game</translation>
    </message>
    <message>
        <source>Uzavře dialogové okno bez ukončení aktuální hry</source>
        <translation>Closes the dialog without ending the game</translation>
    </message>
</context>
<context>
    <name>GradientTitle</name>
    <message>
        <source>verze 5.0</source>
        <translation>version 5.0</translation>
    </message>
</context>
<context>
    <name>HelpBalloon</name>
    <message>
        <source>Seznam témat nápovědy</source>
        <translation>Help topics</translation>
    </message>
    <message>
        <source>Nápověda programu Pelikor 2000</source>
        <translation>Pelikor 2000 help</translation>
    </message>
    <message>
        <source>Informace</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Zobrazit seznam témat nápovědy</source>
        <translation>Show the list of help topics</translation>
    </message>
    <message>
        <source>Zobrazí úplný seznam témat nápovědy</source>
        <translation>Shows the full list of help topics</translation>
    </message>
    <message>
        <source>Opustit nápovědu</source>
        <translation>Leave the help</translation>
    </message>
    <message>
        <source>Uzavře dialogové okno s nápovědou</source>
        <translation>Closes the help</translation>
    </message>
    <message>
        <source>Elektronický manuál</source>
        <translation>Electronic manual</translation>
    </message>
    <message>
        <source>Každý modul skupiny programů Kolvex obsahuje podrobný manuál v elektronické podobě. Tento manuál obsahuje rady, návody a tipy pro práci s vybraným modulem. Spustíte ho pomocí ikony, která je zobrazena v nástrojové liště, nebo pomocí nabídky menu &gt; Nápověda &gt; Elektronický manuál.</source>
        <translation>Every module of the Kolvex family of programs comes with a detailed electronic manual. It holds advice, instructions and tips for working with the module. Start it with its icon on the toolbar, or from the menu &gt; Help &gt; Electronic manual.</translation>
    </message>
    <message>
        <source>Jak hrát</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Klikněte myší na požadovaný hrací kámen, který chcete přenést a poté klikněte na místo, kam má být přenesen. Pokud je tento tah přípustný, bude kámen automaticky přenesen a přeskočený kámen bude odstraněn. Pokud jste zvolili nedovolený tah, zůstane kámen na původním místě a Vy máte možnost vybrat jiné umístění, nebo zvolit jiný hrací kámen.</source>
        <translation>Click the peg you want to move, then click the place it should go to. If the move is allowed, the peg jumps there and the peg it jumped over is removed. If the move is not allowed, the peg stays where it was and you can choose another place or another peg.</translation>
    </message>
    <message>
        <source>Nová hra</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Tato nabídka Vám umožňuje vybrat způsob hry (standardní nebo volitelná). Po otevření dialogového okna s výběrem volitelné hry stačí kliknout na požadovaný druh volitelné hry. Pro lepší představu, jak vypadá rozložení hracích kamenů je u každého druhu zobrazen malý náhled.</source>
        <translation>This command lets you choose the kind of game (standard or optional). In the dialog of the optional games, just click the game you want. A small preview of each shows how its pegs are laid out.</translation>
    </message>
    <message>
        <source>Šéfovská pojistka</source>
        <translation>Boss key</translation>
    </message>
    <message>
        <source>Tato volba slouží pro rychlé uschování hry v případě, že přijde k Vašemu počítači nepovolaná návštěva (nadřízený, nespolehlivý spolupracovník, ředitel...) a Vy  nechcete přijít o rozehranou partii. Po pominutí nebezpečí stačí znovu stisknout tlačítko s pojistkou a hra bude pokračovat.</source>
        <translation>This command quickly hides the game when an unwelcome visitor (your boss, an unreliable colleague, the director...) comes to your computer and you do not want to lose the game in progress. Once the danger has passed, press the boss key button again and the game goes on.</translation>
    </message>
    <message>
        <source>Samozřejmě nechci nabádat k hraní her v pracovní době, ale v některých případech může jít o malé rozptýlení v jinak šedém dni.</source>
        <translation>Of course I do not mean to encourage playing games at work, but now and then it can be a little distraction on an otherwise grey day.</translation>
    </message>
    <message>
        <source>Tabulka nejlepších</source>
        <translation>Best scores</translation>
    </message>
    <message>
        <source>Každý hráč má možnost zápisu do tabulky nejlepších , ale jen v následujících případech : Tabulka pro aktuální počet disků ještě neobsahuje deset jmen, dosáhli jste nižšího počtu tahů než jeden ze zapsaných hráčů nebo jste dosáhli stejný počet tahů jako některý z hráčů, ale datum Vaší hry je vyšší, než jeho.</source>
        <translation>Every player can get into the best scores, but only when: the table of the current game does not hold ten names yet, you left fewer pegs than one of the players listed, or you left as many pegs as one of them but your game is more recent than theirs.</translation>
    </message>
    <message>
        <source>Pro každý typ hry (standardní, volitelná 1..7) je vlastní tabulka nejlepších, která je nezávislá na ostatních.</source>
        <translation>Each kind of game (standard, optional 1..7) has best scores of its own, independent of the others.</translation>
    </message>
    <message>
        <source>Ukončení hry</source>
        <translation>Ending a game</translation>
    </message>
    <message>
        <source>Pokud nechcete vybranou partii dohrát, stačí zvolit nabídku menu Soubor &gt; Ukončení hry. Aktuální hra bude ukončena bez zápisu do tabulky. Pokud chcete hru pouze přerušit kvůli nevítané návštěvě, použijte nabídku menu Nástroje &gt; Šéfovská pojistka. Hra bude přerušena a uschována pod fiktivní data o plnění plánu.</source>
        <translation>If you do not want to finish the game, just choose File &gt; End game from the menu. The game ends without an entry in the best scores. If you only want to interrupt it because of an unwelcome visitor, choose Tools &gt; Boss key. The game is interrupted and hidden behind made-up figures of the annual plan.</translation>
    </message>
    <message>
        <source>Uschovanou hru opět zobrazíte kliknutím na nabídku menu Nástroje &gt; Šéfovská pojistka.</source>
        <translation>To show the hidden game again, choose Tools &gt; Boss key from the menu.</translation>
    </message>
    <message>
        <source>Účel hry Pelikor 2000</source>
        <translation>The aim of Pelikor 2000</translation>
    </message>
    <message>
        <source>Účelem této hry je přskákat (a tím i odstranit) co největší počet hracích kamenů, přičemž můžete skákat pouze vodorovně a svisle přes sousedící hrací kámen (tento kámen bude po přeskočení odstraněn), a tím dosáhnout co nejmenšího počtu zbylých hracích kamenů.</source>
        <translation>The aim of this game is to jump over (and so remove) as many pegs as you can. You may only jump horizontally or vertically over a neighbouring peg (which is removed once jumped), leaving as few pegs as possible.</translation>
    </message>
    <message>
        <source>Ctrl+R začne stejnou hru znovu. Nabídka Tahy vrátí tah (Ctrl+Z), zopakuje ho (Ctrl+Y) a poradí (F4). Hra s pomocí se do tabulky nezapisuje.</source>
        <translation>Ctrl+R starts the same game again. The Moves menu undoes a move (Ctrl+Z), redoes it (Ctrl+Y) and hints (F4). Games with help stay out of the best scores.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Plnění plánu v letošním roce</source>
        <translation>Plan fulfilment this year</translation>
    </message>
    <message>
        <source>Stiskněte klávesu F1 pro nápovědu</source>
        <translation>Press F1 for help</translation>
    </message>
    <message>
        <source>Zbylé kameny :</source>
        <translation>Pegs left :</translation>
    </message>
    <message>
        <source>Zobrazí dialog pro výběr nové hry</source>
        <translation>Shows the dialog for choosing a new game</translation>
    </message>
    <message>
        <source>Ukončí aktuální hru</source>
        <translation>Ends the current game</translation>
    </message>
    <message>
        <source>Zobrazí tabulku nejlepších hráčů</source>
        <translation>Shows the best scores</translation>
    </message>
    <message>
        <source>Pojistka proti neodbytnému šéfovi</source>
        <translation>Protection against a pushy boss</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Obsahuje příkazy pro spuštění a ukončení hry</source>
        <translation>Commands for starting and ending a game</translation>
    </message>
    <message>
        <source>&amp;Nová hra...</source>
        <translation>&amp;New game...</translation>
    </message>
    <message>
        <source>&amp;Ukončit hru</source>
        <translation>&amp;End game</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ukončí program</source>
        <translation>Ends the program</translation>
    </message>
    <message>
        <source>&amp;Nástroje</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Obsahuje příkazy pro práci s tabulkou nejlepších</source>
        <translation>Commands for the best scores</translation>
    </message>
    <message>
        <source>&amp;Zobrazit tabulku nejlepších...</source>
        <translation>&amp;Show the best scores...</translation>
    </message>
    <message>
        <source>&amp;Vymazat tabulku nejlepších</source>
        <translation>&amp;Clear the best scores</translation>
    </message>
    <message>
        <source>Vynuluje tabulku nejlepších hráčů</source>
        <translation>Clears the best scores</translation>
    </message>
    <message>
        <source>Šéfovská &amp;pojistka</source>
        <translation>&amp;Boss key</translation>
    </message>
    <message>
        <source>Nápo&amp;věda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Obsahuje příkazy pro získání nápovědy</source>
        <translation>Commands for getting help</translation>
    </message>
    <message>
        <source>Nápo&amp;věda pro Pelikor 2000</source>
        <translation>Pelikor 2000 &amp;help</translation>
    </message>
    <message>
        <source>Zobrazí nápovědu</source>
        <translation>Shows the help</translation>
    </message>
    <message>
        <source>&amp;Elektronický manuál</source>
        <translation>&amp;Electronic manual</translation>
    </message>
    <message>
        <source>Spustí elektronický manuál programu Pelikor 2000</source>
        <translation>Starts the electronic manual of Pelikor 2000</translation>
    </message>
    <message>
        <source>&amp;O programu Pelikor 2000...</source>
        <translation>&amp;About Pelikor 2000...</translation>
    </message>
    <message>
        <source>Zobrazí dialog s informacemi o programu</source>
        <translation>Shows the dialog about the program</translation>
    </message>
    <message>
        <source>Elektronický manuál</source>
        <translation>Electronic manual</translation>
    </message>
</context>
<context>
    <name>ManualLauncher</name>
    <message>
        <source>Elektronický manuál se nepodařilo otevřít: &quot;%1&quot;.</source>
        <translation>The electronic manual could not be opened: &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>OptionalGameChooser</name>
    <message>
        <source>Dialog pro výběr volitelné hry</source>
        <translation>Optional game choice dialog</translation>
    </message>
    <message>
        <source>Volitelná hra</source>
        <translation>Optional game</translation>
    </message>
    <message>
        <source>Spustí volitelnou hru č. %1</source>
        <translation>Starts optional game no. %1</translation>
    </message>
</context>
<context>
    <name>PelikorApplication</name>
    <message>
        <source>Neznámá chyba</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>&amp;Vrátit tah</source>
        <translation>&amp;Undo move</translation>
    </message>
    <message>
        <source>Vezme zpět poslední tah</source>
        <translation>Takes back the last move</translation>
    </message>
    <message>
        <source>&amp;Opakovat tah</source>
        <translation>&amp;Redo move</translation>
    </message>
    <message>
        <source>Znovu zahraje tah, který byl vzat zpět</source>
        <translation>Plays the move taken back again</translation>
    </message>
    <message>
        <source>Hrát &amp;znovu</source>
        <translation>Play &amp;again</translation>
    </message>
    <message>
        <source>Začne stejnou hru znovu od začátku</source>
        <translation>Starts the same game again from the start</translation>
    </message>
    <message>
        <source>&amp;Poradit tah</source>
        <translation>&amp;Hint a move</translation>
    </message>
    <message>
        <source>Označí tah, který vede k nejlepšímu konci</source>
        <translation>Marks a move that leads to the best finish</translation>
    </message>
    <message>
        <source>&amp;Cesta k nejlepšímu konci</source>
        <translation>&amp;Way to the best finish</translation>
    </message>
    <message>
        <source>Zahraje zbylé tahy k nejlepšímu konci</source>
        <translation>Plays the remaining moves to the best finish</translation>
    </message>
    <message>
        <source>&amp;Tahy</source>
        <translation>&amp;Moves</translation>
    </message>
    <message>
        <source>Obsahuje příkazy pro vracení tahů a nápovědu</source>
        <translation>Commands for taking back moves and hints</translation>
    </message>
</context>
<context>
    <name>PlayTexts</name>
    <message>
        <source>kámen</source>
        <translation>peg</translation>
    </message>
    <message>
        <source>kameny</source>
        <translation>pegs</translation>
    </message>
    <message>
        <source>kamenů</source>
        <translation>pegs</translation>
    </message>
    <message>
        <source>tah</source>
        <translation>move</translation>
    </message>
    <message>
        <source>tahy</source>
        <translation>moves</translation>
    </message>
    <message>
        <source>tahů</source>
        <translation>moves</translation>
    </message>
    <message>
        <source>Nejlepší konec je ztracen, odtud %1.</source>
        <translation>The best finish is lost; from here %1.</translation>
    </message>
    <message>
        <source>Nápověda: nejlepší konec odtud – %1.</source>
        <translation>Hint: the best finish from here – %1.</translation>
    </message>
    <message>
        <source>Nápověda: skočte z %1 na %2.</source>
        <translation>Hint: jump from %1 to %2.</translation>
    </message>
    <message>
        <source>řady %1, sloupce %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>řadu %1, sloupec %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source> Nejlepší konec hry, %1, je ztracen.</source>
        <translation> The best finish of the game, %1, is lost.</translation>
    </message>
    <message>
        <source> Nejlepší konec odtud: %1.</source>
        <translation> The best finish from here: %1.</translation>
    </message>
    <message>
        <source>Cesta: %1 k nejlepšímu konci (%2).</source>
        <translation>Way: %1 to the best finish (%2).</translation>
    </message>
</context>
<context>
    <name>QuestionBalloon</name>
    <message>
        <source>Dotaz</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ResultBalloon</name>
    <message>
        <source>Výsledek aktuální hry</source>
        <translation>Result of the current game</translation>
    </message>
    <message>
        <source>Výsledek Vaší hry</source>
        <translation>Result of your game</translation>
    </message>
    <message>
        <source>Počáteční počet hracích kamenů   :</source>
        <translation>Pegs at the start                 :</translation>
    </message>
    <message>
        <source>Minimální počet zbylých kamenů :</source>
        <translation>Fewest pegs possible left :</translation>
    </message>
    <message>
        <source>Počet zbylých kamenů                    :</source>
        <translation>Pegs left                             :</translation>
    </message>
    <message>
        <source>Vaše jméno do tabulky nejlepších :</source>
        <translation>Your name for the best scores :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Uzavře dialogové okno</source>
        <translation>Closes the dialog</translation>
    </message>
    <message>
        <source>Hra s vracením tahů nebo s nápovědou se do tabulky nezapisuje.</source>
        <translation>A game with moves taken back or hints is not entered in the best scores.</translation>
    </message>
</context>
<context>
    <name>SecondCopyWarning</name>
    <message>
        <source>Pozor ! Již máte spuštěnu jednu kopii tohoto programu.</source>
        <translation>Warning! A copy of this program is already running.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Uzavře dialogové okno</source>
        <translation>Closes the dialog</translation>
    </message>
</context>
<context>
    <name>SoundCues</name>
    <message>
        <source>Nelze přejít do složky %1</source>
        <translation>Cannot change to the folder %1</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Malé strpení, spouštím program</source>
        <translation>Just a moment, starting the program</translation>
    </message>
</context>
<context>
    <name>StandardGameBalloon</name>
    <message>
        <source>Dialog pro výběr standardní hry</source>
        <translation>Standard game dialog</translation>
    </message>
    <message>
        <source>Standardní hra</source>
        <translation>Standard game</translation>
    </message>
    <message>
        <source>Vyberte kámen, který má být odstraněn</source>
        <translation>Choose the peg to be removed</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Spustí standardní hru</source>
        <translation>Starts a standard game</translation>
    </message>
</context>
<context>
    <name>WelcomeBalloon</name>
    <message>
        <source>Uvítací dialog</source>
        <translation>Welcome dialog</translation>
    </message>
    <message>
        <source>Pomocník Kolvex je připraven poradit Vám v nesnázích.</source>
        <translation>Kolvex the assistant is ready to help you out.</translation>
    </message>
    <message>
        <source>Stačí si pouze vybrat, jakou pomoc potřebujete.</source>
        <translation>Just choose the help you need.</translation>
    </message>
    <message>
        <source>Zobrazit úplný seznam témat nápovědy programu Pelikor 2000</source>
        <translation>Show the full list of Pelikor 2000 help topics</translation>
    </message>
    <message>
        <source>Zobrazí úplný seznam témat nápovědy</source>
        <translation>Shows the full list of help topics</translation>
    </message>
    <message>
        <source>Spustit elektronický manuál programu Pelikor 2000</source>
        <translation>Start the Pelikor 2000 electronic manual</translation>
    </message>
    <message>
        <source>Spustí elektronický manuál pro Pelikor 2000</source>
        <translation>Starts the electronic manual of Pelikor 2000</translation>
    </message>
    <message>
        <source>Začít pracovat s programem Pelikor 2000</source>
        <translation>Start working with Pelikor 2000</translation>
    </message>
    <message>
        <source>Zahájí práci s programem</source>
        <translation>Starts working with the program</translation>
    </message>
    <message>
        <source>Zobrazit tento dialog při každém spuštění programu</source>
        <translation>Show this dialog every time the program starts</translation>
    </message>
</context>
</TS>
