<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>عن اللعبة</translation>
    </message>
    <message>
        <source>Tolvane logo</source>
        <translation>شعار Tolvane</translation>
    </message>
    <message>
        <source>A puzzle grid with a pencil writing in it</source>
        <translation>شبكة لغز يكتب فيها قلم رصاص</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>BestTimesFlow</name>
    <message>
        <source>%1. The best times in &quot;%2&quot; cannot be read, so your time of %3 is not recorded; the file is left as it was. To record times again, repair its best-times block: a line &quot;high&quot;, then for Easy, Medium and Hard a name and a time in seconds.</source>
        <extracomment>%1 the failure, %2 the file, %3 the time; &quot;high&quot; is written in the file as it is</extracomment>
        <translation>%1. تعذّرت قراءة أفضل الأوقات في «%2»، لذلك لم يُسجَّل وقتك %3 وبقي الملف كما كان. لتسجيل الأوقات من جديد، أصلح قسم أفضل الأوقات فيه: سطر «high»، ثم لكل من سهل ومتوسط وصعب اسم ووقت بالثواني.</translation>
    </message>
</context>
<context>
    <name>BestTimesWindow</name>
    <message>
        <source>Best times</source>
        <translation>أفضل الأوقات</translation>
    </message>
    <message>
        <source>A trophy cup</source>
        <translation>كأس</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Heading of the times&apos; column, 13 px bold, up to 105 px</extracomment>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>تصفير</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 81 x 25 px</extracomment>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Reset the best scores?</source>
        <translation>تصفير أفضل الأوقات؟</translation>
    </message>
    <message>
        <source>%1: no name, %2</source>
        <extracomment>Spoken by a screen reader: a best time with no name, %1 the level, %2 the time (no pixel budget)</extracomment>
        <translation>%1: بلا اسم، %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>Spoken by a screen reader: a best time, %1 the level, %2 the name, %3 the time (no pixel budget)</extracomment>
        <translation>%1: %2، %3</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>hidden</source>
        <extracomment>Spoken by a screen reader for a cell while the board is hidden (no pixel budget)</extracomment>
        <translation>مخفية</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s given digit (no pixel budget)</extracomment>
        <translation>معطاة %1</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s entry, the player&apos;s digit (no pixel budget)</extracomment>
        <translation>مُدخلة %1</translation>
    </message>
    <message>
        <source>guess %1</source>
        <extracomment>Spoken by a screen reader: a cell&apos;s guess, a digit marked as guessed (no pixel budget)</extracomment>
        <translation>تخمين %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken by a screen reader for a cell with no digit (no pixel budget)</extracomment>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>Spoken by a screen reader: a cell, %3 what it holds (no pixel budget)</extracomment>
        <translation>الصف %1، العمود %2: %3</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name (no pixel budget)</extracomment>
        <translation>اللوحة</translation>
    </message>
    <message>
        <source>New %1 puzzle: %2 givens, %3 cells to fill</source>
        <extracomment>Spoken by a screen reader: %1 the level, %2 the givens, %3 the empty cells (no pixel budget)</extracomment>
        <translation>لغز جديد، المستوى %1: %2 قيم معطاة، %3 خانات للملء</translation>
    </message>
    <message>
        <source>Solved</source>
        <extracomment>Spoken by a screen reader: the player solved the puzzle (no pixel budget)</extracomment>
        <translation>تم الحل</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Spoken by a screen reader: Solve filled the board (no pixel budget)</extracomment>
        <translation>حلّه الحاسوب</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>إنه أنبوب مسمّى وليس ملفًا</translation>
    </message>
    <message>
        <source>Is a link that was put in its place meanwhile</source>
        <translation>إنه رابط وُضع في مكانه في الأثناء</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>تعذّر فتح الملف «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>تعذّر إنشاء الملف «%1». %2</translation>
    </message>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2. The file is left as it was: the earlier best times are unchanged</source>
        <extracomment>%1 the file, %2 the reason</extracomment>
        <translation>تعذّر حفظ الملف «%1». %2. بقي الملف كما كان: أفضل الأوقات السابقة لم تتغير</translation>
    </message>
