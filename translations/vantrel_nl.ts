<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Cards</name>
    <message>
        <source>Ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Harten</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Klaveren</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ruiten</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Schoppen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s spoken name: %1 is its rank (Ace, Two, ..., King), %2 its suit</extracomment>
        <translation>%2 %1</translation>
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
        <translation>Gebruik: vantrel [--help] [--version]

Cribbage-patience: leg in elk van de vijf rondes zestien kaarten in vier handen,
die daarna met de startkaart worden geteld. Het spel wordt in zijn venster
gespeeld; elk ander argument wordt genegeerd.

  --help     deze tekst tonen en stoppen
  --version  de versie tonen en stoppen

Omgeving:
  VANTREL_SEED           een getal 0..4294967295 dat het schudden vastlegt
  VANTREL_MACHINE_STORE  het bestand met de opties en de top 5
  VANTREL_USER_STORE     het bestand met de stand van de donatieherinnering

Zie vantrel(6).
</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>geen beeldscherm (DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld)</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>kan geen venster openen: %1</translation>
    </message>
    <message>
        <source>nothing is kept between runs: %1</source>
        <translation>er wordt niets bewaard tussen twee starts: %1</translation>
    </message>
    <message>
        <source>VANTREL_SEED=&quot;%1&quot; is not a number 0..4294967295; seeding from the clock</source>
        <translation>VANTREL_SEED=&quot;%1&quot; is geen getal 0..4294967295; er wordt geschud volgens de klok</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>kan de uitvoer niet schrijven</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Question</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help document %1 is not in %2.</source>
        <translation>Het helpdocument %1 staat niet in %2.</translation>
    </message>
    <message>
        <source>The help document %1 is neither in %2 nor in %3.</source>
        <translation>Het helpdocument %1 staat niet in %2 en ook niet in %3.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Wil je de topscores echt wissen?</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nieuwe topscore</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Vul je naam in:</translation>
    </message>
    <message>
        <source>Your game total of %1 enters the Top 5 list at place %2.</source>
        <translation>Je totaal van %1 komt op plaats %2 van de top 5.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nieuw spel starten</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>Laatste zet &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>&amp;Topscores bekijken</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Volgens de gewone regels spelen</translation>
    </message>
    <message>
        <source>Play with Relaxed Rules</source>
        <translation>Volgens de vrije regels spelen</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>Grote kaarten gebruiken</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>Andere kleuren gebruiken</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Topscores wissen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About Vantrel</source>
        <translation>&amp;Over Vantrel</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Doneren</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 is the first place.</source>
        <translation>%1 is de eerste plek.</translation>
    </message>
    <message>
        <source>%1 is the last place.</source>
        <translation>%1 is de laatste plek.</translation>
    </message>
    <message>
        <source>Keys: Left and Right, Tab and Shift+Tab, Up and Down move between the places, Home and End to the first and the last. Space or Return acts on the place: on the deck it starts a game or the next round, on a hand it places the card there. 1 to 4 place the card in that hand from anywhere. S tells where the game stands, H these keys. Escape closes the Top 5 list. Alt opens the menus, F1 the help.</source>
        <extracomment>The keys S and H stay S and H in every language</extracomment>
        <translation>Toetsen: Links en Rechts, Tab en Shift+Tab, Omhoog en Omlaag gaan van plek naar plek, Home en End naar de eerste en de laatste. Spatie of Enter werkt op de plek: op de stapel begint het een spel of de volgende ronde, op een hand legt het de kaart daar. 1 tot 4 leggen de kaart in die hand, waar je ook bent. S zegt hoe het spel ervoor staat, H deze toetsen. Esc sluit de top 5. Alt opent de menu&apos;s, F1 de hulp.</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Laatste zet</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The key</extracomment>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>H tells the keys</source>
        <extracomment>H is the key: it stays H in every language</extracomment>
        <translation>H noemt de toetsen</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A card (%1) was placed in a hand (%2)</extracomment>
        <translation>%1 naar %2.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nieuw spel.</translation>
    </message>
    <message>
        <source>Round %1.</source>
        <translation>Ronde %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 naar %2</translation>
    </message>
    <message>
        <source>Dealt: %1.</source>
        <translation>Gedeeld: %1.</translation>
    </message>
    <message>
        <source>Card to place: %1.</source>
        <translation>Te leggen kaart: %1.</translation>
    </message>
    <message>
        <source>Cut card: %1</source>
        <translation>Startkaart: %1</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 score %2</translation>
    </message>
    <message>
        <source>Crib</source>
        <translation>Crib</translation>
    </message>
    <message>
        <source>Round %1 total %2</source>
        <translation>Ronde %1 totaal %2</translation>
    </message>
    <message>
        <source>%1, game total %2.</source>
        <translation>%1, speltotaal %2.</translation>
    </message>
    <message>
        <source>%1. Game over: total %2.</source>
        <translation>%1. Spel voorbij: totaal %2.</translation>
    </message>
    <message>
        <source>%1 %2!</source>
        <extracomment>The end of the last count, then the banner&apos;s word as it is painted</extracomment>
        <translation>%1 %2!</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Volgende: %1.</translation>
    </message>
    <message>
        <source>Undo: %1 taken back from %2.</source>
        <translation>Ongedaan: %1 teruggenomen uit %2.</translation>
    </message>
    <message>
        <source>To place again: %1.</source>
        <translation>Opnieuw te leggen: %1.</translation>
    </message>
    <message>
        <source>Top 5 list closed.</source>
        <translation>Top 5 gesloten.</translation>
    </message>
    <message>
        <source>No game yet. Space on the deck starts one.</source>
        <translation>Nog geen spel. Spatie op de stapel begint er een.</translation>
    </message>
    <message>
        <source>Round %1 of %2. Card to place: %3, %4. %5 cards left to place. Game total %6.</source>
        <translation>Ronde %1 van %2. Te leggen kaart: %3, %4. Nog %5 kaarten te leggen. Speltotaal %6.</translation>
    </message>
    <message>
        <source>Round %1 of %2 counted: %3. Game total %4. Space on the deck for the next round.</source>
        <translation>Ronde %1 van %2 geteld: %3. Speltotaal %4. Spatie op de stapel voor de volgende ronde.</translation>
    </message>
    <message>
        <source>Game over: total %1, %2. Space on the deck starts a new game.</source>
        <extracomment>%2 is the banner&apos;s word as it is painted</extracomment>
        <translation>Spel voorbij: totaal %1, %2. Spatie op de stapel begint een nieuw spel.</translation>
    </message>
    <message>
        <source>Game over: total %1. Space on the deck starts a new game.</source>
        <translation>Spel voorbij: totaal %1. Spatie op de stapel begint een nieuw spel.</translation>
    </message>
    <message>
        <source>The Top 5 list covers the table; Escape closes it.</source>
        <translation>De top 5 bedekt de tafel; Esc sluit hem.</translation>
    </message>
    <message>
        <source>%1 is full.</source>
        <translation>%1 is vol.</translation>
    </message>
    <message>
        <source>%1 already has its card in row %2: under the regular rules every hand gets a card in that row first.</source>
        <translation>%1 heeft zijn kaart in rij %2 al: volgens de gewone regels krijgt eerst elke hand een kaart in die rij.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>score %1</translation>
    </message>
    <message>
        <source>fifteens %1</source>
        <translation>vijftienen %1</translation>
    </message>
    <message>
        <source>pairs %1</source>
        <translation>paren %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>reeksen %1</translation>
    </message>
    <message>
        <source>flush %1</source>
        <translation>flush %1</translation>
    </message>
    <message>
        <source>nobs %1</source>
        <translation>nobs %1</translation>
    </message>
    <message>
        <source>Space for the next game</source>
        <translation>Spatie voor het volgende spel</translation>
    </message>
    <message>
        <source>Space for the next round</source>
        <translation>Spatie voor de volgende ronde</translation>
    </message>
    <message>
        <source>Card to place: %1, %2</source>
        <translation>Te leggen kaart: %1, %2</translation>
    </message>
    <message>
        <source>Face down. Space starts a game; H tells the keys</source>
        <translation>Gedekt. Spatie begint een spel; H noemt de toetsen</translation>
    </message>
    <message>
        <source>Card to place: %1</source>
        <translation>Te leggen kaart: %1</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Ronde %1: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totaal %1</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>gedekt</translation>
    </message>
    <message>
        <source>The Vantrel Top 5 list: %1. Escape closes it.</source>
        <translation>De Vantrel top 5: %1. Esc sluit hem.</translation>
    </message>
    <message>
        <source>for any hand</source>
        <translation>voor elke hand</translation>
    </message>
    <message>
        <source>for no hand</source>
        <translation>voor geen enkele hand</translation>
    </message>
    <message>
        <source>for Hand %1</source>
        <translation>voor hand %1</translation>
    </message>
    <message>
        <source>for Hand %1 or %2</source>
        <translation>voor hand %1 of %2</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Hand %1</translation>
    </message>
    <message>
        <source>%1, his heels %2</source>
        <translation>%1, his heels %2</translation>
    </message>
    <message>
        <source>covered by the Top 5 list</source>
        <translation>bedekt door de top 5</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Cut card</source>
        <translation>Startkaart</translation>
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
        <translation>%1, speltotaal %2</translation>
    </message>
