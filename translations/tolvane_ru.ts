<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Tolvane logo</source>
        <translation>Логотип Tolvane</translation>
    </message>
    <message>
        <source>A puzzle grid with a pencil writing in it</source>
        <translation>Игровая сетка, в которой пишет карандаш</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>BestTimesFlow</name>
    <message>
        <source>%1. The best times in &quot;%2&quot; cannot be read, so your time of %3 is not recorded; the file is left as it was. To record times again, repair its best-times block: a line &quot;high&quot;, then for Easy, Medium and Hard a name and a time in seconds.</source>
        <extracomment>%1 the failure, %2 the file, %3 the time; &quot;high&quot; is written in the file as it is</extracomment>
        <translation>%1. Лучшее время в «%2» не удаётся прочитать, поэтому ваше время %3 не записано; файл остался прежним. Чтобы снова записывать время, исправьте в нём блок лучшего времени: строка «high», затем для уровней «Лёгкий», «Средний» и «Сложный» имя и время в секундах.</translation>
    </message>
</context>
<context>
    <name>BestTimesWindow</name>
    <message>
        <source>Best times</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>A trophy cup</source>
        <translation>Кубок победителя</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Heading of the times&apos; column, 13 px bold, up to 105 px</extracomment>
        <translation>Время</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Reset the best scores?</source>
        <translation>Сбросить лучшее время?</translation>
    </message>
    <message>
        <source>%1: no name, %2</source>
        <extracomment>Spoken by a screen reader: a best time with no name, %1 the level, %2 the time (no pixel budget)</extracomment>
        <translation>%1: без имени, %2</translation>
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
        <translation>скрыта</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s given digit (no pixel budget)</extracomment>
        <translation>дано %1</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s entry, the player&apos;s digit (no pixel budget)</extracomment>
        <translation>записано %1</translation>
    </message>
    <message>
        <source>guess %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s guess, a digit marked as guessed (no pixel budget)</extracomment>
        <translation>догадка %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken by a screen reader for a cell with no digit (no pixel budget)</extracomment>
        <translation>пуста</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>Spoken by a screen reader: a cell, %3 what it holds (no pixel budget)</extracomment>
        <translation>Строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name (no pixel budget)</extracomment>
        <translation>Поле</translation>
    </message>
    <message>
        <source>New %1 puzzle: %2 givens, %3 cells to fill</source>
        <extracomment>Spoken by a screen reader: %1 the level, %2 the givens, %3 the empty cells (no pixel budget)</extracomment>
        <translation>Новая головоломка, уровень «%1»: дано %2, заполнить клеток: %3</translation>
    </message>
    <message>
        <source>Solved</source>
        <extracomment>Spoken by a screen reader: the player solved the puzzle (no pixel budget)</extracomment>
        <translation>Решено</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Spoken by a screen reader: Solve filled the board (no pixel budget)</extracomment>
        <translation>Решено компьютером</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Это именованный канал, а не файл</translation>
    </message>
    <message>
        <source>Is a link that was put in its place meanwhile</source>
        <translation>Это ссылка, которую тем временем поставили на его место</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2. The file is left as it was: the earlier best times are unchanged</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Не удаётся сохранить файл «%1». %2. Файл остался прежним: прежнее лучшее время не изменилось</translation>
    </message>
</context>
<context>
    <name>GameClock</name>
    <message>
        <source>Time: %1</source>
        <extracomment>Status line while the clock runs, 11 px bold, up to 150 px (the Submit button follows)</extracomment>
        <translation>Время: %1</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>Start a new puzzle?</source>
        <translation>Начать новую головоломку?</translation>
    </message>
    <message>
        <source>Clear all inserted values?</source>
        <translation>Стереть все записи?</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Status line, 11 px bold, up to 150 px</extracomment>
        <translation>Решено компьютером</translation>
    </message>
    <message>
        <source>Correct. Your time is %1</source>
        <translation>Верно! Ваше время: %1</translation>
    </message>
    <message>
        <source>Puzzle solved incorrectly, press OK to continue.</source>
        <translation>Решение неверное. Нажмите ОК, чтобы продолжить.</translation>
    </message>
