<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>the system gave no reason</source>
        <translation>system nie podał przyczyny</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>to jest folder, a nie plik.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>plik jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>writing stopped before the end.</source>
        <translation>zapis przerwano przed końcem.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Wyświetla Zelvika w tym języku przy tym uruchomieniu: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>kod</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>Zelvik nie ma tłumaczenia na „%1”. Dostępne języki: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is not a bots.ini file: the add-on reads only bots.ini.</source>
        <translation>%1 nie jest plikiem bots.ini: dodatek czyta tylko bots.ini.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Nie można odczytać folderu %1.</translation>
    </message>
    <message>
        <source>Edits the bot roster in bots.ini of a bot add-on for Half-Life, and starts the game.</source>
        <translation>Edytuje konfigurację botów w bots.ini dodatku z botami do Half-Life i uruchamia grę.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>The add-on folder whose bots.ini to edit, or that bots.ini file itself. Without it: the program&apos;s own folder when it holds a bots.ini, else the folder of last time, else the add-on folder of the installed game.</source>
        <translation>Folder dodatku, którego bots.ini ma być edytowany, albo sam plik bots.ini. Bez niego: własny folder programu, jeśli zawiera bots.ini, w przeciwnym razie folder z ostatniego razu, a jeśli i tego nie ma, folder dodatku zainstalowanej gry.</translation>
    </message>
    <message>
        <source>[FOLDER | FILE]</source>
        <translation>[FOLDER | PLIK]</translation>
    </message>
    <message>
        <source>Name one folder or file, not %1.</source>
        <translation>Podaj jeden folder lub plik, a nie %1.</translation>
    </message>
</context>
<context>
    <name>EntryPage</name>
    <message>
        <source>Move Earlier</source>
        <translation>Przesuń wyżej</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Przesuń niżej</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikuj</translation>
    </message>
    <message>
        <source>Copy Entry</source>
        <translation>Kopiuj wpis</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Wklej wpisy</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Pokaż wszystkie boty</translation>
    </message>
    <message>
        <source>Show All Maps</source>
        <translation>Pokaż wszystkie mapy</translation>
    </message>
    <message>
        <source>Number, 1 to %1:</source>
        <translation>Numer, od 1 do %1:</translation>
    </message>
</context>
<context>
    <name>FindBox</name>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Enter: next; Shift+Enter: previous</source>
        <translation>Enter: następny; Shift+Enter: poprzedni</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Open add-on folder: choose the bot add-on&apos;s folder (vantrel in the Half-Life folder), where its bots.ini is</source>
        <translation>Otwórz folder dodatku: wybierz folder dodatku z botami (vantrel w folderze Half-Life), w którym jest jego bots.ini</translation>
    </message>
</context>
<context>
    <name>GameLists</name>
    <message>
        <source>The game folder has no player model of this name.</source>
        <translation>W folderze gry nie ma modelu gracza o tej nazwie.</translation>
    </message>
    <message>
        <source>The game folder has no map of this name.</source>
        <translation>W folderze gry nie ma mapy o tej nazwie.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Podręcznik gracza Zelvika</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Podręcznik gracza</translation>
    </message>
</context>
<context>
    <name>HistoryKeys</name>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
</context>
<context>
    <name>IniPage</name>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Bots.ini file not found.<byte value="xd"/>
Make sure this program is in the vantrel folder along with the Bots.ini file.<byte value="xd"/>
</source>
        <translation>Nie znaleziono pliku Bots.ini.<byte value="xd"/>
Upewnij się, że ten program jest w folderze vantrel razem z plikiem Bots.ini.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Find in the INI text</source>
        <translation>Znajdź w tekście INI</translation>
    </message>
