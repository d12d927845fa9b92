<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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

Cribbage solitario: en cada una de las cinco rondas, coloca dieciséis cartas en
cuatro manos, que luego se cuentan con la carta de corte. La partida se juega en
su ventana; cualquier otro argumento se ignora.

  --help     muestra este texto y termina
  --version  muestra la versión y termina

Entorno:
  VANTREL_SEED           un número 0..4294967295 que fija el barajado
  VANTREL_MACHINE_STORE  el archivo de las opciones y de la lista del Top 5
  VANTREL_USER_STORE     el archivo del estado del recordatorio de donativos

Véase vantrel(6).
</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>no hay pantalla (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>no se puede abrir una ventana: %1</translation>
    </message>
    <message>
        <source>nothing is kept between runs: %1</source>
        <translation>no se guarda nada de una sesión a otra: %1</translation>
    </message>
    <message>
        <source>VANTREL_SEED=&quot;%1&quot; is not a number 0..4294967295; seeding from the clock</source>
        <translation>VANTREL_SEED=&quot;%1&quot; no es un número 0..4294967295; se baraja según el reloj</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>no se puede escribir la salida</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help document %1 is not in %2.</source>
        <translation>El documento de ayuda %1 no está en %2.</translation>
    </message>
    <message>
        <source>The help document %1 is neither in %2 nor in %3.</source>
        <translation>El documento de ayuda %1 no está ni en %2 ni en %3.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>¿Seguro que quieres borrar las mejores puntuaciones?</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nueva mejor puntuación</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Escribe tu nombre:</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Deshacer última jugada</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Ver &amp;mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Jugar con reglas normales</translation>
    </message>
    <message>
        <source>Play with Relaxed Rules</source>
        <translation>Jugar con reglas libres</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>Usar cartas grandes</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>Usar otros colores</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Borrar mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About Vantrel</source>
        <translation>&amp;Acerca de Vantrel</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Hacer un donativo</translation>
    </message>
</context>
<context>
    <name>TVantrelForm</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron guardar los datos de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows</source>
        <translation>Vantrel 8.00 - Edición gratuita - Cribbage solitario para Windows</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The Cut</source>
        <extracomment>Above the current card after a round&apos;s count: the card turned up for the count</extracomment>
        <translation>El corte</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the current card while the round is placed</extracomment>
        <translation>Juega...</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The score panel&apos;s first line: the round numbers 1 to 5 follow it</extracomment>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s second line: each round&apos;s score follows it</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The score panel&apos;s last column: the game total</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>...The Vantrel Top 5 List...</source>
        <translation>...El Top 5 de Vantrel...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>Under the top-five list: a click anywhere closes it</extracomment>
        <translation>Clic izquierdo para seguir...</translation>
    </message>
    <message>
        <source>WIN</source>
        <extracomment>The banner of a game total of 180 or more, written every 48 pixels</extracomment>
        <translation>OLÉ</translation>
    </message>
    <message>
        <source>Click
for
next
Round</source>
        <extracomment>On the deck pile after a round: one short line under another, at most four</extracomment>
        <translation>Clic
para la
siguiente
ronda</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>On the deck pile after the fifth round: one short line under another, at most four</extracomment>
        <translation>Clic
para
nueva
partida</translation>
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
        <translation>se esperaban 4 cartas de mano y una carta de corte, se recibió %1 carta</translation>
    </message>
    <message>
        <source>expected 4 hand cards and a cut card, got %1 cards</source>
        <translation>se esperaban 4 cartas de mano y una carta de corte, se recibieron %1 cartas</translation>
    </message>
    <message>
        <source>unknown card %1 (write rank A 2..10 J Q K or T, then suit H C D S)</source>
        <extracomment>The letters are what the command line reads: keep them</extracomment>
        <translation>carta desconocida %1 (escribe el valor A 2..10 J Q K o T y luego el palo H C D S)</translation>
    </message>
    <message>
        <source>card %1 given twice (as %2 before)</source>
        <extracomment>%1 and %2 are the same card, as it was given each time</extracomment>
        <translation>carta %1 dada dos veces (antes como %2)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--all counts every column and takes no cards, got %1</source>
        <translation>--all cuenta todas las columnas y no admite cartas, se recibió %1</translation>
    </message>
    <message>
        <source>usage: vantrel-count [--crib] CARD CARD CARD CARD CUT | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</source>
        <translation>uso: vantrel-count [--crib] CARTA CARTA CARTA CARTA CORTE | vantrel-count --all [--crib] | vantrel-count --help | vantrel-count --version</translation>
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
        <translation>Cuenta una columna de cuatro cartas con la carta de corte, como hace el juego
al final de una ronda: una línea por jugada y luego el total.

  --crib     cuenta la columna como el crib (un color necesita las cinco cartas)
  --all      cuenta cada columna de cuatro cartas con cada otra carta de corte
             y muestra cuántas dan cada puntuación, en líneas &apos;puntuación
             cantidad&apos; para las puntuaciones 0..29
  --help     muestra este texto
  --version  muestra la versión
  --         termina las opciones; lo que sigue son cartas

Una carta es su valor A 2 3 4 5 6 7 8 9 10 J Q K (o T para el diez) seguido de
su palo H C D S, en mayúsculas o minúsculas: 5h, 10S, TD, jc.
</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>no se puede escribir la salida</translation>
    </message>
</context>
<context>
    <name>vantrel::TDonateForm</name>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Sí, ¡llévame ya a la página de donativos!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Aún tengo que probarlo, muéstralo otra vez en dos semanas</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ya he hecho un donativo, no vuelvas a mostrarlo</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>No, no quiero donar, no vuelvas a mostrarlo nunca</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Ahora no, recuérdamelo dentro de 1 día</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Hacer un donativo</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>¡Gracias!</translation>
    </message>
    <message>
        <source>Would you like to make a donation?</source>
        <translation>¿Quieres hacer un donativo?</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running the %1 web site, and they let you say &quot;thank you for a job well done&quot;.</source>
        <translation>Los donativos ayudan a cubrir los gastos del sitio web %1, y con ellos puedes decir «gracias por un trabajo bien hecho».</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Donar es totalmente opcional, y la cantidad la decides tú.  Gracias.</translation>
    </message>
</context>
<context>
    <name>vantrel::TsplashForm</name>
    <message>
        <source>Freeware Edition</source>
        <translation>Edición gratuita</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>Acerca de Vantrel</translation>
    </message>
    <message>
        <source>Cribbage board and playing cards</source>
        <translation>Tablero de cribbage y naipes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