</context>
<context>
    <name>GeneratorProgress</name>
    <message>
        <source>          PLEASE  </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          ПОДОЖДИТЕ  </translation>
    </message>
    <message>
        <source>           WAIT   </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          НЕМНОГО  </translation>
    </message>
    <message>
        <source>Generating a new puzzle.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Создаётся головоломка.</translation>
    </message>
    <message>
        <source>This may take up to a minute.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Не дольше минуты.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>How to play:</source>
        <translation>Как играть:</translation>
    </message>
    <message>
        <source>Tolvane is meant to be easy to play. These guidelines show you how.</source>
        <translation>Играть в Tolvane просто. Вот как это делается.</translation>
    </message>
    <message>
        <source>Starting a new game:</source>
        <translation>Новая игра:</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; on the &quot;Game&quot; menu. After you have confirmed, a new puzzle is generated. This may take a little while, but never longer than a minute. A notification tells you when the puzzle is ready; the clock starts only when you click its OK button.</source>
        <translation>Выберите «Новая» в меню «Игра». После подтверждения создаётся новая головоломка. Это может занять немного времени, но не больше минуты. Сообщение скажет, когда головоломка готова; часы пойдут, только когда вы нажмёте в нём кнопку ОК.</translation>
    </message>
    <message>
        <source>Solving the puzzle:</source>
        <translation>Решение головоломки:</translation>
    </message>
    <message>
        <source>Solving comes down to three things: inserting values, guessing and submitting.</source>
        <translation>Решение сводится к трём вещам: записи значений, догадкам и сдаче.</translation>
    </message>
    <message>
        <source>Inserting values</source>
        <translation>Запись значений</translation>
    </message>
    <message>
        <source>Select a value on the panel at the bottom of the window, or scroll through the values with the mouse wheel, then click an empty cell to put the value there. To remove a wrong value, select the Erase button and click the value in the same way.</source>
        <translation>Выберите значение на панели внизу окна или прокрутите значения колёсиком мыши, затем щёлкните пустую клетку, чтобы записать его туда. Чтобы убрать неверное значение, выберите Ластик и так же щёлкните это значение.</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>Догадки</translation>
    </message>
    <message>
        <source>Not sure yet? Tick &quot;Just guessing&quot;. The values you insert then appear in a different colour, so you can tell them apart from the values you are sure of. A game cannot be completed while guesses are on the board.</source>
        <translation>Ещё не уверены? Отметьте «Догадка». Записанные значения будут другого цвета, чтобы их можно было отличить от уверенных. Пока на поле есть догадки, игру нельзя завершить.</translation>
    </message>
    <message>
        <source>Submitting</source>
        <translation>Сдача</translation>
    </message>
    <message>
        <source>As soon as every cell holds a value (guesses do not count), a Submit button appears. Click it to have your solution checked. If it is wrong, you can correct it and submit it again. Any solution that breaks none of the rules is accepted.</source>
        <translation>Как только в каждой клетке есть значение (догадки не считаются), появляется кнопка «Сдать». Нажмите её, чтобы проверить решение. Если оно неверное, его можно исправить и сдать снова. Принимается любое решение, не нарушающее правил.</translation>
    </message>
    <message>
        <source>Playing options:</source>
        <translation>Действия во время игры:</translation>
    </message>
    <message>
        <source>The &quot;Options&quot; menu offers four more things to do while you play.</source>
        <translation>Меню «Действия» даёт ещё четыре возможности во время игры.</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Стереть всё</translation>
    </message>
    <message>
        <source>&quot;Clear all&quot; on the &quot;Options&quot; menu removes every value you have inserted, so you can start the same puzzle anew.</source>
        <translation>«Стереть всё» в меню «Действия» убирает все записанные вами значения, чтобы начать ту же головоломку заново.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Решить</translation>
    </message>
    <message>
        <source>&quot;Solve&quot; on the &quot;Options&quot; menu lets the computer solve the puzzle for you.</source>
        <translation>«Решить» в меню «Действия» поручает решение головоломки компьютеру.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>&quot;Pause&quot; on the &quot;Options&quot; menu hides the puzzle and stops the clock until you resume the game.</source>
        <translation>«Пауза» в меню «Действия» скрывает головоломку и останавливает часы, пока вы не продолжите игру.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>There are three levels. On Easy, five of the nine values of each block are shown; on Medium, four; and on Hard, three. Which values are shown is chosen at random when the puzzle is generated.</source>
        <translation>Уровней три. На лёгком в каждом блоке показано пять значений из девяти, на среднем — четыре, на сложном — три. Какие значения показаны, выбирается случайно при создании головоломки.</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>Другие возможности:</translation>
    </message>
    <message>
        <source>Three more options are found on the &quot;Game&quot; menu.</source>
        <translation>Ещё три возможности есть в меню «Игра».</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>&quot;Sound&quot; on the &quot;Game&quot; menu turns all sounds off, and on again.</source>
        <translation>«Звук» в меню «Игра» выключает все звуки и включает их снова.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>&quot;Print&quot; on the &quot;Game&quot; menu prints the current puzzle with every value on the board, guesses included.</source>
        <translation>«Печать» в меню «Игра» печатает текущую головоломку со всеми значениями, включая догадки.</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>The time you take to solve a puzzle is recorded. The best time of each level is kept together with the player&apos;s name. The best-times command on the &quot;Game&quot; menu shows them, and &quot;Reset scores&quot; in its window clears them all.</source>
        <translation>Время решения головоломки засекается. Лучшее время каждого уровня хранится вместе с именем игрока. «Лучшее время» в меню «Игра» показывает его, а «Сбросить» в этом окне стирает все записи.</translation>
    </message>
    <message>
        <source>Enjoy the game!</source>
        <translation>Приятной игры!</translation>
    </message>
    <message>
        <source>Rules of Tolvane:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Правила Tolvane:</translation>
    </message>
    <message>
        <source>The object of the game is to fill in all the missing values according to the rules. A completed grid that breaks no rule earns a score: the time you took. There are just three rules.</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Цель игры — заполнить все недостающие значения по правилам. Заполненная сетка без нарушений правил приносит результат: ваше время. Правил всего три.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>The puzzle is made of nine big blocks, framed in black. Each big block is made of nine small blocks, framed in blue: these are the cells. Every big block must hold every number from 1 to 9, so each number appears in it exactly once, like this:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Головоломка состоит из девяти больших блоков в чёрной рамке. Каждый большой блок состоит из девяти маленьких в синей рамке: это клетки. В каждом большом блоке должны быть все цифры от 1 до 9, каждая ровно один раз, вот так:</translation>
    </message>
    <message>
        <source>Rows &amp; Columns</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>Строки и столбцы</translation>
    </message>
    <message>
        <source>Every row and every column of the puzzle must also hold every number from 1 to 9, each exactly once. Here are a filled column and a filled row:</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>В каждой строке и каждом столбце тоже должны быть все цифры от 1 до 9, каждая ровно один раз. Вот заполненный столбец и заполненная строка:</translation>
    </message>
    <message>
        <source>Consequences</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Следствия</translation>
    </message>
    <message>
        <source>Because of these rules, no block, row or column can ever hold the same number twice.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Из этих правил следует, что ни в блоке, ни в строке, ни в столбце одна цифра не встречается дважды.</translation>
    </message>
    <message>
        <source>Usually a puzzle has just one solution. Sometimes, however, the same two values are missing in two rows, and in the same two columns. Then the two values can be filled in either way round: both orders are valid solutions, and Tolvane accepts either of them.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Обычно у головоломки одно решение. Но иногда в двух строках не хватает одних и тех же двух значений, и в одних и тех же двух столбцах. Тогда их можно расставить в любом порядке: оба решения верны, и Tolvane примет любое.</translation>
    </message>
    <message>
        <source>In the picture below, 2 and 7 are missing in both rows:</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>На рисунке ниже в обеих строках нет 2 и 7:</translation>
    </message>
    <message>
        <source>Whichever way round you put the 2 and the 7, every row, every column and every block still holds each number once. The same can happen in two columns, and more rarely a puzzle may even have more than two solutions. Any of them is accepted.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Как бы вы ни поставили 2 и 7, в каждой строке, столбце и блоке каждая цифра будет один раз. То же бывает в двух столбцах, а изредка у головоломки даже больше двух решений. Принимается любое.</translation>
    </message>
    <message>
        <source>The working of Tolvane</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Как работает Tolvane</translation>
    </message>
    <message>
        <source>For every new game, Tolvane builds a complete grid of its own. It fills every block at random and tests it against the rules as it goes, trying again whenever a block does not fit. That is why generating a puzzle takes a moment.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Для каждой новой игры Tolvane строит свою полную сетку. Он заполняет каждый блок случайно, сразу проверяет его по правилам и пробует снова, если блок не подходит. Поэтому создание головоломки занимает немного времени.</translation>
    </message>
    <message>
        <source>There are so many possible grids that the chance of getting the same grid twice is 1 in 6670903752021072936960.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Возможных сеток так много, что вероятность получить одну и ту же дважды — 1 к 6670903752021072936960.</translation>
    </message>
    <message>
        <source>When the grid is complete, the values shown in each block are chosen at random according to the level: five on Easy, four on Medium and three on Hard. The rest is up to you: have fun!</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Когда сетка готова, показанные в каждом блоке значения выбираются случайно по уровню: пять на лёгком, четыре на среднем и три на сложном. Остальное за вами: удачи!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>A filled block</source>
        <translation>Заполненный блок</translation>
    </message>
    <message>
        <source>Three rows of three cells holding 1 to 9 once each</source>
        <translation>Три ряда по три клетки с цифрами от 1 до 9, каждая один раз</translation>
    </message>
    <message>
        <source>A filled column</source>
        <translation>Заполненный столбец</translation>
    </message>
    <message>
        <source>Nine cells one above the other holding 1 to 9</source>
        <translation>Девять клеток одна под другой с цифрами от 1 до 9</translation>
    </message>
    <message>
        <source>A filled row</source>
        <translation>Заполненная строка</translation>
    </message>
    <message>
        <source>Nine cells side by side holding 1 to 9</source>
        <translation>Девять клеток в ряд с цифрами от 1 до 9</translation>
    </message>
    <message>
        <source>Two rows with two solutions</source>
        <translation>Две строки с двумя решениями</translation>
    </message>
    <message>
        <source>Two rows, both missing 2 and 7 in the same two columns</source>
        <translation>Две строки, в обеих нет 2 и 7 в одних и тех же двух столбцах</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Сложный</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Игра</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Стереть всё</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Решить</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Tool panel button, 81 x 19 px, 11 px bold</extracomment>
        <translation>Сдать</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Tool panel button, 49 x 22 px, 11 px bold</extracomment>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>Just guessing</source>
        <extracomment>Tool panel check box, 97 px with its box, 11 px bold</extracomment>
        <translation>Догадка</translation>
    </message>
    <message>
        <source>Click &apos;Game&apos; to start</source>
        <extracomment>Status line, 11 px bold; up to 150 px, the Submit button stands to its right</extracomment>
        <translation>Нажмите «Игра»</translation>
    </message>
    <message>
        <source>Tool %1</source>
        <extracomment>Spoken by a screen reader: the tool picked by key, %1 its button&apos;s text (no pixel budget)</extracomment>
        <translation>Инструмент %1</translation>
    </message>
    <message>
        <source>Every cell is filled: Submit</source>
        <extracomment>Spoken by a screen reader when the Submit button appears (no pixel budget)</extracomment>
        <translation>Все клетки заполнены: «Сдать»</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>NameBox</name>
    <message>
        <source>Anonymous</source>
        <extracomment>The name of a record holder who gave none; best-times window, 169 px column, 13 px bold</extracomment>
        <translation>Аноним</translation>
    </message>
    <message>
        <source>New Best time</source>
        <translation>Новое лучшее время</translation>
    </message>
    <message>
        <source>Best time. Please enter your name</source>
        <translation>Лучшее время! Введите своё имя</translation>
    </message>
