<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Cards</name>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s spoken name: %1 is its rank (Ace, Two, ..., King), %2 its suit</extracomment>
        <translation>%1 di %2</translation>
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
        <translation>Uso: vantrel [--help] [--version]

Cribbage solitario: in ognuno dei cinque turni, disponi sedici carte in quattro
mani, che poi vengono contate con la carta di taglio. La partita si gioca nella
sua finestra; ogni altro argomento viene ignorato.

  --help     mostra questo testo ed esce
  --version  mostra la versione ed esce

Ambiente:
  VANTREL_SEED           un numero 0..4294967295 che fissa il mescolamento
  VANTREL_MACHINE_STORE  il file delle opzioni e della lista dei primi cinque
  VANTREL_USER_STORE     il file dello stato del promemoria per le donazioni

Vedi vantrel(6).
</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>nessuno schermo (DISPLAY e WAYLAND_DISPLAY non sono impostate)</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>impossibile aprire una finestra: %1</translation>
    </message>
    <message>
        <source>nothing is kept between runs: %1</source>
        <translation>nulla viene conservato da un avvio all&apos;altro: %1</translation>
    </message>
    <message>
        <source>VANTREL_SEED=&quot;%1&quot; is not a number 0..4294967295; seeding from the clock</source>
        <translation>VANTREL_SEED=&quot;%1&quot; non è un numero 0..4294967295; si mescola in base all&apos;orologio</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossibile scrivere l&apos;output</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help document %1 is not in %2.</source>
        <translation>Il documento di guida %1 non si trova in %2.</translation>
    </message>
    <message>
        <source>The help document %1 is neither in %2 nor in %3.</source>
        <translation>Il documento di guida %1 non si trova né in %2 né in %3.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Vuoi davvero azzerare i punteggi migliori?</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nuovo record</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>Your game total of %1 enters the Top 5 list at place %2.</source>
        <translation>Il tuo totale di %1 entra nella Top 5 al posto %2.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Annulla l&apos;ultima mossa</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Mostra i &amp;punteggi migliori</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Gioca con le regole normali</translation>
    </message>
    <message>
        <source>Play with Relaxed Rules</source>
        <translation>Gioca con le regole libere</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>Usa carte grandi</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>Usa altri colori</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Azzera i punteggi migliori</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About Vantrel</source>
        <translation>&amp;Informazioni su Vantrel</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Fai una donazione</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 is the first place.</source>
        <translation>%1 è la prima posizione.</translation>
    </message>
    <message>
        <source>%1 is the last place.</source>
        <translation>%1 è l&apos;ultima posizione.</translation>
    </message>
    <message>
        <source>Keys: Left and Right, Tab and Shift+Tab, Up and Down move between the places, Home and End to the first and the last. Space or Return acts on the place: on the deck it starts a game or the next round, on a hand it places the card there. 1 to 4 place the card in that hand from anywhere. S tells where the game stands, H these keys. Escape closes the Top 5 list. Alt opens the menus, F1 the help.</source>
        <extracomment>The keys S and H stay S and H in every language</extracomment>
        <translation>Tasti: Sinistra e Destra, Tab e Maiusc+Tab, Su e Giù passano da una posizione all&apos;altra, Home e Fine alla prima e all&apos;ultima. Spazio o Invio agisce sulla posizione: sul mazzo avvia una partita o il turno successivo, su una mano vi mette la carta. Da 1 a 4 mettono la carta in quella mano da qualunque posizione. S dice a che punto è la partita, H questi tasti. Esc chiude la Top 5. Alt apre i menu, F1 la guida.</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Ultima mossa</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The key</extracomment>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>H tells the keys</source>
        <extracomment>H is the key: it stays H in every language</extracomment>
        <translation>H dice i tasti</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A card (%1) was placed in a hand (%2)</extracomment>
        <translation>%1 in %2.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nuova partita.</translation>
    </message>
    <message>
        <source>Round %1.</source>
        <translation>Turno %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Dealt: %1.</source>
        <translation>Distribuite: %1.</translation>
    </message>
    <message>
        <source>Card to place: %1.</source>
        <translation>Carta da mettere: %1.</translation>
    </message>
    <message>
        <source>Cut card: %1</source>
        <translation>Carta di taglio: %1</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 fa %2</translation>
    </message>
    <message>
        <source>Crib</source>
        <translation>Crib</translation>
    </message>
    <message>
        <source>Round %1 total %2</source>
        <translation>Turno %1 totale %2</translation>
    </message>
    <message>
        <source>%1, game total %2.</source>
        <translation>%1, totale della partita %2.</translation>
    </message>
    <message>
        <source>%1. Game over: total %2.</source>
        <translation>%1. Partita finita: totale %2.</translation>
    </message>
    <message>
        <source>%1 %2!</source>
        <extracomment>The end of the last count, then the banner&apos;s word as it is painted</extracomment>
        <translation>%1 %2!</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Prossima: %1.</translation>
    </message>
    <message>
        <source>Undo: %1 taken back from %2.</source>
        <translation>Annulla: %1 torna da %2.</translation>
    </message>
    <message>
        <source>To place again: %1.</source>
        <translation>Da mettere di nuovo: %1.</translation>
    </message>
    <message>
        <source>Top 5 list closed.</source>
        <translation>Top 5 chiusa.</translation>
    </message>
    <message>
        <source>No game yet. Space on the deck starts one.</source>
        <translation>Ancora nessuna partita. Spazio sul mazzo ne avvia una.</translation>
    </message>
    <message>
        <source>Round %1 of %2. Card to place: %3, %4. %5 cards left to place. Game total %6.</source>
        <translation>Turno %1 di %2. Carta da mettere: %3, %4. Restano %5 carte da mettere. Totale della partita %6.</translation>
    </message>
    <message>
        <source>Round %1 of %2 counted: %3. Game total %4. Space on the deck for the next round.</source>
        <translation>Turno %1 di %2 contato: %3. Totale della partita %4. Spazio sul mazzo per il turno successivo.</translation>
    </message>
    <message>
        <source>Game over: total %1, %2. Space on the deck starts a new game.</source>
        <extracomment>%2 is the banner&apos;s word as it is painted</extracomment>
        <translation>Partita finita: totale %1, %2. Spazio sul mazzo avvia una nuova partita.</translation>
    </message>
    <message>
        <source>Game over: total %1. Space on the deck starts a new game.</source>
        <translation>Partita finita: totale %1. Spazio sul mazzo avvia una nuova partita.</translation>
    </message>
    <message>
        <source>The Top 5 list covers the table; Escape closes it.</source>
        <translation>La Top 5 copre il tavolo; Esc la chiude.</translation>
    </message>
    <message>
        <source>%1 is full.</source>
        <translation>%1 è piena.</translation>
    </message>
    <message>
        <source>%1 already has its card in row %2: under the regular rules every hand gets a card in that row first.</source>
        <translation>%1 ha già la sua carta nella riga %2: con le regole normali ogni mano riceve prima una carta in quella riga.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>senza carte</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>punti %1</translation>
    </message>
    <message>
        <source>fifteens %1</source>
        <translation>quindici %1</translation>
    </message>
    <message>
        <source>pairs %1</source>
        <translation>coppie %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>scale %1</translation>
    </message>
    <message>
        <source>flush %1</source>
        <translation>colore %1</translation>
    </message>
    <message>
        <source>nobs %1</source>
        <translation>nobs %1</translation>
    </message>
    <message>
        <source>Space for the next game</source>
        <translation>Spazio per la partita successiva</translation>
    </message>
    <message>
        <source>Space for the next round</source>
        <translation>Spazio per il turno successivo</translation>
    </message>
    <message>
        <source>Card to place: %1, %2</source>
        <translation>Carta da mettere: %1, %2</translation>
    </message>
    <message>
        <source>Face down. Space starts a game; H tells the keys</source>
        <translation>Coperto. Spazio avvia una partita; H dice i tasti</translation>
    </message>
    <message>
        <source>Card to place: %1</source>
        <translation>Carta da mettere: %1</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Turno %1: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totale %1</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>The Vantrel Top 5 list: %1. Escape closes it.</source>
        <translation>La Top 5 di Vantrel: %1. Esc la chiude.</translation>
    </message>
    <message>
        <source>for any hand</source>
        <translation>per qualsiasi mano</translation>
    </message>
    <message>
        <source>for no hand</source>
        <translation>per nessuna mano</translation>
    </message>
    <message>
        <source>for Hand %1</source>
        <translation>per la mano %1</translation>
    </message>
    <message>
        <source>for Hand %1 or %2</source>
        <translation>per la mano %1 o %2</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Mano %1</translation>
    </message>
    <message>
        <source>%1, his heels %2</source>
        <translation>%1, his heels %2</translation>
    </message>
    <message>
        <source>covered by the Top 5 list</source>
        <translation>coperto dalla Top 5</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Mazzo</translation>
    </message>
    <message>
        <source>Cut card</source>
        <translation>Carta di taglio</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>Top 5</source>
        <translation>Top 5</translation>
    </message>
    <message>
        <source>%1, game total %2</source>
        <extracomment>%1 is the banner&apos;s word as it is painted</extracomment>
        <translation>%1, totale della partita %2</translation>
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
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file of one name</source>
        <translation>%1 non è un file normale con un solo nome</translation>
    </message>
    <message>
        <source>%1 keeps vanishing</source>
        <translation>%1 continua a sparire</translation>
    </message>
    <message>
        <source>another program is using %1</source>
        <translation>un altro programma sta usando %1</translation>
    </message>
    <message>
        <source>another program holds %1</source>
        <translation>un altro programma tiene %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>impossibile aprire la sua cartella: %1</translation>
    </message>
    <message>
        <source>its folder %1 is refused: %2</source>
        <translation>la sua cartella %1 è rifiutata: %2</translation>
    </message>
    <message>
        <source>a new file cannot be made: %1</source>
        <translation>impossibile creare un nuovo file: %1</translation>
    </message>
    <message>
        <source>the copy of its hand-edited text cannot be made: %1</source>
        <translation>impossibile fare la copia del suo testo modificato a mano: %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la quota del disco è esaurita</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>il file system è di sola lettura</translation>
    </message>
    <message>
        <source>this user may not do that there</source>
        <translation>questo utente non può farlo lì</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>il disco ha segnalato un errore di input/output</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it has more than one name (a hard link)</source>
        <translation>ha più di un nome (un hard link)</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <source>it is larger than a store file may be</source>
        <translation>è più grande di quanto possa essere un file di dati</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>è un collegamento</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>altri utenti possono scriverci</translation>
    </message>
    <message>
        <source>this player&apos;s file is in the way of every save; remove it</source>
        <translation>un file di questo giocatore blocca ogni salvataggio; rimuovilo</translation>
    </message>
    <message>
        <source>this player&apos;s folder is in the way of every save; remove it</source>
        <translation>una cartella di questo giocatore blocca ogni salvataggio; rimuovila</translation>
    </message>
    <message>
        <source>another user&apos;s file is in the way of every save; its owner or an administrator must remove it</source>
        <translation>un file di un altro utente blocca ogni salvataggio; deve rimuoverlo il proprietario o un amministratore</translation>
    </message>
    <message>
        <source>another user&apos;s folder is in the way of every save; its owner or an administrator must remove it</source>
        <translation>una cartella di un altro utente blocca ogni salvataggio; deve rimuoverla il proprietario o un amministratore</translation>
    </message>
    <message>
        <source>the saved file would be larger than a store file may be</source>
        <translation>il file salvato sarebbe più grande di quanto possa essere un file di dati</translation>
    </message>
    <message>
        <source>the key is closed</source>
        <translation>la chiave è chiusa</translation>
    </message>
    <message>
        <source>a value name may not hold a control character</source>
        <translation>un nome di valore non può contenere caratteri di controllo</translation>
    </message>
    <message>
        <source>the record&apos;s key has no path</source>
        <translation>la chiave del record non ha un percorso</translation>
    </message>
    <message>
        <source>no home folder is known for this user: HOME is not an absolute path and the password database names none</source>
        <translation>nessuna cartella home è nota per questo utente: HOME non è un percorso assoluto e il database delle password non ne indica nessuna</translation>
    </message>
