<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tolvane logo</source>
        <translation>Logo de Tolvane</translation>
    </message>
    <message>
        <source>A puzzle grid with a pencil writing in it</source>
        <translation>Une grille de jeu où écrit un crayon</translation>
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
        <translation>%1. Les meilleurs temps de « %2 » sont illisibles : votre temps de %3 n’est donc pas enregistré et le fichier reste inchangé. Pour enregistrer à nouveau des temps, réparez son bloc des meilleurs temps : une ligne « high », puis pour Facile, Moyen et Difficile un nom et un temps en secondes.</translation>
    </message>
</context>
<context>
    <name>BestTimesWindow</name>
    <message>
        <source>Best times</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>A trophy cup</source>
        <translation>Une coupe de vainqueur</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Heading of the times&apos; column, 13 px bold, up to 105 px</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset the best scores?</source>
        <translation>Effacer les meilleurs temps ?</translation>
    </message>
    <message>
        <source>%1: no name, %2</source>
        <extracomment>Spoken by a screen reader: a best time with no name, %1 the level, %2 the time (no pixel budget)</extracomment>
        <translation>%1 : sans nom, %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken by a screen reader: a best time, %1 the level, %2 the name, %3 the time (no pixel budget)</extracomment>
        <translation>%1 : %2, %3</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>hidden</source>
        <extracomment>Spoken by a screen reader for a cell while the board is hidden (no pixel budget)</extracomment>
        <translation>masquée</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s given digit (no pixel budget)</extracomment>
        <translation>donnée %1</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s entry, the player&apos;s digit (no pixel budget)</extracomment>
        <translation>saisie %1</translation>
    </message>
    <message>
        <source>guess %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s guess, a digit marked as guessed (no pixel budget)</extracomment>
        <translation>hypothèse %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken by a screen reader for a cell with no digit (no pixel budget)</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>Spoken by a screen reader: a cell, %3 what it holds (no pixel budget)</extracomment>
        <translation>Ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name (no pixel budget)</extracomment>
        <translation>Grille</translation>
    </message>
    <message>
        <source>New %1 puzzle: %2 givens, %3 cells to fill</source>
        <extracomment>Spoken by a screen reader: %1 the level, %2 the givens, %3 the empty cells (no pixel budget)</extracomment>
        <translation>Nouvelle grille, niveau %1 : %2 données, %3 cases à remplir</translation>
    </message>
    <message>
        <source>Solved</source>
        <extracomment>Spoken by a screen reader: the player solved the puzzle (no pixel budget)</extracomment>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Spoken by a screen reader: Solve filled the board (no pixel budget)</extracomment>
        <translation>Résolu par l’ordinateur</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>C’est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>Is a link that was put in its place meanwhile</source>
        <translation>C’est un lien mis à sa place entre-temps</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Impossible d’ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2. The file is left as it was: the earlier best times are unchanged</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>Impossible d’enregistrer le fichier « %1 ». %2. Le fichier reste inchangé : les meilleurs temps précédents sont conservés</translation>
    </message>
</context>
<context>
    <name>GameClock</name>
    <message>
        <source>Time: %1</source>
        <extracomment>Status line while the clock runs, 11 px bold, up to 150 px (the Submit button follows)</extracomment>
        <translation>Temps : %1</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>Start a new puzzle?</source>
        <translation>Commencer une nouvelle grille ?</translation>
    </message>
    <message>
        <source>Clear all inserted values?</source>
        <translation>Effacer toutes les saisies ?</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Status line, 11 px bold, up to 150 px</extracomment>
        <translation>Résolu par l’ordinateur</translation>
    </message>
    <message>
        <source>Correct. Your time is %1</source>
        <translation>Bravo ! Votre temps : %1</translation>
    </message>
    <message>
        <source>Puzzle solved incorrectly, press OK to continue.</source>
        <translation>La grille est incorrecte. Cliquez sur OK pour continuer.</translation>
    </message>
