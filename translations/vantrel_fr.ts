<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Cards</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s spoken name: %1 is its rank (Ace, Two, ..., King), %2 its suit</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: vantrel [--help] [--version]

Cribbage solitaire: each of five rounds, place sixteen cards into four hands,
which are then counted with the cut card. The game is played in its window;
any other argument is ignored.

  --help     show this text and exit
  --version  show the version and exit

Environment:
  VANTREL_SEED           a number 0..4294967295 that seeds the shuffle
  VANTREL_MACHINE_STORE  the file that keeps the options and the top-five list
  VANTREL_USER_STORE     the file that keeps the donation reminder&apos;s state

See vantrel(6).
</source>
        <translation>Usage : vantrel [--help] [--version]

Cribbage en solitaire : à chacune des cinq manches, placez seize cartes dans
quatre mains, qui sont ensuite comptées avec la carte de coupe. La partie se
joue dans sa fenêtre ; tout autre argument est ignoré.

  --help     afficher ce texte et quitter
  --version  afficher la version et quitter

Environnement :
  VANTREL_SEED           un nombre 0..4294967295 qui fixe le mélange
  VANTREL_MACHINE_STORE  le fichier des options et de la liste du Top 5
  VANTREL_USER_STORE     le fichier de l&apos;état du rappel de don

