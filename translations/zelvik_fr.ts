<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>the system gave no reason</source>
        <translation>le système n’a donné aucune raison</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>c’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>writing stopped before the end.</source>
        <translation>l’écriture s’est arrêtée avant la fin.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Affiche Zelvik dans cette langue pour ce lancement&#xa0;: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>Zelvik n’a pas de traduction en «&#xa0;%1&#xa0;». Langues disponibles&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a bots.ini file: the add-on reads only bots.ini.</source>
        <translation>%1 n’est pas un fichier bots.ini&#xa0;: l’add-on ne lit que bots.ini.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Le dossier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Edits the bot roster in bots.ini of a bot add-on for Half-Life, and starts the game.</source>
        <translation>Modifie la configuration des bots dans le bots.ini d’un add-on de bots pour Half-Life, et lance le jeu.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>The add-on folder whose bots.ini to edit, or that bots.ini file itself. Without it: the program&apos;s own folder when it holds a bots.ini, else the folder of last time, else the add-on folder of the installed game.</source>
        <translation>Le dossier de l’add-on dont le bots.ini est à modifier, ou ce fichier bots.ini lui-même. Sans lui&#xa0;: le dossier du programme s’il contient un bots.ini, sinon le dossier de la dernière fois, sinon le dossier de l’add-on du jeu installé.</translation>
    </message>
    <message>
        <source>[FOLDER | FILE]</source>
        <translation>[DOSSIER | FICHIER]</translation>
    </message>
    <message>
        <source>Name one folder or file, not %1.</source>
        <translation>Indiquez un seul dossier ou fichier, pas %1.</translation>
    </message>
</context>
<context>
    <name>EntryPage</name>
    <message>
        <source>Move Earlier</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Copy Entry</source>
        <translation>Copier l’entrée</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Coller les entrées</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Afficher tous les bots</translation>
    </message>
    <message>
        <source>Show All Maps</source>
        <translation>Afficher toutes les maps</translation>
    </message>
    <message>
        <source>Number, 1 to %1:</source>
        <translation>Numéro, de 1 à %1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FindBox</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Enter: next; Shift+Enter: previous</source>
        <translation>Entrée&#xa0;: suivant&#xa0;; Maj+Entrée&#xa0;: précédent</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Open add-on folder: choose the bot add-on&apos;s folder (vantrel in the Half-Life folder), where its bots.ini is</source>
        <translation>Ouvrir le dossier de l’add-on&#xa0;: choisissez le dossier de l’add-on de bots (vantrel dans le dossier de Half-Life), où se trouve son bots.ini</translation>
    </message>
</context>
<context>
    <name>GameLists</name>
    <message>
        <source>The game folder has no player model of this name.</source>
        <translation>Le dossier du jeu n’a aucun modèle de joueur de ce nom.</translation>
    </message>
    <message>
        <source>The game folder has no map of this name.</source>
        <translation>Le dossier du jeu n’a aucune map de ce nom.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Guide du joueur de Zelvik</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Guide du joueur</translation>
    </message>
</context>
<context>
    <name>HistoryKeys</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>IniPage</name>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Bots.ini file not found.<byte value="xd"/>
Make sure this program is in the vantrel folder along with the Bots.ini file.<byte value="xd"/>
</source>
        <translation>Fichier Bots.ini introuvable.<byte value="xd"/>
Vérifiez que ce programme se trouve dans le dossier vantrel avec le fichier Bots.ini.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Find in the INI text</source>
        <translation>Rechercher dans le texte INI</translation>
    </message>