</context>
<context>
    <name>GeneratorProgress</name>
    <message>
        <source>          PLEASE  </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          PATIENCE  </translation>
    </message>
    <message>
        <source>           WAIT   </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          UN INSTANT  </translation>
    </message>
    <message>
        <source>Generating a new puzzle.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Nouvelle grille en cours.</translation>
    </message>
    <message>
        <source>This may take up to a minute.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>Une minute au plus.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>How to play:</source>
        <translation>Comment jouer :</translation>
    </message>
    <message>
        <source>Tolvane is meant to be easy to play. These guidelines show you how.</source>
        <translation>Tolvane se veut simple à jouer. Voici comment faire.</translation>
    </message>
    <message>
        <source>Starting a new game:</source>
        <translation>Commencer une partie :</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; on the &quot;Game&quot; menu. After you have confirmed, a new puzzle is generated. This may take a little while, but never longer than a minute. A notification tells you when the puzzle is ready; the clock starts only when you click its OK button.</source>
        <translation>Choisissez « Nouvelle » dans le menu « Partie ». Après confirmation, une nouvelle grille est créée. Cela peut prendre un moment, mais jamais plus d’une minute. Un message vous prévient quand la grille est prête ; le chrono ne démarre que lorsque vous cliquez sur son bouton OK.</translation>
    </message>
    <message>
        <source>Solving the puzzle:</source>
        <translation>Résoudre la grille :</translation>
    </message>
    <message>
        <source>Solving comes down to three things: inserting values, guessing and submitting.</source>
        <translation>Résoudre, c’est trois choses : saisir des valeurs, faire des hypothèses et valider.</translation>
    </message>
    <message>
        <source>Inserting values</source>
        <translation>Saisir des valeurs</translation>
    </message>
    <message>
        <source>Select a value on the panel at the bottom of the window, or scroll through the values with the mouse wheel, then click an empty cell to put the value there. To remove a wrong value, select the Erase button and click the value in the same way.</source>
        <translation>Choisissez une valeur dans le panneau en bas de la fenêtre, ou faites défiler les valeurs avec la molette, puis cliquez sur une case vide pour l’y placer. Pour ôter une valeur fausse, choisissez la Gomme et cliquez sur la valeur de la même façon.</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>Hypothèses</translation>
    </message>
    <message>
        <source>Not sure yet? Tick &quot;Just guessing&quot;. The values you insert then appear in a different colour, so you can tell them apart from the values you are sure of. A game cannot be completed while guesses are on the board.</source>
        <translation>Pas encore sûr ? Cochez « Hypothèse ». Les valeurs saisies apparaissent alors dans une autre couleur, pour les distinguer de celles dont vous êtes sûr. Une partie ne peut pas se terminer tant qu’il reste des hypothèses sur la grille.</translation>
    </message>
    <message>
        <source>Submitting</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>As soon as every cell holds a value (guesses do not count), a Submit button appears. Click it to have your solution checked. If it is wrong, you can correct it and submit it again. Any solution that breaks none of the rules is accepted.</source>
        <translation>Dès que chaque case contient une valeur (les hypothèses ne comptent pas), un bouton Valider apparaît. Cliquez dessus pour faire vérifier votre solution. Si elle est fausse, vous pouvez la corriger et la valider à nouveau. Toute solution qui respecte les règles est acceptée.</translation>
    </message>
    <message>
        <source>Playing options:</source>
        <translation>Options de jeu :</translation>
    </message>
    <message>
        <source>The &quot;Options&quot; menu offers four more things to do while you play.</source>
        <translation>Le menu « Options » offre quatre autres possibilités pendant la partie.</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>&quot;Clear all&quot; on the &quot;Options&quot; menu removes every value you have inserted, so you can start the same puzzle anew.</source>
        <translation>« Tout effacer » dans le menu « Options » retire toutes vos saisies, pour recommencer la même grille.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>&quot;Solve&quot; on the &quot;Options&quot; menu lets the computer solve the puzzle for you.</source>
        <translation>« Résoudre » dans le menu « Options » laisse l’ordinateur résoudre la grille à votre place.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&quot;Pause&quot; on the &quot;Options&quot; menu hides the puzzle and stops the clock until you resume the game.</source>
        <translation>« Pause » dans le menu « Options » cache la grille et arrête le chrono jusqu’à ce que vous repreniez la partie.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>There are three levels. On Easy, five of the nine values of each block are shown; on Medium, four; and on Hard, three. Which values are shown is chosen at random when the puzzle is generated.</source>
        <translation>Il y a trois niveaux. En Facile, cinq des neuf valeurs de chaque bloc sont données ; en Moyen, quatre ; en Difficile, trois. Les valeurs données sont tirées au hasard à la création de la grille.</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>Autres options :</translation>
    </message>
    <message>
        <source>Three more options are found on the &quot;Game&quot; menu.</source>
        <translation>Trois autres options se trouvent dans le menu « Partie ».</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>&quot;Sound&quot; on the &quot;Game&quot; menu turns all sounds off, and on again.</source>
        <translation>« Son » dans le menu « Partie » coupe tous les sons, puis les rétablit.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&quot;Print&quot; on the &quot;Game&quot; menu prints the current puzzle with every value on the board, guesses included.</source>
        <translation>« Imprimer » dans le menu « Partie » imprime la grille en cours avec toutes ses valeurs, hypothèses comprises.</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>The time you take to solve a puzzle is recorded. The best time of each level is kept together with the player&apos;s name. The best-times command on the &quot;Game&quot; menu shows them, and &quot;Reset scores&quot; in its window clears them all.</source>
        <translation>Le temps mis pour résoudre une grille est mesuré. Le meilleur temps de chaque niveau est gardé avec le nom du joueur. « Meilleurs temps » dans le menu « Partie » les affiche, et « Effacer » dans sa fenêtre les efface tous.</translation>
    </message>
    <message>
        <source>Enjoy the game!</source>
        <translation>Bonne partie !</translation>
    </message>
    <message>
        <source>Rules of Tolvane:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Règles de Tolvane :</translation>
    </message>
    <message>
        <source>The object of the game is to fill in all the missing values according to the rules. A completed grid that breaks no rule earns a score: the time you took. There are just three rules.</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Le but du jeu est de remplir toutes les valeurs manquantes selon les règles. Une grille complète qui respecte les règles vous vaut un score : votre temps. Il n’y a que trois règles.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>The puzzle is made of nine big blocks, framed in black. Each big block is made of nine small blocks, framed in blue: these are the cells. Every big block must hold every number from 1 to 9, so each number appears in it exactly once, like this:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>La grille se compose de neuf grands blocs, encadrés de noir. Chaque grand bloc se compose de neuf petits, encadrés de bleu : les cases. Chaque grand bloc doit contenir tous les chiffres de 1 à 9, chacun une seule fois, comme ceci :</translation>
    </message>
    <message>
        <source>Rows &amp; Columns</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>Lignes et colonnes</translation>
    </message>
    <message>
        <source>Every row and every column of the puzzle must also hold every number from 1 to 9, each exactly once. Here are a filled column and a filled row:</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>Chaque ligne et chaque colonne doit aussi contenir tous les chiffres de 1 à 9, chacun une seule fois. Voici une colonne et une ligne remplies :</translation>
    </message>
    <message>
        <source>Consequences</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Conséquences</translation>
    </message>
    <message>
        <source>Because of these rules, no block, row or column can ever hold the same number twice.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Avec ces règles, aucun bloc, aucune ligne ni aucune colonne ne contient deux fois le même chiffre.</translation>
    </message>
    <message>
        <source>Usually a puzzle has just one solution. Sometimes, however, the same two values are missing in two rows, and in the same two columns. Then the two values can be filled in either way round: both orders are valid solutions, and Tolvane accepts either of them.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>En général, une grille n’a qu’une solution. Parfois, pourtant, les deux mêmes valeurs manquent dans deux lignes, et dans les deux mêmes colonnes. On peut alors les placer dans un sens ou dans l’autre : les deux sont valables, et Tolvane accepte l’une comme l’autre.</translation>
    </message>
    <message>
        <source>In the picture below, 2 and 7 are missing in both rows:</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>Dans l’image ci-dessous, 2 et 7 manquent dans les deux lignes :</translation>
    </message>
    <message>
        <source>Whichever way round you put the 2 and the 7, every row, every column and every block still holds each number once. The same can happen in two columns, and more rarely a puzzle may even have more than two solutions. Any of them is accepted.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Quel que soit le sens où vous placez le 2 et le 7, chaque ligne, colonne et bloc contient chaque chiffre une fois. Cela peut arriver aussi dans deux colonnes, et plus rarement une grille a plus de deux solutions. Toutes sont acceptées.</translation>
    </message>
    <message>
        <source>The working of Tolvane</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Le fonctionnement de Tolvane</translation>
    </message>
    <message>
        <source>For every new game, Tolvane builds a complete grid of its own. It fills every block at random and tests it against the rules as it goes, trying again whenever a block does not fit. That is why generating a puzzle takes a moment.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Pour chaque partie, Tolvane construit sa propre grille complète. Il remplit chaque bloc au hasard, le vérifie au fur et à mesure selon les règles et recommence quand un bloc ne convient pas. C’est pourquoi la création d’une grille prend un moment.</translation>
    </message>
    <message>
        <source>There are so many possible grids that the chance of getting the same grid twice is 1 in 6670903752021072936960.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Il existe tant de grilles possibles que la probabilité d’obtenir deux fois la même est de 1 sur 6670903752021072936960.</translation>
    </message>
    <message>
        <source>When the grid is complete, the values shown in each block are chosen at random according to the level: five on Easy, four on Medium and three on Hard. The rest is up to you: have fun!</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>Une fois la grille complète, les valeurs affichées dans chaque bloc sont tirées au hasard selon le niveau : cinq en Facile, quatre en Moyen et trois en Difficile. À vous de jouer le reste : amusez-vous bien !</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>A filled block</source>
        <translation>Un bloc rempli</translation>
    </message>
    <message>
        <source>Three rows of three cells holding 1 to 9 once each</source>
        <translation>Trois rangées de trois cases avec 1 à 9, chacun une fois</translation>
    </message>
    <message>
        <source>A filled column</source>
        <translation>Une colonne remplie</translation>
    </message>
    <message>
        <source>Nine cells one above the other holding 1 to 9</source>
        <translation>Neuf cases l’une sous l’autre avec 1 à 9</translation>
    </message>
    <message>
        <source>A filled row</source>
        <translation>Une ligne remplie</translation>
    </message>
    <message>
        <source>Nine cells side by side holding 1 to 9</source>
        <translation>Neuf cases côte à côte avec 1 à 9</translation>
    </message>
    <message>
        <source>Two rows with two solutions</source>
        <translation>Deux lignes à deux solutions</translation>
    </message>
    <message>
        <source>Two rows, both missing 2 and 7 in the same two columns</source>
        <translation>Deux lignes où manquent 2 et 7 dans les deux mêmes colonnes</translation>
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
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>Difficile</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Partie</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Tool panel button, 81 x 19 px, 11 px bold</extracomment>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Tool panel button, 49 x 22 px, 11 px bold</extracomment>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Just guessing</source>
        <extracomment>Tool panel check box, 97 px with its box, 11 px bold</extracomment>
        <translation>Hypothèse</translation>
    </message>
    <message>
        <source>Click &apos;Game&apos; to start</source>
        <extracomment>Status line, 11 px bold; up to 150 px, the Submit button stands to its right</extracomment>
        <translation>Cliquez sur « Partie »</translation>
    </message>
    <message>
        <source>Tool %1</source>
        <extracomment>Spoken by a screen reader: the tool picked by key, %1 its button&apos;s text (no pixel budget)</extracomment>
        <translation>Outil %1</translation>
    </message>
    <message>
        <source>Every cell is filled: Submit</source>
        <extracomment>Spoken by a screen reader when the Submit button appears (no pixel budget)</extracomment>
        <translation>Toutes les cases sont remplies : Valider</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>NameBox</name>
    <message>
        <source>Anonymous</source>
        <extracomment>The name of a record holder who gave none; best-times window, 169 px column, 13 px bold</extracomment>
        <translation>Anonyme</translation>
    </message>
    <message>
        <source>New Best time</source>
        <translation>Nouveau meilleur temps</translation>
    </message>
    <message>
        <source>Best time. Please enter your name</source>
        <translation>Meilleur temps ! Entrez votre nom</translation>
    </message>
