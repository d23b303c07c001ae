<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>the system gave no reason</source>
        <translation>o sistema não informou o motivo</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>o arquivo é somente leitura.</translation>
    </message>
    <message>
        <source>writing stopped before the end.</source>
        <translation>a gravação parou antes do fim.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Mostra o Zelvik neste idioma nesta execução: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>O Zelvik não tem tradução para “%1”. Idiomas disponíveis: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not a bots.ini file: the add-on reads only bots.ini.</source>
        <translation>%1 não é um arquivo bots.ini: o add-on só lê o bots.ini.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>A pasta %1 não pode ser lida.</translation>
    </message>
    <message>
        <source>Edits the bot roster in bots.ini of a bot add-on for Half-Life, and starts the game.</source>
        <translation>Edita a configuração de bots no bots.ini de um add-on de bots para Half-Life e inicia o jogo.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações da versão.</translation>
    </message>
    <message>
        <source>The add-on folder whose bots.ini to edit, or that bots.ini file itself. Without it: the program&apos;s own folder when it holds a bots.ini, else the folder of last time, else the add-on folder of the installed game.</source>
        <translation>A pasta do add-on cujo bots.ini será editado, ou o próprio arquivo bots.ini. Sem ela: a pasta do próprio programa, se tiver um bots.ini; senão, a pasta da última vez; senão, a pasta do add-on do jogo instalado.</translation>
    </message>
    <message>
        <source>[FOLDER | FILE]</source>
        <translation>[PASTA | ARQUIVO]</translation>
    </message>
    <message>
        <source>Name one folder or file, not %1.</source>
        <translation>Indique uma só pasta ou arquivo, não %1.</translation>
    </message>
</context>
<context>
    <name>EntryPage</name>
    <message>
        <source>Move Earlier</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Mover para baixo</translation>
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
        <translation>Colar entradas</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Mostrar todos os bots</translation>
    </message>
    <message>
        <source>Show All Maps</source>
        <translation>Mostrar todos os mapas</translation>
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
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Enter: next; Shift+Enter: previous</source>
        <translation>Enter: próximo; Shift+Enter: anterior</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Open add-on folder: choose the bot add-on&apos;s folder (vantrel in the Half-Life folder), where its bots.ini is</source>
        <translation>Abrir pasta do add-on: escolha a pasta do add-on de bots (vantrel na pasta do Half-Life), onde está o bots.ini dele</translation>
    </message>
</context>
<context>
    <name>GameLists</name>
    <message>
        <source>The game folder has no player model of this name.</source>
        <translation>A pasta do jogo não tem nenhum modelo de jogador com este nome.</translation>
    </message>
    <message>
        <source>The game folder has no map of this name.</source>
        <translation>A pasta do jogo não tem nenhum mapa com este nome.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Guia do jogador do Zelvik</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Guia do jogador</translation>
    </message>
</context>
<context>
    <name>HistoryKeys</name>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer: %1</translation>
    </message>
</context>
<context>
    <name>IniPage</name>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Bots.ini file not found.<byte value="xd"/>
Make sure this program is in the vantrel folder along with the Bots.ini file.<byte value="xd"/>
</source>
        <translation>Arquivo Bots.ini não encontrado.<byte value="xd"/>
