<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Tolvane logo</source>
        <translation>Tolvane-Logo</translation>
    </message>
    <message>
        <source>A puzzle grid with a pencil writing in it</source>
        <translation>Ein Rätselgitter, in das ein Bleistift schreibt</translation>
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
        <translation>%1. Die Bestzeiten in „%2“ können nicht gelesen werden, daher wird Ihre Zeit von %3 nicht eingetragen; die Datei bleibt unverändert. Um wieder Zeiten einzutragen, reparieren Sie ihren Bestzeiten-Block: eine Zeile „high“, dann für Leicht, Mittel und Schwer je ein Name und eine Zeit in Sekunden.</translation>
    </message>
</context>
<context>
    <name>BestTimesWindow</name>
    <message>
        <source>Best times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>A trophy cup</source>
        <translation>Ein Siegerpokal</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Heading of the times&apos; column, 13 px bold, up to 105 px</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset the best scores?</source>
        <translation>Bestzeiten löschen?</translation>
    </message>
    <message>
        <source>%1: no name, %2</source>
        <extracomment>Spoken by a screen reader: a best time with no name, %1 the level, %2 the time (no pixel budget)</extracomment>
        <translation>%1: ohne Namen, %2</translation>
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
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s given digit (no pixel budget)</extracomment>
        <translation>Vorgabe %1</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s entry, the player&apos;s digit (no pixel budget)</extracomment>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>guess %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s guess, a digit marked as guessed (no pixel budget)</extracomment>
        <translation>Vermutung %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken by a screen reader for a cell with no digit (no pixel budget)</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>Spoken by a screen reader: a cell, %3 what it holds (no pixel budget)</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name (no pixel budget)</extracomment>
        <translation>Brett</translation>
    </message>
    <message>
        <source>New %1 puzzle: %2 givens, %3 cells to fill</source>
        <extracomment>Spoken by a screen reader: %1 the level, %2 the givens, %3 the empty cells (no pixel budget)</extracomment>
        <translation>Neues Rätsel, Stufe %1: %2 Vorgaben, %3 Zellen zu füllen</translation>
    </message>
    <message>
        <source>Solved</source>
        <extracomment>Spoken by a screen reader: the player solved the puzzle (no pixel budget)</extracomment>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Spoken by a screen reader: Solve filled the board (no pixel budget)</extracomment>
        <translation>Vom Computer gelöst</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>Is a link that was put in its place meanwhile</source>
        <translation>Ist eine Verknüpfung, die inzwischen an ihre Stelle gesetzt wurde</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2. The file is left as it was: the earlier best times are unchanged</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Die Datei „%1“ kann nicht gespeichert werden. %2. Die Datei bleibt unverändert: die bisherigen Bestzeiten gelten weiter</translation>
    </message>
</context>
<context>
    <name>GameClock</name>
    <message>
        <source>Time: %1</source>
        <extracomment>Status line while the clock runs, 11 px bold, up to 150 px (the Submit button follows)</extracomment>
        <translation>Zeit: %1</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>Start a new puzzle?</source>
        <translation>Ein neues Rätsel beginnen?</translation>
    </message>
    <message>
        <source>Clear all inserted values?</source>
        <translation>Alle Einträge löschen?</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Status line, 11 px bold, up to 150 px</extracomment>
        <translation>Vom Computer gelöst</translation>
    </message>
    <message>
        <source>Correct. Your time is %1</source>
        <translation>Richtig! Ihre Zeit: %1</translation>
    </message>
    <message>
        <source>Puzzle solved incorrectly, press OK to continue.</source>
        <translation>Das Rätsel ist leider falsch gelöst. Weiter mit OK.</translation>
    </message>
