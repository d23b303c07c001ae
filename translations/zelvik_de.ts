<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>the system gave no reason</source>
        <translation>das System nannte keinen Grund</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>writing stopped before the end.</source>
        <translation>das Schreiben brach vor dem Ende ab.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Zeigt Zelvik bei diesem Start in dieser Sprache: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>Zelvik hat keine Übersetzung in „%1“. Vorhandene Sprachen: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a bots.ini file: the add-on reads only bots.ini.</source>
        <translation>%1 ist keine bots.ini-Datei: Das Add-on liest nur die bots.ini.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Edits the bot roster in bots.ini of a bot add-on for Half-Life, and starts the game.</source>
        <translation>Bearbeitet die Bot-Konfiguration in der bots.ini eines Bot-Add-ons für Half-Life und startet das Spiel.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>The add-on folder whose bots.ini to edit, or that bots.ini file itself. Without it: the program&apos;s own folder when it holds a bots.ini, else the folder of last time, else the add-on folder of the installed game.</source>
        <translation>Der Add-on-Ordner, dessen bots.ini bearbeitet werden soll, oder diese bots.ini-Datei selbst. Ohne Angabe: der Ordner des Programms, wenn er eine bots.ini enthält, sonst der Ordner vom letzten Mal, sonst der Add-on-Ordner des installierten Spiels.</translation>
    </message>
    <message>
        <source>[FOLDER | FILE]</source>
        <translation>[ORDNER | DATEI]</translation>
    </message>
    <message>
        <source>Name one folder or file, not %1.</source>
        <translation>Geben Sie einen Ordner oder eine Datei an, nicht %1.</translation>
    </message>
</context>
<context>
    <name>EntryPage</name>
    <message>
        <source>Move Earlier</source>
        <translation>Nach vorn verschieben</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Nach hinten verschieben</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Copy Entry</source>
        <translation>Eintrag kopieren</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Einträge einfügen</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Alle Bots anzeigen</translation>
    </message>
    <message>
        <source>Show All Maps</source>
        <translation>Alle Maps anzeigen</translation>
    </message>
    <message>
        <source>Number, 1 to %1:</source>
        <translation>Nummer, 1 bis %1:</translation>
    </message>
</context>
<context>
    <name>FindBox</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Enter: next; Shift+Enter: previous</source>
        <translation>Enter: weiter; Umschalt+Enter: zurück</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Open add-on folder: choose the bot add-on&apos;s folder (vantrel in the Half-Life folder), where its bots.ini is</source>
        <translation>Add-on-Ordner öffnen: Wählen Sie den Ordner des Bot-Add-ons (vantrel im Half-Life-Ordner), in dem seine bots.ini liegt</translation>
    </message>
</context>
<context>
    <name>GameLists</name>
    <message>
        <source>The game folder has no player model of this name.</source>
        <translation>Der Spielordner hat kein Spielermodell dieses Namens.</translation>
    </message>
    <message>
        <source>The game folder has no map of this name.</source>
        <translation>Der Spielordner hat keine Map dieses Namens.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Zelvik-Spielerhandbuch</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Spielerhandbuch</translation>
    </message>
</context>
<context>
    <name>HistoryKeys</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>IniPage</name>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Bots.ini file not found.<byte value="xd"/>
Make sure this program is in the vantrel folder along with the Bots.ini file.<byte value="xd"/>
</source>
        <translation>Datei Bots.ini nicht gefunden.<byte value="xd"/>
Stellen Sie sicher, dass dieses Programm im Ordner vantrel neben der Datei Bots.ini liegt.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Find in the INI text</source>
        <translation>Im INI-Text suchen</translation>
    </message>