Verifique se este programa está na pasta vantrel junto com o arquivo Bots.ini.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Find in the INI text</source>
        <translation>Localizar no texto INI</translation>
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
        <translation>Selecionar &amp;tudo</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>it is not there as a program that can be run.</source>
        <translation>ele não está lá como um programa executável.</translation>
    </message>
    <message>
        <source>none of them is there as a program that can be run.</source>
        <translation>nenhum deles está lá como um programa executável.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>a pasta não existe.</translation>
    </message>
    <message>
        <source>Could not start %1 in the folder %2: %3</source>
        <translation>Não foi possível iniciar %1 na pasta %2: %3</translation>
    </message>
    <message>
        <source>the program does not exist.</source>
        <translation>o programa não existe.</translation>
    </message>
    <message>
        <source>the file is not a program that can be run.</source>
        <translation>o arquivo não é um programa executável.</translation>
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
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Previous or next bot</source>
        <translation>Bot anterior ou próximo</translation>
    </message>
    <message>
        <source>Pages through the bots: the left arrow shows the previous bot, the right arrow the next.</source>
        <translation>Percorre os bots: a seta esquerda mostra o bot anterior, a direita, o próximo.</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <source>&amp;Top Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>Cor &amp;superior</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>The top colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>A cor superior, de 1 a 255 ao redor do círculo de cores; a caixa à direita mostra o número.</translation>
    </message>
    <message>
        <source>&amp;Bottom Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>Cor &amp;inferior</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Cor inferior</translation>
    </message>
    <message>
        <source>The bottom colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>A cor inferior, de 1 a 255 ao redor do círculo de cores; a caixa à direita mostra o número.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Previous or next map</source>
        <translation>Mapa anterior ou próximo</translation>
    </message>
    <message>
        <source>Pages through the map rotation: the left arrow shows the previous entry, the right arrow the next.</source>
        <translation>Percorre a rotação de mapas: a seta esquerda mostra a entrada anterior, a direita, a próxima.</translation>
    </message>
    <message>
        <source>Bot &amp;Quantity</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Qtd. de bots</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Aleatório</translation>
    </message>
    <message>
        <source>&amp;Initial Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Atraso &amp;inicial</translation>
    </message>
    <message>
        <source>&amp;Spawn Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Atraso &amp;spawn</translation>
    </message>
    <message>
        <source>&amp;Wait For Players</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Esp. &amp;jogadores</translation>
    </message>
    <message>
        <source>&amp;Keep Server Full</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Manter cheio</translation>
    </message>
    <message>
        <source>bots.ini text</source>
        <translation>texto do bots.ini</translation>
    </message>
    <message>
        <source>The text of bots.ini as read, or as Save INI last wrote it; for reading and copying, typing changes nothing.</source>
        <translation>O texto do bots.ini como foi lido, ou como “Salvar INI” o gravou por último; para ler e copiar, digitar não muda nada.</translation>
    </message>
    <message>
        <source>&amp;HL.exe path</source>
        <extracomment>Page: INI</extracomment>
        <translation>&amp;Caminho</translation>
    </message>
    <message>
        <source>The full path of the game (hl.exe, or hlds.exe for the dedicated server); Launch starts it, and the map and model lists come from its folder.</source>
        <translation>O caminho completo do jogo (hl.exe, ou hlds.exe para o servidor dedicado); “Iniciar” o executa, e as listas de mapas e modelos vêm da pasta dele.</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <extracomment>Page: INI</extracomment>
        <translation>&amp;Parâmetros</translation>
    </message>
    <message>
        <source>The command line the game is started with.</source>
        <translation>A linha de comando com que o jogo é iniciado.</translation>
    </message>
    <message>
        <source>Save INI</source>
        <translation>Salvar INI</translation>
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
        <translation>%1 e %2</translation>
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
        <translation>Cópia de recuperação</translation>
    </message>
    <message>
        <source>Zelvik cannot keep a recovery copy of your unsaved edits, so a crash would lose them:

%1

Your edits are still here, and &quot;Save INI&quot; writes them to bots.ini as before.</source>
        <translation>O Zelvik não consegue manter uma cópia de recuperação das suas alterações não salvas; uma falha faria com que se perdessem:

%1

Suas alterações continuam aqui, e “Salvar INI” as grava no bots.ini como antes.</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Mostrar todos os bots</translation>
    </message>
    <message>
        <source>Open add-on folder...</source>
        <translation>Abrir pasta do add-on...</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before closing?</source>
        <translation>A configuração tem alterações que não foram salvas no bots.ini.

Salvá-las antes de fechar?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>Entradas demais</translation>
    </message>
    <message>
        <source>bots.ini holds more than Zelvik can show: it reads at most %1 map entries and %1 bots. Left unread: %2.

The pages show the entries read. &quot;Save INI&quot; would write bots.ini without the ones left unread.</source>
        <translation>O bots.ini contém mais do que o Zelvik consegue mostrar: ele lê no máximo %1 entradas de mapa e %1 bots. Não lidos: %2.

As páginas mostram as entradas lidas. “Salvar INI” gravaria o bots.ini sem as que não foram lidas.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved edits to the roster in
%1
cannot be used: %2

It is left where it is, and no new copy is kept for this folder while it lies there:
%3

The roster is shown as bots.ini holds it.</source>
        <translation>Uma cópia de recuperação de alterações não salvas na configuração em
%1
não pode ser usada: %2

Ela fica onde está, e nenhuma cópia nova é mantida para esta pasta enquanto ela estiver lá:
%3

A configuração é mostrada como está no bots.ini.</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it, last at %1. &quot;Restore&quot; puts back the older roster with the edits, and &quot;Save INI&quot; asks before it overwrites that change.</source>
        <translation>O bots.ini foi alterado por outro programa desde que o Zelvik o leu, pela última vez em %1. “Restaurar” traz de volta a configuração anterior com as alterações, e “Salvar INI” pergunta antes de sobrescrever essa mudança.</translation>
    </message>
    <message>
        <source>Recover unsaved edits</source>
        <translation>Recuperar alterações não salvas</translation>
    </message>
    <message>
        <source>Zelvik was closed before the edits to the roster in