</context>
<context>
    <name>IniTextView</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>it is not there as a program that can be run.</source>
        <translation>nie ma go tam jako programu, który można uruchomić.</translation>
    </message>
    <message>
        <source>none of them is there as a program that can be run.</source>
        <translation>żadnego z nich nie ma tam jako programu, który można uruchomić.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>folder nie istnieje.</translation>
    </message>
    <message>
        <source>Could not start %1 in the folder %2: %3</source>
        <translation>Nie można uruchomić %1 w folderze %2: %3</translation>
    </message>
    <message>
        <source>the program does not exist.</source>
        <translation>program nie istnieje.</translation>
    </message>
    <message>
        <source>the file is not a program that can be run.</source>
        <translation>plik nie jest programem, który można uruchomić.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vantrel Zelvik</source>
        <translation>Vantrel Zelvik</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <extracomment>Page: Bots, Maps</extracomment>
        <translation>&amp;Nazwa</translation>
    </message>
    <message>
        <source>Previous or next bot</source>
        <translation>Poprzedni lub następny bot</translation>
    </message>
    <message>
        <source>Pages through the bots: the left arrow shows the previous bot, the right arrow the next.</source>
        <translation>Przegląda boty: lewa strzałka pokazuje poprzedniego bota, prawa następnego.</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>&amp;Top Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Kolor górny</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>The top colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>Kolor górny, od 1 do 255 wokół koła barw; pole po prawej pokazuje liczbę.</translation>
    </message>
    <message>
        <source>&amp;Bottom Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>Kolor &amp;dolny</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Kolor dolny</translation>
    </message>
    <message>
        <source>The bottom colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>Kolor dolny, od 1 do 255 wokół koła barw; pole po prawej pokazuje liczbę.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Previous or next map</source>
        <translation>Poprzednia lub następna mapa</translation>
    </message>
    <message>
        <source>Pages through the map rotation: the left arrow shows the previous entry, the right arrow the next.</source>
        <translation>Przegląda rotację map: lewa strzałka pokazuje poprzedni wpis, prawa następny.</translation>
    </message>
    <message>
        <source>Bot &amp;Quantity</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Liczba &amp;botów</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Losowo</translation>
    </message>
    <message>
        <source>&amp;Initial Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Zwłoka startu</translation>
    </message>
    <message>
        <source>&amp;Spawn Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Zwłoka &amp;spawnu</translation>
    </message>
    <message>
        <source>&amp;Wait For Players</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Oczekuj graczy</translation>
    </message>
    <message>
        <source>&amp;Keep Server Full</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Pełny serwer</translation>
    </message>
    <message>
        <source>bots.ini text</source>
        <translation>tekst bots.ini</translation>
    </message>
    <message>
        <source>The text of bots.ini as read, or as Save INI last wrote it; for reading and copying, typing changes nothing.</source>
        <translation>Tekst bots.ini w postaci odczytanej albo takiej, jaką ostatnio zapisał przycisk „Zapisz INI”; do czytania i kopiowania, pisanie niczego nie zmienia.</translation>
    </message>
    <message>
        <source>&amp;HL.exe path</source>
        <extracomment>Page: INI</extracomment>
        <translation>Ścieżka &amp;gry</translation>
    </message>
    <message>
        <source>The full path of the game (hl.exe, or hlds.exe for the dedicated server); Launch starts it, and the map and model lists come from its folder.</source>
        <translation>Pełna ścieżka gry (hl.exe albo hlds.exe dla serwera dedykowanego); „Uruchom” ją uruchamia, a listy map i modeli pochodzą z jej folderu.</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <extracomment>Page: INI</extracomment>
        <translation>&amp;Parametry</translation>
    </message>
    <message>
        <source>The command line the game is started with.</source>
        <translation>Wiersz poleceń, z którym uruchamiana jest gra.</translation>
    </message>
    <message>
        <source>Save INI</source>
        <translation>Zapisz INI</translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies)</source>
        <translation>
            <numerusform>%n wpis mapy</numerusform>
            <numerusform>%n wpisy map</numerusform>
            <numerusform>%n wpisów map</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s)</source>
        <translation>
            <numerusform>%n bot</numerusform>
            <numerusform>%n boty</numerusform>
            <numerusform>%n botów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Boty</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Mapy</translation>
    </message>
    <message>
        <source>INI</source>
        <translation>INI</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <translation>%1 v%2</translation>
    </message>
    <message>
        <source>Recovery copy</source>
        <translation>Kopia awaryjna</translation>
    </message>
    <message>
        <source>Zelvik cannot keep a recovery copy of your unsaved edits, so a crash would lose them:

%1

Your edits are still here, and &quot;Save INI&quot; writes them to bots.ini as before.</source>
        <translation>Zelvik nie może przechowywać kopii awaryjnej niezapisanych zmian, więc przy awarii by przepadły:

%1

Twoje zmiany nadal tu są, a „Zapisz INI” zapisuje je do bots.ini tak jak dotąd.</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Pokaż wszystkie boty</translation>
    </message>
    <message>
        <source>Open add-on folder...</source>
        <translation>Otwórz folder dodatku...</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before closing?</source>
        <translation>Konfiguracja zawiera zmiany, które nie są zapisane w bots.ini.

Zapisać je przed zamknięciem?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Niezapisane zmiany</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>Za dużo wpisów</translation>
    </message>
    <message>
        <source>bots.ini holds more than Zelvik can show: it reads at most %1 map entries and %1 bots. Left unread: %2.

