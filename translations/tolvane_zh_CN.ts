<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Tolvane logo</source>
        <translation>Tolvane 标志</translation>
    </message>
    <message>
        <source>A puzzle grid with a pencil writing in it</source>
        <translation>一支铅笔正在书写的谜题网格</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>BestTimesFlow</name>
    <message>
        <source>%1. The best times in &quot;%2&quot; cannot be read, so your time of %3 is not recorded; the file is left as it was. To record times again, repair its best-times block: a line &quot;high&quot;, then for Easy, Medium and Hard a name and a time in seconds.</source>
        <extracomment>%1 the failure, %2 the file, %3 the time; &quot;high&quot; is written in the file as it is</extracomment>
        <translation>%1。无法读取“%2”中的最佳时间，因此您的用时 %3 未被记录；文件保持原样。要重新记录时间，请修复其中的最佳时间部分：一行“high”，然后按简单、中等、困难的顺序各写一个名字和以秒计的时间。</translation>
    </message>
</context>
<context>
    <name>BestTimesWindow</name>
    <message>
        <source>Best times</source>
        <translation>最佳时间</translation>
    </message>
    <message>
        <source>A trophy cup</source>
        <translation>一座奖杯</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Heading of the times&apos; column, 13 px bold, up to 105 px</extracomment>
        <translation>用时</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>重置</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>Reset the best scores?</source>
        <translation>重置最佳时间吗？</translation>
    </message>
    <message>
        <source>%1: no name, %2</source>
        <extracomment>Spoken by a screen reader: a best time with no name, %1 the level, %2 the time (no pixel budget)</extracomment>
        <translation>%1：无名字，%2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken by a screen reader: a best time, %1 the level, %2 the name, %3 the time (no pixel budget)</extracomment>
        <translation>%1：%2，%3</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>hidden</source>
        <extracomment>Spoken by a screen reader for a cell while the board is hidden (no pixel budget)</extracomment>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s given digit (no pixel budget)</extracomment>
        <translation>已知 %1</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s entry, the player&apos;s digit (no pixel budget)</extracomment>
        <translation>填入 %1</translation>
    </message>
    <message>
        <source>guess %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s guess, a digit marked as guessed (no pixel budget)</extracomment>
        <translation>猜测 %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken by a screen reader for a cell with no digit (no pixel budget)</extracomment>
        <translation>空</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>Spoken by a screen reader: a cell, %3 what it holds (no pixel budget)</extracomment>
        <translation>第 %1 行，第 %2 列：%3</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name (no pixel budget)</extracomment>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>New %1 puzzle: %2 givens, %3 cells to fill</source>
        <extracomment>Spoken by a screen reader: %1 the level, %2 the givens, %3 the empty cells (no pixel budget)</extracomment>
        <translation>新的%1谜题：已知数 %2 个，待填格子 %3 个</translation>
    </message>
    <message>
        <source>Solved</source>
        <extracomment>Spoken by a screen reader: the player solved the puzzle (no pixel budget)</extracomment>
        <translation>已解出</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Spoken by a screen reader: Solve filled the board (no pixel budget)</extracomment>
        <translation>由电脑解出</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>这是一个命名管道，不是文件</translation>
    </message>
    <message>
        <source>Is a link that was put in its place meanwhile</source>
        <translation>这是一个在此期间被换到其位置上的链接</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2. The file is left as it was: the earlier best times are unchanged</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>无法保存文件“%1”。%2。文件保持原样：之前的最佳时间没有改变</translation>
    </message>
</context>
<context>
    <name>GameClock</name>
    <message>
        <source>Time: %1</source>
        <extracomment>Status line while the clock runs, 11 px bold, up to 150 px (the Submit button follows)</extracomment>
        <translation>用时：%1</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>Start a new puzzle?</source>
        <translation>开始新的谜题吗？</translation>
    </message>
    <message>
        <source>Clear all inserted values?</source>
        <translation>清除所有填入的数字吗？</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Status line, 11 px bold, up to 150 px</extracomment>
        <translation>由电脑解出</translation>
    </message>
    <message>
        <source>Correct. Your time is %1</source>
        <translation>正确！您的用时：%1</translation>
    </message>
    <message>
        <source>Puzzle solved incorrectly, press OK to continue.</source>
        <translation>解答不正确，点击“确定”继续。</translation>
    </message>