</context>
<context>
    <name>IniTextView</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>it is not there as a program that can be run.</source>
        <translation>es ist dort nicht als ausführbares Programm vorhanden.</translation>
    </message>
    <message>
        <source>none of them is there as a program that can be run.</source>
        <translation>keines davon ist dort als ausführbares Programm vorhanden.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>Could not start %1 in the folder %2: %3</source>
        <translation>%1 konnte im Ordner %2 nicht gestartet werden: %3</translation>
    </message>
    <message>
        <source>the program does not exist.</source>
        <translation>das Programm existiert nicht.</translation>
    </message>
    <message>
        <source>the file is not a program that can be run.</source>
        <translation>die Datei ist kein ausführbares Programm.</translation>
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
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Previous or next bot</source>
        <translation>Vorheriger oder nächster Bot</translation>
    </message>
    <message>
        <source>Pages through the bots: the left arrow shows the previous bot, the right arrow the next.</source>
        <translation>Blättert durch die Bots: Der linke Pfeil zeigt den vorherigen Bot, der rechte den nächsten.</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Top Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Obere Farbe</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>The top colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>Die obere Farbe, 1 bis 255 rund um den Farbkreis; das Feld rechts daneben zeigt die Zahl.</translation>
    </message>
    <message>
        <source>&amp;Bottom Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Untere Farbe</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>The bottom colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>Die untere Farbe, 1 bis 255 rund um den Farbkreis; das Feld rechts daneben zeigt die Zahl.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Previous or next map</source>
        <translation>Vorherige oder nächste Map</translation>
    </message>
    <message>
        <source>Pages through the map rotation: the left arrow shows the previous entry, the right arrow the next.</source>
        <translation>Blättert durch die Map-Rotation: Der linke Pfeil zeigt den vorherigen Eintrag, der rechte den nächsten.</translation>
    </message>
    <message>
        <source>Bot &amp;Quantity</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Bot-&amp;Anzahl</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>&amp;Initial Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>S&amp;tart-Delay</translation>
    </message>
    <message>
        <source>&amp;Spawn Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Spawn-Delay</translation>
    </message>
    <message>
        <source>&amp;Wait For Players</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Spieler ab&amp;warten</translation>
    </message>
    <message>
        <source>&amp;Keep Server Full</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Server auf&amp;füllen</translation>
    </message>
    <message>
        <source>bots.ini text</source>
        <translation>bots.ini-Text</translation>
    </message>
    <message>
        <source>The text of bots.ini as read, or as Save INI last wrote it; for reading and copying, typing changes nothing.</source>
        <translation>Der Text der bots.ini, wie gelesen oder wie „INI sichern“ ihn zuletzt schrieb; zum Lesen und Kopieren, Tippen ändert nichts.</translation>
    </message>
    <message>
        <source>&amp;HL.exe path</source>
        <extracomment>Page: INI</extracomment>
        <translation>&amp;HL.exe-Pfad</translation>
    </message>
    <message>
        <source>The full path of the game (hl.exe, or hlds.exe for the dedicated server); Launch starts it, and the map and model lists come from its folder.</source>
        <translation>Der vollständige Pfad des Spiels (hl.exe, oder hlds.exe für den dedizierten Server); „Starten“ startet es, und die Map- und Modelllisten kommen aus seinem Ordner.</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <extracomment>Page: INI</extracomment>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>The command line the game is started with.</source>
        <translation>Die Befehlszeile, mit der das Spiel gestartet wird.</translation>
    </message>
    <message>
        <source>Save INI</source>
        <translation>INI sichern</translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies)</source>
        <translation>
            <numerusform>%n Map-Eintrag</numerusform>
            <numerusform>%n Map-Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s)</source>
        <translation>
            <numerusform>%n Bot</numerusform>
            <numerusform>%n Bots</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Bots</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Maps</translation>
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
        <translation>Wiederherstellungskopie</translation>
    </message>
    <message>
        <source>Zelvik cannot keep a recovery copy of your unsaved edits, so a crash would lose them:

%1

Your edits are still here, and &quot;Save INI&quot; writes them to bots.ini as before.</source>
        <translation>Zelvik kann keine Wiederherstellungskopie Ihrer ungespeicherten Änderungen anlegen; bei einem Absturz gingen sie verloren:

%1

Ihre Änderungen sind noch da, und „INI sichern“ schreibt sie wie bisher in die bots.ini.</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Alle Bots anzeigen</translation>
    </message>
    <message>
        <source>Open add-on folder...</source>
        <translation>Add-on-Ordner öffnen...</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before closing?</source>
        <translation>Die Konfiguration hat Änderungen, die nicht in der bots.ini gespeichert sind.

Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>Zu viele Einträge</translation>
    </message>
    <message>
        <source>bots.ini holds more than Zelvik can show: it reads at most %1 map entries and %1 bots. Left unread: %2.

