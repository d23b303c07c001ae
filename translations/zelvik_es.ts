<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>the system gave no reason</source>
        <translation>el sistema no dio ningún motivo</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>el archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>writing stopped before the end.</source>
        <translation>la escritura se detuvo antes del final.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Muestra Zelvik en este idioma durante esta ejecución: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>Zelvik no tiene traducción a «%1». Idiomas disponibles: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a bots.ini file: the add-on reads only bots.ini.</source>
        <translation>%1 no es un archivo bots.ini: el add-on solo lee bots.ini.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>Edits the bot roster in bots.ini of a bot add-on for Half-Life, and starts the game.</source>
        <translation>Edita la configuración de bots en el bots.ini de un add-on de bots para Half-Life, e inicia el juego.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>The add-on folder whose bots.ini to edit, or that bots.ini file itself. Without it: the program&apos;s own folder when it holds a bots.ini, else the folder of last time, else the add-on folder of the installed game.</source>
        <translation>La carpeta del add-on cuyo bots.ini se quiere editar, o ese mismo archivo bots.ini. Sin ella: la carpeta del propio programa si contiene un bots.ini; si no, la carpeta de la última vez; si no, la carpeta del add-on del juego instalado.</translation>
    </message>
    <message>
        <source>[FOLDER | FILE]</source>
        <translation>[CARPETA | ARCHIVO]</translation>
    </message>
    <message>
        <source>Name one folder or file, not %1.</source>
        <translation>Indica una sola carpeta o archivo, no %1.</translation>
    </message>
</context>
<context>
    <name>EntryPage</name>
    <message>
        <source>Move Earlier</source>
        <translation>Mover antes</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Mover después</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Copy Entry</source>
        <translation>Copiar entrada</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Pegar entradas</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Mostrar todos los bots</translation>
    </message>
    <message>
        <source>Show All Maps</source>
        <translation>Mostrar todos los mapas</translation>
    </message>
    <message>
        <source>Number, 1 to %1:</source>
        <translation>Número, de 1 a %1:</translation>
    </message>
</context>
<context>
    <name>FindBox</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Enter: next; Shift+Enter: previous</source>
        <translation>Intro: siguiente; Mayús+Intro: anterior</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Open add-on folder: choose the bot add-on&apos;s folder (vantrel in the Half-Life folder), where its bots.ini is</source>
        <translation>Abrir carpeta del add-on: elige la carpeta del add-on de bots (vantrel en la carpeta de Half-Life), donde está su bots.ini</translation>
    </message>
</context>
<context>
    <name>GameLists</name>
    <message>
        <source>The game folder has no player model of this name.</source>
        <translation>La carpeta del juego no tiene ningún modelo de jugador con este nombre.</translation>
    </message>
    <message>
        <source>The game folder has no map of this name.</source>
        <translation>La carpeta del juego no tiene ningún mapa con este nombre.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Guía del jugador de Zelvik</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Guía del jugador</translation>
    </message>
</context>
<context>
    <name>HistoryKeys</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>IniPage</name>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Bots.ini file not found.<byte value="xd"/>
Make sure this program is in the vantrel folder along with the Bots.ini file.<byte value="xd"/>
</source>
        <translation>No se encontró el archivo Bots.ini.<byte value="xd"/>
Asegúrate de que este programa esté en la carpeta vantrel junto con el archivo Bots.ini.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Find in the INI text</source>
        <translation>Buscar en el texto INI</translation>
    </message>
