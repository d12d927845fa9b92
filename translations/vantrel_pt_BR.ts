<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Cards</name>
    <message>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatro</translation>
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
        <translation>Sete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Oito</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>espadas</translation>
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

Paciência de cribbage: em cada uma das cinco rodadas, coloque dezesseis cartas
em quatro mãos, que depois são contadas com a carta de corte. O jogo acontece
na sua janela; qualquer outro argumento é ignorado.

  --help     mostra este texto e sai
  --version  mostra a versão e sai

Ambiente:
  VANTREL_SEED           um número 0..4294967295 que define o embaralhamento
  VANTREL_MACHINE_STORE  o arquivo das opções e da lista do Top 5
  VANTREL_USER_STORE     o arquivo do estado do lembrete de doação

Veja vantrel(6).
</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>sem tela (DISPLAY e WAYLAND_DISPLAY não estão definidas)</translation>
    </message>
    <message>
        <source>cannot open a window: %1</source>
        <translation>não é possível abrir uma janela: %1</translation>
    </message>
    <message>
        <source>nothing is kept between runs: %1</source>
        <translation>nada é guardado de uma sessão para outra: %1</translation>
    </message>
    <message>
        <source>VANTREL_SEED=&quot;%1&quot; is not a number 0..4294967295; seeding from the clock</source>
        <translation>VANTREL_SEED=&quot;%1&quot; não é um número 0..4294967295; o embaralhamento segue o relógio</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>não é possível escrever a saída</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help document %1 is not in %2.</source>
        <translation>O documento de ajuda %1 não está em %2.</translation>
    </message>
    <message>
        <source>The help document %1 is neither in %2 nor in %3.</source>
        <translation>O documento de ajuda %1 não está nem em %2 nem em %3.</translation>
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
        <translation>Deseja mesmo zerar as melhores pontuações?</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nova melhor pontuação</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>Your game total of %1 enters the Top 5 list at place %2.</source>
        <translation>Seu total de %1 entra no Top 5 na posição %2.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Desfazer última jogada</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Ver &amp;melhores pontuações</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Jogar com regras normais</translation>
    </message>
    <message>
        <source>Play with Relaxed Rules</source>
        <translation>Jogar com regras livres</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>Usar cartas grandes</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>Usar outras cores</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Zerar melhores pontuações</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About Vantrel</source>
        <translation>&amp;Sobre o Vantrel</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Fazer uma doação</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 is the first place.</source>
        <translation>%1 é o primeiro lugar.</translation>
    </message>
    <message>
        <source>%1 is the last place.</source>
        <translation>%1 é o último lugar.</translation>
    </message>
    <message>
        <source>Keys: Left and Right, Tab and Shift+Tab, Up and Down move between the places, Home and End to the first and the last. Space or Return acts on the place: on the deck it starts a game or the next round, on a hand it places the card there. 1 to 4 place the card in that hand from anywhere. S tells where the game stands, H these keys. Escape closes the Top 5 list. Alt opens the menus, F1 the help.</source>
        <extracomment>The keys S and H stay S and H in every language</extracomment>
        <translation>Teclas: Esquerda e Direita, Tab e Shift+Tab, Cima e Baixo passam de um lugar a outro, Home e End para o primeiro e o último. Espaço ou Enter age sobre o lugar: no monte começa um jogo ou a próxima rodada, numa mão coloca a carta ali. 1 a 4 colocam a carta nessa mão de qualquer lugar. S diz como está o jogo, H estas teclas. Esc fecha o Top 5. Alt abre os menus, F1 a ajuda.</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Última jogada</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The key</extracomment>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>H tells the keys</source>
        <extracomment>H is the key: it stays H in every language</extracomment>
        <translation>H diz as teclas</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A card (%1) was placed in a hand (%2)</extracomment>
        <translation>%1 para %2.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Novo jogo.</translation>
    </message>
    <message>
        <source>Round %1.</source>
        <translation>Rodada %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 para %2</translation>
    </message>
    <message>
        <source>Dealt: %1.</source>
        <translation>Distribuídas: %1.</translation>
    </message>
    <message>
        <source>Card to place: %1.</source>
        <translation>Carta a colocar: %1.</translation>
    </message>
    <message>
        <source>Cut card: %1</source>
        <translation>Carta de corte: %1</translation>
    </message>
    <message>
        <source>%1 score %2</source>
        <translation>%1 marca %2</translation>
    </message>
    <message>
        <source>Crib</source>
        <translation>Crib</translation>
    </message>
    <message>
        <source>Round %1 total %2</source>
        <translation>Rodada %1 total %2</translation>
    </message>
    <message>
        <source>%1, game total %2.</source>
        <translation>%1, total do jogo %2.</translation>
    </message>
    <message>
        <source>%1. Game over: total %2.</source>
        <translation>%1. Fim do jogo: total %2.</translation>
    </message>
    <message>
        <source>%1 %2!</source>
        <extracomment>The end of the last count, then the banner&apos;s word as it is painted</extracomment>
        <translation>%1 %2!</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Próxima: %1.</translation>
    </message>
    <message>
        <source>Undo: %1 taken back from %2.</source>
        <translation>Desfazer: %1 volta de %2.</translation>
    </message>
    <message>
        <source>To place again: %1.</source>
        <translation>A colocar de novo: %1.</translation>
    </message>
    <message>
        <source>Top 5 list closed.</source>
        <translation>Top 5 fechado.</translation>
    </message>
    <message>
        <source>No game yet. Space on the deck starts one.</source>
        <translation>Ainda não há jogo. Espaço no monte começa um.</translation>
    </message>
    <message>
        <source>Round %1 of %2. Card to place: %3, %4. %5 cards left to place. Game total %6.</source>
        <translation>Rodada %1 de %2. Carta a colocar: %3, %4. Faltam %5 cartas a colocar. Total do jogo %6.</translation>
    </message>
    <message>
        <source>Round %1 of %2 counted: %3. Game total %4. Space on the deck for the next round.</source>
        <translation>Rodada %1 de %2 contada: %3. Total do jogo %4. Espaço no monte para a próxima rodada.</translation>
    </message>
    <message>
        <source>Game over: total %1, %2. Space on the deck starts a new game.</source>
        <extracomment>%2 is the banner&apos;s word as it is painted</extracomment>
        <translation>Fim do jogo: total %1, %2. Espaço no monte começa um novo jogo.</translation>
    </message>
    <message>
        <source>Game over: total %1. Space on the deck starts a new game.</source>
        <translation>Fim do jogo: total %1. Espaço no monte começa um novo jogo.</translation>
    </message>
    <message>
        <source>The Top 5 list covers the table; Escape closes it.</source>
        <translation>O Top 5 cobre a mesa; Esc o fecha.</translation>
    </message>
    <message>
        <source>%1 is full.</source>
        <translation>%1 está cheia.</translation>
    </message>
    <message>
        <source>%1 already has its card in row %2: under the regular rules every hand gets a card in that row first.</source>
        <translation>%1 já tem sua carta na fileira %2: pelas regras normais, cada mão recebe primeiro uma carta nessa fileira.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>sem cartas</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>pontos %1</translation>
    </message>
    <message>
        <source>fifteens %1</source>
        <translation>quinzes %1</translation>
    </message>
    <message>
        <source>pairs %1</source>
        <translation>pares %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>sequências %1</translation>
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
        <translation>Espaço para o próximo jogo</translation>
    </message>
    <message>
        <source>Space for the next round</source>
        <translation>Espaço para a próxima rodada</translation>
    </message>
    <message>
        <source>Card to place: %1, %2</source>
        <translation>Carta a colocar: %1, %2</translation>
    </message>
    <message>
        <source>Face down. Space starts a game; H tells the keys</source>
        <translation>Virado para baixo. Espaço começa um jogo; H diz as teclas</translation>
    </message>
    <message>
        <source>Card to place: %1</source>
        <translation>Carta a colocar: %1</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Rodada %1: %2</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>virada para baixo</translation>
    </message>
    <message>
        <source>The Vantrel Top 5 list: %1. Escape closes it.</source>
        <translation>O Top 5 do Vantrel: %1. Esc o fecha.</translation>
    </message>
    <message>
        <source>for any hand</source>
        <translation>para qualquer mão</translation>
    </message>
    <message>
        <source>for no hand</source>
        <translation>para nenhuma mão</translation>
    </message>
    <message>
        <source>for Hand %1</source>
        <translation>para a mão %1</translation>
    </message>
    <message>
        <source>for Hand %1 or %2</source>
        <translation>para a mão %1 ou %2</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Mão %1</translation>
    </message>
    <message>
        <source>%1, his heels %2</source>
        <translation>%1, his heels %2</translation>
    </message>
    <message>
        <source>covered by the Top 5 list</source>
        <translation>coberto pelo Top 5</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Monte</translation>
    </message>
    <message>
        <source>Cut card</source>
        <translation>Carta de corte</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Pontuações</translation>
    </message>
    <message>
        <source>Top 5</source>
        <translation>Top 5</translation>
    </message>
    <message>
        <source>%1, game total %2</source>
        <extracomment>%1 is the banner&apos;s word as it is painted</extracomment>
        <translation>%1, total do jogo %2</translation>
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
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file of one name</source>
        <translation>%1 não é um arquivo comum de um só nome</translation>
    </message>
    <message>
        <source>%1 keeps vanishing</source>
        <translation>%1 desaparece sem parar</translation>
    </message>
    <message>
        <source>another program is using %1</source>
        <translation>outro programa está usando %1</translation>
    </message>
    <message>
        <source>another program holds %1</source>
        <translation>outro programa está segurando %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>não é possível abrir a pasta dele: %1</translation>
    </message>
    <message>
        <source>its folder %1 is refused: %2</source>
        <translation>a pasta %1 dele é recusada: %2</translation>
    </message>
    <message>
        <source>a new file cannot be made: %1</source>
        <translation>não é possível criar um arquivo novo: %1</translation>
    </message>
    <message>
        <source>the copy of its hand-edited text cannot be made: %1</source>
        <translation>não é possível fazer a cópia do texto dele editado à mão: %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>a cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>o sistema de arquivos é somente leitura</translation>
    </message>
    <message>
        <source>this user may not do that there</source>
        <translation>este usuário não pode fazer isso ali</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>o disco informou um erro de entrada/saída</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it has more than one name (a hard link)</source>
        <translation>tem mais de um nome (um link físico)</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertence a outro usuário</translation>
    </message>
    <message>
        <source>it is larger than a store file may be</source>
        <translation>é maior do que um arquivo de dados pode ser</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>é um link</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>outros usuários podem escrever nela</translation>
    </message>
    <message>
        <source>this player&apos;s file is in the way of every save; remove it</source>
        <translation>um arquivo deste jogador impede todo salvamento; remova-o</translation>
    </message>
    <message>
        <source>this player&apos;s folder is in the way of every save; remove it</source>
        <translation>uma pasta deste jogador impede todo salvamento; remova-a</translation>
    </message>
    <message>
        <source>another user&apos;s file is in the way of every save; its owner or an administrator must remove it</source>
        <translation>um arquivo de outro usuário impede todo salvamento; o dono ou um administrador precisa removê-lo</translation>
    </message>
    <message>
        <source>another user&apos;s folder is in the way of every save; its owner or an administrator must remove it</source>
        <translation>uma pasta de outro usuário impede todo salvamento; o dono ou um administrador precisa removê-la</translation>
    </message>
    <message>
        <source>the saved file would be larger than a store file may be</source>
        <translation>o arquivo salvo seria maior do que um arquivo de dados pode ser</translation>
    </message>
    <message>
        <source>the key is closed</source>
        <translation>a chave está fechada</translation>
    </message>
    <message>
        <source>a value name may not hold a control character</source>
        <translation>um nome de valor não pode conter caractere de controle</translation>
    </message>
    <message>
        <source>the record&apos;s key has no path</source>
        <translation>a chave do registro não tem caminho</translation>
    </message>
    <message>
        <source>no home folder is known for this user: HOME is not an absolute path and the password database names none</source>
        <translation>nenhuma pasta pessoal é conhecida para este usuário: HOME não é um caminho absoluto e o banco de dados de senhas não indica nenhuma</translation>
    </message>