</context>
<context>
    <name>NoticeWindow</name>
    <message>
        <source>New puzzle generated.</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Nouvelle grille prête.</translation>
    </message>
    <message>
        <source>Click OK to start.</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>OK pour commencer.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>Partie en pause</translation>
    </message>
    <message>
        <source>Press OK to continue</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>OK pour reprendre</translation>
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
        <translation>Voulez-vous imprimer la grille en cours ?</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n’est sélectionnée</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer could not start the document</source>
        <translation>L’imprimante n’a pas pu commencer le document</translation>
    </message>
    <message>
        <source>The printer could not finish the document</source>
        <translation>L’imprimante n’a pas pu terminer le document</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Generating</source>
        <extracomment>Caption of the progress window, 358 px wide client area</extracomment>
        <translation>Création</translation>
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
        <translation>Erreur système : %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1: the audio output cannot play this format (%2 Hz, channels: %3).</source>
        <extracomment>%1 the sound file, %2 its sample rate, %3 its channels</extracomment>
        <translation>%1 : la sortie audio ne peut pas lire ce format (%2 Hz, canaux : %3).</translation>
    </message>
</context>
<context>
    <name>ScoreFileLock</name>
    <message>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <source>another Tolvane game</source>
        <translation>une autre partie de Tolvane</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>un autre programme (processus %1)</translation>
    </message>
    <message>
        <source>another program (%1, process %2)</source>
        <extracomment>%1 the program&apos;s name, %2 its process number</extracomment>
        <translation>un autre programme (%1, processus %2)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2 holds it just now</source>
        <extracomment>%1 the file, %2 who holds it: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>Impossible de créer le fichier « %1 ». %2 le détient en ce moment</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. No lock of yours can be had on it just now</source>
        <extracomment>%1 the file</extracomment>
        <translation>Impossible de créer le fichier « %1 ». Aucun verrou ne peut être pris sur lui pour vous en ce moment</translation>
    </message>