</context>
<context>
    <name>GeneratorProgress</name>
    <message>
        <source>          PLEASE  </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          请稍候  </translation>
    </message>
    <message>
        <source>           WAIT   </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          生成中  </translation>
    </message>
    <message>
        <source>Generating a new puzzle.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>正在生成新谜题。</translation>
    </message>
    <message>
        <source>This may take up to a minute.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>最多需要一分钟。</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>How to play:</source>
        <translation>玩法：</translation>
    </message>
    <message>
        <source>Tolvane is meant to be easy to play. These guidelines show you how.</source>
        <translation>Tolvane 力求简单易玩。以下说明告诉您怎么玩。</translation>
    </message>
    <message>
        <source>Starting a new game:</source>
        <translation>开始新游戏：</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; on the &quot;Game&quot; menu. After you have confirmed, a new puzzle is generated. This may take a little while, but never longer than a minute. A notification tells you when the puzzle is ready; the clock starts only when you click its OK button.</source>
        <translation>在“游戏”菜单中选择“新游戏”。确认后会生成一个新谜题。这可能需要一点时间，但不会超过一分钟。谜题准备好时会有通知；点击通知中的“确定”按钮后才开始计时。</translation>
    </message>
    <message>
        <source>Solving the puzzle:</source>
        <translation>解谜：</translation>
    </message>
    <message>
        <source>Solving comes down to three things: inserting values, guessing and submitting.</source>
        <translation>解谜就是三件事：填入数字、猜测和提交。</translation>
    </message>
    <message>
        <source>Inserting values</source>
        <translation>填入数字</translation>
    </message>
    <message>
        <source>Select a value on the panel at the bottom of the window, or scroll through the values with the mouse wheel, then click an empty cell to put the value there. To remove a wrong value, select the Erase button and click the value in the same way.</source>
        <translation>在窗口底部的面板上选择一个数字，或用鼠标滚轮切换数字，然后点击一个空格把数字填进去。要去掉填错的数字，选择“擦除”按钮，再用同样的方法点击该数字。</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>猜测</translation>
    </message>
    <message>
        <source>Not sure yet? Tick &quot;Just guessing&quot;. The values you insert then appear in a different colour, so you can tell them apart from the values you are sure of. A game cannot be completed while guesses are on the board.</source>
        <translation>还不确定？勾选“仅猜测”。此后填入的数字会以另一种颜色显示，便于与确定的数字区分。棋盘上还有猜测时，游戏无法完成。</translation>
    </message>
    <message>
        <source>Submitting</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>As soon as every cell holds a value (guesses do not count), a Submit button appears. Click it to have your solution checked. If it is wrong, you can correct it and submit it again. Any solution that breaks none of the rules is accepted.</source>
        <translation>每个格子都有数字后（猜测不算），会出现“提交”按钮。点击它来检查您的答案。如果答案错误，可以改正后再次提交。任何不违反规则的答案都会被接受。</translation>
    </message>
    <message>
        <source>Playing options:</source>
        <translation>游戏中的选项：</translation>
    </message>
    <message>
        <source>The &quot;Options&quot; menu offers four more things to do while you play.</source>
        <translation>“选项”菜单在游戏中还提供四项操作。</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>&quot;Clear all&quot; on the &quot;Options&quot; menu removes every value you have inserted, so you can start the same puzzle anew.</source>
        <translation>“选项”菜单中的“全部清除”会去掉您填入的所有数字，让您重新开始同一个谜题。</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>求解</translation>
    </message>
    <message>
        <source>&quot;Solve&quot; on the &quot;Options&quot; menu lets the computer solve the puzzle for you.</source>
        <translation>“选项”菜单中的“求解”让电脑替您解出谜题。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>&quot;Pause&quot; on the &quot;Options&quot; menu hides the puzzle and stops the clock until you resume the game.</source>
        <translation>“选项”菜单中的“暂停”会隐藏谜题并停止计时，直到您继续游戏。</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>There are three levels. On Easy, five of the nine values of each block are shown; on Medium, four; and on Hard, three. Which values are shown is chosen at random when the puzzle is generated.</source>
        <translation>共有三个难度。简单时每个宫显示九个数字中的五个；中等时显示四个；困难时显示三个。显示哪些数字在生成谜题时随机决定。</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>其他选项：</translation>
    </message>
    <message>
        <source>Three more options are found on the &quot;Game&quot; menu.</source>
        <translation>“游戏”菜单中还有三个选项。</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>&quot;Sound&quot; on the &quot;Game&quot; menu turns all sounds off, and on again.</source>
        <translation>“游戏”菜单中的“声音”可关闭所有声音，也可再次打开。</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>&quot;Print&quot; on the &quot;Game&quot; menu prints the current puzzle with every value on the board, guesses included.</source>
        <translation>“游戏”菜单中的“打印”会打印当前谜题及棋盘上的所有数字，包括猜测。</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>最佳时间</translation>
    </message>
    <message>
        <source>The time you take to solve a puzzle is recorded. The best time of each level is kept together with the player&apos;s name. The best-times command on the &quot;Game&quot; menu shows them, and &quot;Reset scores&quot; in its window clears them all.</source>
        <translation>解开谜题所用的时间会被记录。每个难度的最佳时间与玩家名字一起保存。“游戏”菜单中的“最佳时间”可查看它们，其窗口中的“重置”会全部清除。</translation>
    </message>
    <message>
        <source>Enjoy the game!</source>
        <translation>祝您玩得开心！</translation>
    </message>
    <message>
        <source>Rules of Tolvane:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Tolvane 规则：</translation>
    </message>
    <message>
        <source>The object of the game is to fill in all the missing values according to the rules. A completed grid that breaks no rule earns a score: the time you took. There are just three rules.</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>游戏的目标是按照规则填入所有缺少的数字。不违反任何规则的完整网格会得到一个成绩：您的用时。规则只有三条。</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>宫</translation>
    </message>
    <message>
        <source>The puzzle is made of nine big blocks, framed in black. Each big block is made of nine small blocks, framed in blue: these are the cells. Every big block must hold every number from 1 to 9, so each number appears in it exactly once, like this:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>谜题由九个黑框的大宫组成。每个大宫由九个蓝框的小格组成：这就是格子。每个大宫必须包含 1 到 9 的每个数字，每个数字恰好出现一次，如下所示：</translation>
    </message>
    <message>
        <source>Rows &amp; Columns</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>行与列</translation>
    </message>
    <message>
        <source>Every row and every column of the puzzle must also hold every number from 1 to 9, each exactly once. Here are a filled column and a filled row:</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>谜题的每一行和每一列也必须包含 1 到 9 的每个数字，每个恰好一次。下面是填满的一列和一行：</translation>
    </message>
    <message>
        <source>Consequences</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>推论</translation>
    </message>
    <message>
        <source>Because of these rules, no block, row or column can ever hold the same number twice.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>根据这些规则，任何宫、行或列中都不会出现两个相同的数字。</translation>
    </message>
    <message>
        <source>Usually a puzzle has just one solution. Sometimes, however, the same two values are missing in two rows, and in the same two columns. Then the two values can be filled in either way round: both orders are valid solutions, and Tolvane accepts either of them.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>通常一个谜题只有一个解。但有时两行中缺少相同的两个数字，而且位于相同的两列。这时这两个数字可以按任意顺序填入：两种顺序都是有效的解，Tolvane 都会接受。</translation>
    </message>
    <message>
        <source>In the picture below, 2 and 7 are missing in both rows:</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>在下图中，两行都缺少 2 和 7：</translation>
    </message>
    <message>
        <source>Whichever way round you put the 2 and the 7, every row, every column and every block still holds each number once. The same can happen in two columns, and more rarely a puzzle may even have more than two solutions. Any of them is accepted.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>无论 2 和 7 怎么放，每一行、每一列和每个宫中每个数字仍各出现一次。同样的情况也可能出现在两列中，更少见的是一个谜题甚至有两个以上的解。任何一个解都会被接受。</translation>
    </message>
    <message>
        <source>The working of Tolvane</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Tolvane 的工作原理</translation>
    </message>
    <message>
        <source>For every new game, Tolvane builds a complete grid of its own. It fills every block at random and tests it against the rules as it goes, trying again whenever a block does not fit. That is why generating a puzzle takes a moment.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>每局新游戏，Tolvane 都会自己生成一个完整的网格。它随机填充每个宫，边填边按规则检查，遇到不合适的宫就重试。所以生成谜题需要一点时间。</translation>
    </message>
    <message>
        <source>There are so many possible grids that the chance of getting the same grid twice is 1 in 6670903752021072936960.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>可能的网格非常多，两次得到同一网格的概率是 6670903752021072936960 分之一。</translation>
    </message>
    <message>
        <source>When the grid is complete, the values shown in each block are chosen at random according to the level: five on Easy, four on Medium and three on Hard. The rest is up to you: have fun!</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>网格完成后，每个宫中显示的数字按难度随机选出：简单五个，中等四个，困难三个。剩下的就交给您了：玩得开心！</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>A filled block</source>
        <translation>填满的宫</translation>
    </message>
    <message>
        <source>Three rows of three cells holding 1 to 9 once each</source>
        <translation>三行三格，1 到 9 各出现一次</translation>
    </message>
    <message>
        <source>A filled column</source>
        <translation>填满的列</translation>
    </message>
    <message>
        <source>Nine cells one above the other holding 1 to 9</source>
        <translation>竖排九格，填有 1 到 9</translation>
    </message>
    <message>
        <source>A filled row</source>
        <translation>填满的行</translation>
    </message>
    <message>
        <source>Nine cells side by side holding 1 to 9</source>
        <translation>横排九格，填有 1 到 9</translation>
    </message>
    <message>
        <source>Two rows with two solutions</source>
        <translation>有两个解的两行</translation>
    </message>
    <message>
        <source>Two rows, both missing 2 and 7 in the same two columns</source>
        <translation>两行都在相同的两列缺少 2 和 7</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>简单</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>困难</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>游戏</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>最佳时间</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>求解</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Tool panel button, 81 x 19 px, 11 px bold</extracomment>
        <translation>提交</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Tool panel button, 49 x 22 px, 11 px bold</extracomment>
        <translation>擦除</translation>
    </message>
    <message>
        <source>Just guessing</source>
        <extracomment>Tool panel check box, 97 px with its box, 11 px bold</extracomment>
        <translation>仅猜测</translation>
    </message>
    <message>
        <source>Click &apos;Game&apos; to start</source>
        <extracomment>Status line, 11 px bold; up to 150 px, the Submit button stands to its right</extracomment>
        <translation>点击“游戏”开始</translation>
    </message>
    <message>
        <source>Tool %1</source>
        <extracomment>Spoken by a screen reader: the tool picked by key, %1 its button&apos;s text (no pixel budget)</extracomment>
        <translation>工具 %1</translation>
    </message>
    <message>
        <source>Every cell is filled: Submit</source>
        <extracomment>Spoken by a screen reader when the Submit button appears (no pixel budget)</extracomment>
        <translation>所有格子都已填满：提交</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>NameBox</name>
    <message>
        <source>Anonymous</source>
        <extracomment>The name of a record holder who gave none; best-times window, 169 px column, 13 px bold</extracomment>
        <translation>匿名</translation>
    </message>
    <message>
        <source>New Best time</source>
        <translation>新的最佳时间</translation>
    </message>
    <message>
        <source>Best time. Please enter your name</source>
        <translation>最佳时间！请输入您的名字</translation>
    </message>