</context>
<context>
    <name>TVantrelForm</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Não foi possível gravar os dados de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Vantrel 8.00 - Freeware Edition - Cribbage Solitaire for Windows</source>
        <translation>Vantrel 8.00 - Edição gratuita - Paciência de cribbage para Windows</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The Cut</source>
        <extracomment>Above the current card after a round&apos;s count: the card turned up for the count</extracomment>
        <translation>O corte</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the current card while the round is placed</extracomment>
        <translation>Jogue...</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The score panel&apos;s first line: the round numbers 1 to 5 follow it</extracomment>
        <translation>Rodada</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s second line: each round&apos;s score follows it</extracomment>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The score panel&apos;s last column: the game total</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>...The Vantrel Top 5 List...</source>
        <translation>...O Top 5 do Vantrel...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>Under the top-five list: a click anywhere closes it</extracomment>
        <translation>Clique esquerdo para continuar...</translation>
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
        <translation>Clique
para a
próxima
rodada</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>On the deck pile after the fifth round: one short line under another, at most four</extracomment>
        <translation>Clique
para
novo
jogo!</translation>
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
        <translation>esperadas 4 cartas da mão e uma carta de corte, recebida %1 carta</translation>
    </message>
    <message>
        <source>expected 4 hand cards and a cut card, got %1 cards</source>
        <translation>esperadas 4 cartas da mão e uma carta de corte, recebidas %1 cartas</translation>
    </message>
    <message>
        <source>unknown card %1 (write rank A 2..10 J Q K or T, then suit H C D S)</source>
        <extracomment>The letters are what the command line reads: keep them</extracomment>
        <translation>carta desconhecida %1 (escreva o valor A 2..10 J Q K ou T e depois o naipe H C D S)</translation>
    </message>
    <message>
        <source>card %1 given twice (as %2 before)</source>
        <extracomment>%1 and %2 are the same card, as it was given each time</extracomment>
        <translation>carta %1 informada duas vezes (antes como %2)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>--all counts every column and takes no cards, got %1</source>
        <translation>--all conta todas as colunas e não aceita cartas, recebido %1</translation>
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
        <translation>Conta uma coluna de quatro cartas com a carta de corte, como o jogo faz no fim