</context>
<context>
    <name>GameClock</name>
    <message>
        <source>Time: %1</source>
        <extracomment>Status line while the clock runs, 11 px bold, up to 150 px (the Submit button follows)</extracomment>
        <translation>الوقت: %1</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>Start a new puzzle?</source>
        <translation>أتبدأ لغزًا جديدًا؟</translation>
    </message>
    <message>
        <source>Clear all inserted values?</source>
        <translation>مسح كل ما أدخلته؟</translation>
    </message>
    <message>
        <source>Solved by computer</source>
        <extracomment>Status line, 11 px bold, up to 150 px</extracomment>
        <translation>حلّه الحاسوب</translation>
    </message>
    <message>
        <source>Correct. Your time is %1</source>
        <translation>صحيح! وقتك: %1</translation>
    </message>
    <message>
        <source>Puzzle solved incorrectly, press OK to continue.</source>
        <translation>الحل غير صحيح، اضغط موافق للمتابعة.</translation>
    </message>
</context>
<context>
    <name>GeneratorProgress</name>
    <message>
        <source>          PLEASE  </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          انتظر  </translation>
    </message>
    <message>
        <source>           WAIT   </source>
        <extracomment>Progress window, blinking word, centred by its spaces in 201 px, 13 px bold</extracomment>
        <translation>          قليلًا  </translation>
    </message>
    <message>
        <source>Generating a new puzzle.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>جارٍ إنشاء لغز جديد.</translation>
    </message>
    <message>
        <source>This may take up to a minute.</source>
        <extracomment>Progress window, a line of 201 px, 13 px bold</extracomment>
        <translation>قد يستغرق دقيقة.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>How to play:</source>
        <translation>طريقة اللعب:</translation>
    </message>
    <message>
        <source>Tolvane is meant to be easy to play. These guidelines show you how.</source>
        <translation>صُممت Tolvane لتكون سهلة اللعب. هذه الإرشادات توضح الطريقة.</translation>
    </message>
    <message>
        <source>Starting a new game:</source>
        <translation>بدء لعبة جديدة:</translation>
    </message>
    <message>
        <source>Choose &quot;New&quot; on the &quot;Game&quot; menu. After you have confirmed, a new puzzle is generated. This may take a little while, but never longer than a minute. A notification tells you when the puzzle is ready; the clock starts only when you click its OK button.</source>
        <translation>اختر «جديدة» من قائمة «اللعبة». بعد التأكيد يُنشأ لغز جديد. قد يستغرق ذلك بعض الوقت، لكن لا يزيد أبدًا عن دقيقة. يخبرك إشعار عندما يصبح اللغز جاهزًا، ولا تبدأ الساعة إلا عند الضغط على زر موافق فيه.</translation>
    </message>
    <message>
        <source>Solving the puzzle:</source>
        <translation>حلّ اللغز:</translation>
    </message>
    <message>
        <source>Solving comes down to three things: inserting values, guessing and submitting.</source>
        <translation>الحل ثلاثة أمور: إدخال القيم، والتخمين، والتحقّق.</translation>
    </message>
    <message>
        <source>Inserting values</source>
        <translation>إدخال القيم</translation>
    </message>
    <message>
        <source>Select a value on the panel at the bottom of the window, or scroll through the values with the mouse wheel, then click an empty cell to put the value there. To remove a wrong value, select the Erase button and click the value in the same way.</source>
        <translation>اختر قيمة من اللوحة أسفل النافذة، أو مرّر بين القيم بعجلة الفأرة، ثم انقر خانة فارغة لوضع القيمة فيها. لإزالة قيمة خاطئة، اختر زر «مسح» وانقر القيمة بالطريقة نفسها.</translation>
    </message>
    <message>
        <source>Guessing</source>
        <translation>التخمين</translation>
    </message>
    <message>
        <source>Not sure yet? Tick &quot;Just guessing&quot;. The values you insert then appear in a different colour, so you can tell them apart from the values you are sure of. A game cannot be completed while guesses are on the board.</source>
        <translation>لست متأكدًا بعد؟ فعّل «تخمين فقط». تظهر القيم التي تدخلها حينئذ بلون آخر لتميّزها عن القيم التي أنت متأكد منها. لا يمكن إكمال اللعبة ما دامت على اللوحة تخمينات.</translation>
    </message>
    <message>
        <source>Submitting</source>
        <translation>التحقّق</translation>
    </message>
    <message>
        <source>As soon as every cell holds a value (guesses do not count), a Submit button appears. Click it to have your solution checked. If it is wrong, you can correct it and submit it again. Any solution that breaks none of the rules is accepted.</source>
        <translation>حين تمتلئ كل خانة بقيمة (لا تُحسب التخمينات) يظهر زر «تحقّق». اضغطه لفحص حلّك. إن كان خاطئًا يمكنك تصحيحه والتحقق منه مجددًا. يُقبل أي حل لا يخالف أي قاعدة.</translation>
    </message>
    <message>
        <source>Playing options:</source>
        <translation>خيارات اللعب:</translation>
    </message>
    <message>
        <source>The &quot;Options&quot; menu offers four more things to do while you play.</source>
        <translation>تقدّم قائمة «خيارات» أربعة أمور أخرى أثناء اللعب.</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>&quot;Clear all&quot; on the &quot;Options&quot; menu removes every value you have inserted, so you can start the same puzzle anew.</source>
        <translation>«مسح الكل» في قائمة «خيارات» يزيل كل القيم التي أدخلتها لتبدأ اللغز نفسه من جديد.</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>حلّ</translation>
    </message>
    <message>
        <source>&quot;Solve&quot; on the &quot;Options&quot; menu lets the computer solve the puzzle for you.</source>
        <translation>«حلّ» في قائمة «خيارات» يترك الحاسوب يحلّ اللغز عنك.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>&quot;Pause&quot; on the &quot;Options&quot; menu hides the puzzle and stops the clock until you resume the game.</source>
        <translation>«إيقاف مؤقت» في قائمة «خيارات» يخفي اللغز ويوقف الساعة حتى تستأنف اللعب.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>There are three levels. On Easy, five of the nine values of each block are shown; on Medium, four; and on Hard, three. Which values are shown is chosen at random when the puzzle is generated.</source>
        <translation>هناك ثلاثة مستويات. في السهل تظهر خمس من القيم التسع في كل مربع، وفي المتوسط أربع، وفي الصعب ثلاث. تُختار القيم الظاهرة عشوائيًا عند إنشاء اللغز.</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>خيارات أخرى:</translation>
    </message>
    <message>
        <source>Three more options are found on the &quot;Game&quot; menu.</source>
        <translation>في قائمة «اللعبة» ثلاثة خيارات أخرى.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>&quot;Sound&quot; on the &quot;Game&quot; menu turns all sounds off, and on again.</source>
        <translation>«الصوت» في قائمة «اللعبة» يطفئ كل الأصوات ويعيد تشغيلها.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>&quot;Print&quot; on the &quot;Game&quot; menu prints the current puzzle with every value on the board, guesses included.</source>
        <translation>«طباعة» في قائمة «اللعبة» تطبع اللغز الحالي بكل قيمه على اللوحة، ومعها التخمينات.</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>أفضل الأوقات</translation>
    </message>
    <message>
        <source>The time you take to solve a puzzle is recorded. The best time of each level is kept together with the player&apos;s name. The best-times command on the &quot;Game&quot; menu shows them, and &quot;Reset scores&quot; in its window clears them all.</source>
        <translation>يُسجَّل الوقت الذي تستغرقه لحل اللغز. ويُحفظ أفضل وقت لكل مستوى مع اسم اللاعب. يعرضها أمر «أفضل الأوقات» في قائمة «اللعبة»، و«تصفير» في نافذته يمسحها كلها.</translation>
    </message>
    <message>
        <source>Enjoy the game!</source>
        <translation>استمتع باللعبة!</translation>
    </message>
    <message>
        <source>Rules of Tolvane:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>قواعد Tolvane:</translation>
    </message>
    <message>
        <source>The object of the game is to fill in all the missing values according to the rules. A completed grid that breaks no rule earns a score: the time you took. There are just three rules.</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>الهدف هو ملء كل القيم الناقصة وفق القواعد. الشبكة المكتملة التي لا تخالف أي قاعدة تنال نتيجة: الوقت الذي استغرقته. القواعد ثلاث فقط.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>المربعات</translation>
    </message>
    <message>
        <source>The puzzle is made of nine big blocks, framed in black. Each big block is made of nine small blocks, framed in blue: these are the cells. Every big block must hold every number from 1 to 9, so each number appears in it exactly once, like this:</source>
        <extracomment>Rules, first box: its paragraphs share 393 x 213 px at 13 px</extracomment>
        <translation>يتكون اللغز من تسعة مربعات كبيرة بإطار أسود. ويتكون كل مربع كبير من تسعة مربعات صغيرة بإطار أزرق: هي الخانات. يجب أن يحوي كل مربع كبير كل الأرقام من 1 إلى 9، فيظهر كل رقم فيه مرة واحدة تمامًا، هكذا:</translation>
    </message>
    <message>
        <source>Rows &amp; Columns</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>الصفوف والأعمدة</translation>
    </message>
    <message>
        <source>Every row and every column of the puzzle must also hold every number from 1 to 9, each exactly once. Here are a filled column and a filled row:</source>
        <extracomment>Rules, second box: its paragraphs share 393 x 93 px at 13 px</extracomment>
        <translation>ويجب أن يحوي كل صف وكل عمود أيضًا كل الأرقام من 1 إلى 9، كلًّا منها مرة واحدة. هذا عمود مكتمل وصف مكتمل:</translation>
    </message>
    <message>
        <source>Consequences</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Because of these rules, no block, row or column can ever hold the same number twice.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>بسبب هذه القواعد لا يمكن أن يحوي مربع أو صف أو عمود الرقم نفسه مرتين.</translation>
    </message>
    <message>
        <source>Usually a puzzle has just one solution. Sometimes, however, the same two values are missing in two rows, and in the same two columns. Then the two values can be filled in either way round: both orders are valid solutions, and Tolvane accepts either of them.</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>للغز عادةً حلّ واحد. لكن أحيانًا تنقص القيمتان نفسهما في صفين وفي العمودين نفسيهما. عندئذ يمكن وضع القيمتين بأي ترتيب: كلا الترتيبين حلّ صحيح، وتقبل Tolvane أيًّا منهما.</translation>
    </message>
    <message>
        <source>In the picture below, 2 and 7 are missing in both rows:</source>
        <extracomment>Rules, third box: its paragraphs share 393 x 214 px at 13 px</extracomment>
        <translation>في الصورة أدناه ينقص 2 و7 في كلا الصفين:</translation>
    </message>
    <message>
        <source>Whichever way round you put the 2 and the 7, every row, every column and every block still holds each number once. The same can happen in two columns, and more rarely a puzzle may even have more than two solutions. Any of them is accepted.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>أيًّا كان ترتيب 2 و7، يبقى في كل صف وعمود ومربع كل رقم مرة واحدة. وقد يحدث الأمر نفسه في عمودين، ونادرًا ما يكون للغز أكثر من حلّين. وكلها مقبولة.</translation>
    </message>
    <message>
        <source>The working of Tolvane</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>كيف تعمل Tolvane</translation>
    </message>
    <message>
        <source>For every new game, Tolvane builds a complete grid of its own. It fills every block at random and tests it against the rules as it goes, trying again whenever a block does not fit. That is why generating a puzzle takes a moment.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>لكل لعبة جديدة تبني Tolvane شبكة مكتملة خاصة بها. تملأ كل مربع عشوائيًا وتفحصه وفق القواعد أثناء ذلك، وتعيد المحاولة حين لا يناسب مربع. لهذا يستغرق إنشاء اللغز لحظة.</translation>
    </message>
    <message>
        <source>There are so many possible grids that the chance of getting the same grid twice is 1 in 6670903752021072936960.</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>الشبكات الممكنة كثيرة جدًا حتى إن احتمال الحصول على الشبكة نفسها مرتين هو 1 من 6670903752021072936960.</translation>
    </message>
    <message>
        <source>When the grid is complete, the values shown in each block are chosen at random according to the level: five on Easy, four on Medium and three on Hard. The rest is up to you: have fun!</source>
        <extracomment>Rules, fourth box: its paragraphs share 393 x 335 px at 13 px</extracomment>
        <translation>حين تكتمل الشبكة تُختار القيم الظاهرة في كل مربع عشوائيًا حسب المستوى: خمس في السهل، وأربع في المتوسط، وثلاث في الصعب. والباقي عليك: استمتع!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>A filled block</source>
        <translation>مربع مكتمل</translation>
    </message>
    <message>
        <source>Three rows of three cells holding 1 to 9 once each</source>
        <translation>ثلاثة صفوف من ثلاث خانات فيها 1 إلى 9 مرة واحدة</translation>
    </message>
    <message>
        <source>A filled column</source>
        <translation>عمود مكتمل</translation>
    </message>
    <message>
        <source>Nine cells one above the other holding 1 to 9</source>
        <translation>تسع خانات متتالية عموديًا فيها 1 إلى 9</translation>
    </message>
    <message>
        <source>A filled row</source>
        <translation>صف مكتمل</translation>
    </message>
    <message>
        <source>Nine cells side by side holding 1 to 9</source>
        <translation>تسع خانات متجاورة فيها 1 إلى 9</translation>
    </message>
    <message>
        <source>Two rows with two solutions</source>
        <translation>صفان لهما حلّان</translation>
    </message>
    <message>
        <source>Two rows, both missing 2 and 7 in the same two columns</source>
        <translation>صفان ينقصهما 2 و7 في العمودين نفسيهما</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>سهل</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Hard</source>
        <extracomment>Level: a Game menu item, and a line of the best-times window&apos;s 73 px column, 13 px bold</extracomment>
        <translation>صعب</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>اللعبة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديدة</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>أفضل الأوقات</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>حلّ</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Tool panel button, 81 x 19 px, 11 px bold</extracomment>
        <translation>تحقّق</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Menu title; the three titles share 409 px</extracomment>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>طريقة اللعب</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>القواعد</translation>
    </message>
    <message>
        <source>About</source>
        <translation>عن اللعبة</translation>
    </message>
    <message>
        <source>Erase</source>
        <extracomment>Tool panel button, 49 x 22 px, 11 px bold</extracomment>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Just guessing</source>
        <extracomment>Tool panel check box, 97 px with its box, 11 px bold</extracomment>
        <translation>تخمين فقط</translation>
    </message>
    <message>
        <source>Click &apos;Game&apos; to start</source>
        <extracomment>Status line, 11 px bold; up to 150 px, the Submit button stands to its right</extracomment>
        <translation>اضغط «اللعبة» للبدء</translation>
    </message>
    <message>
        <source>Tool %1</source>
        <extracomment>Spoken by a screen reader: the tool picked by key, %1 its button&apos;s text (no pixel budget)</extracomment>
        <translation>الأداة %1</translation>
    </message>
    <message>
        <source>Every cell is filled: Submit</source>
        <extracomment>Spoken by a screen reader when the Submit button appears (no pixel budget)</extracomment>
        <translation>امتلأت كل الخانات: تحقّق</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