%1
were saved. A recovery copy of them was kept at %2.%3

&quot;Restore&quot; shows them as unsaved edits: bots.ini changes only when you press &quot;Save INI&quot;. &quot;Discard&quot; deletes the copy.</source>
        <translation>O Zelvik foi fechado antes que as alterações na configuração em
%1
fossem salvas. Uma cópia de recuperação delas foi mantida em %2.%3

“Restaurar” as mostra como alterações não salvas: o bots.ini só muda quando você clica em “Salvar INI”. “Descartar” apaga a cópia.</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before opening another folder?</source>
        <translation>A configuração tem alterações que não foram salvas no bots.ini.

Salvá-las antes de abrir outra pasta?</translation>
    </message>
    <message>
        <source>bots.ini holds %1 that Zelvik could not read. Saving writes only the roster shown here and drops them from the file. Save anyway?</source>
        <translation>O bots.ini contém entradas que o Zelvik não conseguiu ler: %1. Salvar grava só a configuração mostrada aqui e as remove do arquivo. Salvar mesmo assim?</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it. Overwrite it with the roster shown here?</source>
        <translation>O bots.ini foi alterado por outro programa desde que o Zelvik o leu. Sobrescrevê-lo com a configuração mostrada aqui?</translation>
    </message>
    <message>
        <source>The roster was not saved, and bots.ini is unchanged.

%1

Your edits are still here: fix the cause and press &quot;Save INI&quot; again.</source>
        <translation>A configuração não foi salva, e o bots.ini não mudou.

%1

Suas alterações continuam aqui: corrija a causa e clique em “Salvar INI” de novo.</translation>
    </message>
    <message>
        <source>The game could not be started.

%1

Check the &quot;HL.exe path&quot; on the INI page and press &quot;Save INI&quot; before launching.</source>
        <translation>Não foi possível iniciar o jogo.

%1

