<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>the system gave no reason</source>
        <translation>система не сообщила причину</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>это папка, а не файл.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>файл доступен только для чтения.</translation>
    </message>
    <message>
        <source>writing stopped before the end.</source>
        <translation>запись оборвалась, не дойдя до конца.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Показывает Zelvik на этом языке при этом запуске: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>код</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>У Zelvik нет перевода на «%1». Доступные языки: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 не существует.</translation>
    </message>
    <message>
        <source>%1 is not a bots.ini file: the add-on reads only bots.ini.</source>
        <translation>%1 — не файл bots.ini: аддон читает только bots.ini.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Не удаётся прочитать папку %1.</translation>
    </message>
    <message>
        <source>Edits the bot roster in bots.ini of a bot add-on for Half-Life, and starts the game.</source>
        <translation>Редактирует конфигурацию ботов в bots.ini аддона ботов для Half-Life и запускает игру.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Показывает эту справку.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показывает сведения о версии.</translation>
    </message>
    <message>
        <source>The add-on folder whose bots.ini to edit, or that bots.ini file itself. Without it: the program&apos;s own folder when it holds a bots.ini, else the folder of last time, else the add-on folder of the installed game.</source>
        <translation>Папка аддона, чей bots.ini нужно редактировать, или сам этот файл bots.ini. Без него: собственная папка программы, если в ней есть bots.ini, иначе папка прошлого раза, иначе папка аддона установленной игры.</translation>
    </message>
    <message>
        <source>[FOLDER | FILE]</source>
        <translation>[ПАПКА | ФАЙЛ]</translation>
    </message>
    <message>
        <source>Name one folder or file, not %1.</source>
        <translation>Укажите одну папку или один файл, а не %1.</translation>
    </message>
</context>
<context>
    <name>EntryPage</name>
    <message>
        <source>Move Earlier</source>
        <translation>Переместить выше</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Переместить ниже</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Copy Entry</source>
        <translation>Копировать запись</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Вставить записи</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Показать всех ботов</translation>
    </message>
    <message>
        <source>Show All Maps</source>
        <translation>Показать все карты</translation>
    </message>
    <message>
        <source>Number, 1 to %1:</source>
        <translation>Номер, от 1 до %1:</translation>
    </message>
</context>
<context>
    <name>FindBox</name>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Enter: next; Shift+Enter: previous</source>
        <translation>Enter: следующее; Shift+Enter: предыдущее</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Open add-on folder: choose the bot add-on&apos;s folder (vantrel in the Half-Life folder), where its bots.ini is</source>
        <translation>Открыть папку аддона: выберите папку аддона ботов (vantrel в папке Half-Life), где лежит его bots.ini</translation>
    </message>
</context>
<context>
    <name>GameLists</name>
    <message>
        <source>The game folder has no player model of this name.</source>
        <translation>В папке игры нет модели игрока с таким именем.</translation>
    </message>
    <message>
        <source>The game folder has no map of this name.</source>
        <translation>В папке игры нет карты с таким именем.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Руководство игрока Zelvik</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Руководство игрока</translation>
    </message>
</context>
<context>
    <name>HistoryKeys</name>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
</context>
<context>
    <name>IniPage</name>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Bots.ini file not found.<byte value="xd"/>
Make sure this program is in the vantrel folder along with the Bots.ini file.<byte value="xd"/>
</source>
        <translation>Файл Bots.ini не найден.<byte value="xd"/>
Убедитесь, что эта программа находится в папке vantrel рядом с файлом Bots.ini.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Find in the INI text</source>
        <translation>Найти в тексте INI</translation>
    </message>