<context>
    <name>NameBox</name>
    <message>
        <source>Anonymous</source>
        <extracomment>The name of a record holder who gave none; best-times window, 169 px column, 13 px bold</extracomment>
        <translation>مجهول</translation>
    </message>
    <message>
        <source>New Best time</source>
        <translation>أفضل وقت جديد</translation>
    </message>
    <message>
        <source>Best time. Please enter your name</source>
        <translation>أفضل وقت! اكتب اسمك من فضلك</translation>
    </message>
</context>
<context>
    <name>NoticeWindow</name>
    <message>
        <source>New puzzle generated.</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>تم إنشاء لغز جديد.</translation>
    </message>
    <message>
        <source>Click OK to start.</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>اضغط موافق للبدء.</translation>
    </message>
    <message>
        <source>Game paused</source>
        <extracomment>Notice window, first line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>اللعبة متوقفة</translation>
    </message>
    <message>
        <source>Press OK to continue</source>
        <extracomment>Notice window, third line of three in a 201 px wide box, 13 px bold</extracomment>
        <translation>اضغط موافق للمتابعة</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقفة</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 75 x 25 px</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Do you want to print the current puzzle ?</source>
        <translation>أتريد طباعة اللغز الحالي؟</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>لم تُختر طابعة افتراضية</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer could not start the document</source>
        <translation>تعذّر على الطابعة بدء المستند</translation>
    </message>
    <message>
        <source>The printer could not finish the document</source>
        <translation>تعذّر على الطابعة إنهاء المستند</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Generating</source>
        <extracomment>Caption of the progress window, 358 px wide client area</extracomment>
        <translation>جارٍ الإنشاء</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>SampleStream</name>
    <message>
        <source>System error : %1.</source>
        <translation>خطأ في النظام: %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>%1: the audio output cannot play this format (%2 Hz, channels: %3).</source>
        <extracomment>%1 the sound file, %2 its sample rate, %3 its channels</extracomment>
        <translation>%1: لا يمكن لمخرج الصوت تشغيل هذه الصيغة (%2 هرتز، القنوات: %3).</translation>
    </message>