The pages show the entries read. &quot;Save INI&quot; would write bots.ini without the ones left unread.</source>
        <translation>bots.ini zawiera więcej, niż Zelvik potrafi pokazać: czyta najwyżej %1 wpisów map i %1 botów. Nieodczytane: %2.

Strony pokazują odczytane wpisy. „Zapisz INI” zapisałby bots.ini bez nieodczytanych.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved edits to the roster in
%1
cannot be used: %2

It is left where it is, and no new copy is kept for this folder while it lies there:
%3

The roster is shown as bots.ini holds it.</source>
        <translation>Kopii awaryjnej niezapisanych zmian konfiguracji w
%1
nie można użyć: %2

Zostaje tam, gdzie jest, a dopóki tam leży, dla tego folderu nie jest tworzona nowa kopia:
%3

Konfiguracja jest pokazana tak, jak zawiera ją bots.ini.</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it, last at %1. &quot;Restore&quot; puts back the older roster with the edits, and &quot;Save INI&quot; asks before it overwrites that change.</source>
        <translation>bots.ini został zmieniony przez inny program, odkąd Zelvik go odczytał, ostatnio %1. „Przywróć” przywraca starszą konfigurację ze zmianami, a „Zapisz INI” zapyta, zanim nadpisze tę zmianę.</translation>
    </message>
    <message>
        <source>Recover unsaved edits</source>
        <translation>Odzyskiwanie niezapisanych zmian</translation>
    </message>
    <message>
        <source>Zelvik was closed before the edits to the roster in
%1
were saved. A recovery copy of them was kept at %2.%3

&quot;Restore&quot; shows them as unsaved edits: bots.ini changes only when you press &quot;Save INI&quot;. &quot;Discard&quot; deletes the copy.</source>
        <translation>Zelvik został zamknięty, zanim zmiany konfiguracji w
%1
zostały zapisane. Ich kopię awaryjną zachowano %2.%3

„Przywróć” pokazuje je jako niezapisane zmiany: bots.ini zmienia się dopiero po naciśnięciu „Zapisz INI”. „Odrzuć” usuwa kopię.</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before opening another folder?</source>
        <translation>Konfiguracja zawiera zmiany, które nie są zapisane w bots.ini.

Zapisać je przed otwarciem innego folderu?</translation>
    </message>
    <message>
        <source>bots.ini holds %1 that Zelvik could not read. Saving writes only the roster shown here and drops them from the file. Save anyway?</source>
        <translation>bots.ini zawiera wpisy, których Zelvik nie mógł odczytać: %1. Zapisanie zapisze tylko pokazaną tu konfigurację i usunie je z pliku. Zapisać mimo to?</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it. Overwrite it with the roster shown here?</source>
        <translation>bots.ini został zmieniony przez inny program, odkąd Zelvik go odczytał. Nadpisać go pokazaną tu konfiguracją?</translation>
    </message>
    <message>
        <source>The roster was not saved, and bots.ini is unchanged.

%1

Your edits are still here: fix the cause and press &quot;Save INI&quot; again.</source>
        <translation>Konfiguracja nie została zapisana, a bots.ini się nie zmienił.

%1

Twoje zmiany nadal tu są: usuń przyczynę i ponownie naciśnij „Zapisz INI”.</translation>
    </message>
    <message>
        <source>The game could not be started.

%1

Check the &quot;HL.exe path&quot; on the INI page and press &quot;Save INI&quot; before launching.</source>
        <translation>Nie można uruchomić gry.

%1

Sprawdź pole „Ścieżka gry” na stronie INI i naciśnij „Zapisz INI” przed uruchomieniem.</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Znajdź...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Znajdź następny</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Znajdź poprzedni</translation>
    </message>
    <message>
        <source>Go to...</source>
        <translation>Przejdź do...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>Nie znaleziono „%1”</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&amp;Discard</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Nadpisz</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Przywróć</translation>
    </message>
