<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Cards</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picas</translation>
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
    <message>
        <source>Your game total of %1 enters the Top 5 list at place %2.</source>
        <translation>Tu total de %1 entra en el Top 5 en el puesto %2.</translation>
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
    <name>Speech</name>
    <message>
        <source>%1 is the first place.</source>
        <translation>%1 es el primer lugar.</translation>
    </message>
    <message>
        <source>%1 is the last place.</source>
        <translation>%1 es el último lugar.</translation>
    </message>
    <message>
        <source>Keys: Left and Right, Tab and Shift+Tab, Up and Down move between the places, Home and End to the first and the last. Space or Return acts on the place: on the deck it starts a game or the next round, on a hand it places the card there. 1 to 4 place the card in that hand from anywhere. S tells where the game stands, H these keys. Escape closes the Top 5 list. Alt opens the menus, F1 the help.</source>
        <extracomment>The keys S and H stay S and H in every language</extracomment>
        <translation>Teclas: Izquierda y Derecha, Tab y Mayús+Tab, Arriba y Abajo pasan de un lugar a otro, Inicio y Fin al primero y al último. Espacio o Intro actúa sobre el lugar: en el mazo empieza una partida o la ronda siguiente, en una mano coloca la carta allí. 1 a 4 colocan la carta en esa mano desde cualquier lugar. S dice cómo va la partida, H estas teclas. Esc cierra el Top 5. Alt abre los menús, F1 la ayuda.</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Última jugada</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The key</extracomment>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>H tells the keys</source>
        <extracomment>H is the key: it stays H in every language</extracomment>
        <translation>H dice las teclas</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A card (%1) was placed in a hand (%2)</extracomment>
        <translation>%1 en %2.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Partida nueva.</translation>
    </message>
    <message>
        <source>Round %1.</source>
        <translation>Ronda %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Dealt: %1.</source>
        <translation>Repartidas: %1.</translation>
    </message>
    <message>
        <source>Card to place: %1.</source>
        <translation>Carta por colocar: %1.</translation>
    </message>
    <message>
        <source>Cut card: %1</source>
        <translation>Carta de corte: %1</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 suma %2</translation>
    </message>
    <message>
        <source>Crib</source>
        <translation>Crib</translation>
    </message>
    <message>
        <source>Round %1 total %2</source>
        <translation>Ronda %1 total %2</translation>
    </message>
    <message>
        <source>%1, game total %2.</source>
        <translation>%1, total de la partida %2.</translation>
    </message>
    <message>
        <source>%1. Game over: total %2.</source>
        <translation>%1. Fin de la partida: total %2.</translation>
    </message>
    <message>
        <source>%1 %2!</source>
        <extracomment>The end of the last count, then the banner&apos;s word as it is painted</extracomment>
        <translation>%1 ¡%2!</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Siguiente: %1.</translation>
    </message>
    <message>
        <source>Undo: %1 taken back from %2.</source>
        <translation>Deshacer: %1 vuelve de %2.</translation>
    </message>
    <message>
        <source>To place again: %1.</source>
        <translation>Por colocar de nuevo: %1.</translation>
    </message>
    <message>
        <source>Top 5 list closed.</source>
        <translation>Top 5 cerrado.</translation>
    </message>
    <message>
        <source>No game yet. Space on the deck starts one.</source>
        <translation>Aún no hay partida. Espacio en el mazo empieza una.</translation>
    </message>
    <message>
        <source>Round %1 of %2. Card to place: %3, %4. %5 cards left to place. Game total %6.</source>
        <translation>Ronda %1 de %2. Carta por colocar: %3, %4. Quedan %5 cartas por colocar. Total de la partida %6.</translation>
    </message>
    <message>
        <source>Round %1 of %2 counted: %3. Game total %4. Space on the deck for the next round.</source>
        <translation>Ronda %1 de %2 contada: %3. Total de la partida %4. Espacio en el mazo para la ronda siguiente.</translation>
    </message>
    <message>
        <source>Game over: total %1, %2. Space on the deck starts a new game.</source>
        <extracomment>%2 is the banner&apos;s word as it is painted</extracomment>
        <translation>Fin de la partida: total %1, %2. Espacio en el mazo empieza una partida nueva.</translation>
    </message>
    <message>
        <source>Game over: total %1. Space on the deck starts a new game.</source>
        <translation>Fin de la partida: total %1. Espacio en el mazo empieza una partida nueva.</translation>
    </message>
    <message>
        <source>The Top 5 list covers the table; Escape closes it.</source>
        <translation>El Top 5 cubre la mesa; Esc lo cierra.</translation>
    </message>
    <message>
        <source>%1 is full.</source>
        <translation>%1 está llena.</translation>
    </message>
    <message>
        <source>%1 already has its card in row %2: under the regular rules every hand gets a card in that row first.</source>
        <translation>%1 ya tiene su carta en la fila %2: con las reglas normales, cada mano recibe primero una carta en esa fila.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>sin cartas</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>puntos %1</translation>
    </message>
    <message>
        <source>fifteens %1</source>
        <translation>quinces %1</translation>
    </message>
    <message>
        <source>pairs %1</source>
        <translation>parejas %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>escaleras %1</translation>
    </message>
    <message>
        <source>flush %1</source>
        <translation>color %1</translation>
    </message>
    <message>
        <source>nobs %1</source>
        <translation>nobs %1</translation>
    </message>
    <message>
        <source>Space for the next game</source>
        <translation>Espacio para la partida siguiente</translation>
    </message>
    <message>
        <source>Space for the next round</source>
        <translation>Espacio para la ronda siguiente</translation>
    </message>
    <message>
        <source>Card to place: %1, %2</source>
        <translation>Carta por colocar: %1, %2</translation>
    </message>
    <message>
        <source>Face down. Space starts a game; H tells the keys</source>
        <translation>Boca abajo. Espacio empieza una partida; H dice las teclas</translation>
    </message>
    <message>
        <source>Card to place: %1</source>
        <translation>Carta por colocar: %1</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Ronda %1: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>The Vantrel Top 5 list: %1. Escape closes it.</source>
        <translation>El Top 5 de Vantrel: %1. Esc lo cierra.</translation>
    </message>
    <message>
        <source>for any hand</source>
        <translation>para cualquier mano</translation>
    </message>
    <message>
        <source>for no hand</source>
        <translation>para ninguna mano</translation>
    </message>
    <message>
        <source>for Hand %1</source>
        <translation>para la mano %1</translation>
    </message>
    <message>
        <source>for Hand %1 or %2</source>
        <translation>para la mano %1 o %2</translation>
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
        <translation>tapado por el Top 5</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Cut card</source>
        <translation>Carta de corte</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Top 5</source>
        <translation>Top 5</translation>
    </message>
    <message>
        <source>%1, game total %2</source>
        <extracomment>%1 is the banner&apos;s word as it is painted</extracomment>
        <translation>%1, total de la partida %2</translation>
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
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file of one name</source>
        <translation>%1 no es un archivo normal con un solo nombre</translation>
    </message>
    <message>
        <source>%1 keeps vanishing</source>
        <translation>%1 desaparece una y otra vez</translation>
    </message>
    <message>
        <source>another program is using %1</source>
        <translation>otro programa está usando %1</translation>
    </message>
    <message>
        <source>another program holds %1</source>
        <translation>otro programa retiene %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>no se puede abrir su carpeta: %1</translation>
    </message>
    <message>
        <source>its folder %1 is refused: %2</source>
        <translation>se rechaza su carpeta %1: %2</translation>
    </message>
    <message>
        <source>a new file cannot be made: %1</source>
        <translation>no se puede crear un archivo nuevo: %1</translation>
    </message>
    <message>
        <source>the copy of its hand-edited text cannot be made: %1</source>
        <translation>no se puede hacer la copia de su texto editado a mano: %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la cuota de disco está agotada</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>el sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>this user may not do that there</source>
        <translation>este usuario no puede hacer eso ahí</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>el disco informó de un error de entrada/salida</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it has more than one name (a hard link)</source>
        <translation>tiene más de un nombre (un enlace duro)</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>it is larger than a store file may be</source>
        <translation>es más grande de lo que puede ser un archivo de datos</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>otros usuarios pueden escribir en ella</translation>
    </message>
    <message>
        <source>this player&apos;s file is in the way of every save; remove it</source>
        <translation>un archivo de este jugador impide todo guardado; elimínalo</translation>
    </message>
    <message>
        <source>this player&apos;s folder is in the way of every save; remove it</source>
        <translation>una carpeta de este jugador impide todo guardado; elimínala</translation>
    </message>
    <message>
        <source>another user&apos;s file is in the way of every save; its owner or an administrator must remove it</source>
        <translation>un archivo de otro usuario impide todo guardado; debe eliminarlo su dueño o un administrador</translation>
    </message>
    <message>
        <source>another user&apos;s folder is in the way of every save; its owner or an administrator must remove it</source>
        <translation>una carpeta de otro usuario impide todo guardado; debe eliminarla su dueño o un administrador</translation>
    </message>
    <message>
        <source>the saved file would be larger than a store file may be</source>
        <translation>el archivo guardado sería más grande de lo que puede ser un archivo de datos</translation>
    </message>
    <message>
        <source>the key is closed</source>
        <translation>la clave está cerrada</translation>
    </message>
    <message>
        <source>a value name may not hold a control character</source>
        <translation>un nombre de valor no puede contener caracteres de control</translation>
    </message>
    <message>
        <source>the record&apos;s key has no path</source>
        <translation>la clave del registro no tiene ruta</translation>
    </message>
    <message>
        <source>no home folder is known for this user: HOME is not an absolute path and the password database names none</source>
        <translation>no se conoce ninguna carpeta personal de este usuario: HOME no es una ruta absoluta y la base de datos de contraseñas no indica ninguna</translation>
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
        <translation>WIN</translation>
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