Confira o “Caminho” na página INI e clique em “Salvar INI” antes de iniciar.</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Localizar...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Localizar próximo</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Localizar anterior</translation>
    </message>
    <message>
        <source>Go to...</source>
        <translation>Ir para...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>“%1” não encontrado</translation>
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
        <translation>S&amp;obrescrever</translation>
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
        <translation>O bots.ini não comporta algumas letras deste nome: “Salvar INI” grava cada uma delas como “?”.</translation>
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
        <translation>Localizar nos bots</translation>
    </message>
    <message>
        <source>Find in maps</source>
        <translation>Localizar nos mapas</translation>
    </message>
    <message>
        <source>Go to bot</source>
        <translation>Ir para o bot</translation>
    </message>
    <message>
        <source>Go to map</source>
        <translation>Ir para o mapa</translation>
    </message>
    <message>
        <source>Add bot</source>
        <translation>Adicionar bot</translation>
    </message>
    <message>
        <source>Add map</source>
        <translation>Adicionar mapa</translation>
    </message>
    <message>
        <source>The bot list is full: it already holds %1 bots, the most it can hold.</source>
        <translation>A lista de bots está cheia: ela já tem %1 bots, o máximo possível.</translation>
    </message>
    <message>
        <source>The map list is full: it already holds %1 entries, the most it can hold.</source>
        <translation>A lista de mapas está cheia: ela já tem %1 entradas, o máximo possível.</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Colar entradas</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: no bots.ini text with a [Bot] section.</source>
        <translation>A área de transferência não tem bots para colar: nenhum texto de bots.ini com uma seção [Bot].</translation>
    </message>
    <message>
        <source>The clipboard holds no map entries to paste: no bots.ini text with a [Map] or [DefaultMap] section.</source>
        <translation>A área de transferência não tem entradas de mapa para colar: nenhum texto de bots.ini com uma seção [Map] ou [DefaultMap].</translation>
    </message>
    <message>
        <source>No bot was pasted.</source>
        <translation>Nenhum bot foi colado.</translation>
    </message>
    <message>
        <source>No map entry was pasted.</source>
        <translation>Nenhuma entrada de mapa foi colada.</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n bot(s).</source>
        <translation>
            <numerusform>%n bot colado.</numerusform>
            <numerusform>%n bots colados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n map entry(ies).</source>
        <translation>
            <numerusform>%n entrada de mapa colada.</numerusform>
            <numerusform>%n entradas de mapa coladas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n bot não coube: a lista comporta no máximo %1.</numerusform>
            <numerusform>%n bots não couberam: a lista comporta no máximo %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n entrada de mapa não coube: a lista comporta no máximo %1.</numerusform>
            <numerusform>%n entradas de mapa não couberam: a lista comporta no máximo %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n map entry(ies), which belong on the Maps page.</source>
        <translation>
            <numerusform>Deixada de fora: %n entrada de mapa, que pertence à página Mapas.</numerusform>
            <numerusform>Deixadas de fora: %n entradas de mapa, que pertencem à página Mapas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n bot(s), which belong on the Bots page.</source>
        <translation>
            <numerusform>Deixado de fora: %n bot, que pertence à página Bots.</numerusform>
            <numerusform>Deixados de fora: %n bots, que pertencem à página Bots.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>it could not be read: %1</source>
        <translation>ela não pôde ser lida: %1</translation>
    </message>
    <message>
        <source>it is not a recovery copy Zelvik wrote.</source>
        <translation>ela não é uma cópia de recuperação gravada pelo Zelvik.</translation>
    </message>
    <message>
        <source>it is cut short or changed: its contents do not match its checksum.</source>
        <translation>ela está cortada ou alterada: o conteúdo não confere com a soma de verificação.</translation>
    </message>
    <message>
        <source>it was kept for another folder: %1</source>
        <translation>ela foi mantida para outra pasta: %1</translation>
    </message>
    <message>
        <source>another Zelvik window has this add-on folder open and keeps the recovery copy; this window keeps none.</source>
        <translation>outra janela do Zelvik está com esta pasta do add-on aberta e mantém a cópia de recuperação; esta janela não mantém nenhuma.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be made.</source>
        <translation>o arquivo de trava %1 não pôde ser criado.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 não pôde ser removido: %2</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>a pasta %1 não pôde ser criada.</translation>
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
        <translation>Adicionar bot</translation>
    </message>
    <message>
        <source>Add Bots</source>
        <translation>Adicionar bots</translation>
    </message>
    <message>
        <source>Add Map</source>
        <translation>Adicionar mapa</translation>
    </message>
    <message>
        <source>Add Maps</source>
        <translation>Adicionar mapas</translation>
    </message>
    <message>
        <source>Remove Bot</source>
        <translation>Remover bot</translation>
    </message>
    <message>
        <source>Remove Bots</source>
        <translation>Remover bots</translation>
    </message>
    <message>
        <source>Remove Map</source>
        <translation>Remover mapa</translation>
    </message>
    <message>
        <source>Remove Maps</source>
        <translation>Remover mapas</translation>
    </message>
    <message>
        <source>Move Bot Earlier</source>
        <translation>Mover bot para cima</translation>
    </message>
    <message>
        <source>Move Bots Earlier</source>
        <translation>Mover bots para cima</translation>
    </message>
    <message>
        <source>Move Map Earlier</source>
        <translation>Mover mapa para cima</translation>
    </message>
    <message>
        <source>Move Maps Earlier</source>
        <translation>Mover mapas para cima</translation>
    </message>
    <message>
        <source>Move Bot Later</source>
        <translation>Mover bot para baixo</translation>
    </message>
    <message>
        <source>Move Bots Later</source>
        <translation>Mover bots para baixo</translation>
    </message>
    <message>
        <source>Move Map Later</source>
        <translation>Mover mapa para baixo</translation>
    </message>
    <message>
        <source>Move Maps Later</source>
        <translation>Mover mapas para baixo</translation>
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
        <translation>Colar bot</translation>
    </message>
    <message>
        <source>Paste Bots</source>
        <translation>Colar bots</translation>
    </message>
    <message>
        <source>Paste Map</source>
        <translation>Colar mapa</translation>
    </message>
    <message>
        <source>Paste Maps</source>
        <translation>Colar mapas</translation>
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
        <translation>O add-on lê isto como número, e “%1” não é um número inteiro.</translation>
    </message>
    <message>
        <source>A colour is a number from 0 to 255.</source>
        <translation>Uma cor é um número de 0 a 255.</translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>Roster - %1</source>
        <translation>Visão geral - %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <extracomment>Page: Roster</extracomment>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>All bots</source>
        <translation>Todos os bots</translation>
    </message>
    <message>
        <source>All map entries</source>
        <translation>Todas as entradas de mapa</translation>
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
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Copy Entries</source>
        <translation>Copiar entradas</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Colar entradas</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Janela principal</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 de %2 exibidos</translation>
    </message>
</context>
</TS>