Voir vantrel(6).
</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>aucun affichage (DISPLAY et WAYLAND_DISPLAY ne sont pas définies)</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>impossible d&apos;ouvrir une fenêtre : %1</translation>
    </message>
    <message>
        <source>nothing is kept between runs: %1</source>
        <translation>rien n&apos;est conservé d&apos;une session à l&apos;autre : %1</translation>
    </message>
    <message>
        <source>VANTREL_SEED=&quot;%1&quot; is not a number 0..4294967295; seeding from the clock</source>
        <translation>VANTREL_SEED=&quot;%1&quot; n&apos;est pas un nombre 0..4294967295 ; le mélange suit l&apos;horloge</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossible d&apos;écrire la sortie</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help document %1 is not in %2.</source>
        <translation>Le document d&apos;aide %1 ne se trouve pas dans %2.</translation>
    </message>
    <message>
        <source>The help document %1 is neither in %2 nor in %3.</source>
        <translation>Le document d&apos;aide %1 ne se trouve ni dans %2 ni dans %3.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Voulez-vous vraiment effacer les meilleurs scores ?</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nouveau meilleur score</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Veuillez saisir votre nom :</translation>
    </message>
    <message>
        <source>Your game total of %1 enters the Top 5 list at place %2.</source>
        <translation>Votre total de %1 entre dans le Top 5 à la place %2.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Annuler le dernier coup</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Voir les &amp;meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Jouer selon les règles normales</translation>
    </message>
    <message>
        <source>Play with Relaxed Rules</source>
        <translation>Jouer selon les règles libres</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>Utiliser de grandes cartes</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>Utiliser d&apos;autres couleurs</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Effacer les meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About Vantrel</source>
        <translation>À &amp;propos de Vantrel</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Faire un don</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 is the first place.</source>
        <translation>%1 est le premier emplacement.</translation>
    </message>
    <message>
        <source>%1 is the last place.</source>
        <translation>%1 est le dernier emplacement.</translation>
    </message>
    <message>
        <source>Keys: Left and Right, Tab and Shift+Tab, Up and Down move between the places, Home and End to the first and the last. Space or Return acts on the place: on the deck it starts a game or the next round, on a hand it places the card there. 1 to 4 place the card in that hand from anywhere. S tells where the game stands, H these keys. Escape closes the Top 5 list. Alt opens the menus, F1 the help.</source>
        <extracomment>The keys S and H stay S and H in every language</extracomment>
        <translation>Touches : Gauche et Droite, Tab et Maj+Tab, Haut et Bas passent d&apos;un emplacement à l&apos;autre, Début et Fin au premier et au dernier. Espace ou Entrée agit sur l&apos;emplacement : sur le talon, elle commence une partie ou la manche suivante ; sur une main, elle y place la carte. 1 à 4 placent la carte dans cette main depuis n&apos;importe où. S dit où en est la partie, H ces touches. Échap ferme le Top 5. Alt ouvre les menus, F1 l&apos;aide.</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Dernier coup</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The key</extracomment>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>H tells the keys</source>
        <extracomment>H is the key: it stays H in every language</extracomment>
        <translation>H énonce les touches</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A card (%1) was placed in a hand (%2)</extracomment>
        <translation>%1 dans %2.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nouvelle partie.</translation>
    </message>
    <message>
        <source>Round %1.</source>
        <translation>Manche %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>Dealt: %1.</source>
        <translation>Distribuées : %1.</translation>
    </message>
    <message>
        <source>Card to place: %1.</source>
        <translation>Carte à placer : %1.</translation>
    </message>
    <message>
        <source>Cut card: %1</source>
        <translation>Carte de coupe : %1</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 marque %2</translation>
    </message>
    <message>
        <source>Crib</source>
        <translation>Crib</translation>
    </message>
    <message>
        <source>Round %1 total %2</source>
        <translation>Manche %1 total %2</translation>
    </message>
    <message>
        <source>%1, game total %2.</source>
        <translation>%1, total de la partie %2.</translation>
    </message>
    <message>
        <source>%1. Game over: total %2.</source>
        <translation>%1. Partie terminée : total %2.</translation>
    </message>
    <message>
        <source>%1 %2!</source>
        <extracomment>The end of the last count, then the banner&apos;s word as it is painted</extracomment>
        <translation>%1 %2 !</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Suivante : %1.</translation>
    </message>
    <message>
        <source>Undo: %1 taken back from %2.</source>
        <translation>Annulation : %1 revient de %2.</translation>
    </message>
    <message>
        <source>To place again: %1.</source>
        <translation>À placer de nouveau : %1.</translation>
    </message>
    <message>
        <source>Top 5 list closed.</source>
        <translation>Top 5 fermé.</translation>
    </message>
    <message>
        <source>No game yet. Space on the deck starts one.</source>
        <translation>Pas encore de partie. Espace sur le talon en commence une.</translation>
    </message>
    <message>
        <source>Round %1 of %2. Card to place: %3, %4. %5 cards left to place. Game total %6.</source>
        <translation>Manche %1 sur %2. Carte à placer : %3, %4. Encore %5 cartes à placer. Total de la partie %6.</translation>
    </message>
    <message>
        <source>Round %1 of %2 counted: %3. Game total %4. Space on the deck for the next round.</source>
        <translation>Manche %1 sur %2 comptée : %3. Total de la partie %4. Espace sur le talon pour la manche suivante.</translation>
    </message>
    <message>
        <source>Game over: total %1, %2. Space on the deck starts a new game.</source>
        <extracomment>%2 is the banner&apos;s word as it is painted</extracomment>
        <translation>Partie terminée : total %1, %2. Espace sur le talon commence une nouvelle partie.</translation>
    </message>
    <message>
        <source>Game over: total %1. Space on the deck starts a new game.</source>
        <translation>Partie terminée : total %1. Espace sur le talon commence une nouvelle partie.</translation>
    </message>
    <message>
        <source>The Top 5 list covers the table; Escape closes it.</source>
        <translation>Le Top 5 couvre la table ; Échap le ferme.</translation>
    </message>
    <message>
        <source>%1 is full.</source>
        <translation>%1 est pleine.</translation>
    </message>
    <message>
        <source>%1 already has its card in row %2: under the regular rules every hand gets a card in that row first.</source>
        <translation>%1 a déjà sa carte dans la ligne %2 : selon les règles normales, chaque main reçoit d&apos;abord une carte dans cette ligne.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>score %1</translation>
    </message>
    <message>
        <source>fifteens %1</source>
        <translation>quinze %1</translation>
    </message>
    <message>
        <source>pairs %1</source>
        <translation>paires %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>suites %1</translation>
    </message>
    <message>
        <source>flush %1</source>
        <translation>couleur %1</translation>
    </message>
    <message>
        <source>nobs %1</source>
        <translation>nobs %1</translation>
    </message>
    <message>
        <source>Space for the next game</source>
        <translation>Espace pour la partie suivante</translation>
    </message>
    <message>
        <source>Space for the next round</source>
        <translation>Espace pour la manche suivante</translation>
    </message>
    <message>
        <source>Card to place: %1, %2</source>
        <translation>Carte à placer : %1, %2</translation>
    </message>
    <message>
        <source>Face down. Space starts a game; H tells the keys</source>
        <translation>Face cachée. Espace commence une partie ; H énonce les touches</translation>
    </message>
    <message>
        <source>Card to place: %1</source>
        <translation>Carte à placer : %1</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Manche %1 : %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>The Vantrel Top 5 list: %1. Escape closes it.</source>
        <translation>Le Top 5 de Vantrel : %1. Échap le ferme.</translation>
    </message>
    <message>
        <source>for any hand</source>
        <translation>pour n&apos;importe quelle main</translation>
    </message>
    <message>
        <source>for no hand</source>
        <translation>pour aucune main</translation>
    </message>
    <message>
        <source>for Hand %1</source>
        <translation>pour la main %1</translation>
    </message>
    <message>
        <source>for Hand %1 or %2</source>
        <translation>pour la main %1 ou %2</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Main %1</translation>
    </message>
    <message>
        <source>%1, his heels %2</source>
        <translation>%1, his heels %2</translation>
    </message>
    <message>
        <source>covered by the Top 5 list</source>
        <translation>couvert par le Top 5</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>Cut card</source>
        <translation>Carte de coupe</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Top 5</source>
        <translation>Top 5</translation>
    </message>
    <message>
        <source>%1, game total %2</source>
        <extracomment>%1 is the banner&apos;s word as it is painted</extracomment>
        <translation>%1, total de la partie %2</translation>
    </message>