</context>
<context>
    <name>IniTextView</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>Seleccionar &amp;todo</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>it is not there as a program that can be run.</source>
        <translation>no está ahí como programa ejecutable.</translation>
    </message>
    <message>
        <source>none of them is there as a program that can be run.</source>
        <translation>ninguno de ellos está ahí como programa ejecutable.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>la carpeta no existe.</translation>
    </message>
    <message>
        <source>Could not start %1 in the folder %2: %3</source>
        <translation>No se pudo iniciar %1 en la carpeta %2: %3</translation>
    </message>
    <message>
        <source>the program does not exist.</source>
        <translation>el programa no existe.</translation>
    </message>
    <message>
        <source>the file is not a program that can be run.</source>
        <translation>el archivo no es un programa ejecutable.</translation>
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
        <translation>&amp;Nom.</translation>
    </message>
    <message>
        <source>Previous or next bot</source>
        <translation>Bot anterior o siguiente</translation>
    </message>
    <message>
        <source>Pages through the bots: the left arrow shows the previous bot, the right arrow the next.</source>
        <translation>Recorre los bots: la flecha izquierda muestra el bot anterior, la derecha el siguiente.</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <source>&amp;Top Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>Tono &amp;superior</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Tono superior</translation>
    </message>
    <message>
        <source>The top colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>El tono superior, de 1 a 255 alrededor de la rueda de colores; la casilla de su derecha muestra el número.</translation>
    </message>
    <message>
        <source>&amp;Bottom Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>Tono &amp;inferior</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Tono inferior</translation>
    </message>
    <message>
        <source>The bottom colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>El tono inferior, de 1 a 255 alrededor de la rueda de colores; la casilla de su derecha muestra el número.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Previous or next map</source>
        <translation>Mapa anterior o siguiente</translation>
    </message>
    <message>
        <source>Pages through the map rotation: the left arrow shows the previous entry, the right arrow the next.</source>
        <translation>Recorre la rotación de mapas: la flecha izquierda muestra la entrada anterior, la derecha la siguiente.</translation>
    </message>
    <message>
        <source>Bot &amp;Quantity</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Nº de &amp;bots</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Aleatorio</translation>
    </message>
    <message>
        <source>&amp;Initial Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Espera &amp;inicial</translation>
    </message>
    <message>
        <source>&amp;Spawn Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Espera &amp;spawn</translation>
    </message>
    <message>
        <source>&amp;Wait For Players</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Esp. &amp;jugadores</translation>
    </message>
    <message>
        <source>&amp;Keep Server Full</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Mantener lleno</translation>
    </message>
    <message>
        <source>bots.ini text</source>
        <translation>texto de bots.ini</translation>
    </message>
    <message>
        <source>The text of bots.ini as read, or as Save INI last wrote it; for reading and copying, typing changes nothing.</source>
        <translation>El texto de bots.ini tal como se leyó, o como «Guardar INI» lo escribió por última vez; para leer y copiar, escribir no cambia nada.</translation>
    </message>
    <message>
        <source>&amp;HL.exe path</source>
        <extracomment>Page: INI</extracomment>
        <translation>Ruta &amp;HL.exe</translation>
    </message>
    <message>
        <source>The full path of the game (hl.exe, or hlds.exe for the dedicated server); Launch starts it, and the map and model lists come from its folder.</source>
        <translation>La ruta completa del juego (hl.exe, o hlds.exe para el servidor dedicado); «Iniciar» lo ejecuta, y las listas de mapas y modelos salen de su carpeta.</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <extracomment>Page: INI</extracomment>
        <translation>&amp;Parámetros</translation>
    </message>
    <message>
        <source>The command line the game is started with.</source>
        <translation>La línea de comandos con la que se inicia el juego.</translation>
    </message>
    <message>
        <source>Save INI</source>
        <translation>Guardar INI</translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies)</source>
        <translation>
            <numerusform>%n entrada de mapa</numerusform>
            <numerusform>%n entradas de mapa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s)</source>
        <translation>
            <numerusform>%n bot</numerusform>
            <numerusform>%n bots</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Bots</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Mapas</translation>
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
        <translation>Copia de recuperación</translation>
    </message>
    <message>
        <source>Zelvik cannot keep a recovery copy of your unsaved edits, so a crash would lose them:

%1

Your edits are still here, and &quot;Save INI&quot; writes them to bots.ini as before.</source>
        <translation>Zelvik no puede guardar una copia de recuperación de tus cambios sin guardar, así que un fallo los perdería:

%1