</context>
<context>
    <name>GeneratorProgress</name>
    <message>
        <source>          PLEASE  </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          BITTE  </translation>
    </message>
    <message>
        <source>           WAIT   </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          WARTEN  </translation>
    </message>
    <message>
        <source>Generating a new puzzle.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Neues Rätsel entsteht.</translation>
    </message>
    <message>
        <source>This may take up to a minute.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Höchstens eine Minute.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>How to play:</source>
        <translation>Spielanleitung:</translation>
    </message>
    <message>
        <source>Tolvane is meant to be easy to play. These guidelines show you how.</source>
        <translation>Tolvane ist leicht zu spielen. Diese Hinweise zeigen, wie es geht.</translation>
    </message>
    <message>
        <source>Starting a new game:</source>
        <translation>Ein neues Spiel beginnen:</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; on the &quot;Game&quot; menu. After you have confirmed, a new puzzle is generated. This may take a little while, but never longer than a minute. A notification tells you when the puzzle is ready; the clock starts only when you click its OK button.</source>
        <translation>Wählen Sie „Neu“ im Menü „Spiel“. Nach Ihrer Bestätigung wird ein neues Rätsel erstellt. Das kann einen Moment dauern, aber nie länger als eine Minute. Eine Meldung sagt Ihnen, wann das Rätsel bereit ist; die Uhr läuft erst, wenn Sie dort auf OK klicken.</translation>
    </message>
    <message>
        <source>Solving the puzzle:</source>
        <translation>Das Rätsel lösen:</translation>
    </message>
    <message>
        <source>Solving comes down to three things: inserting values, guessing and submitting.</source>
        <translation>Beim Lösen geht es um drei Dinge: Werte eintragen, vermuten und abgeben.</translation>
    </message>
    <message>
        <source>Inserting values</source>
        <translation>Werte eintragen</translation>
    </message>
    <message>
        <source>Select a value on the panel at the bottom of the window, or scroll through the values with the mouse wheel, then click an empty cell to put the value there. To remove a wrong value, select the Erase button and click the value in the same way.</source>
        <translation>Wählen Sie unten im Fenster einen Wert aus oder blättern Sie mit dem Mausrad durch die Werte, und klicken Sie dann auf eine leere Zelle, um den Wert dort einzutragen. Um einen falschen Wert zu entfernen, wählen Sie „Leeren“ und klicken Sie ebenso auf den Wert.</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>Vermuten</translation>
    </message>
    <message>
        <source>Not sure yet? Tick &quot;Just guessing&quot;. The values you insert then appear in a different colour, so you can tell them apart from the values you are sure of. A game cannot be completed while guesses are on the board.</source>
        <translation>Noch nicht sicher? Kreuzen Sie „Vermutung“ an. Ihre Einträge erscheinen dann in einer anderen Farbe, damit Sie sie von den sicheren Werten unterscheiden können. Solange Vermutungen auf dem Brett stehen, kann das Spiel nicht beendet werden.</translation>
    </message>
    <message>
        <source>Submitting</source>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>As soon as every cell holds a value (guesses do not count), a Submit button appears. Click it to have your solution checked. If it is wrong, you can correct it and submit it again. Any solution that breaks none of the rules is accepted.</source>
        <translation>Sobald jede Zelle einen Wert enthält (Vermutungen zählen nicht), erscheint der Knopf „Abgeben“. Klicken Sie darauf, um Ihre Lösung prüfen zu lassen. Ist sie falsch, können Sie sie berichtigen und erneut abgeben. Jede Lösung, die keine Regel verletzt, wird angenommen.</translation>
    </message>
    <message>
        <source>Playing options:</source>
        <translation>Optionen beim Spielen:</translation>
    </message>
    <message>
        <source>The &quot;Options&quot; menu offers four more things to do while you play.</source>
        <translation>Das Menü „Optionen“ bietet während des Spiels vier weitere Möglichkeiten.</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>&quot;Clear all&quot; on the &quot;Options&quot; menu removes every value you have inserted, so you can start the same puzzle anew.</source>
        <translation>„Alles löschen“ im Menü „Optionen“ entfernt alle Ihre Einträge, sodass Sie dasselbe Rätsel neu beginnen können.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>&quot;Solve&quot; on the &quot;Options&quot; menu lets the computer solve the puzzle for you.</source>
        <translation>„Lösen“ im Menü „Optionen“ lässt den Computer das Rätsel für Sie lösen.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&quot;Pause&quot; on the &quot;Options&quot; menu hides the puzzle and stops the clock until you resume the game.</source>
        <translation>„Pause“ im Menü „Optionen“ verbirgt das Rätsel und hält die Uhr an, bis Sie weiterspielen.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>There are three levels. On Easy, five of the nine values of each block are shown; on Medium, four; and on Hard, three. Which values are shown is chosen at random when the puzzle is generated.</source>
        <translation>Es gibt drei Stufen. Bei Leicht sind in jedem Block fünf der neun Werte vorgegeben, bei Mittel vier und bei Schwer drei. Welche Werte vorgegeben sind, wird beim Erstellen des Rätsels zufällig gewählt.</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>Weitere Optionen:</translation>
    </message>
    <message>
        <source>Three more options are found on the &quot;Game&quot; menu.</source>
        <translation>Drei weitere Optionen finden Sie im Menü „Spiel“.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>&quot;Sound&quot; on the &quot;Game&quot; menu turns all sounds off, and on again.</source>
        <translation>„Ton“ im Menü „Spiel“ schaltet alle Töne aus und wieder ein.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&quot;Print&quot; on the &quot;Game&quot; menu prints the current puzzle with every value on the board, guesses included.</source>
        <translation>„Drucken“ im Menü „Spiel“ druckt das aktuelle Rätsel mit allen Werten auf dem Brett, Vermutungen eingeschlossen.</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>The time you take to solve a puzzle is recorded. The best time of each level is kept together with the player&apos;s name. The best-times command on the &quot;Game&quot; menu shows them, and &quot;Reset scores&quot; in its window clears them all.</source>
        <translation>Die Zeit, die Sie für ein Rätsel brauchen, wird gemessen. Die Bestzeit jeder Stufe wird mit dem Namen des Spielers gespeichert. „Bestzeiten“ im Menü „Spiel“ zeigt sie an, und „Löschen“ in diesem Fenster setzt alle zurück.</translation>
    </message>
    <message>
        <source>Enjoy the game!</source>
        <translation>Viel Spaß beim Spielen!</translation>
    </message>
    <message>
        <source>Rules of Tolvane:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Regeln von Tolvane:</translation>
    </message>
    <message>
        <source>The object of the game is to fill in all the missing values according to the rules. A completed grid that breaks no rule earns a score: the time you took. There are just three rules.</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Ziel des Spiels ist es, alle fehlenden Werte nach den Regeln einzutragen. Ein vollständiges Gitter, das keine Regel verletzt, zählt mit Ihrer Zeit. Es gibt nur drei Regeln.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>The puzzle is made of nine big blocks, framed in black. Each big block is made of nine small blocks, framed in blue: these are the cells. Every big block must hold every number from 1 to 9, so each number appears in it exactly once, like this:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Das Rätsel besteht aus neun großen Blöcken mit schwarzem Rahmen. Jeder große Block besteht aus neun kleinen mit blauem Rahmen: den Zellen. Jeder große Block muss jede Zahl von 1 bis 9 enthalten, jede also genau einmal, so:</translation>
    </message>
    <message>
        <source>Rows &amp; Columns</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>Zeilen und Spalten</translation>
    </message>
    <message>
        <source>Every row and every column of the puzzle must also hold every number from 1 to 9, each exactly once. Here are a filled column and a filled row:</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>Auch jede Zeile und jede Spalte muss jede Zahl von 1 bis 9 genau einmal enthalten. Hier eine gefüllte Spalte und eine gefüllte Zeile:</translation>
    </message>
    <message>
        <source>Consequences</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>Because of these rules, no block, row or column can ever hold the same number twice.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Nach diesen Regeln kann kein Block, keine Zeile und keine Spalte eine Zahl zweimal enthalten.</translation>
    </message>
    <message>
        <source>Usually a puzzle has just one solution. Sometimes, however, the same two values are missing in two rows, and in the same two columns. Then the two values can be filled in either way round: both orders are valid solutions, and Tolvane accepts either of them.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Meist hat ein Rätsel genau eine Lösung. Manchmal aber fehlen in zwei Zeilen dieselben zwei Werte, und zwar in denselben zwei Spalten. Dann passen die beiden Werte in beiden Reihenfolgen: beide sind gültig, und Tolvane nimmt jede an.</translation>
    </message>
    <message>
        <source>In the picture below, 2 and 7 are missing in both rows:</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Im Bild unten fehlen in beiden Zeilen 2 und 7:</translation>
    </message>
    <message>
        <source>Whichever way round you put the 2 and the 7, every row, every column and every block still holds each number once. The same can happen in two columns, and more rarely a puzzle may even have more than two solutions. Any of them is accepted.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Wie herum Sie die 2 und die 7 auch eintragen, jede Zeile, Spalte und jeder Block enthält jede Zahl einmal. Dasselbe kann in zwei Spalten geschehen, und selten hat ein Rätsel sogar mehr als zwei Lösungen. Jede wird angenommen.</translation>
    </message>
    <message>
        <source>The working of Tolvane</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>So arbeitet Tolvane</translation>
    </message>
    <message>
        <source>For every new game, Tolvane builds a complete grid of its own. It fills every block at random and tests it against the rules as it goes, trying again whenever a block does not fit. That is why generating a puzzle takes a moment.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Für jedes neue Spiel baut Tolvane ein eigenes vollständiges Gitter. Es füllt jeden Block zufällig, prüft ihn dabei gegen die Regeln und versucht es erneut, wenn ein Block nicht passt. Darum dauert das Erstellen eines Rätsels einen Moment.</translation>
    </message>
    <message>
        <source>There are so many possible grids that the chance of getting the same grid twice is 1 in 6670903752021072936960.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Es gibt so viele mögliche Gitter, dass die Chance, zweimal dasselbe zu bekommen, 1 zu 6670903752021072936960 beträgt.</translation>
    </message>
    <message>
        <source>When the grid is complete, the values shown in each block are chosen at random according to the level: five on Easy, four on Medium and three on Hard. The rest is up to you: have fun!</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Ist das Gitter fertig, werden die vorgegebenen Werte jedes Blocks je nach Stufe zufällig gewählt: fünf bei Leicht, vier bei Mittel und drei bei Schwer. Der Rest liegt bei Ihnen: viel Spaß!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>A filled block</source>
        <translation>Ein gefüllter Block</translation>
    </message>
    <message>
        <source>Three rows of three cells holding 1 to 9 once each</source>
        <translation>Drei Reihen zu drei Zellen mit 1 bis 9, jede Zahl einmal</translation>
    </message>
    <message>
        <source>A filled column</source>
        <translation>Eine gefüllte Spalte</translation>
    </message>
    <message>
        <source>Nine cells one above the other holding 1 to 9</source>
        <translation>Neun Zellen untereinander mit 1 bis 9</translation>
    </message>
    <message>
        <source>A filled row</source>
        <translation>Eine gefüllte Zeile</translation>
    </message>
    <message>
        <source>Nine cells side by side holding 1 to 9</source>
        <translation>Neun Zellen nebeneinander mit 1 bis 9</translation>
    </message>
    <message>
        <source>Two rows with two solutions</source>
        <translation>Zwei Zeilen mit zwei Lösungen</translation>
    </message>
    <message>
        <source>Two rows, both missing 2 and 7 in the same two columns</source>
        <translation>Zwei Zeilen, in beiden fehlen 2 und 7 in denselben zwei Spalten</translation>
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
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Schwer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Tool panel button, 81 x 19 px, 11 px bold</extracomment>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Tool panel button, 49 x 22 px, 11 px bold</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Just guessing</source>
        <extracomment>Tool panel check box, 97 px with its box, 11 px bold</extracomment>
        <translation>Vermutung</translation>
    </message>
    <message>
        <source>Click &apos;Game&apos; to start</source>
        <extracomment>Status line, 11 px bold; up to 150 px, the Submit button stands to its right</extracomment>
        <translation>Start über „Spiel“</translation>
    </message>
    <message>
        <source>Tool %1</source>
        <extracomment>Spoken by a screen reader: the tool picked by key, %1 its button&apos;s text (no pixel budget)</extracomment>
        <translation>Werkzeug %1</translation>
    </message>
    <message>
        <source>Every cell is filled: Submit</source>
        <extracomment>Spoken by a screen reader when the Submit button appears (no pixel budget)</extracomment>
        <translation>Jede Zelle ist gefüllt: Abgeben</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>NameBox</name>
    <message>
        <source>Anonymous</source>
        <extracomment>The name of a record holder who gave none; best-times window, 169 px column, 13 px bold</extracomment>
        <translation>Anonym</translation>
    </message>
    <message>
        <source>New Best time</source>
        <translation>Neue Bestzeit</translation>
    </message>
    <message>
        <source>Best time. Please enter your name</source>
        <translation>Bestzeit! Bitte geben Sie Ihren Namen ein</translation>
    </message>
