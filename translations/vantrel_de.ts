<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Cards</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s spoken name: %1 is its rank (Ace, Two, ..., King), %2 its suit</extracomment>
        <translation>%2-%1</translation>
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
    <message>
        <source>Your game total of %1 enters the Top 5 list at place %2.</source>
        <translation>Ihre Gesamtsumme von %1 kommt auf Platz %2 der Top-5-Liste.</translation>
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
    <name>Speech</name>
    <message>
        <source>%1 is the first place.</source>
        <translation>%1 ist der erste Platz.</translation>
    </message>
    <message>
        <source>%1 is the last place.</source>
        <translation>%1 ist der letzte Platz.</translation>
    </message>
    <message>
        <source>Keys: Left and Right, Tab and Shift+Tab, Up and Down move between the places, Home and End to the first and the last. Space or Return acts on the place: on the deck it starts a game or the next round, on a hand it places the card there. 1 to 4 place the card in that hand from anywhere. S tells where the game stands, H these keys. Escape closes the Top 5 list. Alt opens the menus, F1 the help.</source>
        <extracomment>The keys S and H stay S and H in every language</extracomment>
        <translation>Tasten: Links und Rechts, Tab und Umschalt+Tab, Hoch und Runter wechseln zwischen den Plätzen, Pos1 und Ende zum ersten und zum letzten. Leertaste oder Eingabe wirkt auf den Platz: auf dem Stapel beginnt sie ein Spiel oder die nächste Runde, auf einem Blatt legt sie die Karte dorthin. 1 bis 4 legen die Karte von überall in dieses Blatt. S sagt, wie das Spiel steht, H diese Tasten. Esc schließt die Top-5-Liste. Alt öffnet die Menüs, F1 die Hilfe.</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Letzter Zug</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The key</extracomment>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>H tells the keys</source>
        <extracomment>H is the key: it stays H in every language</extracomment>
        <translation>H nennt die Tasten</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A card (%1) was placed in a hand (%2)</extracomment>
        <translation>%1 in %2.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Neues Spiel.</translation>
    </message>
    <message>
        <source>Round %1.</source>
        <translation>Runde %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Dealt: %1.</source>
        <translation>Ausgeteilt: %1.</translation>
    </message>
    <message>
        <source>Card to place: %1.</source>
        <translation>Zu legende Karte: %1.</translation>
    </message>
    <message>
        <source>Cut card: %1</source>
        <translation>Startkarte: %1</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 zählt %2</translation>
    </message>
    <message>
        <source>Crib</source>
        <translation>Crib</translation>
    </message>
    <message>
        <source>Round %1 total %2</source>
        <translation>Runde %1 insgesamt %2</translation>
    </message>
    <message>
        <source>%1, game total %2.</source>
        <translation>%1, Gesamtsumme %2.</translation>
    </message>
    <message>
        <source>%1. Game over: total %2.</source>
        <translation>%1. Spielende: Gesamtsumme %2.</translation>
    </message>
    <message>
        <source>%1 %2!</source>
        <extracomment>The end of the last count, then the banner&apos;s word as it is painted</extracomment>
        <translation>%1 %2!</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Nächste: %1.</translation>
    </message>
    <message>
        <source>Undo: %1 taken back from %2.</source>
        <translation>Rückgängig: %1 aus %2 zurückgenommen.</translation>
    </message>
    <message>
        <source>To place again: %1.</source>
        <translation>Erneut zu legen: %1.</translation>
    </message>
    <message>
        <source>Top 5 list closed.</source>
        <translation>Top-5-Liste geschlossen.</translation>
    </message>
    <message>
        <source>No game yet. Space on the deck starts one.</source>
        <translation>Noch kein Spiel. Die Leertaste auf dem Stapel beginnt eines.</translation>
    </message>
    <message>
        <source>Round %1 of %2. Card to place: %3, %4. %5 cards left to place. Game total %6.</source>
        <translation>Runde %1 von %2. Zu legende Karte: %3, %4. Noch %5 Karten zu legen. Gesamtsumme %6.</translation>
    </message>
    <message>
        <source>Round %1 of %2 counted: %3. Game total %4. Space on the deck for the next round.</source>
        <translation>Runde %1 von %2 gezählt: %3. Gesamtsumme %4. Leertaste auf dem Stapel für die nächste Runde.</translation>
    </message>
    <message>
        <source>Game over: total %1, %2. Space on the deck starts a new game.</source>
        <extracomment>%2 is the banner&apos;s word as it is painted</extracomment>
        <translation>Spielende: Gesamtsumme %1, %2. Die Leertaste auf dem Stapel beginnt ein neues Spiel.</translation>
    </message>
    <message>
        <source>Game over: total %1. Space on the deck starts a new game.</source>
        <translation>Spielende: Gesamtsumme %1. Die Leertaste auf dem Stapel beginnt ein neues Spiel.</translation>
    </message>
    <message>
        <source>The Top 5 list covers the table; Escape closes it.</source>
        <translation>Die Top-5-Liste verdeckt den Tisch; Esc schließt sie.</translation>
    </message>
    <message>
        <source>%1 is full.</source>
        <translation>%1 ist voll.</translation>
    </message>
    <message>
        <source>%1 already has its card in row %2: under the regular rules every hand gets a card in that row first.</source>
        <translation>%1 hat seine Karte in Reihe %2 schon: Nach den normalen Regeln bekommt erst jedes Blatt eine Karte in dieser Reihe.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>Wertung %1</translation>
    </message>
    <message>
        <source>fifteens %1</source>
        <translation>Fünfzehner %1</translation>
    </message>
    <message>
        <source>pairs %1</source>
        <translation>Paare %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>Sequenzen %1</translation>
    </message>
    <message>
        <source>flush %1</source>
        <translation>Flush %1</translation>
    </message>
    <message>
        <source>nobs %1</source>
        <translation>Nobs %1</translation>
    </message>
    <message>
        <source>Space for the next game</source>
        <translation>Leertaste für das nächste Spiel</translation>
    </message>
    <message>
        <source>Space for the next round</source>
        <translation>Leertaste für die nächste Runde</translation>
    </message>
    <message>
        <source>Card to place: %1, %2</source>
        <translation>Zu legende Karte: %1, %2</translation>
    </message>
    <message>
        <source>Face down. Space starts a game; H tells the keys</source>
        <translation>Verdeckt. Die Leertaste beginnt ein Spiel; H nennt die Tasten</translation>
    </message>
    <message>
        <source>Card to place: %1</source>
        <translation>Zu legende Karte: %1</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Runde %1: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Summe %1</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>The Vantrel Top 5 list: %1. Escape closes it.</source>
        <translation>Die Vantrel Top-5-Liste: %1. Esc schließt sie.</translation>
    </message>
    <message>
        <source>for any hand</source>
        <translation>für jedes Blatt</translation>
    </message>
    <message>
        <source>for no hand</source>
        <translation>für kein Blatt</translation>
    </message>
    <message>
        <source>for Hand %1</source>
        <translation>für Blatt %1</translation>
    </message>
    <message>
        <source>for Hand %1 or %2</source>
        <translation>für Blatt %1 oder %2</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Blatt %1</translation>
    </message>
    <message>
        <source>%1, his heels %2</source>
        <translation>%1, His Heels %2</translation>
    </message>
    <message>
        <source>covered by the Top 5 list</source>
        <translation>von der Top-5-Liste verdeckt</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Cut card</source>
        <translation>Startkarte</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Top 5</source>
        <translation>Top 5</translation>
    </message>
    <message>
        <source>%1, game total %2</source>
        <extracomment>%1 is the banner&apos;s word as it is painted</extracomment>
        <translation>%1, Gesamtsumme %2</translation>
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
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file of one name</source>
        <translation>%1 ist keine gewöhnliche Datei mit nur einem Namen</translation>
    </message>
    <message>
        <source>%1 keeps vanishing</source>
        <translation>%1 verschwindet immer wieder</translation>
    </message>
    <message>
        <source>another program is using %1</source>
        <translation>ein anderes Programm benutzt %1</translation>
    </message>
    <message>
        <source>another program holds %1</source>
        <translation>ein anderes Programm hält %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>ihr Ordner kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>its folder %1 is refused: %2</source>
        <translation>ihr Ordner %1 wird abgelehnt: %2</translation>
    </message>
    <message>
        <source>a new file cannot be made: %1</source>
        <translation>eine neue Datei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>the copy of its hand-edited text cannot be made: %1</source>
        <translation>die Kopie ihres von Hand bearbeiteten Textes kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>this user may not do that there</source>
        <translation>dieser Benutzer darf das dort nicht</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>der Datenträger meldete einen Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it has more than one name (a hard link)</source>
        <translation>sie hat mehr als einen Namen (ein harter Link)</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>it is larger than a store file may be</source>
        <translation>sie ist größer, als eine Speicherdatei sein darf</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>sie ist ein Link</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>andere Benutzer dürfen hineinschreiben</translation>
    </message>
    <message>
        <source>this player&apos;s file is in the way of every save; remove it</source>
        <translation>eine Datei dieses Spielers steht jedem Speichern im Weg; entfernen Sie sie</translation>
    </message>
    <message>
        <source>this player&apos;s folder is in the way of every save; remove it</source>
        <translation>ein Ordner dieses Spielers steht jedem Speichern im Weg; entfernen Sie ihn</translation>
    </message>
    <message>
        <source>another user&apos;s file is in the way of every save; its owner or an administrator must remove it</source>
        <translation>eine Datei eines anderen Benutzers steht jedem Speichern im Weg; ihr Besitzer oder ein Administrator muss sie entfernen</translation>
    </message>
    <message>
        <source>another user&apos;s folder is in the way of every save; its owner or an administrator must remove it</source>
        <translation>ein Ordner eines anderen Benutzers steht jedem Speichern im Weg; sein Besitzer oder ein Administrator muss ihn entfernen</translation>
    </message>
    <message>
        <source>the saved file would be larger than a store file may be</source>
        <translation>die gespeicherte Datei wäre größer, als eine Speicherdatei sein darf</translation>
    </message>
    <message>
        <source>the key is closed</source>
        <translation>der Schlüssel ist geschlossen</translation>
    </message>
    <message>
        <source>a value name may not hold a control character</source>
        <translation>ein Wertname darf kein Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>the record&apos;s key has no path</source>
        <translation>der Schlüssel des Spielstands hat keinen Pfad</translation>
    </message>
    <message>
        <source>no home folder is known for this user: HOME is not an absolute path and the password database names none</source>
        <translation>für diesen Benutzer ist kein Home-Ordner bekannt: HOME ist kein absoluter Pfad, und die Passwortdatenbank nennt keinen</translation>
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
        <translation>Summe</translation>
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
        <translation>WIN</translation>
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