Tus cambios siguen aquí, y «Guardar INI» los escribe en bots.ini como antes.</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Mostrar todos los bots</translation>
    </message>
    <message>
        <source>Open add-on folder...</source>
        <translation>Abrir carpeta del add-on...</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before closing?</source>
        <translation>La configuración tiene cambios que no están guardados en bots.ini.

¿Guardarlos antes de cerrar?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>Demasiadas entradas</translation>
    </message>
    <message>
        <source>bots.ini holds more than Zelvik can show: it reads at most %1 map entries and %1 bots. Left unread: %2.

The pages show the entries read. &quot;Save INI&quot; would write bots.ini without the ones left unread.</source>
        <translation>bots.ini contiene más de lo que Zelvik puede mostrar: lee como máximo %1 entradas de mapa y %1 bots. Sin leer: %2.

Las páginas muestran las entradas leídas. «Guardar INI» escribiría bots.ini sin las que quedaron sin leer.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved edits to the roster in
%1
cannot be used: %2

It is left where it is, and no new copy is kept for this folder while it lies there:
%3

The roster is shown as bots.ini holds it.</source>
        <translation>Una copia de recuperación de cambios sin guardar en la configuración de
%1
no se puede usar: %2

Se deja donde está, y no se guarda ninguna copia nueva para esta carpeta mientras siga ahí:
%3

La configuración se muestra tal como la contiene bots.ini.</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it, last at %1. &quot;Restore&quot; puts back the older roster with the edits, and &quot;Save INI&quot; asks before it overwrites that change.</source>
        <translation>Otro programa cambió bots.ini desde que Zelvik lo leyó, por última vez el %1. «Restaurar» recupera la configuración anterior con los cambios, y «Guardar INI» pregunta antes de sobrescribir ese cambio.</translation>
    </message>
    <message>
        <source>Recover unsaved edits</source>
        <translation>Recuperar cambios sin guardar</translation>
    </message>
    <message>
        <source>Zelvik was closed before the edits to the roster in
%1
were saved. A recovery copy of them was kept at %2.%3

&quot;Restore&quot; shows them as unsaved edits: bots.ini changes only when you press &quot;Save INI&quot;. &quot;Discard&quot; deletes the copy.</source>
        <translation>Zelvik se cerró antes de guardar los cambios en la configuración de
%1
y se conservó una copia de recuperación de ellos el %2.%3

«Restaurar» los muestra como cambios sin guardar: bots.ini solo cambia cuando pulsas «Guardar INI». «Descartar» borra la copia.</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before opening another folder?</source>
        <translation>La configuración tiene cambios que no están guardados en bots.ini.

¿Guardarlos antes de abrir otra carpeta?</translation>
    </message>
    <message>
        <source>bots.ini holds %1 that Zelvik could not read. Saving writes only the roster shown here and drops them from the file. Save anyway?</source>
        <translation>bots.ini contiene entradas que Zelvik no pudo leer: %1. Al guardar se escribe solo la configuración mostrada aquí y esas entradas desaparecen del archivo. ¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it. Overwrite it with the roster shown here?</source>
        <translation>Otro programa cambió bots.ini desde que Zelvik lo leyó. ¿Sobrescribirlo con la configuración mostrada aquí?</translation>
    </message>
    <message>
        <source>The roster was not saved, and bots.ini is unchanged.

%1

Your edits are still here: fix the cause and press &quot;Save INI&quot; again.</source>
        <translation>La configuración no se guardó y bots.ini no ha cambiado.

%1

Tus cambios siguen aquí: corrige la causa y vuelve a pulsar «Guardar INI».</translation>
    </message>
    <message>
        <source>The game could not be started.

%1

Check the &quot;HL.exe path&quot; on the INI page and press &quot;Save INI&quot; before launching.</source>
        <translation>No se pudo iniciar el juego.

%1

Comprueba la «Ruta HL.exe» en la página INI y pulsa «Guardar INI» antes de iniciar.</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Buscar anterior</translation>
    </message>
    <message>
        <source>Go to...</source>
        <translation>Ir a...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>No se encontró «%1»</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&amp;Discard</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Restaurar</translation>
    </message>