</context>
<context>
    <name>IniTextView</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>Page: INI text menu</extracomment>
        <translation>&amp;Tout sélectionner</translation>
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
        <translation>il ne s’y trouve pas en tant que programme exécutable.</translation>
    </message>
    <message>
        <source>none of them is there as a program that can be run.</source>
        <translation>aucun d’eux ne s’y trouve en tant que programme exécutable.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>le dossier n’existe pas.</translation>
    </message>
    <message>
        <source>Could not start %1 in the folder %2: %3</source>
        <translation>Impossible de lancer %1 dans le dossier %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the program does not exist.</source>
        <translation>le programme n’existe pas.</translation>
    </message>
    <message>
        <source>the file is not a program that can be run.</source>
        <translation>le fichier n’est pas un programme exécutable.</translation>
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
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Previous or next bot</source>
        <translation>Bot précédent ou suivant</translation>
    </message>
    <message>
        <source>Pages through the bots: the left arrow shows the previous bot, the right arrow the next.</source>
        <translation>Parcourt les bots&#xa0;: la flèche gauche affiche le bot précédent, la flèche droite le suivant.</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <extracomment>Page: Bots</extracomment>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>&amp;Top Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>Couleur &amp;haut</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Couleur du haut</translation>
    </message>
    <message>
        <source>The top colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>La couleur du haut, de 1 à 255 sur le cercle chromatique&#xa0;; la case à sa droite affiche le nombre.</translation>
    </message>
    <message>
        <source>&amp;Bottom Color</source>
        <extracomment>Page: Bots</extracomment>
        <translation>Couleur &amp;bas</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Couleur du bas</translation>
    </message>
    <message>
        <source>The bottom colour, 1 to 255 round the colour wheel; the box to its right shows the number.</source>
        <translation>La couleur du bas, de 1 à 255 sur le cercle chromatique&#xa0;; la case à sa droite affiche le nombre.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Previous or next map</source>
        <translation>Map précédente ou suivante</translation>
    </message>
    <message>
        <source>Pages through the map rotation: the left arrow shows the previous entry, the right arrow the next.</source>
        <translation>Parcourt la rotation des maps&#xa0;: la flèche gauche affiche l’entrée précédente, la flèche droite la suivante.</translation>
    </message>
    <message>
        <source>Bot &amp;Quantity</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Nb de &amp;bots</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Aléatoire</translation>
    </message>
    <message>
        <source>&amp;Initial Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Délai &amp;initial</translation>
    </message>
    <message>
        <source>&amp;Spawn Delay</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Délai de &amp;spawn</translation>
    </message>
    <message>
        <source>&amp;Wait For Players</source>
        <extracomment>Page: Maps</extracomment>
        <translation>Attendre &amp;joueurs</translation>
    </message>
    <message>
        <source>&amp;Keep Server Full</source>
        <extracomment>Page: Maps</extracomment>
        <translation>&amp;Remplir serveur</translation>
    </message>
    <message>
        <source>bots.ini text</source>
        <translation>texte de bots.ini</translation>
    </message>
    <message>
        <source>The text of bots.ini as read, or as Save INI last wrote it; for reading and copying, typing changes nothing.</source>
        <translation>Le texte de bots.ini tel qu’il a été lu, ou tel que «&#xa0;Écrire INI&#xa0;» l’a écrit en dernier&#xa0;; pour lire et copier, la saisie ne change rien.</translation>
    </message>
    <message>
        <source>&amp;HL.exe path</source>
        <extracomment>Page: INI</extracomment>
        <translation>&amp;Chemin</translation>
    </message>
    <message>
        <source>The full path of the game (hl.exe, or hlds.exe for the dedicated server); Launch starts it, and the map and model lists come from its folder.</source>
        <translation>Le chemin complet du jeu (hl.exe, ou hlds.exe pour le serveur dédié)&#xa0;; «&#xa0;Lancer&#xa0;» le démarre, et les listes de maps et de modèles viennent de son dossier.</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <extracomment>Page: INI</extracomment>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>The command line the game is started with.</source>
        <translation>La ligne de commande avec laquelle le jeu est lancé.</translation>
    </message>
    <message>
        <source>Save INI</source>
        <translation>Écrire INI</translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies)</source>
        <translation>
            <numerusform>%n entrée de map</numerusform>
            <numerusform>%n entrées de map</numerusform>
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
        <translation>%1 et %2</translation>
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
        <translation>Copie de récupération</translation>
    </message>
    <message>
        <source>Zelvik cannot keep a recovery copy of your unsaved edits, so a crash would lose them:

%1

Your edits are still here, and &quot;Save INI&quot; writes them to bots.ini as before.</source>
        <translation>Zelvik ne peut pas conserver de copie de récupération de vos modifications non enregistrées&#xa0;; un plantage les ferait perdre&#xa0;:

%1

Vos modifications sont toujours là, et «&#xa0;Écrire INI&#xa0;» les écrit dans bots.ini comme avant.</translation>
    </message>
    <message>
        <source>Show All Bots</source>
        <translation>Afficher tous les bots</translation>
    </message>
    <message>
        <source>Open add-on folder...</source>
        <translation>Ouvrir le dossier de l’add-on...</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before closing?</source>
        <translation>La configuration comporte des modifications non enregistrées dans bots.ini.