</context>
<context>
    <name>IniTextView</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>Выделить &amp;всё</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>it is not there as a program that can be run.</source>
        <translation>его там нет в виде исполняемой программы.</translation>
    </message>
    <message>
        <source>none of them is there as a program that can be run.</source>
        <translation>ни одной из них там нет в виде исполняемой программы.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>папка не существует.</translation>
    </message>
    <message>
        <source>Could not start %1 in the folder %2: %3</source>
        <translation>Не удалось запустить %1 в папке %2: %3</translation>
    </message>
    <message>
        <source>the program does not exist.</source>
        <translation>программа не существует.</translation>
    </message>
    <message>
        <source>the file is not a program that can be run.</source>
        <translation>файл не является исполняемой программой.</translation>
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
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <source>Previous or next bot</source>
        <translation>Предыдущий или следующий бот</translation>
    </message>
    <message>
        <source>Pages through the bots: the left arrow shows the previous bot, the right arrow the next.</source>
        <translation>Листает ботов: левая стрелка показывает предыдущего бота, правая — следующего.</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Модель</translation>
    </message>
    <message>
        <source>&amp;Top Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Цвет верха</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Цвет верха</translation>
    </message>
    <message>
        <source>The top colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>Цвет верха, от 1 до 255 по цветовому кругу; поле справа показывает число.</translation>
    </message>
    <message>
        <source>&amp;Bottom Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>Цвет &amp;низа</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Цвет низа</translation>
    </message>
    <message>
        <source>The bottom colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>Цвет низа, от 1 до 255 по цветовому кругу; поле справа показывает число.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Previous or next map</source>
        <translation>Предыдущая или следующая карта</translation>
    </message>
    <message>
        <source>Pages through the map rotation: the left arrow shows the previous entry, the right arrow the next.</source>
        <translation>Листает ротацию карт: левая стрелка показывает предыдущую запись, правая — следующую.</translation>
    </message>
    <message>
        <source>Bot &amp;Quantity</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Число ботов</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Случайно</translation>
    </message>
    <message>
        <source>&amp;Initial Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>С&amp;тарт через</translation>
    </message>
    <message>
        <source>&amp;Spawn Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Спа&amp;вн через</translation>
    </message>
    <message>
        <source>&amp;Wait For Players</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Ждать игроков</translation>
    </message>
    <message>
        <source>&amp;Keep Server Full</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Полный сервер</translation>
    </message>
    <message>
        <source>bots.ini text</source>
        <translation>текст bots.ini</translation>
    </message>
    <message>
        <source>The text of bots.ini as read, or as Save INI last wrote it; for reading and copying, typing changes nothing.</source>
        <translation>Текст bots.ini в том виде, в каком он был прочитан или последний раз записан кнопкой «Запись INI»; только для чтения и копирования, ввод ничего не меняет.</translation>
    </message>
    <message>
        <source>&amp;HL.exe path</source>
        <extracomment>Page: INI</extracomment>
        <translation>Путь к &amp;игре</translation>
    </message>
    <message>
        <source>The full path of the game (hl.exe, or hlds.exe for the dedicated server); Launch starts it, and the map and model lists come from its folder.</source>
        <translation>Полный путь к игре (hl.exe или hlds.exe для выделенного сервера); «Запустить» запускает её, а списки карт и моделей берутся из её папки.</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <extracomment>Page: INI</extracomment>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>The command line the game is started with.</source>
        <translation>Командная строка, с которой запускается игра.</translation>
    </message>
    <message>
        <source>Save INI</source>
        <translation>Запись INI</translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies)</source>
        <translation>
            <numerusform>%n запись карты</numerusform>
            <numerusform>%n записи карт</numerusform>
            <numerusform>%n записей карт</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s)</source>
        <translation>
            <numerusform>%n бот</numerusform>
            <numerusform>%n бота</numerusform>
            <numerusform>%n ботов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Боты</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Карты</translation>
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
        <translation>Копия для восстановления</translation>
    </message>
    <message>
        <source>Zelvik cannot keep a recovery copy of your unsaved edits, so a crash would lose them:

%1

Your edits are still here, and &quot;Save INI&quot; writes them to bots.ini as before.</source>
        <translation>Zelvik не может хранить копию для восстановления ваших несохранённых изменений, поэтому при сбое они пропадут:

%1

Ваши изменения по-прежнему здесь, и «Запись INI» записывает их в bots.ini, как и раньше.</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Показать всех ботов</translation>
    </message>
    <message>
        <source>Open add-on folder...</source>
        <translation>Открыть папку аддона...</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before closing?</source>
        <translation>В конфигурации есть изменения, не сохранённые в bots.ini.

