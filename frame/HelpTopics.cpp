#include "frame/HelpTopics.h"

#include "frame/HelpBalloon.h"

std::array<HelpTopic, 7> helpTopics()
{
    return {{
        {"manualTopicLink", HelpBalloon::tr("Elektronický manuál"),
         HelpBalloon::tr("Každý modul skupiny programů Kolvex obsahuje podrobný manuál v elektronické podobě. Tento "
                         "manuál obsahuje rady, návody a tipy pro práci s vybraným modulem. Spustíte ho pomocí ikony, "
                         "která je zobrazena v nástrojové liště, nebo pomocí nabídky menu > Nápověda > Elektronický "
                         "manuál."),
         {}},
        {"howToPlayTopicLink", HelpBalloon::tr("Jak hrát"),
         HelpBalloon::tr("Klikněte myší na požadovaný hrací kámen, který chcete přenést a poté klikněte na místo, kam "
                         "má být přenesen. Pokud je tento tah přípustný, bude kámen automaticky přenesen a přeskočený "
                         "kámen bude odstraněn. Pokud jste zvolili nedovolený tah, zůstane kámen na původním místě a "
                         "Vy máte možnost vybrat jiné umístění, nebo zvolit jiný hrací kámen."),
         {}},
        {"newGameTopicLink", HelpBalloon::tr("Nová hra"),
         HelpBalloon::tr("Tato nabídka Vám umožňuje vybrat způsob hry (standardní nebo volitelná). Po otevření "
                         "dialogového okna s výběrem volitelné hry stačí kliknout na požadovaný druh volitelné hry. "
                         "Pro lepší představu, jak vypadá rozložení hracích kamenů je u každého druhu zobrazen malý "
                         "náhled."),
         HelpBalloon::tr("Ctrl+R začne stejnou hru znovu. Nabídka Tahy vrátí tah (Ctrl+Z), zopakuje ho (Ctrl+Y) "
                         "a poradí (F4). Hra s pomocí se do tabulky nezapisuje.")},
        {"bossScreenTopicLink", HelpBalloon::tr("Šéfovská pojistka"),
         HelpBalloon::tr("Tato volba slouží pro rychlé uschování hry v případě, že přijde k Vašemu počítači "
                         "nepovolaná návštěva (nadřízený, nespolehlivý spolupracovník, ředitel...) a Vy  nechcete "
                         "přijít o rozehranou partii. Po pominutí nebezpečí stačí znovu stisknout tlačítko s pojistkou "
                         "a hra bude pokračovat."),
         HelpBalloon::tr("Samozřejmě nechci nabádat k hraní her v pracovní době, ale v některých případech může jít o "
                         "malé rozptýlení v jinak šedém dni.")},
        {"bestTableTopicLink", HelpBalloon::tr("Tabulka nejlepších"),
         HelpBalloon::tr("Každý hráč má možnost zápisu do tabulky nejlepších , ale jen v následujících případech : "
                         "Tabulka pro aktuální počet disků ještě neobsahuje deset jmen, dosáhli jste nižšího počtu tahů "
                         "než jeden ze zapsaných hráčů nebo jste dosáhli stejný počet tahů jako některý z hráčů, ale "
                         "datum Vaší hry je vyšší, než jeho."),
         HelpBalloon::tr("Pro každý typ hry (standardní, volitelná 1..7) je vlastní tabulka nejlepších, která je "
                         "nezávislá na ostatních.")},
        {"endGameTopicLink", HelpBalloon::tr("Ukončení hry"),
         HelpBalloon::tr("Pokud nechcete vybranou partii dohrát, stačí zvolit nabídku menu Soubor > Ukončení hry. "
                         "Aktuální hra bude ukončena bez zápisu do tabulky. Pokud chcete hru pouze přerušit kvůli "
                         "nevítané návštěvě, použijte nabídku menu Nástroje > Šéfovská pojistka. Hra bude přerušena a "
                         "uschována pod fiktivní data o plnění plánu."),
         HelpBalloon::tr("Uschovanou hru opět zobrazíte kliknutím na nabídku menu Nástroje > Šéfovská pojistka.")},
        {"purposeTopicLink", HelpBalloon::tr("Účel hry Pelikor 2000"),
         HelpBalloon::tr("Účelem této hry je přskákat (a tím i odstranit) co největší počet hracích kamenů, přičemž "
                         "můžete skákat pouze vodorovně a svisle přes sousedící hrací kámen (tento kámen bude po "
                         "přeskočení odstraněn), a tím dosáhnout co nejmenšího počtu zbylých hracích kamenů."),
         {}},
    }};
}