The pages show the entries read. &quot;Save INI&quot; would write bots.ini without the ones left unread.</source>
        <translation>Die bots.ini enthält mehr, als Zelvik anzeigen kann: Es liest höchstens %1 Map-Einträge und %1 Bots. Nicht gelesen: %2.

Die Seiten zeigen die gelesenen Einträge. „INI sichern“ würde die bots.ini ohne die nicht gelesenen schreiben.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved edits to the roster in
%1
cannot be used: %2

It is left where it is, and no new copy is kept for this folder while it lies there:
%3

The roster is shown as bots.ini holds it.</source>
        <translation>Eine Wiederherstellungskopie ungespeicherter Änderungen an der Konfiguration in
%1
ist nicht verwendbar: %2

Sie bleibt, wo sie ist, und solange sie dort liegt, wird für diesen Ordner keine neue Kopie angelegt:
%3

Die Konfiguration wird so angezeigt, wie die bots.ini sie enthält.</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it, last at %1. &quot;Restore&quot; puts back the older roster with the edits, and &quot;Save INI&quot; asks before it overwrites that change.</source>
        <translation>Die bots.ini wurde von einem anderen Programm geändert, seit Zelvik sie gelesen hat, zuletzt am %1. „Wiederherstellen“ holt die ältere Konfiguration mit den Änderungen zurück, und „INI sichern“ fragt nach, bevor es diese Änderung überschreibt.</translation>
    </message>
    <message>
        <source>Recover unsaved edits</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>Zelvik was closed before the edits to the roster in
%1
were saved. A recovery copy of them was kept at %2.%3

&quot;Restore&quot; shows them as unsaved edits: bots.ini changes only when you press &quot;Save INI&quot;. &quot;Discard&quot; deletes the copy.</source>
        <translation>Zelvik wurde beendet, bevor die Änderungen an der Konfiguration in
%1
gespeichert waren. Eine Wiederherstellungskopie davon wurde am %2 angelegt.%3

„Wiederherstellen“ zeigt sie als ungespeicherte Änderungen: Die bots.ini ändert sich erst, wenn Sie „INI sichern“ drücken. „Verwerfen“ löscht die Kopie.</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before opening another folder?</source>
        <translation>Die Konfiguration hat Änderungen, die nicht in der bots.ini gespeichert sind.

Vor dem Öffnen eines anderen Ordners speichern?</translation>
    </message>
    <message>
        <source>bots.ini holds %1 that Zelvik could not read. Saving writes only the roster shown here and drops them from the file. Save anyway?</source>
        <translation>Die bots.ini enthält Einträge, die Zelvik nicht lesen konnte: %1. Beim Speichern wird nur die hier gezeigte Konfiguration geschrieben, und diese Einträge fallen aus der Datei. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it. Overwrite it with the roster shown here?</source>
        <translation>Die bots.ini wurde von einem anderen Programm geändert, seit Zelvik sie gelesen hat. Mit der hier gezeigten Konfiguration überschreiben?</translation>
    </message>
    <message>
        <source>The roster was not saved, and bots.ini is unchanged.

%1

Your edits are still here: fix the cause and press &quot;Save INI&quot; again.</source>
        <translation>Die Konfiguration wurde nicht gespeichert, die bots.ini ist unverändert.

%1

Ihre Änderungen sind noch da: Beheben Sie die Ursache und drücken Sie erneut „INI sichern“.</translation>
    </message>
    <message>
        <source>The game could not be started.

%1

Check the &quot;HL.exe path&quot; on the INI page and press &quot;Save INI&quot; before launching.</source>
        <translation>Das Spiel konnte nicht gestartet werden.

%1