</context>
<context>
    <name>StoreReason</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1), then why it could not be read or saved (%2)</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file of one name</source>
        <translation>%1 n&apos;est pas un fichier ordinaire à un seul nom</translation>
    </message>
    <message>
        <source>%1 keeps vanishing</source>
        <translation>%1 ne cesse de disparaître</translation>
    </message>
    <message>
        <source>another program is using %1</source>
        <translation>un autre programme utilise %1</translation>
    </message>
    <message>
        <source>another program holds %1</source>
        <translation>un autre programme détient %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>le dossier %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>son dossier ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>its folder %1 is refused: %2</source>
        <translation>son dossier %1 est refusé : %2</translation>
    </message>
    <message>
        <source>a new file cannot be made: %1</source>
        <translation>un nouveau fichier ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>the copy of its hand-edited text cannot be made: %1</source>
        <translation>la copie de son texte modifié à la main ne peut pas être créée : %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota de disque est épuisé</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>le système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>this user may not do that there</source>
        <translation>cet utilisateur n&apos;a pas le droit de le faire à cet endroit</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>le disque a signalé une erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it has more than one name (a hard link)</source>
        <translation>il a plus d&apos;un nom (un lien physique)</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it is larger than a store file may be</source>
        <translation>il est plus grand que ne peut l&apos;être un fichier de sauvegarde</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>d&apos;autres utilisateurs peuvent y écrire</translation>
    </message>
    <message>
        <source>this player&apos;s file is in the way of every save; remove it</source>
        <translation>un fichier de ce joueur bloque chaque sauvegarde ; supprimez-le</translation>
    </message>
    <message>
        <source>this player&apos;s folder is in the way of every save; remove it</source>
        <translation>un dossier de ce joueur bloque chaque sauvegarde ; supprimez-le</translation>
    </message>
    <message>
        <source>another user&apos;s file is in the way of every save; its owner or an administrator must remove it</source>
        <translation>un fichier d&apos;un autre utilisateur bloque chaque sauvegarde ; son propriétaire ou un administrateur doit le supprimer</translation>
    </message>
    <message>
        <source>another user&apos;s folder is in the way of every save; its owner or an administrator must remove it</source>
        <translation>un dossier d&apos;un autre utilisateur bloque chaque sauvegarde ; son propriétaire ou un administrateur doit le supprimer</translation>
    </message>
    <message>
        <source>the saved file would be larger than a store file may be</source>
        <translation>le fichier enregistré serait plus grand que ne peut l&apos;être un fichier de sauvegarde</translation>
    </message>
    <message>
        <source>the key is closed</source>
        <translation>la clé est fermée</translation>
    </message>
    <message>
        <source>a value name may not hold a control character</source>
        <translation>un nom de valeur ne peut pas contenir de caractère de contrôle</translation>
    </message>
    <message>
        <source>the record&apos;s key has no path</source>
        <translation>la clé de l&apos;enregistrement n&apos;a pas de chemin</translation>
    </message>
    <message>
        <source>no home folder is known for this user: HOME is not an absolute path and the password database names none</source>
        <translation>aucun dossier personnel n&apos;est connu pour cet utilisateur : HOME n&apos;est pas un chemin absolu et la base des mots de passe n&apos;en indique aucun</translation>
    </message>
</context>
<context>
    <name>TVantrelForm</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer les données de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows</source>
        <translation>Vantrel 8.00 - Édition gratuite - Cribbage en solitaire pour Windows</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The Cut</source>
        <extracomment>Above the current card after a round&apos;s count: the card turned up for the count</extracomment>
        <translation>La coupe</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the current card while the round is placed</extracomment>
        <translation>Jouez...</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The score panel&apos;s first line: the round numbers 1 to 5 follow it</extracomment>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s second line: each round&apos;s score follows it</extracomment>
        <translation>Points</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The score panel&apos;s last column: the game total</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>...The Vantrel Top 5 List...</source>
        <translation>...Le Top 5 de Vantrel...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>Under the top-five list: a click anywhere closes it</extracomment>
        <translation>Clic gauche pour continuer...</translation>
    </message>
    <message>
        <source>WIN</source>
        <extracomment>The banner of a game total of 180 or more, written every 48 pixels</extracomment>
        <translation>WIN</translation>
    </message>
    <message>
        <source>Click