de uma rodada: uma linha por combinação e depois o total.

  --crib     conta a coluna como o crib (um flush exige as cinco cartas)
  --all      conta cada coluna de quatro cartas com cada outra carta de corte
             e mostra quantas dão cada pontuação, em linhas &apos;pontuação
             quantidade&apos; para as pontuações 0..29
  --help     mostra este texto
  --version  mostra a versão
  --         encerra as opções; o que vem depois são cartas

Uma carta é o seu valor A 2 3 4 5 6 7 8 9 10 J Q K (ou T para o dez) seguido
do seu naipe H C D S, em maiúsculas ou minúsculas: 5h, 10S, TD, jc.
</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>não é possível escrever a saída</translation>
    </message>
</context>
<context>
    <name>vantrel::TDonateForm</name>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Sim, quero ir à página de doações agora!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Ainda quero testar, mostrar de novo em duas semanas</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Já fiz uma doação, não mostrar mais</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Não, não quero doar, nunca mais mostrar</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Agora não, lembrar de novo em 1 dia</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Fazer uma doação</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Obrigado!</translation>
    </message>
    <message>
        <source>Would you like to make a donation?</source>
        <translation>Você gostaria de fazer uma doação?</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running the %1 web site, and they let you say &quot;thank you for a job well done&quot;.</source>
        <translation>As doações ajudam a cobrir os custos do site %1, e com elas você pode dizer “obrigado pelo ótimo trabalho”.</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Doar é totalmente opcional, e o valor é você quem decide.  Obrigado.</translation>
    </message>
</context>
<context>
    <name>vantrel::TsplashForm</name>
    <message>
        <source>Freeware Edition</source>
        <translation>Edição gratuita</translation>
    </message>
    <message>
        <source>About Vantrel</source>
        <translation>Sobre o Vantrel</translation>
    </message>
    <message>
        <source>Cribbage board and playing cards</source>
        <translation>Tabuleiro de cribbage e cartas de baralho</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
