<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Tolvane logo</source>
        <translation>Logotipo do Tolvane</translation>
    </message>
    <message>
        <source>A puzzle grid with a pencil writing in it</source>
        <translation>Uma grade de quebra-cabeça com um lápis escrevendo nela</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BestTimesFlow</name>
    <message>
        <source>%1. The best times in &quot;%2&quot; cannot be read, so your time of %3 is not recorded; the file is left as it was. To record times again, repair its best-times block: a line &quot;high&quot;, then for Easy, Medium and Hard a name and a time in seconds.</source>
        <extracomment>%1 the failure, %2 the file, %3 the time; &quot;high&quot; is written in the file as it is</extracomment>
        <translation>%1. Os melhores tempos em “%2” não podem ser lidos, então o seu tempo de %3 não foi registrado; o arquivo ficou como estava. Para voltar a registrar tempos, conserte o bloco de melhores tempos: uma linha “high” e, para Fácil, Médio e Difícil, um nome e um tempo em segundos.</translation>
    </message>
</context>
<context>
    <name>BestTimesWindow</name>
    <message>
        <source>Best times</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>A trophy cup</source>
        <translation>Um troféu</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Heading of the times&apos; column, 13 px bold, up to 105 px</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset the best scores?</source>
        <translation>Zerar os melhores tempos?</translation>
    </message>
    <message>
        <source>%1: no name, %2</source>
        <extracomment>Spoken by a screen reader: a best time with no name, %1 the level, %2 the time (no pixel budget)</extracomment>
        <translation>%1: sem nome, %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken by a screen reader: a best time, %1 the level, %2 the name, %3 the time (no pixel budget)</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>hidden</source>
        <extracomment>Spoken by a screen reader for a cell while the board is hidden (no pixel budget)</extracomment>
        <translation>oculta</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s given digit (no pixel budget)</extracomment>
        <translation>dado %1</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s entry, the player&apos;s digit (no pixel budget)</extracomment>
        <translation>inserido %1</translation>
    </message>
    <message>
        <source>guess %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s guess, a digit marked as guessed (no pixel budget)</extracomment>
        <translation>palpite %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken by a screen reader for a cell with no digit (no pixel budget)</extracomment>
        <translation>vazia</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>Spoken by a screen reader: a cell, %3 what it holds (no pixel budget)</extracomment>
        <translation>Linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name (no pixel budget)</extracomment>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>New %1 puzzle: %2 givens, %3 cells to fill</source>
        <extracomment>Spoken by a screen reader: %1 the level, %2 the givens, %3 the empty cells (no pixel budget)</extracomment>
        <translation>Novo jogo, nível %1: %2 dados, %3 células a preencher</translation>
    </message>
    <message>
        <source>Solved</source>
        <extracomment>Spoken by a screen reader: the player solved the puzzle (no pixel budget)</extracomment>
        <translation>Resolvido</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Spoken by a screen reader: Solve filled the board (no pixel budget)</extracomment>
        <translation>Resolvido pelo computador</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>É um pipe nomeado, não um arquivo</translation>
    </message>
    <message>
        <source>Is a link that was put in its place meanwhile</source>
        <translation>É um link que foi posto no lugar dele nesse meio-tempo</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Não é possível abrir o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Não é possível criar o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2. The file is left as it was: the earlier best times are unchanged</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Não é possível salvar o arquivo “%1”. %2. O arquivo ficou como estava: os melhores tempos anteriores não mudaram</translation>
    </message>
</context>
<context>
    <name>GameClock</name>
    <message>
        <source>Time: %1</source>
        <extracomment>Status line while the clock runs, 11 px bold, up to 150 px (the Submit button follows)</extracomment>
        <translation>Tempo: %1</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>Start a new puzzle?</source>
        <translation>Começar um novo jogo?</translation>
    </message>
    <message>
        <source>Clear all inserted values?</source>
        <translation>Apagar todas as entradas?</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Status line, 11 px bold, up to 150 px</extracomment>
        <translation>Resolvido pelo computador</translation>
    </message>
    <message>
        <source>Correct. Your time is %1</source>
        <translation>Correto! Seu tempo: %1</translation>
    </message>
    <message>
        <source>Puzzle solved incorrectly, press OK to continue.</source>
        <translation>Solução incorreta. Clique em OK para continuar.</translation>
    </message>
