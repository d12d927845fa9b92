<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>TOP</translation>
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
