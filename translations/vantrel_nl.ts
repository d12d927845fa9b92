<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
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
        <translation>TOP</translation>
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
