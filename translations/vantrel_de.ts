<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Aufruf: vantrel [--help] [--version]

Cribbage-Patience: In jeder von fünf Runden legen Sie sechzehn Karten in vier
Blätter, die dann mit der Startkarte gezählt werden. Gespielt wird im Fenster
des Spiels; jedes andere Argument wird ignoriert.

  --help     diesen Text zeigen und beenden
  --version  die Version zeigen und beenden

Umgebung:
  VANTREL_SEED           eine Zahl 0..4294967295, die das Mischen festlegt
  VANTREL_MACHINE_STORE  die Datei mit den Optionen und der Top-5-Liste
  VANTREL_USER_STORE     die Datei mit dem Stand der Spendenerinnerung

Siehe vantrel(6).
</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>keine Anzeige (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>kann kein Fenster öffnen: %1</translation>
    </message>
    <message>
        <source>nothing is kept between runs: %1</source>
        <translation>zwischen zwei Starts wird nichts aufbewahrt: %1</translation>
    </message>
    <message>
        <source>VANTREL_SEED=&quot;%1&quot; is not a number 0..4294967295; seeding from the clock</source>
        <translation>VANTREL_SEED=&quot;%1&quot; ist keine Zahl 0..4294967295; gemischt wird nach der Uhr</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>kann die Ausgabe nicht schreiben</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help document %1 is not in %2.</source>
        <translation>Das Hilfedokument %1 ist nicht in %2.</translation>
    </message>
    <message>
        <source>The help document %1 is neither in %2 nor in %3.</source>
        <translation>Das Hilfedokument %1 ist weder in %2 noch in %3.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Wollen Sie die Bestenliste wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Neuer Bestwert</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte geben Sie Ihren Namen ein:</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Neues Spiel starten</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>Letzten Zug &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Besten&amp;liste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Nach normalen Regeln spielen</translation>
    </message>
    <message>
        <source>Play with Relaxed Rules</source>
        <translation>Nach freien Regeln spielen</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>Große Karten verwenden</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>Andere Farben verwenden</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Bestenliste zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Vantrel</source>
        <translation>&amp;Über Vantrel</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Spenden</translation>
    </message>
</context>
<context>
    <name>TVantrelForm</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Die Daten für &apos;%1&apos; konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows</source>
        <translation>Vantrel 8.00 - Freeware-Ausgabe - Cribbage-Patience für Windows</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The Cut</source>
        <extracomment>Above the current card after a round&apos;s count: the card turned up for the count</extracomment>
        <translation>Startkarte</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the current card while the round is placed</extracomment>
        <translation>Spielen...</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The score panel&apos;s first line: the round numbers 1 to 5 follow it</extracomment>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s second line: each round&apos;s score follows it</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The score panel&apos;s last column: the game total</extracomment>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>...The Vantrel Top 5 List...</source>
        <translation>...Die Vantrel Top-5-Liste...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>Under the top-five list: a click anywhere closes it</extracomment>
        <translation>Linksklick zum Fortfahren...</translation>
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
        <translation>Klick
für
nächste
Runde</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>On the deck pile after the fifth round: one short line under another, at most four</extracomment>
        <translation>Klick
für
neues
Spiel!</translation>
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
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The rank in the corners of a card: king</extracomment>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>vantrel-count</name>
    <message>
        <source>expected 4 hand cards and a cut card, got %1 card</source>
        <translation>erwartet: 4 Handkarten und eine Startkarte, erhalten: %1 Karte</translation>
    </message>
    <message>
        <source>expected 4 hand cards and a cut card, got %1 cards</source>
        <translation>erwartet: 4 Handkarten und eine Startkarte, erhalten: %1 Karten</translation>
    </message>
    <message>
        <source>unknown card %1 (write rank A 2..10 J Q K or T, then suit H C D S)</source>
        <extracomment>The letters are what the command line reads: keep them</extracomment>
        <translation>unbekannte Karte %1 (erst den Rang A 2..10 J Q K oder T, dann die Farbe H C D S)</translation>
    </message>
    <message>
        <source>card %1 given twice (as %2 before)</source>
        <extracomment>%1 and %2 are the same card, as it was given each time</extracomment>
        <translation>Karte %1 doppelt angegeben (vorher als %2)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--all counts every column and takes no cards, got %1</source>
        <translation>--all zählt jede Spalte und nimmt keine Karten, erhalten: %1</translation>
    </message>
    <message>
        <source>usage: vantrel-count [--crib] CARD CARD CARD CARD CUT | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</source>
        <translation>Aufruf: vantrel-count [--crib] KARTE KARTE KARTE KARTE START | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</translation>
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
        <translation>Zählt eine Spalte aus vier Karten mit der Startkarte, wie das Spiel am Ende
einer Runde zählt: eine Zeile je Wertung, dann die Summe.

  --crib     die Spalte als Crib zählen (ein Flush braucht alle fünf Karten)
  --all      jede Spalte aus vier Karten mit jeder anderen Startkarte zählen
             und ausgeben, wie viele jede Punktzahl ergeben, als Zeilen
             &apos;Punktzahl Anzahl&apos; für die Punktzahlen 0..29
  --help     diesen Text zeigen
  --version  die Version zeigen
  --         beendet die Optionen; was folgt, sind Karten

Eine Karte ist ihr Rang A 2 3 4 5 6 7 8 9 10 J Q K (oder T für die Zehn),
gefolgt von ihrer Farbe H C D S, groß oder klein: 5h, 10S, TD, jc.
</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>kann die Ausgabe nicht schreiben</translation>
    </message>
</context>
<context>
    <name>vantrel::TDonateForm</name>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Ja, jetzt zur Spendenseite!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Ich prüfe es noch etwas, in zwei Wochen wieder zeigen</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ich habe schon gespendet, nicht mehr zeigen</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Nein, ich möchte nicht spenden, nie mehr zeigen</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Jetzt nicht, in 1 Tag wieder erinnern</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Danke!</translation>
    </message>
    <message>
        <source>Would you like to make a donation?</source>
        <translation>Möchten Sie spenden?</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running the %1 web site, and they let you say &quot;thank you for a job well done&quot;.</source>
        <translation>Spenden helfen, die Kosten der Website %1 zu tragen, und mit ihnen können Sie „danke für die gute Arbeit“ sagen.</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Eine Spende ist völlig freiwillig, und den Betrag bestimmen allein Sie.  Vielen Dank.</translation>
    </message>
</context>
<context>
    <name>vantrel::TsplashForm</name>
    <message>
        <source>Freeware Edition</source>
        <translation>Freeware-Ausgabe</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>Über Vantrel</translation>
    </message>
    <message>
        <source>Cribbage board and playing cards</source>
        <translation>Cribbage-Brett und Spielkarten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