</context>
<context>
    <name>StoreReason</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1), then why it could not be read or saved (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kan niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file of one name</source>
        <translation>%1 is geen gewoon bestand met één naam</translation>
    </message>
    <message>
        <source>%1 keeps vanishing</source>
        <translation>%1 verdwijnt steeds weer</translation>
    </message>
    <message>
        <source>another program is using %1</source>
        <translation>een ander programma gebruikt %1</translation>
    </message>
    <message>
        <source>another program holds %1</source>
        <translation>een ander programma houdt %1 vast</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>de map %1 kan niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>de map ervan kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>its folder %1 is refused: %2</source>
        <translation>de map %1 ervan wordt geweigerd: %2</translation>
    </message>
    <message>
        <source>a new file cannot be made: %1</source>
        <translation>een nieuw bestand kan niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>the copy of its hand-edited text cannot be made: %1</source>
        <translation>de kopie van de met de hand bewerkte tekst kan niet worden gemaakt: %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>het schijfquotum is op</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>het bestandssysteem is alleen-lezen</translation>
    </message>
    <message>
        <source>this user may not do that there</source>
        <translation>deze gebruiker mag dat daar niet</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>de schijf meldde een invoer-/uitvoerfout</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it has more than one name (a hard link)</source>
        <translation>het heeft meer dan één naam (een harde koppeling)</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>het is van een andere gebruiker</translation>
    </message>
    <message>
        <source>it is larger than a store file may be</source>
        <translation>het is groter dan een opslagbestand mag zijn</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>het is een koppeling</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>andere gebruikers mogen erin schrijven</translation>
    </message>
    <message>
        <source>this player&apos;s file is in the way of every save; remove it</source>
        <translation>een bestand van deze speler staat elke opslag in de weg; verwijder het</translation>
    </message>
    <message>
        <source>this player&apos;s folder is in the way of every save; remove it</source>
        <translation>een map van deze speler staat elke opslag in de weg; verwijder die</translation>
    </message>
    <message>
        <source>another user&apos;s file is in the way of every save; its owner or an administrator must remove it</source>
        <translation>een bestand van een andere gebruiker staat elke opslag in de weg; de eigenaar of een beheerder moet het verwijderen</translation>
    </message>
    <message>
        <source>another user&apos;s folder is in the way of every save; its owner or an administrator must remove it</source>
        <translation>een map van een andere gebruiker staat elke opslag in de weg; de eigenaar of een beheerder moet die verwijderen</translation>
    </message>
    <message>
        <source>the saved file would be larger than a store file may be</source>
        <translation>het opgeslagen bestand zou groter zijn dan een opslagbestand mag zijn</translation>
    </message>
    <message>
        <source>the key is closed</source>
        <translation>de sleutel is gesloten</translation>
    </message>
    <message>
        <source>a value name may not hold a control character</source>
        <translation>een waardenaam mag geen stuurteken bevatten</translation>
    </message>
    <message>
        <source>the record&apos;s key has no path</source>
        <translation>de sleutel van de gegevens heeft geen pad</translation>
    </message>
    <message>
        <source>no home folder is known for this user: HOME is not an absolute path and the password database names none</source>
        <translation>voor deze gebruiker is geen thuismap bekend: HOME is geen absoluut pad en de wachtwoorddatabase noemt er geen</translation>
    </message>
</context>
<context>
    <name>TVantrelForm</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Kan de gegevens voor &apos;%1&apos; niet opslaan</translation>
    </message>
    <message>
        <source>Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows</source>
        <translation>Vantrel 8.00 - Freeware-editie - Cribbage-patience voor Windows</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The Cut</source>
        <extracomment>Above the current card after a round&apos;s count: the card turned up for the count</extracomment>
        <translation>Startkaart</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the current card while the round is placed</extracomment>
        <translation>Spelen...</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The score panel&apos;s first line: the round numbers 1 to 5 follow it</extracomment>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s second line: each round&apos;s score follows it</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The score panel&apos;s last column: the game total</extracomment>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>...The Vantrel Top 5 List...</source>
        <translation>...De Vantrel Top 5...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>Under the top-five list: a click anywhere closes it</extracomment>
        <translation>Klik links om verder te gaan...</translation>
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
        <translation>Klik
voor
volgende
ronde</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>On the deck pile after the fifth round: one short line under another, at most four</extracomment>
        <translation>Klik
voor
nieuw
spel!</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The rank in the corners of a card: ace</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The rank in the corners of a card: jack</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The rank in the corners of a card: queen</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The rank in the corners of a card: king</extracomment>
        <translation>H</translation>
    </message>
</context>
<context>
    <name>vantrel-count</name>
    <message>
        <source>expected 4 hand cards and a cut card, got %1 card</source>
        <translation>verwacht: 4 handkaarten en een startkaart, gekregen: %1 kaart</translation>
    </message>
    <message>
        <source>expected 4 hand cards and a cut card, got %1 cards</source>
        <translation>verwacht: 4 handkaarten en een startkaart, gekregen: %1 kaarten</translation>
    </message>
    <message>
        <source>unknown card %1 (write rank A 2..10 J Q K or T, then suit H C D S)</source>
        <extracomment>The letters are what the command line reads: keep them</extracomment>
        <translation>onbekende kaart %1 (schrijf de rang A 2..10 J Q K of T, dan de kleur H C D S)</translation>
    </message>
    <message>
        <source>card %1 given twice (as %2 before)</source>
        <extracomment>%1 and %2 are the same card, as it was given each time</extracomment>
        <translation>kaart %1 twee keer opgegeven (eerder als %2)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>--all counts every column and takes no cards, got %1</source>
        <translation>--all telt elke kolom en neemt geen kaarten, gekregen: %1</translation>
    </message>
    <message>
        <source>usage: vantrel-count [--crib] CARD CARD CARD CARD CUT | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</source>
        <translation>gebruik: vantrel-count [--crib] KAART KAART KAART KAART START | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</translation>
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
        <translation>Telt een kolom van vier kaarten met de startkaart, zoals het spel dat aan het
eind van een ronde doet: een regel per combinatie en dan het totaal.

  --crib     de kolom als crib tellen (een flush vraagt alle vijf kaarten)
  --all      elke kolom van vier kaarten met elke andere startkaart tellen
             en tonen hoeveel elke score opleveren, als regels &apos;score
             aantal&apos; voor de scores 0..29
  --help     deze tekst tonen
  --version  de versie tonen
  --         einde van de opties; wat volgt zijn kaarten

Een kaart is haar rang A 2 3 4 5 6 7 8 9 10 J Q K (of T voor tien), gevolgd
door haar kleur H C D S, in hoofd- of kleine letters: 5h, 10S, TD, jc.
</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>kan de uitvoer niet schrijven</translation>
    </message>
</context>
<context>
    <name>vantrel::TDonateForm</name>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Ja, breng me nu naar de donatiepagina!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Ik moet het nog wat proberen, toon dit over twee weken weer</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ik heb al gedoneerd, toon dit niet meer</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Nee, ik wil niet doneren, toon dit nooit meer</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Nu niet, herinner me over 1 dag weer</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Doneren</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Bedankt!</translation>
    </message>
    <message>
        <source>Would you like to make a donation?</source>
        <translation>Wil je een donatie doen?</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running the %1 web site, and they let you say &quot;thank you for a job well done&quot;.</source>
        <translation>Donaties helpen de kosten van de website %1 te dekken, en zo kun je zeggen: „bedankt voor het goede werk”.</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Doneren is helemaal vrijwillig, en het bedrag bepaal je zelf.  Bedankt.</translation>
    </message>
</context>
<context>
    <name>vantrel::TsplashForm</name>
    <message>
        <source>Freeware Edition</source>
        <translation>Freeware-editie</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>Over Vantrel</translation>
    </message>
    <message>
        <source>Cribbage board and playing cards</source>
        <translation>Cribbagebord en speelkaarten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
</TS>