</context>
<context>
    <name>TVantrelForm</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile salvare i dati di &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows</source>
        <translation>Vantrel 8.00 - Edizione freeware - Cribbage solitario per Windows</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The Cut</source>
        <extracomment>Above the current card after a round&apos;s count: the card turned up for the count</extracomment>
        <translation>Il taglio</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the current card while the round is placed</extracomment>
        <translation>Gioca...</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The score panel&apos;s first line: the round numbers 1 to 5 follow it</extracomment>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s second line: each round&apos;s score follows it</extracomment>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The score panel&apos;s last column: the game total</extracomment>
        <translation>Totale</translation>
    </message>
    <message>
        <source>...The Vantrel Top 5 List...</source>
        <translation>...La Top 5 di Vantrel...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>Under the top-five list: a click anywhere closes it</extracomment>
        <translation>Clic sinistro per continuare...</translation>
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
        <translation>Clic
per il
prossimo
turno</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>On the deck pile after the fifth round: one short line under another, at most four</extracomment>
        <translation>Clic
per una
nuova
partita!</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The rank in the corners of a card: ace</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The rank in the corners of a card: jack</extracomment>
        <translation>J</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The rank in the corners of a card: queen</extracomment>
        <translation>Q</translation>
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
        <translation>attese 4 carte della mano e una carta di taglio, ricevuta %1 carta</translation>
    </message>
    <message>
        <source>expected 4 hand cards and a cut card, got %1 cards</source>
        <translation>attese 4 carte della mano e una carta di taglio, ricevute %1 carte</translation>
    </message>
    <message>
        <source>unknown card %1 (write rank A 2..10 J Q K or T, then suit H C D S)</source>
        <extracomment>The letters are what the command line reads: keep them</extracomment>
        <translation>carta sconosciuta %1 (scrivi il valore A 2..10 J Q K o T, poi il seme H C D S)</translation>
    </message>
    <message>
        <source>card %1 given twice (as %2 before)</source>
        <extracomment>%1 and %2 are the same card, as it was given each time</extracomment>
        <translation>carta %1 indicata due volte (prima come %2)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>--all counts every column and takes no cards, got %1</source>
        <translation>--all conta ogni colonna e non accetta carte, ricevuto %1</translation>
    </message>
    <message>
        <source>usage: vantrel-count [--crib] CARD CARD CARD CARD CUT | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</source>
        <translation>uso: vantrel-count [--crib] CARTA CARTA CARTA CARTA TAGLIO | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</translation>
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
        <translation>Conta una colonna di quattro carte con la carta di taglio, come fa il gioco