</context>
<context>
    <name>NoticeWindow</name>
    <message>
        <source>New puzzle generated.</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>新谜题已生成。</translation>
    </message>
    <message>
        <source>Click OK to start.</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>点击“确定”开始。</translation>
    </message>
    <message>
        <source>Game paused</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>游戏已暂停</translation>
    </message>
    <message>
        <source>Press OK to continue</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>点击“确定”继续</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Do you want to print the current puzzle ?</source>
        <translation>要打印当前谜题吗？</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>当前没有选择默认打印机</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer could not start the document</source>
        <translation>打印机无法开始打印文档</translation>
    </message>
    <message>
        <source>The printer could not finish the document</source>
        <translation>打印机无法完成打印文档</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Generating</source>
        <extracomment>Caption of the progress window, 358 px wide client area</extracomment>
        <translation>正在生成</translation>
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
        <translation>系统错误：%1。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>%1: the audio output cannot play this format (%2 Hz, channels: %3).</source>
        <extracomment>%1 the sound file, %2 its sample rate, %3 its channels</extracomment>
        <translation>%1：音频输出无法播放此格式（%2 Hz，声道数：%3）。</translation>
    </message>
</context>
<context>
    <name>ScoreFileLock</name>
    <message>
        <source>another program</source>
        <translation>另一个程序</translation>
    </message>
    <message>
        <source>another Tolvane game</source>
        <translation>另一个 Tolvane 游戏</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>另一个程序（进程 %1）</translation>
    </message>
    <message>
        <source>another program (%1, process %2)</source>
        <extracomment>%1 the program&apos;s name, %2 its process number</extracomment>
        <translation>另一个程序（%1，进程 %2）</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2 holds it just now</source>
        <extracomment>%1 the file, %2 who holds it: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>无法创建文件“%1”。%2 正在占用它</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. No lock of yours can be had on it just now</source>
        <extracomment>%1 the file</extracomment>
        <translation>无法创建文件“%1”。您目前无法锁定它</translation>
    </message>
