<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Tolvane について</translation>
    </message>
    <message>
        <source>Tolvane logo</source>
        <translation>Tolvane のロゴ</translation>
    </message>
    <message>
        <source>A puzzle grid with a pencil writing in it</source>
        <translation>鉛筆で書き込まれているパズルの盤面</translation>
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
        <translation>%1。「%2」のベストタイムを読み込めないため、あなたのタイム %3 は記録されません。ファイルは変更されていません。再び記録するには、ベストタイムの部分を直してください：「high」の行のあと、初級・中級・上級の順に名前と秒数を書きます。</translation>
    </message>
</context>
<context>
    <name>BestTimesWindow</name>
    <message>
        <source>Best times</source>
        <translation>ベストタイム</translation>
    </message>
    <message>
        <source>A trophy cup</source>
        <translation>優勝カップ</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Heading of the times&apos; column, 13 px bold, up to 105 px</extracomment>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>リセット</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset the best scores?</source>
        <translation>ベストタイムをリセットしますか？</translation>
    </message>
    <message>
        <source>%1: no name, %2</source>
        <extracomment>Spoken by a screen reader: a best time with no name, %1 the level, %2 the time (no pixel budget)</extracomment>
        <translation>%1：名前なし、%2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken by a screen reader: a best time, %1 the level, %2 the name, %3 the time (no pixel budget)</extracomment>
        <translation>%1：%2、%3</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>hidden</source>
        <extracomment>Spoken by a screen reader for a cell while the board is hidden (no pixel budget)</extracomment>
        <translation>非表示</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s given digit (no pixel budget)</extracomment>
        <translation>問題の数字 %1</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s entry, the player&apos;s digit (no pixel budget)</extracomment>
        <translation>入力 %1</translation>
    </message>
    <message>
        <source>guess %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s guess, a digit marked as guessed (no pixel budget)</extracomment>
        <translation>仮入力 %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken by a screen reader for a cell with no digit (no pixel budget)</extracomment>
        <translation>空き</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>Spoken by a screen reader: a cell, %3 what it holds (no pixel budget)</extracomment>
        <translation>%1 行 %2 列：%3</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name (no pixel budget)</extracomment>
        <translation>盤面</translation>
    </message>
    <message>
        <source>New %1 puzzle: %2 givens, %3 cells to fill</source>
        <extracomment>Spoken by a screen reader: %1 the level, %2 the givens, %3 the empty cells (no pixel budget)</extracomment>
        <translation>新しい%1のパズル：問題の数字 %2 個、空きマス %3 個</translation>
    </message>
    <message>
        <source>Solved</source>
        <extracomment>Spoken by a screen reader: the player solved the puzzle (no pixel budget)</extracomment>
        <translation>正解です</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Spoken by a screen reader: Solve filled the board (no pixel budget)</extracomment>
        <translation>コンピューターが解きました</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>名前付きパイプであり、ファイルではありません</translation>
    </message>
    <message>
        <source>Is a link that was put in its place meanwhile</source>
        <translation>その間に置き換えられたリンクです</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>ファイル「%1」を作成できません。%2</translation>
    </message>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2. The file is left as it was: the earlier best times are unchanged</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>ファイル「%1」を保存できません。%2。ファイルは変更されていません。これまでのベストタイムはそのままです</translation>
    </message>
</context>
<context>
    <name>GameClock</name>
    <message>
        <source>Time: %1</source>
        <extracomment>Status line while the clock runs, 11 px bold, up to 150 px (the Submit button follows)</extracomment>
        <translation>タイム: %1</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>Start a new puzzle?</source>
        <translation>新しいパズルを始めますか？</translation>
    </message>
    <message>
        <source>Clear all inserted values?</source>
        <translation>入力をすべて消しますか？</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Status line, 11 px bold, up to 150 px</extracomment>
        <translation>コンピューターが解きました</translation>
    </message>
    <message>
        <source>Correct. Your time is %1</source>
        <translation>正解です！タイム: %1</translation>
    </message>
    <message>
        <source>Puzzle solved incorrectly, press OK to continue.</source>
        <translation>解答が正しくありません。OK で続けます。</translation>
    </message>