</context>
<context>
    <name>ScoreFileStore</name>
    <message>
        <source>It would grow beyond 1 MiB, more than Tolvane reads</source>
        <translation>Il dépasserait 1 Mio, plus que ce que Tolvane lit</translation>
    </message>
</context>
<context>
    <name>ScoreSaves</name>
    <message>
        <source>Another Tolvane game is saving the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <translation>Une autre partie de Tolvane enregistre le fichier des scores en ce moment. Votre modification est gardée et enregistrée dès que le fichier est libre, au plus tard quand vous fermez Tolvane.</translation>
    </message>
    <message>
        <source>%1 holds the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <extracomment>%1 who holds the file: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>%1 détient le fichier des scores en ce moment. Votre modification est gardée et enregistrée dès que le fichier est libre, au plus tard quand vous fermez Tolvane.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; another Tolvane game is saving the score file just now.</source>
        <translation>Tolvane se fermera dès qu’il aura enregistré vos modifications ; une autre partie de Tolvane enregistre le fichier des scores en ce moment.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; %1 holds the score file just now.</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Tolvane se fermera dès qu’il aura enregistré vos modifications ; %1 détient le fichier des scores en ce moment.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: another Tolvane game is still saving the score file. Close without them?</source>
        <translation>Vos modifications ne sont pas encore enregistrées : une autre partie de Tolvane enregistre encore le fichier des scores. Fermer sans elles ?</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: %1 still holds the score file. Close without them?</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>Vos modifications ne sont pas encore enregistrées : %1 détient encore le fichier des scores. Fermer sans elles ?</translation>
    </message>
    <message>
        <source>Your change is saved, but not the changes that an earlier Tolvane game kept beside the score file: %1</source>
        <extracomment>%1 why the kept changes could not be made, from the score file&apos;s own messages</extracomment>
        <translation>Votre modification est enregistrée, mais pas celles qu’une partie Tolvane précédente avait gardées à côté du fichier des scores : %1</translation>
    </message>
    <message>
        <source>No lock of yours can be had on the score file just now. Your change is kept and saved as soon as one can, at the latest when you close Tolvane.</source>
        <translation>Aucun verrou ne peut être pris pour vous sur le fichier des scores en ce moment. Votre modification est gardée et enregistrée dès que possible, au plus tard quand vous fermez Tolvane.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; no lock of yours can be had on the score file just now.</source>
        <translation>Tolvane se fermera dès qu’il aura enregistré vos modifications ; aucun verrou ne peut être pris pour vous sur le fichier des scores en ce moment.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: still no lock of yours can be had on the score file. Close without them?</source>
        <translation>Vos modifications ne sont pas encore enregistrées : toujours aucun verrou possible pour vous sur le fichier des scores. Fermer sans elles ?</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Some sound files may be missing</source>
        <translation>Certains fichiers sonores manquent peut-être</translation>
    </message>
</context>
<context>
    <name>TrustedPath</name>
    <message>
        <source>It leads through the link &quot;%1&quot;, which belongs to another user; the game does not follow it</source>
        <translation>Il passe par le lien « %1 », qui appartient à un autre utilisateur ; le jeu ne le suit pas</translation>
    </message>
</context>
</TS>
