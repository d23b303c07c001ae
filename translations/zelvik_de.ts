<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>the system gave no reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing stopped before the end.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a bots.ini file: the add-on reads only bots.ini.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edits the bot roster in bots.ini of a bot add-on for Half-Life, and starts the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The add-on folder whose bots.ini to edit, or that bots.ini file itself. Without it: the program&apos;s own folder when it holds a bots.ini, else the folder of last time, else the add-on folder of the installed game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FOLDER | FILE]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name one folder or file, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryPage</name>
    <message>
        <source>Move Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number, 1 to %1:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindBox</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter: next; Shift+Enter: previous</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Open add-on folder: choose the bot add-on&apos;s folder (vantrel in the Half-Life folder), where its bots.ini is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameLists</name>
    <message>
        <source>The game folder has no player model of this name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game folder has no map of this name.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniPage</name>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bots.ini file not found.<byte value="xd"/>
Make sure this program is in the vantrel folder along with the Bots.ini file.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the INI text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniTextView</name>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not there as a program that can be run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none of them is there as a program that can be run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start %1 in the folder %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a program that can be run.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vantrel Zelvik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous or next bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages through the bots: the left arrow shows the previous bot, the right arrow the next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The top colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bottom Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bottom colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous or next map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages through the map rotation: the left arrow shows the previous entry, the right arrow the next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot &amp;Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Initial Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spawn Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wait For Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Server Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bots.ini text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text of bots.ini as read, or as Save INI last wrote it; for reading and copying, typing changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HL.exe path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The full path of the game (hl.exe, or hlds.exe for the dedicated server); Launch starts it, and the map and model lists come from its folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command line the game is started with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save INI</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zelvik cannot keep a recovery copy of your unsaved edits, so a crash would lose them:

%1

Your edits are still here, and &quot;Save INI&quot; writes them to bots.ini as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open add-on folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bots.ini holds more than Zelvik can show: it reads at most %1 map entries and %1 bots. Left unread: %2.

The pages show the entries read. &quot;Save INI&quot; would write bots.ini without the ones left unread.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A recovery copy of unsaved edits to the roster in
%1
cannot be used: %2

It is left where it is, and no new copy is kept for this folder while it lies there:
%3

The roster is shown as bots.ini holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it, last at %1. &quot;Restore&quot; puts back the older roster with the edits, and &quot;Save INI&quot; asks before it overwrites that change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover unsaved edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zelvik was closed before the edits to the roster in
%1
were saved. A recovery copy of them was kept at %2.%3

&quot;Restore&quot; shows them as unsaved edits: bots.ini changes only when you press &quot;Save INI&quot;. &quot;Discard&quot; deletes the copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before opening another folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bots.ini holds %1 that Zelvik could not read. Saving writes only the roster shown here and drops them from the file. Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it. Overwrite it with the roster shown here?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster was not saved, and bots.ini is unchanged.

%1

Your edits are still here: fix the cause and press &quot;Save INI&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be started.

%1

Check the &quot;HL.exe path&quot; on the INI page and press &quot;Save INI&quot; before launching.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameMark</name>
    <message>
        <source>bots.ini cannot hold some letters of this name: &quot;Save INI&quot; writes each of them as &quot;?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>%1  (Bot %2 of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (Map %2 of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot list is full: it already holds %1 bots, the most it can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map list is full: it already holds %1 entries, the most it can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: no bots.ini text with a [Bot] section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no map entries to paste: no bots.ini text with a [Map] or [DefaultMap] section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bot was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No map entry was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n bot(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n map entry(ies).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s) did not fit: the list holds at most %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies) did not fit: the list holds at most %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n map entry(ies), which belong on the Maps page.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n bot(s), which belong on the Bots page.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>it could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a recovery copy Zelvik wrote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is cut short or changed: its contents do not match its checksum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was kept for another folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another Zelvik window has this add-on folder open and keeps the recovery copy; this window keeps none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock file %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterHistory</name>
    <message>
        <source>Edit Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Bot Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Bots Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Map Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Maps Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Bot Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Bots Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Map Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Maps Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Maps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterTableModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TopColor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BottomColor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InitialDelay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SpawnDelay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WaitForPlayers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KeepServerFull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The add-on reads this as a number, and &quot;%1&quot; is not a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A colour is a number from 0 to 255.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>Roster - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All map entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