Les enregistrer avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>Trop d’entrées</translation>
    </message>
    <message>
        <source>bots.ini holds more than Zelvik can show: it reads at most %1 map entries and %1 bots. Left unread: %2.

The pages show the entries read. &quot;Save INI&quot; would write bots.ini without the ones left unread.</source>
        <translation>bots.ini contient plus que ce que Zelvik peut afficher&#xa0;: il lit au plus %1 entrées de map et %1 bots. Non lus&#xa0;: %2.

Les pages affichent les entrées lues. «&#xa0;Écrire INI&#xa0;» écrirait bots.ini sans celles qui n’ont pas été lues.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved edits to the roster in
%1
cannot be used: %2

It is left where it is, and no new copy is kept for this folder while it lies there:
%3

The roster is shown as bots.ini holds it.</source>
        <translation>Une copie de récupération de modifications non enregistrées de la configuration dans
%1
est inutilisable&#xa0;: %2

Elle est laissée où elle est, et aucune nouvelle copie n’est conservée pour ce dossier tant qu’elle s’y trouve&#xa0;:
%3

La configuration est affichée telle que bots.ini la contient.</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it, last at %1. &quot;Restore&quot; puts back the older roster with the edits, and &quot;Save INI&quot; asks before it overwrites that change.</source>
        <translation>bots.ini a été modifié par un autre programme depuis que Zelvik l’a lu, en dernier le %1. «&#xa0;Restaurer&#xa0;» rétablit l’ancienne configuration avec les modifications, et «&#xa0;Écrire INI&#xa0;» demande confirmation avant d’écraser ce changement.</translation>
    </message>
    <message>
        <source>Recover unsaved edits</source>
        <translation>Récupérer les modifications non enregistrées</translation>
    </message>
    <message>
        <source>Zelvik was closed before the edits to the roster in
%1
were saved. A recovery copy of them was kept at %2.%3

&quot;Restore&quot; shows them as unsaved edits: bots.ini changes only when you press &quot;Save INI&quot;. &quot;Discard&quot; deletes the copy.</source>
        <translation>Zelvik a été fermé avant que les modifications de la configuration dans
%1
ne soient enregistrées. Une copie de récupération en a été conservée le %2.%3

«&#xa0;Restaurer&#xa0;» les affiche comme modifications non enregistrées&#xa0;: bots.ini ne change que lorsque vous appuyez sur «&#xa0;Écrire INI&#xa0;». «&#xa0;Abandonner&#xa0;» supprime la copie.</translation>
    </message>
    <message>
        <source>The roster has changes that are not saved in bots.ini.

Save them before opening another folder?</source>
        <translation>La configuration comporte des modifications non enregistrées dans bots.ini.

Les enregistrer avant d’ouvrir un autre dossier&#xa0;?</translation>
    </message>
    <message>
        <source>bots.ini holds %1 that Zelvik could not read. Saving writes only the roster shown here and drops them from the file. Save anyway?</source>
        <translation>bots.ini contient des entrées que Zelvik n’a pas pu lire&#xa0;: %1. L’enregistrement n’écrit que la configuration affichée ici et les retire du fichier. Enregistrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>bots.ini was changed by another program since Zelvik read it. Overwrite it with the roster shown here?</source>
        <translation>bots.ini a été modifié par un autre programme depuis que Zelvik l’a lu. L’écraser avec la configuration affichée ici&#xa0;?</translation>
    </message>
    <message>
        <source>The roster was not saved, and bots.ini is unchanged.

%1

Your edits are still here: fix the cause and press &quot;Save INI&quot; again.</source>
        <translation>La configuration n’a pas été enregistrée, et bots.ini est inchangé.

%1

Vos modifications sont toujours là&#xa0;: corrigez la cause et appuyez de nouveau sur «&#xa0;Écrire INI&#xa0;».</translation>
    </message>
    <message>
        <source>The game could not be started.

%1

Check the &quot;HL.exe path&quot; on the INI page and press &quot;Save INI&quot; before launching.</source>
        <translation>Le jeu n’a pas pu être lancé.

%1

Vérifiez le «&#xa0;Chemin&#xa0;» sur la page INI et appuyez sur «&#xa0;Écrire INI&#xa0;» avant de lancer.</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <source>Go to...</source>
        <translation>Aller à...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>«&#xa0;%1&#xa0;» introuvable</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&amp;Discard</source>
        <extracomment>Page: Question</extracomment>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <extracomment>Page: Question</extracomment>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <extracomment>Page: Question</extracomment>
        <translation>&amp;Restaurer</translation>
    </message>