</context>
<context>
    <name>ScoreFileStore</name>
    <message>
        <source>It would grow beyond 1 MiB, more than Tolvane reads</source>
        <translation>它将超过 1 MiB，超出 Tolvane 能读取的大小</translation>
    </message>
</context>
<context>
    <name>ScoreSaves</name>
    <message>
        <source>Another Tolvane game is saving the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <translation>另一个 Tolvane 游戏正在保存成绩文件。您的更改已保留，将在文件空闲时保存，最迟在您关闭 Tolvane 时保存。</translation>
    </message>
    <message>
        <source>%1 holds the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <extracomment>%1 who holds the file: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>%1 正在占用成绩文件。您的更改已保留，将在文件空闲时保存，最迟在您关闭 Tolvane 时保存。</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; another Tolvane game is saving the score file just now.</source>
        <translation>Tolvane 将在保存您的更改后关闭；另一个 Tolvane 游戏正在保存成绩文件。</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; %1 holds the score file just now.</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Tolvane 将在保存您的更改后关闭；%1 正在占用成绩文件。</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: another Tolvane game is still saving the score file. Close without them?</source>
        <translation>您的更改尚未保存：另一个 Tolvane 游戏仍在保存成绩文件。不保存就关闭吗？</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: %1 still holds the score file. Close without them?</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>您的更改尚未保存：%1 仍在占用成绩文件。不保存就关闭吗？</translation>
    </message>
    <message>
        <source>Your change is saved, but not the changes that an earlier Tolvane game kept beside the score file: %1</source>
        <extracomment>%1 why the kept changes could not be made, from the score file&apos;s own messages</extracomment>
        <translation>您的更改已保存，但之前的 Tolvane 游戏保留在成绩文件旁的更改未能保存：%1</translation>
    </message>
    <message>
        <source>No lock of yours can be had on the score file just now. Your change is kept and saved as soon as one can, at the latest when you close Tolvane.</source>
        <translation>您目前无法锁定成绩文件。您的更改已保留，将尽快保存，最迟在您关闭 Tolvane 时保存。</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; no lock of yours can be had on the score file just now.</source>
        <translation>Tolvane 将在保存您的更改后关闭；您目前无法锁定成绩文件。</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: still no lock of yours can be had on the score file. Close without them?</source>
        <translation>您的更改尚未保存：您仍无法锁定成绩文件。不保存就关闭吗？</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Some sound files may be missing</source>
        <translation>部分声音文件可能缺失</translation>
    </message>
</context>
<context>
    <name>TrustedPath</name>
    <message>
        <source>It leads through the link &quot;%1&quot;, which belongs to another user; the game does not follow it</source>
        <translation>路径经过属于其他用户的链接“%1”；游戏不会跟随它</translation>
    </message>
</context>
</TS>