</context>
<context>
    <name>GeneratorProgress</name>
    <message>
        <source>          PLEASE  </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          お待ちください  </translation>
    </message>
    <message>
        <source>           WAIT   </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          作成中  </translation>
    </message>
    <message>
        <source>Generating a new puzzle.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>新しいパズルを作成中。</translation>
    </message>
    <message>
        <source>This may take up to a minute.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>最大 1 分ほどかかります。</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>How to play:</source>
        <translation>遊び方：</translation>
    </message>
    <message>
        <source>Tolvane is meant to be easy to play. These guidelines show you how.</source>
        <translation>Tolvane は気軽に遊べるゲームです。遊び方を説明します。</translation>
    </message>
    <message>
        <source>Starting a new game:</source>
        <translation>新しいゲームを始める：</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; on the &quot;Game&quot; menu. After you have confirmed, a new puzzle is generated. This may take a little while, but never longer than a minute. A notification tells you when the puzzle is ready; the clock starts only when you click its OK button.</source>
        <translation>「ゲーム」メニューの「新規」を選びます。確認すると新しいパズルが作られます。少し時間がかかることがありますが、1 分を超えることはありません。準備ができるとお知らせが出ます。時計はその OK ボタンを押してから動き始めます。</translation>
    </message>
    <message>
        <source>Solving the puzzle:</source>
        <translation>パズルを解く：</translation>
    </message>
    <message>
        <source>Solving comes down to three things: inserting values, guessing and submitting.</source>
        <translation>解くときにすることは 3 つです。数字を入力する、仮入力する、提出する。</translation>
    </message>
    <message>
        <source>Inserting values</source>
        <translation>数字を入力する</translation>
    </message>
    <message>
        <source>Select a value on the panel at the bottom of the window, or scroll through the values with the mouse wheel, then click an empty cell to put the value there. To remove a wrong value, select the Erase button and click the value in the same way.</source>
        <translation>ウィンドウ下部のパネルで数字を選ぶか、マウスホイールで数字を切り替え、空いているマスをクリックするとその数字が入ります。間違った数字を消すには「消す」を選び、同じようにその数字をクリックします。</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>仮入力</translation>
    </message>
    <message>
        <source>Not sure yet? Tick &quot;Just guessing&quot;. The values you insert then appear in a different colour, so you can tell them apart from the values you are sure of. A game cannot be completed while guesses are on the board.</source>
        <translation>まだ自信がないときは「仮入力」にチェックを入れます。入れた数字は別の色で表示されるので、確かな数字と区別できます。盤面に仮入力が残っている間はゲームを完了できません。</translation>
    </message>
    <message>
        <source>Submitting</source>
        <translation>提出</translation>
    </message>
    <message>
        <source>As soon as every cell holds a value (guesses do not count), a Submit button appears. Click it to have your solution checked. If it is wrong, you can correct it and submit it again. Any solution that breaks none of the rules is accepted.</source>
        <translation>すべてのマスに数字が入ると（仮入力は数えません）、「提出」ボタンが出ます。押すと答えが確認されます。間違っていたら直してもう一度提出できます。ルールに反しない答えはすべて正解です。</translation>
    </message>
    <message>
        <source>Playing options:</source>
        <translation>プレイ中のオプション：</translation>
    </message>
    <message>
        <source>The &quot;Options&quot; menu offers four more things to do while you play.</source>
        <translation>「オプション」メニューでは、プレイ中にさらに 4 つのことができます。</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>&quot;Clear all&quot; on the &quot;Options&quot; menu removes every value you have inserted, so you can start the same puzzle anew.</source>
        <translation>「オプション」メニューの「すべて消去」は、入力した数字をすべて消します。同じパズルを最初からやり直せます。</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>解答を表示</translation>
    </message>
    <message>
        <source>&quot;Solve&quot; on the &quot;Options&quot; menu lets the computer solve the puzzle for you.</source>
        <translation>「オプション」メニューの「解答を表示」は、コンピューターがパズルを解きます。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>&quot;Pause&quot; on the &quot;Options&quot; menu hides the puzzle and stops the clock until you resume the game.</source>
        <translation>「オプション」メニューの「一時停止」は、再開するまでパズルを隠して時計を止めます。</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>There are three levels. On Easy, five of the nine values of each block are shown; on Medium, four; and on Hard, three. Which values are shown is chosen at random when the puzzle is generated.</source>
        <translation>レベルは 3 つあります。初級では各ブロックの 9 個の数字のうち 5 個、中級では 4 個、上級では 3 個が表示されます。どの数字を表示するかはパズル作成時にランダムに決まります。</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>その他のオプション：</translation>
    </message>
    <message>
        <source>Three more options are found on the &quot;Game&quot; menu.</source>
        <translation>「ゲーム」メニューにはほかに 3 つのオプションがあります。</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>&quot;Sound&quot; on the &quot;Game&quot; menu turns all sounds off, and on again.</source>
        <translation>「ゲーム」メニューの「サウンド」で、すべての音をオフにしたりオンに戻したりできます。</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>&quot;Print&quot; on the &quot;Game&quot; menu prints the current puzzle with every value on the board, guesses included.</source>
        <translation>「ゲーム」メニューの「印刷」は、現在のパズルを盤面の数字（仮入力を含む）ごと印刷します。</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>ベストタイム</translation>
    </message>
    <message>
        <source>The time you take to solve a puzzle is recorded. The best time of each level is kept together with the player&apos;s name. The best-times command on the &quot;Game&quot; menu shows them, and &quot;Reset scores&quot; in its window clears them all.</source>
        <translation>パズルを解くのにかかった時間が記録されます。各レベルのベストタイムはプレイヤーの名前とともに保存されます。「ゲーム」メニューの「ベストタイム」で表示でき、そのウィンドウの「リセット」ですべて消せます。</translation>
    </message>
    <message>
        <source>Enjoy the game!</source>
        <translation>お楽しみください！</translation>
    </message>
    <message>
        <source>Rules of Tolvane:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Tolvane のルール：</translation>
    </message>
    <message>
        <source>The object of the game is to fill in all the missing values according to the rules. A completed grid that breaks no rule earns a score: the time you took. There are just three rules.</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>ゲームの目的は、ルールに従って欠けている数字をすべて埋めることです。ルールに反しない完成した盤面には、かかった時間がスコアとして付きます。ルールは 3 つだけです。</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>The puzzle is made of nine big blocks, framed in black. Each big block is made of nine small blocks, framed in blue: these are the cells. Every big block must hold every number from 1 to 9, so each number appears in it exactly once, like this:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>パズルは黒枠で囲まれた 9 つの大きなブロックでできています。大きなブロックはそれぞれ青枠の 9 つの小さな枠、つまりマスでできています。どの大きなブロックにも 1 から 9 の数字が 1 回ずつ入ります。このように：</translation>
    </message>
    <message>
        <source>Rows &amp; Columns</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>行と列</translation>
    </message>
    <message>
        <source>Every row and every column of the puzzle must also hold every number from 1 to 9, each exactly once. Here are a filled column and a filled row:</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>どの行とどの列にも、1 から 9 の数字が 1 回ずつ入ります。埋まった列と行の例です：</translation>
    </message>
    <message>
        <source>Consequences</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>その結果</translation>
    </message>
    <message>
        <source>Because of these rules, no block, row or column can ever hold the same number twice.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>このルールにより、ブロック・行・列のどこにも同じ数字が 2 回入ることはありません。</translation>
    </message>
    <message>
        <source>Usually a puzzle has just one solution. Sometimes, however, the same two values are missing in two rows, and in the same two columns. Then the two values can be filled in either way round: both orders are valid solutions, and Tolvane accepts either of them.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>普通、パズルの解は 1 つだけです。ただし、2 つの行の同じ 2 列で同じ 2 つの数字が欠けていることがあります。その場合、2 つの数字はどちらの順でも入れられ、どちらも正しい解です。Tolvane はどちらも正解にします。</translation>
    </message>
    <message>
        <source>In the picture below, 2 and 7 are missing in both rows:</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>下の図では、どちらの行でも 2 と 7 が欠けています：</translation>
    </message>
    <message>
        <source>Whichever way round you put the 2 and the 7, every row, every column and every block still holds each number once. The same can happen in two columns, and more rarely a puzzle may even have more than two solutions. Any of them is accepted.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>2 と 7 をどちらの順に入れても、どの行・列・ブロックにも各数字が 1 回ずつ入ります。同じことは 2 つの列でも起こり、まれに解が 3 つ以上あるパズルもあります。どの解も正解です。</translation>
    </message>
    <message>
        <source>The working of Tolvane</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Tolvane のしくみ</translation>
    </message>
    <message>
        <source>For every new game, Tolvane builds a complete grid of its own. It fills every block at random and tests it against the rules as it goes, trying again whenever a block does not fit. That is why generating a puzzle takes a moment.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>新しいゲームのたびに、Tolvane は独自の完成した盤面を作ります。各ブロックをランダムに埋めながらルールに照らして確かめ、合わないブロックがあればやり直します。パズルの作成に少し時間がかかるのはこのためです。</translation>
    </message>
    <message>
        <source>There are so many possible grids that the chance of getting the same grid twice is 1 in 6670903752021072936960.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>可能な盤面はとても多く、同じ盤面が 2 回出る確率は 6670903752021072936960 分の 1 です。</translation>
    </message>
    <message>
        <source>When the grid is complete, the values shown in each block are chosen at random according to the level: five on Easy, four on Medium and three on Hard. The rest is up to you: have fun!</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>盤面が完成すると、各ブロックに表示する数字がレベルに応じてランダムに選ばれます。初級は 5 個、中級は 4 個、上級は 3 個です。あとはあなたの番です。楽しんでください！</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>A filled block</source>
        <translation>埋まったブロック</translation>
    </message>
    <message>
        <source>Three rows of three cells holding 1 to 9 once each</source>
        <translation>3 マス × 3 列に 1 から 9 が 1 回ずつ</translation>
    </message>
    <message>
        <source>A filled column</source>
        <translation>埋まった列</translation>
    </message>
    <message>
        <source>Nine cells one above the other holding 1 to 9</source>
        <translation>縦に並んだ 9 マスに 1 から 9</translation>
    </message>
    <message>
        <source>A filled row</source>
        <translation>埋まった行</translation>
    </message>
    <message>
        <source>Nine cells side by side holding 1 to 9</source>
        <translation>横に並んだ 9 マスに 1 から 9</translation>
    </message>
    <message>
        <source>Two rows with two solutions</source>
        <translation>解が 2 通りある 2 行</translation>
    </message>
    <message>
        <source>Two rows, both missing 2 and 7 in the same two columns</source>
        <translation>どちらの行も同じ 2 列で 2 と 7 が欠けている</translation>
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
        <translation>初級</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>中級</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>上級</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>ベストタイム</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>解答を表示</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Tool panel button, 81 x 19 px, 11 px bold</extracomment>
        <translation>提出</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tolvane について</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Tool panel button, 49 x 22 px, 11 px bold</extracomment>
        <translation>消す</translation>
    </message>
    <message>
        <source>Just guessing</source>
        <extracomment>Tool panel check box, 97 px with its box, 11 px bold</extracomment>
        <translation>仮入力</translation>
    </message>
    <message>
        <source>Click &apos;Game&apos; to start</source>
        <extracomment>Status line, 11 px bold; up to 150 px, the Submit button stands to its right</extracomment>
        <translation>「ゲーム」から開始</translation>
    </message>
    <message>
        <source>Tool %1</source>
        <extracomment>Spoken by a screen reader: the tool picked by key, %1 its button&apos;s text (no pixel budget)</extracomment>
        <translation>ツール %1</translation>
    </message>
    <message>
        <source>Every cell is filled: Submit</source>
        <extracomment>Spoken by a screen reader when the Submit button appears (no pixel budget)</extracomment>
        <translation>すべてのマスが埋まりました：提出</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>NameBox</name>
    <message>
        <source>Anonymous</source>
        <extracomment>The name of a record holder who gave none; best-times window, 169 px column, 13 px bold</extracomment>
        <translation>名無し</translation>
    </message>
    <message>
        <source>New Best time</source>
        <translation>ベストタイム更新</translation>
    </message>
    <message>
        <source>Best time. Please enter your name</source>
        <translation>ベストタイムです！名前を入力してください</translation>
    </message>