</context>
<context>
    <name>NameMark</name>
    <message>
        <source>bots.ini cannot hold some letters of this name: &quot;Save INI&quot; writes each of them as &quot;?&quot;.</source>
        <translation>bots.ini ne peut pas contenir certaines lettres de ce nom&#xa0;: «&#xa0;Écrire INI&#xa0;» écrit chacune d’elles sous la forme «&#xa0;?&#xa0;».</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>%1  (Bot %2 of %3)</source>
        <translation>%1  (Bot %2 sur %3)</translation>
    </message>
    <message>
        <source>%1  (Map %2 of %3)</source>
        <translation>%1  (Map %2 sur %3)</translation>
    </message>
    <message>
        <source>Find in bots</source>
        <translation>Rechercher dans les bots</translation>
    </message>
    <message>
        <source>Find in maps</source>
        <translation>Rechercher dans les maps</translation>
    </message>
    <message>
        <source>Go to bot</source>
        <translation>Aller au bot</translation>
    </message>
    <message>
        <source>Go to map</source>
        <translation>Aller à la map</translation>
    </message>
    <message>
        <source>Add bot</source>
        <translation>Ajouter un bot</translation>
    </message>
    <message>
        <source>Add map</source>
        <translation>Ajouter une map</translation>
    </message>
    <message>
        <source>The bot list is full: it already holds %1 bots, the most it can hold.</source>
        <translation>La liste des bots est pleine&#xa0;: elle contient déjà %1 bots, le maximum possible.</translation>
    </message>
    <message>
        <source>The map list is full: it already holds %1 entries, the most it can hold.</source>
        <translation>La liste des maps est pleine&#xa0;: elle contient déjà %1 entrées, le maximum possible.</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Coller les entrées</translation>
    </message>
    <message>
        <source>The clipboard holds no bots to paste: no bots.ini text with a [Bot] section.</source>
        <translation>Le presse-papiers ne contient aucun bot à coller&#xa0;: aucun texte de bots.ini avec une section [Bot].</translation>
    </message>
    <message>
        <source>The clipboard holds no map entries to paste: no bots.ini text with a [Map] or [DefaultMap] section.</source>
        <translation>Le presse-papiers ne contient aucune entrée de map à coller&#xa0;: aucun texte de bots.ini avec une section [Map] ou [DefaultMap].</translation>
    </message>
    <message>
        <source>No bot was pasted.</source>
        <translation>Aucun bot n’a été collé.</translation>
    </message>
    <message>
        <source>No map entry was pasted.</source>
        <translation>Aucune entrée de map n’a été collée.</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n bot(s).</source>
        <translation>
            <numerusform>%n bot collé.</numerusform>
            <numerusform>%n bots collés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n map entry(ies).</source>
        <translation>
            <numerusform>%n entrée de map collée.</numerusform>
            <numerusform>%n entrées de map collées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n bot n’a pas trouvé de place&#xa0;: la liste en contient au plus %1.</numerusform>
            <numerusform>%n bots n’ont pas trouvé de place&#xa0;: la liste en contient au plus %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n entrée de map n’a pas trouvé de place&#xa0;: la liste en contient au plus %1.</numerusform>
            <numerusform>%n entrées de map n’ont pas trouvé de place&#xa0;: la liste en contient au plus %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n map entry(ies), which belong on the Maps page.</source>
        <translation>
            <numerusform>Laissée de côté&#xa0;: %n entrée de map, qui va sur la page Maps.</numerusform>
            <numerusform>Laissées de côté&#xa0;: %n entrées de map, qui vont sur la page Maps.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n bot(s), which belong on the Bots page.</source>
        <translation>
            <numerusform>Laissé de côté&#xa0;: %n bot, qui va sur la page Bots.</numerusform>
            <numerusform>Laissés de côté&#xa0;: %n bots, qui vont sur la page Bots.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>it could not be read: %1</source>
        <translation>elle n’a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not a recovery copy Zelvik wrote.</source>
        <translation>ce n’est pas une copie de récupération écrite par Zelvik.</translation>
    </message>
    <message>
        <source>it is cut short or changed: its contents do not match its checksum.</source>
        <translation>elle est tronquée ou modifiée&#xa0;: son contenu ne correspond pas à sa somme de contrôle.</translation>
    </message>
    <message>
        <source>it was kept for another folder: %1</source>
        <translation>elle a été conservée pour un autre dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>another Zelvik window has this add-on folder open and keeps the recovery copy; this window keeps none.</source>
        <translation>une autre fenêtre de Zelvik a ouvert ce dossier d’add-on et conserve la copie de récupération&#xa0;; cette fenêtre n’en conserve aucune.</translation>
    </message>
    <message>
        <source>the lock file %1 could not be made.</source>
        <translation>le fichier de verrou %1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 n’a pas pu être supprimé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>le dossier %1 n’a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>RosterHistory</name>
    <message>
        <source>Edit Bot</source>
        <translation>Modifier le bot</translation>
    </message>
    <message>
        <source>Edit Bots</source>
        <translation>Modifier les bots</translation>
    </message>
    <message>
        <source>Edit Map</source>
        <translation>Modifier la map</translation>
    </message>
    <message>
        <source>Edit Maps</source>
        <translation>Modifier les maps</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Ajouter un bot</translation>
    </message>
    <message>
        <source>Add Bots</source>
        <translation>Ajouter des bots</translation>
    </message>
    <message>
        <source>Add Map</source>
        <translation>Ajouter une map</translation>
    </message>
    <message>
        <source>Add Maps</source>
        <translation>Ajouter des maps</translation>
    </message>
    <message>
        <source>Remove Bot</source>
        <translation>Supprimer le bot</translation>
    </message>
    <message>
        <source>Remove Bots</source>
        <translation>Supprimer les bots</translation>
    </message>
    <message>
        <source>Remove Map</source>
        <translation>Supprimer la map</translation>
    </message>
    <message>
        <source>Remove Maps</source>
        <translation>Supprimer les maps</translation>
    </message>
    <message>
        <source>Move Bot Earlier</source>
        <translation>Monter le bot</translation>
    </message>
    <message>
        <source>Move Bots Earlier</source>
        <translation>Monter les bots</translation>
    </message>
    <message>
        <source>Move Map Earlier</source>
        <translation>Monter la map</translation>
    </message>
    <message>
        <source>Move Maps Earlier</source>
        <translation>Monter les maps</translation>
    </message>
    <message>
        <source>Move Bot Later</source>
        <translation>Descendre le bot</translation>
    </message>
    <message>
        <source>Move Bots Later</source>
        <translation>Descendre les bots</translation>
    </message>
    <message>
        <source>Move Map Later</source>
        <translation>Descendre la map</translation>
    </message>
    <message>
        <source>Move Maps Later</source>
        <translation>Descendre les maps</translation>
    </message>
    <message>
        <source>Duplicate Bot</source>
        <translation>Dupliquer le bot</translation>
    </message>
    <message>
        <source>Duplicate Bots</source>
        <translation>Dupliquer les bots</translation>
    </message>
    <message>
        <source>Duplicate Map</source>
        <translation>Dupliquer la map</translation>
    </message>
    <message>
        <source>Duplicate Maps</source>
        <translation>Dupliquer les maps</translation>
    </message>
    <message>
        <source>Paste Bot</source>
        <translation>Coller un bot</translation>
    </message>
    <message>
        <source>Paste Bots</source>
        <translation>Coller des bots</translation>
    </message>
    <message>
        <source>Paste Map</source>
        <translation>Coller une map</translation>
    </message>
    <message>
        <source>Paste Maps</source>
        <translation>Coller des maps</translation>
    </message>
    <message>
        <source>Sort Bots</source>
        <translation>Trier les bots</translation>
    </message>
    <message>
        <source>Sort Maps</source>
        <translation>Trier les maps</translation>
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
        <translation>L’add-on lit ceci comme un nombre, et «&#xa0;%1&#xa0;» n’est pas un nombre entier.</translation>
    </message>
    <message>
        <source>A colour is a number from 0 to 255.</source>
        <translation>Une couleur est un nombre de 0 à 255.</translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>Roster - %1</source>
        <translation>Vue d’ensemble - %1</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <extracomment>Page: Roster</extracomment>
        <translation>&amp;Filtre&#xa0;:</translation>
    </message>
    <message>
        <source>All bots</source>
        <translation>Tous les bots</translation>
    </message>
    <message>
        <source>All map entries</source>
        <translation>Toutes les entrées de map</translation>
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
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Copy Entries</source>
        <translation>Copier les entrées</translation>
    </message>
    <message>
        <source>Paste Entries</source>
        <translation>Coller les entrées</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 sur %2 affichés</translation>
    </message>
</context>
</TS>
