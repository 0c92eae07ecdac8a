<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Tolvane logo</source>
        <translation>Logo Tolvane</translation>
    </message>
    <message>
        <source>A puzzle grid with a pencil writing in it</source>
        <translation>Plansza łamigłówki, w której pisze ołówek</translation>
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
        <translation>%1. Nie można odczytać najlepszych czasów w „%2”, więc Twój czas %3 nie został zapisany; plik pozostał bez zmian. Aby znów zapisywać czasy, napraw jego blok najlepszych czasów: wiersz „high”, a potem dla poziomów Łatwy, Średni i Trudny imię i czas w sekundach.</translation>
    </message>
</context>
<context>
    <name>BestTimesWindow</name>
    <message>
        <source>Best times</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>A trophy cup</source>
        <translation>Puchar</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Heading of the times&apos; column, 13 px bold, up to 105 px</extracomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>Wyzeruj</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset the best scores?</source>
        <translation>Wyzerować najlepsze czasy?</translation>
    </message>
    <message>
        <source>%1: no name, %2</source>
        <extracomment>Spoken by a screen reader: a best time with no name, %1 the level, %2 the time (no pixel budget)</extracomment>
        <translation>%1: bez imienia, %2</translation>
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
        <translation>ukryte</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s given digit (no pixel budget)</extracomment>
        <translation>podana %1</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s entry, the player&apos;s digit (no pixel budget)</extracomment>
        <translation>wpis %1</translation>
    </message>
    <message>
        <source>guess %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s guess, a digit marked as guessed (no pixel budget)</extracomment>
        <translation>wpis próbny %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken by a screen reader for a cell with no digit (no pixel budget)</extracomment>
        <translation>puste</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>Spoken by a screen reader: a cell, %3 what it holds (no pixel budget)</extracomment>
        <translation>Wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name (no pixel budget)</extracomment>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>New %1 puzzle: %2 givens, %3 cells to fill</source>
        <extracomment>Spoken by a screen reader: %1 the level, %2 the givens, %3 the empty cells (no pixel budget)</extracomment>
        <translation>Nowa łamigłówka, poziom %1: podanych %2, pól do wypełnienia %3</translation>
    </message>
    <message>
        <source>Solved</source>
        <extracomment>Spoken by a screen reader: the player solved the puzzle (no pixel budget)</extracomment>
        <translation>Rozwiązane</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Spoken by a screen reader: Solve filled the board (no pixel budget)</extracomment>
        <translation>Rozwiązane przez komputer</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>To nazwany potok, nie plik</translation>
    </message>
    <message>
        <source>Is a link that was put in its place meanwhile</source>
        <translation>To dowiązanie, które w międzyczasie postawiono na jego miejscu</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2. The file is left as it was: the earlier best times are unchanged</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Nie można zapisać pliku „%1”. %2. Plik pozostał bez zmian: dotychczasowe najlepsze czasy się nie zmieniły</translation>
    </message>
</context>
<context>
    <name>GameClock</name>
    <message>
        <source>Time: %1</source>
        <extracomment>Status line while the clock runs, 11 px bold, up to 150 px (the Submit button follows)</extracomment>
        <translation>Czas: %1</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>Start a new puzzle?</source>
        <translation>Zacząć nową łamigłówkę?</translation>
    </message>
    <message>
        <source>Clear all inserted values?</source>
        <translation>Usunąć wszystkie wpisy?</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Status line, 11 px bold, up to 150 px</extracomment>
        <translation>Rozwiązane przez komputer</translation>
    </message>
    <message>
        <source>Correct. Your time is %1</source>
        <translation>Dobrze! Twój czas: %1</translation>
    </message>
    <message>
        <source>Puzzle solved incorrectly, press OK to continue.</source>
        <translation>Łamigłówka rozwiązana błędnie. Kliknij OK, aby kontynuować.</translation>
    </message>