</context>
<context>
    <name>NoticeWindow</name>
    <message>
        <source>New puzzle generated.</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Neues Rätsel erstellt.</translation>
    </message>
    <message>
        <source>Click OK to start.</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Mit OK geht es los.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Spiel pausiert</translation>
    </message>
    <message>
        <source>Press OK to continue</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Weiter mit OK</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
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
        <translation>Möchten Sie das aktuelle Rätsel drucken?</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Es ist kein Standarddrucker ausgewählt</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer could not start the document</source>
        <translation>Der Drucker konnte das Dokument nicht beginnen</translation>
    </message>
    <message>
        <source>The printer could not finish the document</source>
        <translation>Der Drucker konnte das Dokument nicht abschließen</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Generating</source>
        <extracomment>Caption of the progress window, 358 px wide client area</extracomment>
        <translation>Rätsel entsteht</translation>
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
        <translation>Systemfehler: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1: the audio output cannot play this format (%2 Hz, channels: %3).</source>
        <extracomment>%1 the sound file, %2 its sample rate, %3 its channels</extracomment>
        <translation>%1: Die Audioausgabe kann dieses Format nicht abspielen (%2 Hz, Kanäle: %3).</translation>
    </message>
</context>
<context>
    <name>ScoreFileLock</name>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>another Tolvane game</source>
        <translation>ein anderes Tolvane-Spiel</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>ein anderes Programm (Prozess %1)</translation>
    </message>
    <message>
        <source>another program (%1, process %2)</source>
        <extracomment>%1 the program&apos;s name, %2 its process number</extracomment>
        <translation>ein anderes Programm (%1, Prozess %2)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2 holds it just now</source>
        <extracomment>%1 the file, %2 who holds it: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2 hält sie gerade</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. No lock of yours can be had on it just now</source>
        <extracomment>%1 the file</extracomment>
        <translation>Die Datei „%1“ kann nicht angelegt werden. Sie können sie gerade nicht sperren</translation>
    </message>