</context>
<context>
    <name>ScoreFileLock</name>
    <message>
        <source>another program</source>
        <translation>برنامج آخر</translation>
    </message>
    <message>
        <source>another Tolvane game</source>
        <translation>لعبة Tolvane أخرى</translation>
    </message>
    <message>
        <source>another program (process %1)</source>
        <translation>برنامج آخر (العملية %1)</translation>
    </message>
    <message>
        <source>another program (%1, process %2)</source>
        <extracomment>%1 the program&apos;s name, %2 its process number</extracomment>
        <translation>برنامج آخر (%1، العملية %2)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2 holds it just now</source>
        <extracomment>%1 the file, %2 who holds it: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>تعذّر إنشاء الملف «%1». %2 يستخدمه الآن</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. No lock of yours can be had on it just now</source>
        <extracomment>%1 the file</extracomment>
        <translation>تعذّر إنشاء الملف «%1». لا يمكنك قفله الآن</translation>
    </message>
</context>
<context>
    <name>ScoreFileStore</name>
    <message>
        <source>It would grow beyond 1 MiB, more than Tolvane reads</source>
        <translation>سيتجاوز 1 ميبيبايت، أكثر مما تقرؤه Tolvane</translation>
    </message>
</context>
<context>
    <name>ScoreSaves</name>
    <message>
        <source>Another Tolvane game is saving the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <translation>لعبة Tolvane أخرى تحفظ ملف النتائج الآن. تغييرك محفوظ جانبًا وسيُكتب حين يصبح الملف متاحًا، أو عند إغلاق Tolvane على أبعد تقدير.</translation>
    </message>
    <message>
        <source>%1 holds the score file just now. Your change is kept and saved as soon as the file is free, at the latest when you close Tolvane.</source>
        <extracomment>%1 who holds the file: &quot;Another program (flock, process 4242)&quot;</extracomment>
        <translation>%1 يستخدم ملف النتائج الآن. تغييرك محفوظ جانبًا وسيُكتب حين يصبح الملف متاحًا، أو عند إغلاق Tolvane على أبعد تقدير.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; another Tolvane game is saving the score file just now.</source>
        <translation>ستُغلق Tolvane بمجرد حفظ تغييراتك؛ لعبة Tolvane أخرى تحفظ ملف النتائج الآن.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; %1 holds the score file just now.</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>ستُغلق Tolvane بمجرد حفظ تغييراتك؛ %1 يستخدم ملف النتائج الآن.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: another Tolvane game is still saving the score file. Close without them?</source>
        <translation>لم تُحفظ تغييراتك بعد: ما زالت لعبة Tolvane أخرى تحفظ ملف النتائج. أتغلق من دونها؟</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: %1 still holds the score file. Close without them?</source>
        <extracomment>%1 who holds the file: &quot;another program (process 4242)&quot;</extracomment>
        <translation>لم تُحفظ تغييراتك بعد: ما زال %1 يستخدم ملف النتائج. أتغلق من دونها؟</translation>
    </message>
    <message>
        <source>Your change is saved, but not the changes that an earlier Tolvane game kept beside the score file: %1</source>
        <extracomment>%1 why the kept changes could not be made, from the score file&apos;s own messages</extracomment>
        <translation>حُفظ تغييرك، لكن لم تُحفظ التغييرات التي أبقتها لعبة Tolvane سابقة بجانب ملف النتائج: %1</translation>
    </message>
    <message>
        <source>No lock of yours can be had on the score file just now. Your change is kept and saved as soon as one can, at the latest when you close Tolvane.</source>
        <translation>لا يمكنك قفل ملف النتائج الآن. تغييرك محفوظ جانبًا وسيُكتب حين يمكن ذلك، أو عند إغلاق Tolvane على أبعد تقدير.</translation>
    </message>
    <message>
        <source>Tolvane closes as soon as it has saved your changes; no lock of yours can be had on the score file just now.</source>
        <translation>ستُغلق Tolvane بمجرد حفظ تغييراتك؛ لا يمكنك قفل ملف النتائج الآن.</translation>
    </message>
    <message>
        <source>Your changes have not been saved yet: still no lock of yours can be had on the score file. Close without them?</source>
        <translation>لم تُحفظ تغييراتك بعد: ما زال لا يمكنك قفل ملف النتائج. أتغلق من دونها؟</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Some sound files may be missing</source>
        <translation>قد تكون بعض ملفات الصوت مفقودة</translation>
    </message>
</context>
<context>
    <name>TrustedPath</name>
    <message>
        <source>It leads through the link &quot;%1&quot;, which belongs to another user; the game does not follow it</source>
        <translation>يمر عبر الرابط «%1» الذي يملكه مستخدم آخر؛ لا تتبعه اللعبة</translation>
    </message>
</context>
</TS>