Сохранить их перед закрытием?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>Слишком много записей</translation>
    </message>
    <message>
        <source>bots.ini holds more than Zelvik can show: it reads at most %1 map entries and %1 bots. Left unread: %2.

The pages show the entries read. &quot;Save INI&quot; would write bots.ini without the ones left unread.</source>
        <translation>В bots.ini больше, чем Zelvik может показать: он читает не более %1 записей карт и %1 ботов. Не прочитано: %2.

На страницах показаны прочитанные записи. «Запись INI» записала бы bots.ini без непрочитанных.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved edits to the roster in
%1
cannot be used: %2

It is left where it is, and no new copy is kept for this folder while it lies there:
%3

The roster is shown as bots.ini holds it.</source>
        <translation>Копию для восстановления несохранённых изменений конфигурации в
%1
нельзя использовать: %2

Она остаётся на месте, и пока она там лежит, новая копия для этой папки не ведётся:
%3

Конфигурация показана в том виде, в каком она записана в bots.ini.</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it, last at %1. &quot;Restore&quot; puts back the older roster with the edits, and &quot;Save INI&quot; asks before it overwrites that change.</source>
        <translation>bots.ini был изменён другой программой после того, как Zelvik его прочитал, в последний раз — %1. «Восстановить» вернёт прежнюю конфигурацию с изменениями, а «Запись INI» спросит, прежде чем перезаписать это изменение.</translation>
    </message>
    <message>
        <source>Recover unsaved edits</source>
        <translation>Восстановление несохранённых изменений</translation>
    </message>
    <message>
        <source>Zelvik was closed before the edits to the roster in
%1
were saved. A recovery copy of them was kept at %2.%3

&quot;Restore&quot; shows them as unsaved edits: bots.ini changes only when you press &quot;Save INI&quot;. &quot;Discard&quot; deletes the copy.</source>
        <translation>Zelvik был закрыт до того, как изменения конфигурации в
%1
были сохранены. Копия для восстановления сделана %2.%3

«Восстановить» покажет их как несохранённые изменения: bots.ini изменится, только когда вы нажмёте «Запись INI». «Отбросить» удалит копию.</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before opening another folder?</source>
        <translation>В конфигурации есть изменения, не сохранённые в bots.ini.

Сохранить их перед открытием другой папки?</translation>
    </message>
    <message>
        <source>bots.ini holds %1 that Zelvik could not read. Saving writes only the roster shown here and drops them from the file. Save anyway?</source>
        <translation>В bots.ini есть записи, которые Zelvik не смог прочитать: %1. При сохранении записывается только показанная здесь конфигурация, и они пропадут из файла. Всё равно сохранить?</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it. Overwrite it with the roster shown here?</source>
        <translation>bots.ini был изменён другой программой после того, как Zelvik его прочитал. Перезаписать его показанной здесь конфигурацией?</translation>
    </message>
    <message>
        <source>The roster was not saved, and bots.ini is unchanged.

%1

Your edits are still here: fix the cause and press &quot;Save INI&quot; again.</source>
        <translation>Конфигурация не сохранена, bots.ini не изменён.

%1

Ваши изменения по-прежнему здесь: устраните причину и снова нажмите «Запись INI».</translation>
    </message>
    <message>
        <source>The game could not be started.

%1

Check the &quot;HL.exe path&quot; on the INI page and press &quot;Save INI&quot; before launching.</source>
        <translation>Не удалось запустить игру.

%1

Проверьте «Путь к игре» на странице INI и нажмите «Запись INI» перед запуском.</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Найти...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Найти следующее</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Найти предыдущее</translation>
    </message>
    <message>
        <source>Go to...</source>
        <translation>Перейти...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>«%1» не найдено</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&amp;Discard</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Отбросить</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Перезаписать</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Восстановить</translation>
    </message>