Prüfen Sie den „HL.exe-Pfad“ auf der INI-Seite und drücken Sie vor dem Starten „INI sichern“.</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Go to...</source>
        <translation>Gehe zu...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>„%1“ nicht gefunden</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&amp;Discard</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <extracomment>Page: Question</extracomment>
        <translation>Über&amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>NameMark</name>
    <message>
        <source>bots.ini cannot hold some letters of this name: &quot;Save INI&quot; writes each of them as &quot;?&quot;.</source>
        <translation>Die bots.ini kann einige Zeichen dieses Namens nicht aufnehmen: „INI sichern“ schreibt jedes davon als „?“.</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>%1  (Bot %2 of %3)</source>
        <translation>%1  (Bot %2 von %3)</translation>
    </message>
    <message>
        <source>%1  (Map %2 of %3)</source>
        <translation>%1  (Map %2 von %3)</translation>
    </message>
    <message>
        <source>Find in bots</source>
        <translation>In Bots suchen</translation>
    </message>
    <message>
        <source>Find in maps</source>
        <translation>In Maps suchen</translation>
    </message>
    <message>
        <source>Go to bot</source>
        <translation>Gehe zu Bot</translation>
    </message>
    <message>
        <source>Go to map</source>
        <translation>Gehe zu Map</translation>
    </message>
    <message>
        <source>Add bot</source>
        <translation>Bot hinzufügen</translation>
    </message>
    <message>
        <source>Add map</source>
        <translation>Map hinzufügen</translation>
    </message>
    <message>
        <source>The bot list is full: it already holds %1 bots, the most it can hold.</source>
        <translation>Die Bot-Liste ist voll: Sie enthält bereits %1 Bots, mehr passen nicht hinein.</translation>
    </message>
    <message>
        <source>The map list is full: it already holds %1 entries, the most it can hold.</source>
        <translation>Die Map-Liste ist voll: Sie enthält bereits %1 Einträge, mehr passen nicht hinein.</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Einträge einfügen</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: no bots.ini text with a [Bot] section.</source>
        <translation>Die Zwischenablage enthält keine Bots zum Einfügen: keinen bots.ini-Text mit einem [Bot]-Abschnitt.</translation>
    </message>
    <message>
        <source>The clipboard holds no map entries to paste: no bots.ini text with a [Map] or [DefaultMap] section.</source>
        <translation>Die Zwischenablage enthält keine Map-Einträge zum Einfügen: keinen bots.ini-Text mit einem [Map]- oder [DefaultMap]-Abschnitt.</translation>
    </message>
    <message>
        <source>No bot was pasted.</source>
        <translation>Es wurde kein Bot eingefügt.</translation>
    </message>
    <message>
        <source>No map entry was pasted.</source>
        <translation>Es wurde kein Map-Eintrag eingefügt.</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n bot(s).</source>
        <translation>
            <numerusform>%n Bot eingefügt.</numerusform>
            <numerusform>%n Bots eingefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n map entry(ies).</source>
        <translation>
            <numerusform>%n Map-Eintrag eingefügt.</numerusform>
            <numerusform>%n Map-Einträge eingefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n Bot passte nicht mehr hinein: Die Liste fasst höchstens %1.</numerusform>
            <numerusform>%n Bots passten nicht mehr hinein: Die Liste fasst höchstens %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n Map-Eintrag passte nicht mehr hinein: Die Liste fasst höchstens %1.</numerusform>
            <numerusform>%n Map-Einträge passten nicht mehr hinein: Die Liste fasst höchstens %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n map entry(ies), which belong on the Maps page.</source>
        <translation>
            <numerusform>Ausgelassen: %n Map-Eintrag, der auf die Seite „Maps“ gehört.</numerusform>
            <numerusform>Ausgelassen: %n Map-Einträge, die auf die Seite „Maps“ gehören.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n bot(s), which belong on the Bots page.</source>
        <translation>
            <numerusform>Ausgelassen: %n Bot, der auf die Seite „Bots“ gehört.</numerusform>
            <numerusform>Ausgelassen: %n Bots, die auf die Seite „Bots“ gehören.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>it could not be read: %1</source>
        <translation>sie konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is not a recovery copy Zelvik wrote.</source>
        <translation>sie ist keine von Zelvik geschriebene Wiederherstellungskopie.</translation>
    </message>
    <message>
        <source>it is cut short or changed: its contents do not match its checksum.</source>
        <translation>sie ist abgeschnitten oder verändert: Ihr Inhalt passt nicht zu ihrer Prüfsumme.</translation>
    </message>
    <message>
        <source>it was kept for another folder: %1</source>
        <translation>sie wurde für einen anderen Ordner angelegt: %1</translation>
    </message>
    <message>
        <source>another Zelvik window has this add-on folder open and keeps the recovery copy; this window keeps none.</source>
        <translation>ein anderes Zelvik-Fenster hat diesen Add-on-Ordner geöffnet und führt die Wiederherstellungskopie; dieses Fenster führt keine.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be made.</source>
        <translation>die Sperrdatei %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>RosterHistory</name>
    <message>
        <source>Edit Bot</source>
        <translation>Bot bearbeiten</translation>
    </message>
    <message>
        <source>Edit Bots</source>
        <translation>Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation>Map bearbeiten</translation>
    </message>
    <message>
        <source>Edit Maps</source>
        <translation>Maps bearbeiten</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Bot hinzufügen</translation>
    </message>
    <message>
        <source>Add Bots</source>
        <translation>Bots hinzufügen</translation>
    </message>
    <message>
        <source>Add Map</source>
        <translation>Map hinzufügen</translation>
    </message>
    <message>
        <source>Add Maps</source>
        <translation>Maps hinzufügen</translation>
    </message>
    <message>
        <source>Remove Bot</source>
        <translation>Bot entfernen</translation>
    </message>
    <message>
        <source>Remove Bots</source>
        <translation>Bots entfernen</translation>
    </message>
    <message>
        <source>Remove Map</source>
        <translation>Map entfernen</translation>
    </message>
    <message>
        <source>Remove Maps</source>
        <translation>Maps entfernen</translation>
    </message>
    <message>
        <source>Move Bot Earlier</source>
        <translation>Bot nach vorn verschieben</translation>
    </message>
    <message>
        <source>Move Bots Earlier</source>
        <translation>Bots nach vorn verschieben</translation>
    </message>
    <message>
        <source>Move Map Earlier</source>
        <translation>Map nach vorn verschieben</translation>
    </message>
    <message>
        <source>Move Maps Earlier</source>
        <translation>Maps nach vorn verschieben</translation>
    </message>
    <message>
        <source>Move Bot Later</source>
        <translation>Bot nach hinten verschieben</translation>
    </message>
    <message>
        <source>Move Bots Later</source>
        <translation>Bots nach hinten verschieben</translation>
    </message>
    <message>
        <source>Move Map Later</source>
        <translation>Map nach hinten verschieben</translation>
    </message>
    <message>
        <source>Move Maps Later</source>
        <translation>Maps nach hinten verschieben</translation>
    </message>
    <message>
        <source>Duplicate Bot</source>
        <translation>Bot duplizieren</translation>
    </message>
    <message>
        <source>Duplicate Bots</source>
        <translation>Bots duplizieren</translation>
    </message>
    <message>
        <source>Duplicate Map</source>
        <translation>Map duplizieren</translation>
    </message>
    <message>
        <source>Duplicate Maps</source>
        <translation>Maps duplizieren</translation>
    </message>
    <message>
        <source>Paste Bot</source>
        <translation>Bot einfügen</translation>
    </message>
    <message>
        <source>Paste Bots</source>
        <translation>Bots einfügen</translation>
    </message>
    <message>
        <source>Paste Map</source>
        <translation>Map einfügen</translation>
    </message>
    <message>
        <source>Paste Maps</source>
        <translation>Maps einfügen</translation>
    </message>
    <message>
        <source>Sort Bots</source>
        <translation>Bots sortieren</translation>
    </message>
    <message>
        <source>Sort Maps</source>
        <translation>Maps sortieren</translation>
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
        <translation>Das Add-on liest dies als Zahl, und „%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>A colour is a number from 0 to 255.</source>
        <translation>Eine Farbe ist eine Zahl von 0 bis 255.</translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>Roster - %1</source>
        <translation>Übersicht - %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <extracomment>Page: Roster</extracomment>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>All bots</source>
        <translation>Alle Bots</translation>
    </message>
    <message>
        <source>All map entries</source>
        <translation>Alle Map-Einträge</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Bots</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Maps</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Nach vorn verschieben</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Nach hinten verschieben</translation>
    </message>
    <message>
        <source>Copy Entries</source>
        <translation>Einträge kopieren</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Einträge einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 angezeigt</translation>
    </message>
</context>
</TS>