</context>
<context>
    <name>NameMark</name>
    <message>
        <source>bots.ini cannot hold some letters of this name: &quot;Save INI&quot; writes each of them as &quot;?&quot;.</source>
        <translation>bots.ini nie może przechować niektórych liter tej nazwy: „Zapisz INI” zapisze każdą z nich jako „?”.</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>%1  (Bot %2 of %3)</source>
        <translation>%1  (Bot %2 z %3)</translation>
    </message>
    <message>
        <source>%1  (Map %2 of %3)</source>
        <translation>%1  (Mapa %2 z %3)</translation>
    </message>
    <message>
        <source>Find in bots</source>
        <translation>Znajdź wśród botów</translation>
    </message>
    <message>
        <source>Find in maps</source>
        <translation>Znajdź wśród map</translation>
    </message>
    <message>
        <source>Go to bot</source>
        <translation>Przejdź do bota</translation>
    </message>
    <message>
        <source>Go to map</source>
        <translation>Przejdź do mapy</translation>
    </message>
    <message>
        <source>Add bot</source>
        <translation>Dodaj bota</translation>
    </message>
    <message>
        <source>Add map</source>
        <translation>Dodaj mapę</translation>
    </message>
    <message>
        <source>The bot list is full: it already holds %1 bots, the most it can hold.</source>
        <translation>Lista botów jest pełna: zawiera już %1 botów, więcej się nie zmieści.</translation>
    </message>
    <message>
        <source>The map list is full: it already holds %1 entries, the most it can hold.</source>
        <translation>Lista map jest pełna: zawiera już %1 wpisów, więcej się nie zmieści.</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Wklej wpisy</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: no bots.ini text with a [Bot] section.</source>
        <translation>Schowek nie zawiera botów do wklejenia: brak tekstu bots.ini z sekcją [Bot].</translation>
    </message>
    <message>
        <source>The clipboard holds no map entries to paste: no bots.ini text with a [Map] or [DefaultMap] section.</source>
        <translation>Schowek nie zawiera wpisów map do wklejenia: brak tekstu bots.ini z sekcją [Map] lub [DefaultMap].</translation>
    </message>
    <message>
        <source>No bot was pasted.</source>
        <translation>Nie wklejono żadnego bota.</translation>
    </message>
    <message>
        <source>No map entry was pasted.</source>
        <translation>Nie wklejono żadnego wpisu mapy.</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n bot(s).</source>
        <translation>
            <numerusform>Wklejono %n bota.</numerusform>
            <numerusform>Wklejono %n boty.</numerusform>
            <numerusform>Wklejono %n botów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n map entry(ies).</source>
        <translation>
            <numerusform>Wklejono %n wpis mapy.</numerusform>
            <numerusform>Wklejono %n wpisy map.</numerusform>
            <numerusform>Wklejono %n wpisów map.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n bot się nie zmieścił: lista mieści najwyżej %1.</numerusform>
            <numerusform>%n boty się nie zmieściły: lista mieści najwyżej %1.</numerusform>
            <numerusform>%n botów się nie zmieściło: lista mieści najwyżej %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n wpis mapy się nie zmieścił: lista mieści najwyżej %1.</numerusform>
            <numerusform>%n wpisy map się nie zmieściły: lista mieści najwyżej %1.</numerusform>
            <numerusform>%n wpisów map się nie zmieściło: lista mieści najwyżej %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n map entry(ies), which belong on the Maps page.</source>
        <translation>
            <numerusform>Pominięto %n wpis mapy, który należy do strony Mapy.</numerusform>
            <numerusform>Pominięto %n wpisy map, które należą do strony Mapy.</numerusform>
            <numerusform>Pominięto %n wpisów map, które należą do strony Mapy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n bot(s), which belong on the Bots page.</source>
        <translation>
            <numerusform>Pominięto %n bota, który należy do strony Boty.</numerusform>
            <numerusform>Pominięto %n boty, które należą do strony Boty.</numerusform>
            <numerusform>Pominięto %n botów, które należą do strony Boty.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>it could not be read: %1</source>
        <translation>nie można jej odczytać: %1</translation>
    </message>
    <message>
        <source>it is not a recovery copy Zelvik wrote.</source>
        <translation>to nie jest kopia awaryjna zapisana przez Zelvika.</translation>
    </message>
    <message>
        <source>it is cut short or changed: its contents do not match its checksum.</source>
        <translation>jest ucięta lub zmieniona: jej zawartość nie zgadza się z sumą kontrolną.</translation>
    </message>
    <message>
        <source>it was kept for another folder: %1</source>
        <translation>zachowano ją dla innego folderu: %1</translation>
    </message>
    <message>
        <source>another Zelvik window has this add-on folder open and keeps the recovery copy; this window keeps none.</source>
        <translation>inne okno Zelvika ma otwarty ten folder dodatku i prowadzi kopię awaryjną; to okno nie prowadzi żadnej.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be made.</source>
        <translation>nie można utworzyć pliku blokady %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>nie można usunąć %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>nie można utworzyć folderu %1.</translation>
    </message>