</context>
<context>
    <name>GeneratorProgress</name>
    <message>
        <source>          PLEASE  </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          PROSZĘ  </translation>
    </message>
    <message>
        <source>           WAIT   </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          CZEKAĆ  </translation>
    </message>
    <message>
        <source>Generating a new puzzle.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Tworzę nową łamigłówkę.</translation>
    </message>
    <message>
        <source>This may take up to a minute.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Potrwa to najwyżej minutę.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>How to play:</source>
        <translation>Jak grać:</translation>
    </message>
    <message>
        <source>Tolvane is meant to be easy to play. These guidelines show you how.</source>
        <translation>Tolvane ma być łatwy w obsłudze. Oto jak grać.</translation>
    </message>
    <message>
        <source>Starting a new game:</source>
        <translation>Nowa gra:</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; on the &quot;Game&quot; menu. After you have confirmed, a new puzzle is generated. This may take a little while, but never longer than a minute. A notification tells you when the puzzle is ready; the clock starts only when you click its OK button.</source>
        <translation>Wybierz „Nowa” w menu „Gra”. Po potwierdzeniu powstaje nowa łamigłówka. Może to chwilę potrwać, ale nigdy dłużej niż minutę. Komunikat powie Ci, kiedy łamigłówka jest gotowa; zegar rusza dopiero po kliknięciu jego przycisku OK.</translation>
    </message>
    <message>
        <source>Solving the puzzle:</source>
        <translation>Rozwiązywanie:</translation>
    </message>
    <message>
        <source>Solving comes down to three things: inserting values, guessing and submitting.</source>
        <translation>Rozwiązywanie sprowadza się do trzech rzeczy: wpisywania wartości, prób i sprawdzania.</translation>
    </message>
    <message>
        <source>Inserting values</source>
        <translation>Wpisywanie wartości</translation>
    </message>
    <message>
        <source>Select a value on the panel at the bottom of the window, or scroll through the values with the mouse wheel, then click an empty cell to put the value there. To remove a wrong value, select the Erase button and click the value in the same way.</source>
        <translation>Wybierz wartość na panelu u dołu okna albo przewiń wartości kółkiem myszy, a potem kliknij puste pole, aby ją tam wpisać. Aby usunąć błędną wartość, wybierz Gumkę i kliknij tę wartość w ten sam sposób.</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>Próby</translation>
    </message>
    <message>
        <source>Not sure yet? Tick &quot;Just guessing&quot;. The values you insert then appear in a different colour, so you can tell them apart from the values you are sure of. A game cannot be completed while guesses are on the board.</source>
        <translation>Nie masz pewności? Zaznacz „Na próbę”. Wpisywane wartości pojawią się wtedy w innym kolorze, więc odróżnisz je od tych, których jesteś pewien. Gry nie da się ukończyć, dopóki na planszy są wpisy próbne.</translation>
    </message>
    <message>
        <source>Submitting</source>
        <translation>Sprawdzanie</translation>
    </message>
    <message>
        <source>As soon as every cell holds a value (guesses do not count), a Submit button appears. Click it to have your solution checked. If it is wrong, you can correct it and submit it again. Any solution that breaks none of the rules is accepted.</source>
        <translation>Gdy każde pole ma wartość (wpisy próbne się nie liczą), pojawia się przycisk Sprawdź. Kliknij go, aby sprawdzić rozwiązanie. Jeśli jest błędne, możesz je poprawić i sprawdzić ponownie. Każde rozwiązanie zgodne z zasadami jest przyjmowane.</translation>
    </message>
    <message>
        <source>Playing options:</source>
        <translation>Opcje w trakcie gry:</translation>
    </message>
    <message>
        <source>The &quot;Options&quot; menu offers four more things to do while you play.</source>
        <translation>Menu „Opcje” daje cztery dodatkowe możliwości w trakcie gry.</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>&quot;Clear all&quot; on the &quot;Options&quot; menu removes every value you have inserted, so you can start the same puzzle anew.</source>
        <translation>„Wyczyść wszystko” w menu „Opcje” usuwa wszystkie wpisane wartości, aby zacząć tę samą łamigłówkę od nowa.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>&quot;Solve&quot; on the &quot;Options&quot; menu lets the computer solve the puzzle for you.</source>
        <translation>„Rozwiąż” w menu „Opcje” pozwala komputerowi rozwiązać łamigłówkę za Ciebie.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>&quot;Pause&quot; on the &quot;Options&quot; menu hides the puzzle and stops the clock until you resume the game.</source>
        <translation>„Pauza” w menu „Opcje” ukrywa łamigłówkę i zatrzymuje zegar, aż wrócisz do gry.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>There are three levels. On Easy, five of the nine values of each block are shown; on Medium, four; and on Hard, three. Which values are shown is chosen at random when the puzzle is generated.</source>
        <translation>Są trzy poziomy. Na Łatwym widać pięć z dziewięciu wartości każdego bloku, na Średnim cztery, a na Trudnym trzy. Które wartości są widoczne, losuje się przy tworzeniu łamigłówki.</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>Inne opcje:</translation>
    </message>
    <message>
        <source>Three more options are found on the &quot;Game&quot; menu.</source>
        <translation>Trzy kolejne opcje są w menu „Gra”.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>&quot;Sound&quot; on the &quot;Game&quot; menu turns all sounds off, and on again.</source>
        <translation>„Dźwięk” w menu „Gra” wyłącza wszystkie dźwięki i włącza je z powrotem.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>&quot;Print&quot; on the &quot;Game&quot; menu prints the current puzzle with every value on the board, guesses included.</source>
        <translation>„Drukuj” w menu „Gra” drukuje bieżącą łamigłówkę ze wszystkimi wartościami, także próbnymi.</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>The time you take to solve a puzzle is recorded. The best time of each level is kept together with the player&apos;s name. The best-times command on the &quot;Game&quot; menu shows them, and &quot;Reset scores&quot; in its window clears them all.</source>
        <translation>Czas rozwiązywania jest mierzony. Najlepszy czas każdego poziomu jest zapisywany razem z imieniem gracza. „Najlepsze czasy” w menu „Gra” je pokazują, a „Wyzeruj” w tym oknie kasuje je wszystkie.</translation>
    </message>
    <message>
        <source>Enjoy the game!</source>
        <translation>Miłej gry!</translation>
    </message>
    <message>
        <source>Rules of Tolvane:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Zasady Tolvane:</translation>
    </message>
    <message>
        <source>The object of the game is to fill in all the missing values according to the rules. A completed grid that breaks no rule earns a score: the time you took. There are just three rules.</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Celem gry jest uzupełnienie wszystkich brakujących wartości zgodnie z zasadami. Pełna plansza, która nie łamie żadnej zasady, daje wynik: Twój czas. Zasady są tylko trzy.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Bloki</translation>
    </message>
    <message>
        <source>The puzzle is made of nine big blocks, framed in black. Each big block is made of nine small blocks, framed in blue: these are the cells. Every big block must hold every number from 1 to 9, so each number appears in it exactly once, like this:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Łamigłówka składa się z dziewięciu dużych bloków w czarnych ramkach. Każdy duży blok składa się z dziewięciu małych w niebieskich ramkach: to pola. Każdy duży blok musi zawierać wszystkie cyfry od 1 do 9, każdą dokładnie raz, o tak:</translation>
    </message>
    <message>
        <source>Rows &amp; Columns</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>Wiersze i kolumny</translation>
    </message>
    <message>
        <source>Every row and every column of the puzzle must also hold every number from 1 to 9, each exactly once. Here are a filled column and a filled row:</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>Każdy wiersz i każda kolumna też musi zawierać wszystkie cyfry od 1 do 9, każdą dokładnie raz. Oto wypełniona kolumna i wypełniony wiersz:</translation>
    </message>
    <message>
        <source>Consequences</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Wnioski</translation>
    </message>
    <message>
        <source>Because of these rules, no block, row or column can ever hold the same number twice.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Z tych zasad wynika, że żaden blok, wiersz ani kolumna nie zawiera dwa razy tej samej cyfry.</translation>
    </message>
    <message>
        <source>Usually a puzzle has just one solution. Sometimes, however, the same two values are missing in two rows, and in the same two columns. Then the two values can be filled in either way round: both orders are valid solutions, and Tolvane accepts either of them.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Zwykle łamigłówka ma jedno rozwiązanie. Czasem jednak w dwóch wierszach brakuje tych samych dwóch wartości, w tych samych dwóch kolumnach. Wtedy można je wpisać w dowolnej kolejności: obie są poprawne i Tolvane przyjmie każdą.</translation>
    </message>
    <message>
        <source>In the picture below, 2 and 7 are missing in both rows:</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Na obrazku poniżej w obu wierszach brakuje 2 i 7:</translation>
    </message>
    <message>
        <source>Whichever way round you put the 2 and the 7, every row, every column and every block still holds each number once. The same can happen in two columns, and more rarely a puzzle may even have more than two solutions. Any of them is accepted.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Jakkolwiek wpiszesz 2 i 7, każdy wiersz, kolumna i blok zawiera każdą cyfrę raz. To samo może się zdarzyć w dwóch kolumnach, a rzadziej łamigłówka ma nawet więcej niż dwa rozwiązania. Każde jest przyjmowane.</translation>
    </message>
    <message>
        <source>The working of Tolvane</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Jak działa Tolvane</translation>
    </message>
    <message>
        <source>For every new game, Tolvane builds a complete grid of its own. It fills every block at random and tests it against the rules as it goes, trying again whenever a block does not fit. That is why generating a puzzle takes a moment.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Do każdej nowej gry Tolvane buduje własną pełną planszę. Wypełnia każdy blok losowo, na bieżąco sprawdza go z zasadami i próbuje ponownie, gdy blok nie pasuje. Dlatego tworzenie łamigłówki chwilę trwa.</translation>
    </message>
    <message>
        <source>There are so many possible grids that the chance of getting the same grid twice is 1 in 6670903752021072936960.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Możliwych plansz jest tak wiele, że szansa na dwukrotne otrzymanie tej samej wynosi 1 do 6670903752021072936960.</translation>
    </message>
    <message>
        <source>When the grid is complete, the values shown in each block are chosen at random according to the level: five on Easy, four on Medium and three on Hard. The rest is up to you: have fun!</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Gdy plansza jest gotowa, widoczne wartości każdego bloku losuje się według poziomu: pięć na Łatwym, cztery na Średnim i trzy na Trudnym. Reszta należy do Ciebie: baw się dobrze!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>A filled block</source>
        <translation>Wypełniony blok</translation>
    </message>
    <message>
        <source>Three rows of three cells holding 1 to 9 once each</source>
        <translation>Trzy rzędy po trzy pola z cyframi od 1 do 9, każdą raz</translation>
    </message>
    <message>
        <source>A filled column</source>
        <translation>Wypełniona kolumna</translation>
    </message>
    <message>
        <source>Nine cells one above the other holding 1 to 9</source>
        <translation>Dziewięć pól jedno pod drugim z cyframi od 1 do 9</translation>
    </message>
    <message>
        <source>A filled row</source>
        <translation>Wypełniony wiersz</translation>
    </message>
    <message>
        <source>Nine cells side by side holding 1 to 9</source>
        <translation>Dziewięć pól obok siebie z cyframi od 1 do 9</translation>
    </message>
    <message>
        <source>Two rows with two solutions</source>
        <translation>Dwa wiersze z dwoma rozwiązaniami</translation>
    </message>
    <message>
        <source>Two rows, both missing 2 and 7 in the same two columns</source>
        <translation>Dwa wiersze, w obu brak 2 i 7 w tych samych dwóch kolumnach</translation>
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
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Trudny</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Tool panel button, 81 x 19 px, 11 px bold</extracomment>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Tool panel button, 49 x 22 px, 11 px bold</extracomment>
        <translation>Gumka</translation>
    </message>
    <message>
        <source>Just guessing</source>
        <extracomment>Tool panel check box, 97 px with its box, 11 px bold</extracomment>
        <translation>Na próbę</translation>
    </message>
    <message>
        <source>Click &apos;Game&apos; to start</source>
        <extracomment>Status line, 11 px bold; up to 150 px, the Submit button stands to its right</extracomment>
        <translation>Kliknij „Gra”, by zacząć</translation>
    </message>
    <message>
        <source>Tool %1</source>
        <extracomment>Spoken by a screen reader: the tool picked by key, %1 its button&apos;s text (no pixel budget)</extracomment>
        <translation>Narzędzie %1</translation>
    </message>
    <message>
        <source>Every cell is filled: Submit</source>
        <extracomment>Spoken by a screen reader when the Submit button appears (no pixel budget)</extracomment>
        <translation>Wszystkie pola wypełnione: Sprawdź</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>NameBox</name>
    <message>
        <source>Anonymous</source>
        <extracomment>The name of a record holder who gave none; best-times window, 169 px column, 13 px bold</extracomment>
        <translation>Anonim</translation>
    </message>
    <message>
        <source>New Best time</source>
        <translation>Nowy najlepszy czas</translation>
    </message>
    <message>
        <source>Best time. Please enter your name</source>
        <translation>Najlepszy czas! Wpisz swoje imię</translation>
    </message>