</context>
<context>
    <name>NameMark</name>
    <message>
        <source>bots.ini cannot hold some letters of this name: &quot;Save INI&quot; writes each of them as &quot;?&quot;.</source>
        <translation>bots.ini не может хранить некоторые буквы этого имени: «Запись INI» запишет каждую из них как «?».</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>%1  (Bot %2 of %3)</source>
        <translation>%1  (Бот %2 из %3)</translation>
    </message>
    <message>
        <source>%1  (Map %2 of %3)</source>
        <translation>%1  (Карта %2 из %3)</translation>
    </message>
    <message>
        <source>Find in bots</source>
        <translation>Найти среди ботов</translation>
    </message>
    <message>
        <source>Find in maps</source>
        <translation>Найти среди карт</translation>
    </message>
    <message>
        <source>Go to bot</source>
        <translation>Перейти к боту</translation>
    </message>
    <message>
        <source>Go to map</source>
        <translation>Перейти к карте</translation>
    </message>
    <message>
        <source>Add bot</source>
        <translation>Добавить бота</translation>
    </message>
    <message>
        <source>Add map</source>
        <translation>Добавить карту</translation>
    </message>
    <message>
        <source>The bot list is full: it already holds %1 bots, the most it can hold.</source>
        <translation>Список ботов полон: в нём уже %1 ботов, больше не поместится.</translation>
    </message>
    <message>
        <source>The map list is full: it already holds %1 entries, the most it can hold.</source>
        <translation>Список карт полон: в нём уже %1 записей, больше не поместится.</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Вставить записи</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: no bots.ini text with a [Bot] section.</source>
        <translation>В буфере обмена нет ботов для вставки: нет текста bots.ini с разделом [Bot].</translation>
    </message>
    <message>
        <source>The clipboard holds no map entries to paste: no bots.ini text with a [Map] or [DefaultMap] section.</source>
        <translation>В буфере обмена нет записей карт для вставки: нет текста bots.ini с разделом [Map] или [DefaultMap].</translation>
    </message>
    <message>
        <source>No bot was pasted.</source>
        <translation>Ни один бот не вставлен.</translation>
    </message>
    <message>
        <source>No map entry was pasted.</source>
        <translation>Ни одна запись карты не вставлена.</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n bot(s).</source>
        <translation>
            <numerusform>Вставлен %n бот.</numerusform>
            <numerusform>Вставлено %n бота.</numerusform>
            <numerusform>Вставлено %n ботов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n map entry(ies).</source>
        <translation>
            <numerusform>Вставлена %n запись карты.</numerusform>
            <numerusform>Вставлено %n записи карт.</numerusform>
            <numerusform>Вставлено %n записей карт.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n бот не поместился: в списке не больше %1.</numerusform>
            <numerusform>%n бота не поместились: в списке не больше %1.</numerusform>
            <numerusform>%n ботов не поместились: в списке не больше %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n запись карты не поместилась: в списке не больше %1.</numerusform>
            <numerusform>%n записи карт не поместились: в списке не больше %1.</numerusform>
            <numerusform>%n записей карт не поместились: в списке не больше %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n map entry(ies), which belong on the Maps page.</source>
        <translation>
            <numerusform>Пропущена %n запись карты: её место на странице «Карты».</numerusform>
            <numerusform>Пропущено %n записи карт: их место на странице «Карты».</numerusform>
            <numerusform>Пропущено %n записей карт: их место на странице «Карты».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n bot(s), which belong on the Bots page.</source>
        <translation>
            <numerusform>Пропущен %n бот: его место на странице «Боты».</numerusform>
            <numerusform>Пропущено %n бота: их место на странице «Боты».</numerusform>
            <numerusform>Пропущено %n ботов: их место на странице «Боты».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>it could not be read: %1</source>
        <translation>её не удалось прочитать: %1</translation>
    </message>
    <message>
        <source>it is not a recovery copy Zelvik wrote.</source>
        <translation>это не копия для восстановления, записанная Zelvik.</translation>
    </message>
    <message>
        <source>it is cut short or changed: its contents do not match its checksum.</source>
        <translation>она обрезана или изменена: её содержимое не совпадает с контрольной суммой.</translation>
    </message>
    <message>
        <source>it was kept for another folder: %1</source>
        <translation>она была сделана для другой папки: %1</translation>
    </message>
    <message>
        <source>another Zelvik window has this add-on folder open and keeps the recovery copy; this window keeps none.</source>
        <translation>эта папка аддона открыта в другом окне Zelvik, и копию для восстановления ведёт оно; это окно копию не ведёт.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be made.</source>
        <translation>не удалось создать файл блокировки %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>не удалось удалить %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>не удалось создать папку %1.</translation>
    </message>
