<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
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
    <name>PelikorApplication</name>
    <message>
        <source>Neznámá chyba</source>
        <translation>Unknown error</translation>
    </message>
</context>
</TS>