</context>
<context>
    <name>GeneratorProgress</name>
    <message>
        <source>          PLEASE  </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          AGUARDE  </translation>
    </message>
    <message>
        <source>           WAIT   </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          UM MOMENTO  </translation>
    </message>
    <message>
        <source>Generating a new puzzle.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Gerando um novo jogo.</translation>
    </message>
    <message>
        <source>This may take up to a minute.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Leva no máximo um minuto.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>How to play:</source>
        <translation>Como jogar:</translation>
    </message>
    <message>
        <source>Tolvane is meant to be easy to play. These guidelines show you how.</source>
        <translation>O Tolvane foi feito para ser fácil de jogar. Estas dicas mostram como.</translation>
    </message>
    <message>
        <source>Starting a new game:</source>
        <translation>Começar um novo jogo:</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; on the &quot;Game&quot; menu. After you have confirmed, a new puzzle is generated. This may take a little while, but never longer than a minute. A notification tells you when the puzzle is ready; the clock starts only when you click its OK button.</source>
        <translation>Escolha “Novo” no menu “Jogo”. Depois de confirmar, um novo quebra-cabeça é gerado. Isso pode levar um tempinho, mas nunca mais de um minuto. Um aviso informa quando está pronto; o relógio só começa quando você clica no botão OK.</translation>
    </message>
    <message>
        <source>Solving the puzzle:</source>
        <translation>Resolver o quebra-cabeça:</translation>
    </message>
    <message>
        <source>Solving comes down to three things: inserting values, guessing and submitting.</source>
        <translation>Resolver se resume a três coisas: inserir valores, dar palpites e enviar.</translation>
    </message>
    <message>
        <source>Inserting values</source>
        <translation>Inserir valores</translation>
    </message>
    <message>
        <source>Select a value on the panel at the bottom of the window, or scroll through the values with the mouse wheel, then click an empty cell to put the value there. To remove a wrong value, select the Erase button and click the value in the same way.</source>
        <translation>Escolha um valor no painel na parte de baixo da janela, ou percorra os valores com a roda do mouse, e clique numa célula vazia para colocar o valor ali. Para tirar um valor errado, escolha o botão Apagar e clique no valor da mesma forma.</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>Palpites</translation>
    </message>
    <message>
        <source>Not sure yet? Tick &quot;Just guessing&quot;. The values you insert then appear in a different colour, so you can tell them apart from the values you are sure of. A game cannot be completed while guesses are on the board.</source>
        <translation>Ainda não tem certeza? Marque “Só palpite”. Os valores inseridos aparecem então em outra cor, para você distingui-los dos valores de que tem certeza. Não dá para concluir um jogo enquanto houver palpites no tabuleiro.</translation>
    </message>
    <message>
        <source>Submitting</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>As soon as every cell holds a value (guesses do not count), a Submit button appears. Click it to have your solution checked. If it is wrong, you can correct it and submit it again. Any solution that breaks none of the rules is accepted.</source>
        <translation>Assim que todas as células tiverem um valor (palpites não contam), aparece o botão Enviar. Clique nele para conferir sua solução. Se estiver errada, você pode corrigi-la e enviá-la de novo. Qualquer solução que não quebre nenhuma regra é aceita.</translation>
    </message>
    <message>
        <source>Playing options:</source>
        <translation>Opções durante o jogo:</translation>
    </message>
    <message>
        <source>The &quot;Options&quot; menu offers four more things to do while you play.</source>
        <translation>O menu “Opções” oferece mais quatro coisas para fazer enquanto você joga.</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Apagar tudo</translation>
    </message>
    <message>
        <source>&quot;Clear all&quot; on the &quot;Options&quot; menu removes every value you have inserted, so you can start the same puzzle anew.</source>
        <translation>“Apagar tudo” no menu “Opções” remove todos os valores que você inseriu, para recomeçar o mesmo quebra-cabeça.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>&quot;Solve&quot; on the &quot;Options&quot; menu lets the computer solve the puzzle for you.</source>
        <translation>“Resolver” no menu “Opções” deixa o computador resolver o quebra-cabeça para você.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>&quot;Pause&quot; on the &quot;Options&quot; menu hides the puzzle and stops the clock until you resume the game.</source>
        <translation>“Pausar” no menu “Opções” esconde o quebra-cabeça e para o relógio até você voltar ao jogo.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>There are three levels. On Easy, five of the nine values of each block are shown; on Medium, four; and on Hard, three. Which values are shown is chosen at random when the puzzle is generated.</source>
        <translation>Há três níveis. No Fácil, cinco dos nove valores de cada bloco são mostrados; no Médio, quatro; e no Difícil, três. Quais valores aparecem é sorteado quando o quebra-cabeça é gerado.</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>Outras opções:</translation>
    </message>
    <message>
        <source>Three more options are found on the &quot;Game&quot; menu.</source>
        <translation>Há mais três opções no menu “Jogo”.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>&quot;Sound&quot; on the &quot;Game&quot; menu turns all sounds off, and on again.</source>
        <translation>“Som” no menu “Jogo” desliga todos os sons e volta a ligá-los.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&quot;Print&quot; on the &quot;Game&quot; menu prints the current puzzle with every value on the board, guesses included.</source>
        <translation>“Imprimir” no menu “Jogo” imprime o quebra-cabeça atual com todos os valores, palpites incluídos.</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>The time you take to solve a puzzle is recorded. The best time of each level is kept together with the player&apos;s name. The best-times command on the &quot;Game&quot; menu shows them, and &quot;Reset scores&quot; in its window clears them all.</source>
        <translation>O tempo que você leva para resolver é registrado. O melhor tempo de cada nível fica guardado com o nome do jogador. “Melhores tempos” no menu “Jogo” mostra esses tempos, e “Zerar” na janela apaga todos.</translation>
    </message>
    <message>
        <source>Enjoy the game!</source>
        <translation>Divirta-se!</translation>
    </message>
    <message>
        <source>Rules of Tolvane:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Regras do Tolvane:</translation>
    </message>
    <message>
        <source>The object of the game is to fill in all the missing values according to the rules. A completed grid that breaks no rule earns a score: the time you took. There are just three rules.</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>O objetivo é preencher todos os valores que faltam seguindo as regras. Uma grade completa que não quebra nenhuma regra vale uma pontuação: o seu tempo. São só três regras.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Blocos</translation>
    </message>
    <message>
        <source>The puzzle is made of nine big blocks, framed in black. Each big block is made of nine small blocks, framed in blue: these are the cells. Every big block must hold every number from 1 to 9, so each number appears in it exactly once, like this:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>O quebra-cabeça tem nove blocos grandes, com borda preta. Cada bloco grande tem nove blocos pequenos, com borda azul: as células. Cada bloco grande deve ter todos os números de 1 a 9, cada um exatamente uma vez, assim:</translation>
    </message>
    <message>
        <source>Rows &amp; Columns</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>Linhas e colunas</translation>
    </message>
    <message>
        <source>Every row and every column of the puzzle must also hold every number from 1 to 9, each exactly once. Here are a filled column and a filled row:</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>Cada linha e cada coluna também deve ter todos os números de 1 a 9, cada um exatamente uma vez. Aqui estão uma coluna e uma linha preenchidas:</translation>
    </message>
    <message>
        <source>Consequences</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Consequências</translation>
    </message>
    <message>
        <source>Because of these rules, no block, row or column can ever hold the same number twice.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Por causa dessas regras, nenhum bloco, linha ou coluna pode ter o mesmo número duas vezes.</translation>
    </message>
    <message>
        <source>Usually a puzzle has just one solution. Sometimes, however, the same two values are missing in two rows, and in the same two columns. Then the two values can be filled in either way round: both orders are valid solutions, and Tolvane accepts either of them.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Em geral, um quebra-cabeça tem uma só solução. Às vezes, porém, os mesmos dois valores faltam em duas linhas e nas mesmas duas colunas. Aí os dois valores podem entrar em qualquer ordem: as duas são soluções válidas, e o Tolvane aceita qualquer uma.</translation>
    </message>
    <message>
        <source>In the picture below, 2 and 7 are missing in both rows:</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Na imagem abaixo, faltam o 2 e o 7 nas duas linhas:</translation>
    </message>
    <message>
        <source>Whichever way round you put the 2 and the 7, every row, every column and every block still holds each number once. The same can happen in two columns, and more rarely a puzzle may even have more than two solutions. Any of them is accepted.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Seja qual for a ordem do 2 e do 7, cada linha, coluna e bloco continua com cada número uma vez. O mesmo pode ocorrer em duas colunas, e mais raramente um jogo tem até mais de duas soluções. Todas são aceitas.</translation>
    </message>
    <message>
        <source>The working of Tolvane</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Como o Tolvane funciona</translation>
    </message>
    <message>
        <source>For every new game, Tolvane builds a complete grid of its own. It fills every block at random and tests it against the rules as it goes, trying again whenever a block does not fit. That is why generating a puzzle takes a moment.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Para cada jogo novo, o Tolvane monta uma grade completa própria. Ele preenche cada bloco ao acaso, confere com as regras enquanto avança e tenta de novo quando um bloco não encaixa. Por isso gerar um jogo leva um momento.</translation>
    </message>
    <message>
        <source>There are so many possible grids that the chance of getting the same grid twice is 1 in 6670903752021072936960.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Existem tantas grades possíveis que a chance de receber a mesma grade duas vezes é de 1 em 6670903752021072936960.</translation>
    </message>
    <message>
        <source>When the grid is complete, the values shown in each block are chosen at random according to the level: five on Easy, four on Medium and three on Hard. The rest is up to you: have fun!</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Com a grade completa, os valores mostrados em cada bloco são sorteados conforme o nível: cinco no Fácil, quatro no Médio e três no Difícil. O resto é com você: divirta-se!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>A filled block</source>
        <translation>Um bloco preenchido</translation>
    </message>
    <message>
        <source>Three rows of three cells holding 1 to 9 once each</source>
        <translation>Três linhas de três células com 1 a 9, cada um uma vez</translation>
    </message>
    <message>
        <source>A filled column</source>
        <translation>Uma coluna preenchida</translation>
    </message>
    <message>
        <source>Nine cells one above the other holding 1 to 9</source>
        <translation>Nove células uma embaixo da outra com 1 a 9</translation>
    </message>
    <message>
        <source>A filled row</source>
        <translation>Uma linha preenchida</translation>
    </message>
    <message>
        <source>Nine cells side by side holding 1 to 9</source>
        <translation>Nove células lado a lado com 1 a 9</translation>
    </message>
    <message>
        <source>Two rows with two solutions</source>
        <translation>Duas linhas com duas soluções</translation>
    </message>
    <message>
        <source>Two rows, both missing 2 and 7 in the same two columns</source>
        <translation>Duas linhas sem o 2 e o 7 nas mesmas duas colunas</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Difícil</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Apagar tudo</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Tool panel button, 81 x 19 px, 11 px bold</extracomment>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Tool panel button, 49 x 22 px, 11 px bold</extracomment>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Just guessing</source>
        <extracomment>Tool panel check box, 97 px with its box, 11 px bold</extracomment>
        <translation>Só palpite</translation>
    </message>
    <message>
        <source>Click &apos;Game&apos; to start</source>
        <extracomment>Status line, 11 px bold; up to 150 px, the Submit button stands to its right</extracomment>
        <translation>Clique em “Jogo”</translation>
    </message>
    <message>
        <source>Tool %1</source>
        <extracomment>Spoken by a screen reader: the tool picked by key, %1 its button&apos;s text (no pixel budget)</extracomment>
        <translation>Ferramenta %1</translation>
    </message>
    <message>
        <source>Every cell is filled: Submit</source>
        <extracomment>Spoken by a screen reader when the Submit button appears (no pixel budget)</extracomment>
        <translation>Todas as células estão preenchidas: Enviar</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>NameBox</name>
    <message>
        <source>Anonymous</source>
        <extracomment>The name of a record holder who gave none; best-times window, 169 px column, 13 px bold</extracomment>
        <translation>Anônimo</translation>
    </message>
    <message>
        <source>New Best time</source>
        <translation>Novo melhor tempo</translation>
    </message>
    <message>
        <source>Best time. Please enter your name</source>
        <translation>Melhor tempo! Digite seu nome</translation>
    </message>