</context>
<context>
    <name>ScoreFileStore</name>
    <message>
        <source>It would grow beyond 1 MiB, more than Tolvane reads</source>
        <translation>Sie würde größer als 1 MiB, mehr als Tolvane liest</translation>
    </message>
</context>
<context>
    <name>ScoreSaves</name>
    <message>
        <source>Another Tolvane game is saving the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <translation>Ein anderes Tolvane-Spiel speichert gerade die Punktedatei. Ihre Änderung wird aufbewahrt und gespeichert, sobald die Datei frei ist, spätestens wenn Sie Tolvane schließen.</translation>
    </message>
    <message>
        <source>%1 holds the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <extracomment>%1 who holds the file: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>%1 hält gerade die Punktedatei. Ihre Änderung wird aufbewahrt und gespeichert, sobald die Datei frei ist, spätestens wenn Sie Tolvane schließen.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; another Tolvane game is saving the score file just now.</source>
        <translation>Tolvane schließt, sobald es Ihre Änderungen gespeichert hat; ein anderes Tolvane-Spiel speichert gerade die Punktedatei.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; %1 holds the score file just now.</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Tolvane schließt, sobald es Ihre Änderungen gespeichert hat; %1 hält gerade die Punktedatei.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: another Tolvane game is still saving the score file. Close without them?</source>
        <translation>Ihre Änderungen sind noch nicht gespeichert: ein anderes Tolvane-Spiel speichert noch die Punktedatei. Ohne sie schließen?</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: %1 still holds the score file. Close without them?</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Ihre Änderungen sind noch nicht gespeichert: %1 hält noch die Punktedatei. Ohne sie schließen?</translation>
    </message>
    <message>
        <source>Your change is saved, but not the changes that an earlier Tolvane game kept beside the score file: %1</source>
        <extracomment>%1 why the kept changes could not be made, from the score file&apos;s own messages</extracomment>
        <translation>Ihre Änderung ist gespeichert, aber nicht die Änderungen, die ein früheres Tolvane-Spiel neben der Punktedatei aufbewahrt hat: %1</translation>
    </message>
    <message>
        <source>No lock of yours can be had on the score file just now. Your change is kept and saved as soon as one can, at the latest when you close Tolvane.</source>
        <translation>Die Punktedatei lässt sich gerade nicht für Sie sperren. Ihre Änderung wird aufbewahrt und gespeichert, sobald es geht, spätestens wenn Sie Tolvane schließen.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; no lock of yours can be had on the score file just now.</source>
        <translation>Tolvane schließt, sobald es Ihre Änderungen gespeichert hat; die Punktedatei lässt sich gerade nicht für Sie sperren.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: still no lock of yours can be had on the score file. Close without them?</source>
        <translation>Ihre Änderungen sind noch nicht gespeichert: Die Punktedatei lässt sich noch immer nicht für Sie sperren. Ohne sie schließen?</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Some sound files may be missing</source>
        <translation>Einige Tondateien fehlen möglicherweise</translation>
    </message>
</context>
<context>
    <name>TrustedPath</name>
    <message>
        <source>It leads through the link &quot;%1&quot;, which belongs to another user; the game does not follow it</source>
        <translation>Sie führt über die Verknüpfung „%1“, die einem anderen Benutzer gehört; das Spiel folgt ihr nicht</translation>
    </message>
</context>
</TS>