</context>
<context>
    <name>NoticeWindow</name>
    <message>
        <source>New puzzle generated.</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Головоломка готова.</translation>
    </message>
    <message>
        <source>Click OK to start.</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Нажмите ОК.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Press OK to continue</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Нажмите ОК</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Do you want to print the current puzzle ?</source>
        <translation>Напечатать текущую головоломку?</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Принтер по умолчанию не выбран</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer could not start the document</source>
        <translation>Принтер не смог начать документ</translation>
    </message>
    <message>
        <source>The printer could not finish the document</source>
        <translation>Принтер не смог завершить документ</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Generating</source>
        <extracomment>Caption of the progress window, 358 px wide client area</extracomment>
        <translation>Создание</translation>
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
        <translation>Системная ошибка: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 — не обычный файл.</translation>
    </message>
    <message>
        <source>%1: the audio output cannot play this format (%2 Hz, channels: %3).</source>
        <extracomment>%1 the sound file, %2 its sample rate, %3 its channels</extracomment>
        <translation>%1: звуковой выход не может воспроизвести этот формат (%2 Гц, каналов: %3).</translation>
    </message>
</context>
<context>
    <name>ScoreFileLock</name>
    <message>
        <source>another program</source>
        <translation>другая программа</translation>
    </message>
    <message>
        <source>another Tolvane game</source>
        <translation>другая игра Tolvane</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>другая программа (процесс %1)</translation>
    </message>
    <message>
        <source>another program (%1, process %2)</source>
        <extracomment>%1 the program&apos;s name, %2 its process number</extracomment>
        <translation>другая программа (%1, процесс %2)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2 holds it just now</source>
        <extracomment>%1 the file, %2 who holds it: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>Не удаётся создать файл «%1». Его сейчас занимает %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. No lock of yours can be had on it just now</source>
        <extracomment>%1 the file</extracomment>
        <translation>Не удаётся создать файл «%1». Сейчас его нельзя заблокировать для вас</translation>
    </message>