</context>
<context>
    <name>NoticeWindow</name>
    <message>
        <source>New puzzle generated.</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Novo jogo gerado.</translation>
    </message>
    <message>
        <source>Click OK to start.</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Clique OK para começar.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Jogo pausado</translation>
    </message>
    <message>
        <source>Press OK to continue</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>OK para continuar</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Do you want to print the current puzzle ?</source>
        <translation>Deseja imprimir o jogo atual?</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nenhuma impressora padrão selecionada</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer could not start the document</source>
        <translation>A impressora não conseguiu iniciar o documento</translation>
    </message>
    <message>
        <source>The printer could not finish the document</source>
        <translation>A impressora não conseguiu concluir o documento</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Generating</source>
        <extracomment>Caption of the progress window, 358 px wide client area</extracomment>
        <translation>Gerando</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SampleStream</name>
    <message>
        <source>System error : %1.</source>
        <translation>Erro do sistema: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1: the audio output cannot play this format (%2 Hz, channels: %3).</source>
        <extracomment>%1 the sound file, %2 its sample rate, %3 its channels</extracomment>
        <translation>%1: a saída de áudio não consegue tocar este formato (%2 Hz, canais: %3).</translation>
    </message>
</context>
<context>
    <name>ScoreFileLock</name>
    <message>
        <source>another program</source>
        <translation>outro programa</translation>
    </message>
    <message>
        <source>another Tolvane game</source>
        <translation>outro jogo do Tolvane</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>outro programa (processo %1)</translation>
    </message>
    <message>
        <source>another program (%1, process %2)</source>
        <extracomment>%1 the program&apos;s name, %2 its process number</extracomment>
        <translation>outro programa (%1, processo %2)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2 holds it just now</source>
        <extracomment>%1 the file, %2 who holds it: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>Não é possível criar o arquivo “%1”. %2 está com ele agora</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. No lock of yours can be had on it just now</source>
        <extracomment>%1 the file</extracomment>
        <translation>Não é possível criar o arquivo “%1”. Agora não é possível obter um bloqueio seu nele</translation>
    </message>