</context>
<context>
    <name>RosterHistory</name>
    <message>
        <source>Edit Bot</source>
        <translation>Edycja bota</translation>
    </message>
    <message>
        <source>Edit Bots</source>
        <translation>Edycja botów</translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation>Edycja mapy</translation>
    </message>
    <message>
        <source>Edit Maps</source>
        <translation>Edycja map</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Dodanie bota</translation>
    </message>
    <message>
        <source>Add Bots</source>
        <translation>Dodanie botów</translation>
    </message>
    <message>
        <source>Add Map</source>
        <translation>Dodanie mapy</translation>
    </message>
    <message>
        <source>Add Maps</source>
        <translation>Dodanie map</translation>
    </message>
    <message>
        <source>Remove Bot</source>
        <translation>Usunięcie bota</translation>
    </message>
    <message>
        <source>Remove Bots</source>
        <translation>Usunięcie botów</translation>
    </message>
    <message>
        <source>Remove Map</source>
        <translation>Usunięcie mapy</translation>
    </message>
    <message>
        <source>Remove Maps</source>
        <translation>Usunięcie map</translation>
    </message>
    <message>
        <source>Move Bot Earlier</source>
        <translation>Przesunięcie bota wyżej</translation>
    </message>
    <message>
        <source>Move Bots Earlier</source>
        <translation>Przesunięcie botów wyżej</translation>
    </message>
    <message>
        <source>Move Map Earlier</source>
        <translation>Przesunięcie mapy wyżej</translation>
    </message>
    <message>
        <source>Move Maps Earlier</source>
        <translation>Przesunięcie map wyżej</translation>
    </message>
    <message>
        <source>Move Bot Later</source>
        <translation>Przesunięcie bota niżej</translation>
    </message>
    <message>
        <source>Move Bots Later</source>
        <translation>Przesunięcie botów niżej</translation>
    </message>
    <message>
        <source>Move Map Later</source>
        <translation>Przesunięcie mapy niżej</translation>
    </message>
    <message>
        <source>Move Maps Later</source>
        <translation>Przesunięcie map niżej</translation>
    </message>
    <message>
        <source>Duplicate Bot</source>
        <translation>Duplikowanie bota</translation>
    </message>
    <message>
        <source>Duplicate Bots</source>
        <translation>Duplikowanie botów</translation>
    </message>
    <message>
        <source>Duplicate Map</source>
        <translation>Duplikowanie mapy</translation>
    </message>
    <message>
        <source>Duplicate Maps</source>
        <translation>Duplikowanie map</translation>
    </message>
    <message>
        <source>Paste Bot</source>
        <translation>Wklejenie bota</translation>
    </message>
    <message>
        <source>Paste Bots</source>
        <translation>Wklejenie botów</translation>
    </message>
    <message>
        <source>Paste Map</source>
        <translation>Wklejenie mapy</translation>
    </message>
    <message>
        <source>Paste Maps</source>
        <translation>Wklejenie map</translation>
    </message>
    <message>
        <source>Sort Bots</source>
        <translation>Sortowanie botów</translation>
    </message>
    <message>
        <source>Sort Maps</source>
        <translation>Sortowanie map</translation>
    </message>
</context>
<context>
    <name>RosterTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>TopColor</source>
        <translation>TopColor</translation>
    </message>
    <message>
        <source>BottomColor</source>
        <translation>BottomColor</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>InitialDelay</source>
        <translation>InitialDelay</translation>
    </message>
    <message>
        <source>SpawnDelay</source>
        <translation>SpawnDelay</translation>
    </message>
    <message>
        <source>WaitForPlayers</source>
        <translation>WaitForPlayers</translation>
    </message>
    <message>
        <source>KeepServerFull</source>
        <translation>KeepServerFull</translation>
    </message>
    <message>
        <source>The add-on reads this as a number, and &quot;%1&quot; is not a whole number.</source>
        <translation>Dodatek czyta to jako liczbę, a „%1” nie jest liczbą całkowitą.</translation>
    </message>
    <message>
        <source>A colour is a number from 0 to 255.</source>
        <translation>Kolor to liczba od 0 do 255.</translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>Roster - %1</source>
        <translation>Przegląd - %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <extracomment>Page: Roster</extracomment>
        <translation>&amp;Filtr:</translation>
    </message>
    <message>
        <source>All bots</source>
        <translation>Wszystkie boty</translation>
    </message>
    <message>
        <source>All map entries</source>
        <translation>Wszystkie wpisy map</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Boty</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Mapy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikuj</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Przesuń wyżej</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Przesuń niżej</translation>
    </message>
    <message>
        <source>Copy Entries</source>
        <translation>Kopiuj wpisy</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Wklej wpisy</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Okno główne</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>Pokazano %1 z %2</translation>
    </message>
</context>
</TS>