</context>
<context>
    <name>NoticeWindow</name>
    <message>
        <source>New puzzle generated.</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>新しいパズルができました。</translation>
    </message>
    <message>
        <source>Click OK to start.</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>OK で開始します。</translation>
    </message>
    <message>
        <source>Game paused</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Press OK to continue</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>OK で再開します</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止</translation>
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
        <translation>現在のパズルを印刷しますか？</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>既定のプリンターが選択されていません</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer could not start the document</source>
        <translation>プリンターが印刷を開始できませんでした</translation>
    </message>
    <message>
        <source>The printer could not finish the document</source>
        <translation>プリンターが印刷を完了できませんでした</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Generating</source>
        <extracomment>Caption of the progress window, 358 px wide client area</extracomment>
        <translation>作成中</translation>
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
        <translation>システムエラー: %1。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1: the audio output cannot play this format (%2 Hz, channels: %3).</source>
        <extracomment>%1 the sound file, %2 its sample rate, %3 its channels</extracomment>
        <translation>%1: この形式は再生できません（%2 Hz、チャンネル数: %3）。</translation>
    </message>
</context>
<context>
    <name>ScoreFileLock</name>
    <message>
        <source>another program</source>
        <translation>別のプログラム</translation>
    </message>
    <message>
        <source>another Tolvane game</source>
        <translation>別の Tolvane</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>別のプログラム（プロセス %1）</translation>
    </message>
    <message>
        <source>another program (%1, process %2)</source>
        <extracomment>%1 the program&apos;s name, %2 its process number</extracomment>
        <translation>別のプログラム（%1、プロセス %2）</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2 holds it just now</source>
        <extracomment>%1 the file, %2 who holds it: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>ファイル「%1」を作成できません。現在 %2 が使用中です</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. No lock of yours can be had on it just now</source>
        <extracomment>%1 the file</extracomment>
        <translation>ファイル「%1」を作成できません。現在あなたはこのファイルをロックできません</translation>
    </message>