</context>
<context>
    <name>ScoreFileStore</name>
    <message>
        <source>It would grow beyond 1 MiB, more than Tolvane reads</source>
        <translation>Ele passaria de 1 MiB, mais do que o Tolvane lê</translation>
    </message>
</context>
<context>
    <name>ScoreSaves</name>
    <message>
        <source>Another Tolvane game is saving the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <translation>Outro jogo do Tolvane está salvando o arquivo de pontuação agora. Sua alteração fica guardada e é salva assim que o arquivo estiver livre, no máximo quando você fechar o Tolvane.</translation>
    </message>
    <message>
        <source>%1 holds the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <extracomment>%1 who holds the file: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>%1 está com o arquivo de pontuação agora. Sua alteração fica guardada e é salva assim que o arquivo estiver livre, no máximo quando você fechar o Tolvane.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; another Tolvane game is saving the score file just now.</source>
        <translation>O Tolvane fecha assim que salvar suas alterações; outro jogo do Tolvane está salvando o arquivo de pontuação agora.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; %1 holds the score file just now.</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>O Tolvane fecha assim que salvar suas alterações; %1 está com o arquivo de pontuação agora.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: another Tolvane game is still saving the score file. Close without them?</source>
        <translation>Suas alterações ainda não foram salvas: outro jogo do Tolvane ainda está salvando o arquivo de pontuação. Fechar sem elas?</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: %1 still holds the score file. Close without them?</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Suas alterações ainda não foram salvas: %1 ainda está com o arquivo de pontuação. Fechar sem elas?</translation>
    </message>
    <message>
        <source>Your change is saved, but not the changes that an earlier Tolvane game kept beside the score file: %1</source>
        <extracomment>%1 why the kept changes could not be made, from the score file&apos;s own messages</extracomment>
        <translation>Sua alteração foi salva, mas não as alterações que uma partida anterior do Tolvane guardou ao lado do arquivo de pontuação: %1</translation>
    </message>
    <message>
        <source>No lock of yours can be had on the score file just now. Your change is kept and saved as soon as one can, at the latest when you close Tolvane.</source>
        <translation>Agora não é possível obter um bloqueio seu no arquivo de pontuação. Sua alteração fica guardada e é salva assim que possível, no máximo quando você fechar o Tolvane.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; no lock of yours can be had on the score file just now.</source>
        <translation>O Tolvane fecha assim que salvar suas alterações; agora não é possível obter um bloqueio seu no arquivo de pontuação.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: still no lock of yours can be had on the score file. Close without them?</source>
        <translation>Suas alterações ainda não foram salvas: ainda não é possível obter um bloqueio seu no arquivo de pontuação. Fechar sem elas?</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Some sound files may be missing</source>
        <translation>Alguns arquivos de som podem estar faltando</translation>
    </message>
</context>
<context>
    <name>TrustedPath</name>
    <message>
        <source>It leads through the link &quot;%1&quot;, which belongs to another user; the game does not follow it</source>
        <translation>Ele passa pelo link “%1”, que pertence a outro usuário; o jogo não o segue</translation>
    </message>
</context>
</TS>