</context>
<context>
    <name>NameMark</name>
    <message>
        <source>bots.ini cannot hold some letters of this name: &quot;Save INI&quot; writes each of them as &quot;?&quot;.</source>
        <translation>bots.ini no puede contener algunas letras de este nombre: «Guardar INI» escribe cada una de ellas como «?».</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>%1  (Bot %2 of %3)</source>
        <translation>%1  (Bot %2 de %3)</translation>
    </message>
    <message>
        <source>%1  (Map %2 of %3)</source>
        <translation>%1  (Mapa %2 de %3)</translation>
    </message>
    <message>
        <source>Find in bots</source>
        <translation>Buscar en los bots</translation>
    </message>
    <message>
        <source>Find in maps</source>
        <translation>Buscar en los mapas</translation>
    </message>
    <message>
        <source>Go to bot</source>
        <translation>Ir al bot</translation>
    </message>
    <message>
        <source>Go to map</source>
        <translation>Ir al mapa</translation>
    </message>
    <message>
        <source>Add bot</source>
        <translation>Añadir bot</translation>
    </message>
    <message>
        <source>Add map</source>
        <translation>Añadir mapa</translation>
    </message>
    <message>
        <source>The bot list is full: it already holds %1 bots, the most it can hold.</source>
        <translation>La lista de bots está llena: ya contiene %1 bots, el máximo posible.</translation>
    </message>
    <message>
        <source>The map list is full: it already holds %1 entries, the most it can hold.</source>
        <translation>La lista de mapas está llena: ya contiene %1 entradas, el máximo posible.</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Pegar entradas</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: no bots.ini text with a [Bot] section.</source>
        <translation>El portapapeles no contiene bots para pegar: no hay texto de bots.ini con una sección [Bot].</translation>
    </message>
    <message>
        <source>The clipboard holds no map entries to paste: no bots.ini text with a [Map] or [DefaultMap] section.</source>
        <translation>El portapapeles no contiene entradas de mapa para pegar: no hay texto de bots.ini con una sección [Map] o [DefaultMap].</translation>
    </message>
    <message>
        <source>No bot was pasted.</source>
        <translation>No se pegó ningún bot.</translation>
    </message>
    <message>
        <source>No map entry was pasted.</source>
        <translation>No se pegó ninguna entrada de mapa.</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n bot(s).</source>
        <translation>
            <numerusform>Se pegó %n bot.</numerusform>
            <numerusform>Se pegaron %n bots.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n map entry(ies).</source>
        <translation>
            <numerusform>Se pegó %n entrada de mapa.</numerusform>
            <numerusform>Se pegaron %n entradas de mapa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n bot no cupo: la lista admite como máximo %1.</numerusform>
            <numerusform>%n bots no cupieron: la lista admite como máximo %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n entrada de mapa no cupo: la lista admite como máximo %1.</numerusform>
            <numerusform>%n entradas de mapa no cupieron: la lista admite como máximo %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n map entry(ies), which belong on the Maps page.</source>
        <translation>
            <numerusform>Omitida: %n entrada de mapa, que va en la página Mapas.</numerusform>
            <numerusform>Omitidas: %n entradas de mapa, que van en la página Mapas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n bot(s), which belong on the Bots page.</source>
        <translation>
            <numerusform>Omitido: %n bot, que va en la página Bots.</numerusform>
            <numerusform>Omitidos: %n bots, que van en la página Bots.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>it could not be read: %1</source>
        <translation>no se pudo leer: %1</translation>
    </message>
    <message>
        <source>it is not a recovery copy Zelvik wrote.</source>
        <translation>no es una copia de recuperación escrita por Zelvik.</translation>
    </message>
    <message>
        <source>it is cut short or changed: its contents do not match its checksum.</source>
        <translation>está truncada o modificada: su contenido no coincide con su suma de comprobación.</translation>
    </message>
    <message>
        <source>it was kept for another folder: %1</source>
        <translation>se guardó para otra carpeta: %1</translation>
    </message>
    <message>
        <source>another Zelvik window has this add-on folder open and keeps the recovery copy; this window keeps none.</source>
        <translation>otra ventana de Zelvik tiene abierta esta carpeta del add-on y guarda la copia de recuperación; esta ventana no guarda ninguna.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be made.</source>
        <translation>no se pudo crear el archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>no se pudo eliminar %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>no se pudo crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>RosterHistory</name>
    <message>
        <source>Edit Bot</source>
        <translation>Editar bot</translation>
    </message>
    <message>
        <source>Edit Bots</source>
        <translation>Editar bots</translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation>Editar mapa</translation>
    </message>
    <message>
        <source>Edit Maps</source>
        <translation>Editar mapas</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Añadir bot</translation>
    </message>
    <message>
        <source>Add Bots</source>
        <translation>Añadir bots</translation>
    </message>
    <message>
        <source>Add Map</source>
        <translation>Añadir mapa</translation>
    </message>
    <message>
        <source>Add Maps</source>
        <translation>Añadir mapas</translation>
    </message>
    <message>
        <source>Remove Bot</source>
        <translation>Quitar bot</translation>
    </message>
    <message>
        <source>Remove Bots</source>
        <translation>Quitar bots</translation>
    </message>
    <message>
        <source>Remove Map</source>
        <translation>Quitar mapa</translation>
    </message>
    <message>
        <source>Remove Maps</source>
        <translation>Quitar mapas</translation>
    </message>
    <message>
        <source>Move Bot Earlier</source>
        <translation>Mover bot antes</translation>
    </message>
    <message>
        <source>Move Bots Earlier</source>
        <translation>Mover bots antes</translation>
    </message>
    <message>
        <source>Move Map Earlier</source>
        <translation>Mover mapa antes</translation>
    </message>
    <message>
        <source>Move Maps Earlier</source>
        <translation>Mover mapas antes</translation>
    </message>
    <message>
        <source>Move Bot Later</source>
        <translation>Mover bot después</translation>
    </message>
    <message>
        <source>Move Bots Later</source>
        <translation>Mover bots después</translation>
    </message>
    <message>
        <source>Move Map Later</source>
        <translation>Mover mapa después</translation>
    </message>
    <message>
        <source>Move Maps Later</source>
        <translation>Mover mapas después</translation>
    </message>
    <message>
        <source>Duplicate Bot</source>
        <translation>Duplicar bot</translation>
    </message>
    <message>
        <source>Duplicate Bots</source>
        <translation>Duplicar bots</translation>
    </message>
    <message>
        <source>Duplicate Map</source>
        <translation>Duplicar mapa</translation>
    </message>
    <message>
        <source>Duplicate Maps</source>
        <translation>Duplicar mapas</translation>
    </message>
    <message>
        <source>Paste Bot</source>
        <translation>Pegar bot</translation>
    </message>
    <message>
        <source>Paste Bots</source>
        <translation>Pegar bots</translation>
    </message>
    <message>
        <source>Paste Map</source>
        <translation>Pegar mapa</translation>
    </message>
    <message>
        <source>Paste Maps</source>
        <translation>Pegar mapas</translation>
    </message>
    <message>
        <source>Sort Bots</source>
        <translation>Ordenar bots</translation>
    </message>
    <message>
        <source>Sort Maps</source>
        <translation>Ordenar mapas</translation>
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
        <translation>El add-on lee esto como un número, y «%1» no es un número entero.</translation>
    </message>
    <message>
        <source>A colour is a number from 0 to 255.</source>
        <translation>Un color es un número de 0 a 255.</translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>Roster - %1</source>
        <translation>Vista general - %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <extracomment>Page: Roster</extracomment>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>All bots</source>
        <translation>Todos los bots</translation>
    </message>
    <message>
        <source>All map entries</source>
        <translation>Todas las entradas de mapa</translation>
    </message>
    <message>
        <source>Bots</source>
        <translation>Bots</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Mapas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Mover antes</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Mover después</translation>
    </message>
    <message>
        <source>Copy Entries</source>
        <translation>Copiar entradas</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Pegar entradas</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 de %2 mostrados</translation>
    </message>
</context>
</TS>