</context>
<context>
    <name>ScoreFileStore</name>
    <message>
        <source>It would grow beyond 1 MiB, more than Tolvane reads</source>
        <translation>1 MiB を超え、Tolvane が読み込める量を超えてしまいます</translation>
    </message>
</context>
<context>
    <name>ScoreSaves</name>
    <message>
        <source>Another Tolvane game is saving the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <translation>別の Tolvane がスコアファイルを保存中です。変更は保持され、ファイルが空きしだい、遅くとも Tolvane を閉じるときに保存されます。</translation>
    </message>
    <message>
        <source>%1 holds the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <extracomment>%1 who holds the file: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>%1 がスコアファイルを使用中です。変更は保持され、ファイルが空きしだい、遅くとも Tolvane を閉じるときに保存されます。</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; another Tolvane game is saving the score file just now.</source>
        <translation>変更を保存しだい Tolvane を閉じます。別の Tolvane がスコアファイルを保存中です。</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; %1 holds the score file just now.</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>変更を保存しだい Tolvane を閉じます。%1 がスコアファイルを使用中です。</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: another Tolvane game is still saving the score file. Close without them?</source>
        <translation>変更はまだ保存されていません。別の Tolvane がまだスコアファイルを保存中です。保存せずに閉じますか？</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: %1 still holds the score file. Close without them?</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>変更はまだ保存されていません。%1 がまだスコアファイルを使用中です。保存せずに閉じますか？</translation>
    </message>
    <message>
        <source>Your change is saved, but not the changes that an earlier Tolvane game kept beside the score file: %1</source>
        <extracomment>%1 why the kept changes could not be made, from the score file&apos;s own messages</extracomment>
        <translation>変更は保存されましたが、以前の Tolvane がスコアファイルの横に保持していた変更は保存されていません: %1</translation>
    </message>
    <message>
        <source>No lock of yours can be had on the score file just now. Your change is kept and saved as soon as one can, at the latest when you close Tolvane.</source>
        <translation>現在あなたはスコアファイルをロックできません。変更は保持され、できしだい、遅くとも Tolvane を閉じるときに保存されます。</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; no lock of yours can be had on the score file just now.</source>
        <translation>変更を保存しだい Tolvane を閉じます。現在あなたはスコアファイルをロックできません。</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: still no lock of yours can be had on the score file. Close without them?</source>
        <translation>変更はまだ保存されていません。まだスコアファイルをロックできません。保存せずに閉じますか？</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Some sound files may be missing</source>
        <translation>一部のサウンドファイルが見つからない可能性があります</translation>
    </message>
</context>
<context>
    <name>TrustedPath</name>
    <message>
        <source>It leads through the link &quot;%1&quot;, which belongs to another user; the game does not follow it</source>
        <translation>別のユーザーのリンク「%1」を経由しているため、ゲームはたどりません</translation>
    </message>
</context>
</TS>