</context>
<context>
    <name>NoticeWindow</name>
    <message>
        <source>New puzzle generated.</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Nowa łamigłówka gotowa.</translation>
    </message>
    <message>
        <source>Click OK to start.</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Kliknij OK, by zacząć.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Gra wstrzymana</translation>
    </message>
    <message>
        <source>Press OK to continue</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>OK, by kontynuować</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
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
        <translation>Czy wydrukować bieżącą łamigłówkę?</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nie wybrano domyślnej drukarki</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer could not start the document</source>
        <translation>Drukarka nie mogła rozpocząć dokumentu</translation>
    </message>
    <message>
        <source>The printer could not finish the document</source>
        <translation>Drukarka nie mogła zakończyć dokumentu</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Generating</source>
        <extracomment>Caption of the progress window, 358 px wide client area</extracomment>
        <translation>Tworzenie</translation>
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
        <translation>Błąd systemu: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>%1: the audio output cannot play this format (%2 Hz, channels: %3).</source>
        <extracomment>%1 the sound file, %2 its sample rate, %3 its channels</extracomment>
        <translation>%1: wyjście dźwięku nie odtworzy tego formatu (%2 Hz, kanały: %3).</translation>
    </message>
</context>
<context>
    <name>ScoreFileLock</name>
    <message>
        <source>another program</source>
        <translation>inny program</translation>
    </message>
    <message>
        <source>another Tolvane game</source>
        <translation>inna gra Tolvane</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>inny program (proces %1)</translation>
    </message>
    <message>
        <source>another program (%1, process %2)</source>
        <extracomment>%1 the program&apos;s name, %2 its process number</extracomment>
        <translation>inny program (%1, proces %2)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2 holds it just now</source>
        <extracomment>%1 the file, %2 who holds it: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>Nie można utworzyć pliku „%1”. %2 właśnie go zajmuje</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. No lock of yours can be had on it just now</source>
        <extracomment>%1 the file</extracomment>
        <translation>Nie można utworzyć pliku „%1”. Nie można go teraz dla Ciebie zablokować</translation>
    </message>