alla fine di un turno: una riga per combinazione e poi il totale.

  --crib     conta la colonna come il crib (il colore richiede cinque carte)
  --all      conta ogni colonna di quattro carte con ogni altra carta di taglio
             e mostra quante danno ciascun punteggio, in righe &apos;punteggio
             quantità&apos; per i punteggi 0..29
  --help     mostra questo testo
  --version  mostra la versione
  --         termina le opzioni; ciò che segue sono carte

Una carta è il suo valore A 2 3 4 5 6 7 8 9 10 J Q K (o T per il dieci) seguito
dal seme H C D S, maiuscolo o minuscolo: 5h, 10S, TD, jc.
</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossibile scrivere l&apos;output</translation>
    </message>
</context>
<context>
    <name>vantrel::TDonateForm</name>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Sì, portami subito alla pagina delle donazioni!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Devo ancora provarlo, mostralo di nuovo tra due settimane</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ho già fatto una donazione, non mostrarlo più</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>No, non voglio fare donazioni, non mostrarlo mai più</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Non ora, ricordamelo tra 1 giorno</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Fai una donazione</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Grazie!</translation>
    </message>
    <message>
        <source>Would you like to make a donation?</source>
        <translation>Vuoi fare una donazione?</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Procedi</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running the %1 web site, and they let you say &quot;thank you for a job well done&quot;.</source>
        <translation>Le donazioni aiutano a coprire i costi del sito web %1, e con esse puoi dire «grazie per l&apos;ottimo lavoro».</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Donare è del tutto facoltativo, e l&apos;importo lo decidi solo tu.  Grazie.</translation>
    </message>
</context>
<context>
    <name>vantrel::TsplashForm</name>
    <message>
        <source>Freeware Edition</source>
        <translation>Edizione freeware</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>Informazioni su Vantrel</translation>
    </message>
    <message>
        <source>Cribbage board and playing cards</source>
        <translation>Tavoletta da cribbage e carte da gioco</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
