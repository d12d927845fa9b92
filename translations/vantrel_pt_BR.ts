<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>TOP</translation>
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