for
next
Round</source>
        <extracomment>On the deck pile after a round: one short line under another, at most four</extracomment>
        <translation>Cliquez
pour la
manche
suivante</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>On the deck pile after the fifth round: one short line under another, at most four</extracomment>
        <translation>Cliquez
pour une
nouvelle
partie !</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The rank in the corners of a card: ace</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The rank in the corners of a card: jack</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The rank in the corners of a card: queen</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The rank in the corners of a card: king</extracomment>
        <translation>R</translation>
    </message>
</context>
<context>
    <name>vantrel-count</name>
    <message>
        <source>expected 4 hand cards and a cut card, got %1 card</source>
        <translation>4 cartes de main et une carte de coupe attendues, %1 carte reçue</translation>
    </message>
    <message>
        <source>expected 4 hand cards and a cut card, got %1 cards</source>
        <translation>4 cartes de main et une carte de coupe attendues, %1 cartes reçues</translation>
    </message>
    <message>
        <source>unknown card %1 (write rank A 2..10 J Q K or T, then suit H C D S)</source>
        <extracomment>The letters are what the command line reads: keep them</extracomment>
        <translation>carte inconnue %1 (écrivez le rang A 2..10 J Q K ou T, puis la couleur H C D S)</translation>
    </message>
    <message>
        <source>card %1 given twice (as %2 before)</source>
        <extracomment>%1 and %2 are the same card, as it was given each time</extracomment>
        <translation>carte %1 donnée deux fois (déjà donnée comme %2)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--all counts every column and takes no cards, got %1</source>
        <translation>--all compte toutes les colonnes et ne prend aucune carte, reçu %1</translation>
    </message>
    <message>
        <source>usage: vantrel-count [--crib] CARD CARD CARD CARD CUT | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</source>
        <translation>usage : vantrel-count [--crib] CARTE CARTE CARTE CARTE COUPE | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</translation>
    </message>
    <message>
        <source>Counts a column of four cards with the cut card as the game does at the
end of a round, one line per part and then the total.

  --crib     count the column as the crib (a flush needs all five cards)
  --all      count every column of four cards and a different cut card
             and print how many make each score, as &apos;score count&apos; for
             the scores 0..29
  --help     show this text
  --version  show the version
  --         end the options; what follows are cards

A card is its rank A 2 3 4 5 6 7 8 9 10 J Q K (or T for ten) followed by
its suit H C D S, in any case: 5h, 10S, TD, jc.
</source>
        <translation>Compte une colonne de quatre cartes avec la carte de coupe, comme le jeu le
fait à la fin d&apos;une manche : une ligne par combinaison, puis le total.

  --crib     compter la colonne comme le crib (la couleur y exige cinq cartes)
  --all      compter chaque colonne de quatre cartes avec chaque autre carte
             de coupe et afficher combien donnent chaque score, en lignes
             &apos;score nombre&apos; pour les scores 0..29
  --help     afficher ce texte
  --version  afficher la version
  --         fin des options ; la suite, ce sont des cartes

Une carte s&apos;écrit par son rang A 2 3 4 5 6 7 8 9 10 J Q K (ou T pour dix) suivi
de sa couleur H C D S, en majuscules ou minuscules : 5h, 10S, TD, jc.
</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossible d&apos;écrire la sortie</translation>
    </message>
</context>
<context>
    <name>vantrel::TDonateForm</name>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Oui, allons tout de suite à la page des dons !</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Je dois encore l&apos;essayer, redemander dans deux semaines</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>J&apos;ai déjà fait un don, ne plus afficher ceci</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Non, je ne veux pas faire de don, ne plus jamais afficher ceci</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Pas maintenant, me le rappeler dans 1 jour</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Merci !</translation>
    </message>
    <message>
        <source>Would you like to make a donation?</source>
        <translation>Voulez-vous faire un don ?</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running the %1 web site, and they let you say &quot;thank you for a job well done&quot;.</source>
        <translation>Les dons aident à couvrir les frais du site %1, et ils vous permettent de dire « merci pour ce travail bien fait ».</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Le don est entièrement facultatif, et son montant ne dépend que de vous.  Merci.</translation>
    </message>
</context>
<context>
    <name>vantrel::TsplashForm</name>
    <message>
        <source>Freeware Edition</source>
        <translation>Édition gratuite</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>À propos de Vantrel</translation>
    </message>
    <message>
        <source>Cribbage board and playing cards</source>
        <translation>Planche de cribbage et cartes à jouer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