</context>
<context>
    <name>RosterHistory</name>
    <message>
        <source>Edit Bot</source>
        <translation>Изменение бота</translation>
    </message>
    <message>
        <source>Edit Bots</source>
        <translation>Изменение ботов</translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation>Изменение карты</translation>
    </message>
    <message>
        <source>Edit Maps</source>
        <translation>Изменение карт</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Добавление бота</translation>
    </message>
    <message>
        <source>Add Bots</source>
        <translation>Добавление ботов</translation>
    </message>
    <message>
        <source>Add Map</source>
        <translation>Добавление карты</translation>
    </message>
    <message>
        <source>Add Maps</source>
        <translation>Добавление карт</translation>
    </message>
    <message>
        <source>Remove Bot</source>
        <translation>Удаление бота</translation>
    </message>
    <message>
        <source>Remove Bots</source>
        <translation>Удаление ботов</translation>
    </message>
    <message>
        <source>Remove Map</source>
        <translation>Удаление карты</translation>
    </message>
    <message>
        <source>Remove Maps</source>
        <translation>Удаление карт</translation>
    </message>
    <message>
        <source>Move Bot Earlier</source>
        <translation>Перемещение бота выше</translation>
    </message>
    <message>
        <source>Move Bots Earlier</source>
        <translation>Перемещение ботов выше</translation>
    </message>
    <message>
        <source>Move Map Earlier</source>
        <translation>Перемещение карты выше</translation>
    </message>
    <message>
        <source>Move Maps Earlier</source>
        <translation>Перемещение карт выше</translation>
    </message>
    <message>
        <source>Move Bot Later</source>
        <translation>Перемещение бота ниже</translation>
    </message>
    <message>
        <source>Move Bots Later</source>
        <translation>Перемещение ботов ниже</translation>
    </message>
    <message>
        <source>Move Map Later</source>
        <translation>Перемещение карты ниже</translation>
    </message>
    <message>
        <source>Move Maps Later</source>
        <translation>Перемещение карт ниже</translation>
    </message>
    <message>
        <source>Duplicate Bot</source>
        <translation>Дублирование бота</translation>
    </message>
    <message>
        <source>Duplicate Bots</source>
        <translation>Дублирование ботов</translation>
    </message>
    <message>
        <source>Duplicate Map</source>
        <translation>Дублирование карты</translation>
    </message>
    <message>
        <source>Duplicate Maps</source>
        <translation>Дублирование карт</translation>
    </message>
    <message>
        <source>Paste Bot</source>
        <translation>Вставка бота</translation>
    </message>
    <message>
        <source>Paste Bots</source>
        <translation>Вставка ботов</translation>
    </message>
    <message>
        <source>Paste Map</source>
        <translation>Вставка карты</translation>
    </message>
    <message>
        <source>Paste Maps</source>
        <translation>Вставка карт</translation>
    </message>
    <message>
        <source>Sort Bots</source>
        <translation>Сортировка ботов</translation>
    </message>
    <message>
        <source>Sort Maps</source>
        <translation>Сортировка карт</translation>
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
        <translation>Аддон читает это значение как число, а «%1» — не целое число.</translation>
    </message>
    <message>
        <source>A colour is a number from 0 to 255.</source>
        <translation>Цвет — это число от 0 до 255.</translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>Roster - %1</source>
        <translation>Обзор - %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <extracomment>Page: Roster</extracomment>
        <translation>&amp;Фильтр:</translation>
    </message>
    <message>
        <source>All bots</source>
        <translation>Все боты</translation>
    </message>
    <message>
        <source>All map entries</source>
        <translation>Все записи карт</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Боты</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Карты</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Переместить выше</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Переместить ниже</translation>
    </message>
    <message>
        <source>Copy Entries</source>
        <translation>Копировать записи</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Вставить записи</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Главное окно</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>Показано %1 из %2</translation>
    </message>
</context>
</TS>