</context>
<context>
    <name>ScoreFileStore</name>
    <message>
        <source>It would grow beyond 1 MiB, more than Tolvane reads</source>
        <translation>Он превысил бы 1 МиБ — больше, чем читает Tolvane</translation>
    </message>
</context>
<context>
    <name>ScoreSaves</name>
    <message>
        <source>Another Tolvane game is saving the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <translation>Другая игра Tolvane сейчас сохраняет файл результатов. Ваше изменение сохранено и будет записано, как только файл освободится, самое позднее при закрытии Tolvane.</translation>
    </message>
    <message>
        <source>%1 holds the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <extracomment>%1 who holds the file: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>Файл результатов сейчас занимает %1. Ваше изменение сохранено и будет записано, как только файл освободится, самое позднее при закрытии Tolvane.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; another Tolvane game is saving the score file just now.</source>
        <translation>Tolvane закроется, как только сохранит ваши изменения; другая игра Tolvane сейчас сохраняет файл результатов.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; %1 holds the score file just now.</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Tolvane закроется, как только сохранит ваши изменения; файл результатов сейчас занимает %1.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: another Tolvane game is still saving the score file. Close without them?</source>
        <translation>Ваши изменения ещё не сохранены: другая игра Tolvane всё ещё сохраняет файл результатов. Закрыть без них?</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: %1 still holds the score file. Close without them?</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Ваши изменения ещё не сохранены: файл результатов всё ещё занимает %1. Закрыть без них?</translation>
    </message>
    <message>
        <source>Your change is saved, but not the changes that an earlier Tolvane game kept beside the score file: %1</source>
        <extracomment>%1 why the kept changes could not be made, from the score file&apos;s own messages</extracomment>
        <translation>Ваше изменение сохранено, но не изменения, которые прежняя игра Tolvane оставила рядом с файлом результатов: %1</translation>
    </message>
    <message>
        <source>No lock of yours can be had on the score file just now. Your change is kept and saved as soon as one can, at the latest when you close Tolvane.</source>
        <translation>Файл результатов сейчас нельзя заблокировать для вас. Ваше изменение сохранено и будет записано, как только это станет возможно, самое позднее при закрытии Tolvane.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; no lock of yours can be had on the score file just now.</source>
        <translation>Tolvane закроется, как только сохранит ваши изменения; файл результатов сейчас нельзя заблокировать для вас.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: still no lock of yours can be had on the score file. Close without them?</source>
        <translation>Ваши изменения ещё не сохранены: файл результатов всё ещё нельзя заблокировать для вас. Закрыть без них?</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Some sound files may be missing</source>
        <translation>Возможно, некоторых звуковых файлов нет</translation>
    </message>
</context>
<context>
    <name>TrustedPath</name>
    <message>
        <source>It leads through the link &quot;%1&quot;, which belongs to another user; the game does not follow it</source>
        <translation>Путь идёт через ссылку «%1», принадлежащую другому пользователю; игра по ней не переходит</translation>
    </message>
</context>
</TS>