</context>
<context>
    <name>ScoreFileStore</name>
    <message>
        <source>It would grow beyond 1 MiB, more than Tolvane reads</source>
        <translation>Przekroczyłby 1 MiB, więcej niż czyta Tolvane</translation>
    </message>
</context>
<context>
    <name>ScoreSaves</name>
    <message>
        <source>Another Tolvane game is saving the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <translation>Inna gra Tolvane właśnie zapisuje plik wyników. Twoja zmiana jest zachowana i zostanie zapisana, gdy plik się zwolni, najpóźniej przy zamknięciu Tolvane.</translation>
    </message>
    <message>
        <source>%1 holds the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <extracomment>%1 who holds the file: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>%1 właśnie zajmuje plik wyników. Twoja zmiana jest zachowana i zostanie zapisana, gdy plik się zwolni, najpóźniej przy zamknięciu Tolvane.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; another Tolvane game is saving the score file just now.</source>
        <translation>Tolvane zamknie się, gdy tylko zapisze Twoje zmiany; inna gra Tolvane właśnie zapisuje plik wyników.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; %1 holds the score file just now.</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Tolvane zamknie się, gdy tylko zapisze Twoje zmiany; %1 właśnie zajmuje plik wyników.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: another Tolvane game is still saving the score file. Close without them?</source>
        <translation>Twoje zmiany nie są jeszcze zapisane: inna gra Tolvane wciąż zapisuje plik wyników. Zamknąć bez nich?</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: %1 still holds the score file. Close without them?</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Twoje zmiany nie są jeszcze zapisane: %1 wciąż zajmuje plik wyników. Zamknąć bez nich?</translation>
    </message>
    <message>
        <source>Your change is saved, but not the changes that an earlier Tolvane game kept beside the score file: %1</source>
        <extracomment>%1 why the kept changes could not be made, from the score file&apos;s own messages</extracomment>
        <translation>Twoja zmiana jest zapisana, ale nie zmiany, które wcześniejsza gra Tolvane zachowała obok pliku wyników: %1</translation>
    </message>
    <message>
        <source>No lock of yours can be had on the score file just now. Your change is kept and saved as soon as one can, at the latest when you close Tolvane.</source>
        <translation>Nie można teraz zablokować dla Ciebie pliku wyników. Twoja zmiana jest zachowana i zostanie zapisana, gdy tylko się da, najpóźniej przy zamknięciu Tolvane.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; no lock of yours can be had on the score file just now.</source>
        <translation>Tolvane zamknie się, gdy tylko zapisze Twoje zmiany; nie można teraz zablokować dla Ciebie pliku wyników.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: still no lock of yours can be had on the score file. Close without them?</source>
        <translation>Twoje zmiany nie są jeszcze zapisane: wciąż nie można zablokować dla Ciebie pliku wyników. Zamknąć bez nich?</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Some sound files may be missing</source>
        <translation>Może brakować niektórych plików dźwiękowych</translation>
    </message>
</context>
<context>
    <name>TrustedPath</name>
    <message>
        <source>It leads through the link &quot;%1&quot;, which belongs to another user; the game does not follow it</source>
        <translation>Prowadzi przez dowiązanie „%1”, które należy do innego użytkownika; gra za nim nie podąża</translation>
    </message>
</context>
</TS>
