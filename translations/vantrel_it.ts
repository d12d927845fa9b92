<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>TOP</translation>
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
