<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../ui/language.cpp" line="+17"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as &quot;LTR&quot; if your language is written from left to right, &quot;RTL&quot; if from right to left: the windows are laid out in that direction. Not shown.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>qlx::AboutDialog</name>
    <message>
        <location filename="../ui/about_dialog.cpp" line="+57"/>
        <source>Dialog Caption</source>
        <extracomment>The title of the About dialog. The English text is deliberately a placeholder&apos;s (&quot;Dialog Caption&quot;), as the game has always shown it; translate it by its meaning (e.g. &quot;Dialog title&quot;).</extracomment>
        <translation>عنوان مربع الحوار</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>OK</source>
        <extracomment>The button that closes the About dialog.</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>qlx::Announcer</name>
    <message numerus="yes">
        <location filename="../ui/announcer.cpp" line="+76"/>
        <source>%n second</source>
        <extracomment>Spoken: a time of exactly one second.</extracomment>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتان</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n seconds</source>
        <extracomment>Spoken: a time in seconds (never one); give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتان</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n minute</source>
        <extracomment>Spoken: a time of exactly one minute.</extracomment>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minutes</source>
        <extracomment>Spoken: a time in minutes (never one); give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>minutes and seconds</comment>
        <extracomment>Spoken: a time of minutes and seconds, e.g. &quot;1 minute 5 seconds&quot;.</extracomment>
        <translation>%1 و%2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points, score %1</source>
        <extracomment>Spoken after a move: the move&apos;s points (%n, never fewer than 3) and the new score (%1).</extracomment>
        <translation>
            <numerusform>%n نقطة، النتيجة %1</numerusform>
            <numerusform>نقطة واحدة، النتيجة %1</numerusform>
            <numerusform>نقطتان، النتيجة %1</numerusform>
            <numerusform>%n نقاط، النتيجة %1</numerusform>
            <numerusform>%n نقطة، النتيجة %1</numerusform>
            <numerusform>%n نقطة، النتيجة %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Now: %1</source>
        <extracomment>Spoken: what the keyboard&apos;s cursor is on now, after a move or a batch of falling tiles; %1 names the cell, e.g. &quot;crab, group of 4, 10 points&quot;.</extracomment>
        <translation>الآن: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 left</source>
        <extracomment>Spoken when the time of a falling game runs low: %1 is a spoken time, e.g. &quot;30 seconds&quot;.</extracomment>
        <translation>الوقت المتبقي: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over, final score %1.</source>
        <extracomment>Spoken at the end of a game, before its dialogs; %1 is the final score.</extracomment>
        <translation>انتهت اللعبة، النتيجة النهائية %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Score %1, time remaining %2, best score %3</source>
        <extracomment>Spoken at the S key in a falling game: the score, the time left (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation>النتيجة %1، الوقت المتبقي %2، أفضل نتيجة %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Score %1, time %2, best score %3</source>
        <extracomment>Spoken at the S key in a standard game: the score, the time played (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation>النتيجة %1، الوقت %2، أفضل نتيجة %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1.</source>
        <comment>end of a sentence</comment>
        <extracomment>Spoken after a move: a sentence of its points and the score (%1); what the cursor is on follows.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tiles fell.</source>
        <extracomment>Spoken when a batch of new tiles has fallen in a falling game.</extracomment>
        <translation>سقطت دفعة جديدة من القطع.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n points. %1</source>
        <extracomment>Spoken at the end of a game that a move ended: the last move&apos;s points (%n, never fewer than 3), then the end&apos;s words (%1), e.g. &quot;3 points. Game over, final score 233.&quot;</extracomment>
        <translation>
            <numerusform>%n نقطة. %1</numerusform>
            <numerusform>نقطة واحدة. %1</numerusform>
            <numerusform>نقطتان. %1</numerusform>
            <numerusform>%n نقاط. %1</numerusform>
            <numerusform>%n نقطة. %1</numerusform>
            <numerusform>%n نقطة. %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal number %1.</source>
        <extracomment>Spoken when a deal chosen by its number begins (%1: the number, digits 0-9).</extracomment>
        <translation>التوزيعة رقم %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deal number %1 again, from its start.</source>
        <extracomment>Spoken when Game &gt; Restart Deal begins the deal in play again (%1: its number, digits 0-9).</extracomment>
        <translation>التوزيعة رقم %1 من جديد، من بدايتها.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End of the best line: %1 points. A key or a click returns to your game.</source>
        <extracomment>Spoken when the replay of the best line found has shown its last move (%1: its total points).</extracomment>
        <translation>نهاية أفضل سلسلة نقلات: النقاط %1. اضغط أي مفتاح أو انقر للعودة إلى لعبتك.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The best line found: %1 points in %2 moves. A key or a click stops it.</source>
        <extracomment>Spoken when Game &gt; Show Best Found begins (%1: the line&apos;s total points, %2: its number of moves).</extracomment>
        <translation>أفضل سلسلة نقلات وُجدت: النقاط %1، وعدد النقلات %2. اضغط أي مفتاح أو انقر لإيقافها.</translation>
    </message>
</context>
<context>
    <name>qlx::AssistView</name>
    <message>
        <location filename="../ui/assist_view.cpp" line="+27"/>
        <source>Assisted</source>
        <extracomment>Shown in the panel once Undo or Hint was used in the game: its score does not enter the best scores.</extracomment>
        <translation>بمساعدة</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Undo</source>
        <extracomment>A Game menu item: take back the last move.</extracomment>
        <translation>تراجع</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>A Game menu item: play again the move taken back.</extracomment>
        <translation>إعادة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint</source>
        <extracomment>A Game menu item: show the group the game recommends playing.</extracomment>
        <translation>تلميح</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Best found %1</source>
        <extracomment>Shown in the panel at the end of a standard game, on at most two lines: the best total that the game&apos;s own search found on the same deal; %1 is that total, e.g. &quot;Best found 1,530&quot;.</extracomment>
        <translation>أفضل ما وُجد %1</translation>
    </message>
</context>
<context>
    <name>qlx::BoardPicture</name>
    <message>
        <location filename="../ui/accessibility.cpp" line="+43"/>
        <source>row %1, column %2</source>
        <extracomment>What a screen reader says of a cell of the board after its name: its row and column, counted from 1 at the top left.</extracomment>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Board</source>
        <extracomment>What a screen reader calls the board, a table of cells.</extracomment>
        <translation>اللوحة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>What a screen reader says of the board once the game is over.</extracomment>
        <translation>انتهت اللعبة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deal number %1</source>
        <extracomment>What a screen reader says of the board during a game: the number of the deal in play (digits 0-9, as the player types it in Game &gt; Play Deal Number...).</extracomment>
        <translation>التوزيعة رقم %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>column %1</source>
        <extracomment>What a screen reader calls a column of the board, counted from 1 at the left.</extracomment>
        <translation>العمود %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>row %1</source>
        <extracomment>What a screen reader calls a row of the board, counted from 1 at the top.</extracomment>
        <translation>الصف %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>empty</source>
        <comment>a cell with no tile</comment>
        <extracomment>What a screen reader calls a cell of the board with no tile.</extracomment>
        <translation>فارغة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, no group</source>
        <extracomment>What a screen reader says of a tile that has no like tile beside it; %1 names the tile, e.g. &quot;crab&quot;.</extracomment>
        <translation>%1، بلا مجموعة</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1, group of %2, %n points</source>
        <extracomment>What a screen reader says of a tile of a group: %1 names the tile (e.g. &quot;crab&quot;), %2 is how many tiles the group has (never fewer than 2) and %n the points it scores (never fewer than 3).</extracomment>
        <translation>
            <numerusform>%1، مجموعة من %2، %n نقطة</numerusform>
            <numerusform>%1، مجموعة من %2، نقطة واحدة</numerusform>
            <numerusform>%1، مجموعة من %2، نقطتان</numerusform>
            <numerusform>%1، مجموعة من %2، %n نقاط</numerusform>
            <numerusform>%1، مجموعة من %2، %n نقطة</numerusform>
            <numerusform>%1، مجموعة من %2، %n نقطة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qlx::Captions</name>
    <message>
        <location filename="../ui/captions.cpp" line="+12"/>
        <source> Error Failerd</source>
        <extracomment>A message box shown when the options and scores cannot be read or saved. The English text&apos;s misspelling and its leading blank are deliberate; translate it by its meaning (&quot;Error: failed&quot;).</extracomment>
        <translation>خطأ: فشلت العملية.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Game Over </source>
        <extracomment>A message box at the end of a falling game whose new tiles found no room. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation>انتهت اللعبة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Time Out - Game Over </source>
        <extracomment>A message box when the time of a falling game has run out. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation>انتهى الوقت - انتهت اللعبة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Blokkar - Standard Game</source>
        <extracomment>The title of the best-score dialogs in a standard game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation>Blokkar - اللعبة القياسية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Blokkar - Falling Tiles Game</source>
        <extracomment>The title of the best-score dialogs in a falling game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation>Blokkar - لعبة القطع المتساقطة</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1<byte value="xd"/>
Size (%2 x %3)   Tiles (%4)</source>
        <extracomment>The scores dialog&apos;s title, on two lines: %1 is the first line (the game&apos;s mode), then the grid&apos;s columns (%2) and rows (%3) and how many kinds of tiles the game is played with (%4). The blanks are deliberate in English; keep the line break.</extracomment>
        <translation>%1<byte value="xd"/>
الشبكة (%2 x %3)   الأنواع (%4)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 -  Falling Tiles (%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a falling game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash) are deliberate; translate it by its meaning.</extracomment>
        <translation>%1 - القطع المتساقطة (%2x%3) %4 أنواع</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 -  Standard Game(%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a standard game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash, none before the bracket) are deliberate; translate it by its meaning.</extracomment>
        <translation>%1 - اللعبة القياسية (%2x%3) %4 أنواع</translation>
    </message>
</context>
<context>
    <name>qlx::DealNumberDialog</name>
    <message>
        <location filename="../ui/deal_number_dialog.cpp" line="+24"/>
        <source>Play Deal Number</source>
        <translation>لعب توزيعة برقمها</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Falling Tiles</source>
        <translation>القطع المتساقطة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Standard Game</source>
        <translation>اللعبة القياسية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, grid %2 x %3, %4 tiles</source>
        <translation>%1، الشبكة %2 x %3، الأنواع %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This deal is number %1 (%2).</source>
        <translation>هذه هي التوزيعة رقم %1 (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the number of a deal to play: a whole number from 0 to %1. A number deals the same board on every computer for the same game, grid size and number of tiles, and in Falling Tiles the same falling tiles. A deal chosen by its number does not enter the best scores.</source>
        <translation>اكتب رقم التوزيعة التي تريد لعبها: عددًا صحيحًا من 0 إلى %1. الرقم نفسه يوزّع اللوحة نفسها على كل حاسوب، للعبة نفسها وحجم الشبكة نفسه وعدد الأنواع نفسه، وفي القطع المتساقطة تسقط القطع نفسها أيضًا. والتوزيعة المختارة برقمها لا تدخل أفضل النتائج.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Deal number</source>
        <translation>رقم التوزيعة</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Type a deal number: a whole number from 0 to %1.</source>
        <translation>اكتب رقم توزيعة: عددًا صحيحًا من 0 إلى %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a deal number. Type a whole number from 0 to %2, digits only.</source>
        <translation>«%1» ليس رقم توزيعة. اكتب عددًا صحيحًا من 0 إلى %2، بالأرقام 0-9 فقط.</translation>
    </message>
</context>
<context>
    <name>qlx::DealView</name>
    <message>
        <location filename="../ui/deal_view.cpp" line="+25"/>
        <source>Undo All</source>
        <translation>تراجع عن الكل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo All</source>
        <translation>إعادة الكل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restart Deal</source>
        <translation>بدء التوزيعة من جديد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play Deal Number…</source>
        <translation>لعب توزيعة برقمها…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Best Found</source>
        <translation>عرض أفضل ما وُجد</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Known deal</source>
        <translation>توزيعة معروفة</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Known deal, number %1: not ranked</source>
        <translation>توزيعة معروفة، رقمها %1: لا تدخل أفضل النتائج</translation>
    </message>
</context>
<context>
    <name>qlx::FallingOptionsDialog</name>
    <message>
        <location filename="../ui/falling_options_dialog.cpp" line="+52"/>
        <source>Set Falling Tile Game Options</source>
        <extracomment>The title of the dialog of the falling game&apos;s options.</extracomment>
        <translation>خيارات لعبة القطع المتساقطة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tiles falls for every</source>
        <extracomment>Before the list of the falling periods: &quot;[new] tiles fall every [2] seconds&quot;. The English grammar (&quot;Tiles falls&quot;) is deliberate; translate the words by their meaning.</extracomment>
        <translation>تسقط القطع كل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Seconds</source>
        <extracomment>After the list of the falling periods: &quot;[new] tiles fall every [2] seconds&quot;.</extracomment>
        <translation>ثانية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Ends after</source>
        <extracomment>Before the list of the falling game&apos;s lengths: &quot;the game ends after [2:00] minutes&quot;. The capital E is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>تنتهي اللعبة بعد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <extracomment>After the list of the falling game&apos;s lengths (in minutes and seconds, e.g. 2:30).</extracomment>
        <translation>دقيقة</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2</source>
        <extracomment>What a screen reader says for a list of the falling options: %1 the words before it, %2 the unit after it, e.g. &quot;Tiles falls for every, seconds&quot;. Translate the comma and the order.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ok</source>
        <extracomment>The button that takes the chosen falling options. &quot;Ok&quot; with a small k is deliberate in English; translate it by its meaning.</extracomment>
        <translation>موافق</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <extracomment>The button that leaves the falling options as they were.</extracomment>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>qlx::GameOverDialog</name>
    <message>
        <location filename="../ui/game_over_dialog.cpp" line="+15"/>
        <source>Congratulations, You solved the game Successfully <byte value="xd"/>
 With a score of %1</source>
        <extracomment>The end-of-game dialog&apos;s text, on two lines; %1 is the score. The English capitals, the blanks around the line break and the words (&quot;solved the game Successfully&quot;, said of every game) are deliberate; translate it by its meaning.</extracomment>
        <translation>تهانينا، لقد أنهيت اللعبة بنجاح!
نتيجتك: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wow</source>
        <extracomment>The title of the end-of-game dialog: an exclamation of surprise and delight.</extracomment>
        <translation>رائع!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Play Again </source>
        <extracomment>The button of the end-of-game dialog that starts a new game. The blanks around the English text are deliberate; translate the words by their meaning.</extracomment>
        <translation>العب مجددًا</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <extracomment>The button of the end-of-game dialog that closes it without a new game.</extracomment>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>qlx::HelpWindow</name>
    <message>
        <location filename="../ui/help_window.cpp" line="+30"/>
        <source>The help file could not be found.</source>
        <extracomment>Shown in the help window when its file is missing.</extracomment>
        <translation>تعذّر العثور على ملف المساعدة.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file could not be read.</source>
        <extracomment>Shown in the help window when its file cannot be opened.</extracomment>
        <translation>تعذّرت قراءة ملف المساعدة.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The help file is damaged and cannot be shown.</source>
        <extracomment>Shown in the help window when its file is cut short or not a help page.</extracomment>
        <translation>ملف المساعدة تالف ولا يمكن عرضه.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Help is not available</source>
        <extracomment>The heading of the help window when its file cannot be shown.</extracomment>
        <translation>المساعدة غير متاحة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quellix looks for it at</source>
        <extracomment>In the help window when its file cannot be shown; the file&apos;s path follows on the next line.</extracomment>
        <translation>يبحث Quellix عن الملف في</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installing Quellix again puts it back. The game itself is not affected.</source>
        <extracomment>In the help window when its file cannot be shown.</extracomment>
        <translation>يمكن استعادته بإعادة تثبيت Quellix. أما اللعبة نفسها فلا تتأثر.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Help</source>
        <extracomment>The title of the help window; %1 is the program&apos;s name.</extracomment>
        <translation>مساعدة %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Contents</source>
        <extracomment>A button of the help window: back to the top of the help page.</extracomment>
        <translation>المحتويات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>A button of the help window: the place shown before.</extracomment>
        <translation>رجوع</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>A button of the help window: the place shown after, once Back was pressed.</extracomment>
        <translation>تقدّم</translation>
    </message>
</context>
<context>
    <name>qlx::MainWindow</name>
    <message>
        <location filename="../ui/main_window.cpp" line="+52"/>
        <source>%1 x %2</source>
        <extracomment>A grid size in the Options menu: columns x rows.</extracomment>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <location filename="../ui/main_window_form.cpp" line="+92"/>
        <source>Resume Game</source>
        <extracomment>The button that stands in place of the hidden board while the game is paused.</extracomment>
        <translation>استئناف اللعبة</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Game</source>
        <extracomment>The first menu of the menu bar.</extracomment>
        <translation>اللعبة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard</source>
        <extracomment>A Game menu item: a new standard game. The small s is deliberate in English; translate it by its meaning (&quot;Standard game&quot;).</extracomment>
        <translation>اللعبة القياسية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Falling Blocks</source>
        <extracomment>A Game menu item: a new falling game. The English name differs deliberately from &quot;Falling Tiles&quot;, the game&apos;s name elsewhere; translate it by its meaning, with your word for the game&apos;s tiles.</extracomment>
        <translation>القطع المتساقطة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause</source>
        <extracomment>A Game menu item: pause the game (the board is hidden and the clock stops).</extracomment>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scores</source>
        <extracomment>A Game menu item: the dialog of the three best scores.</extracomment>
        <translation>أفضل النتائج</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <extracomment>A Game menu item: leave the game.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>The second menu of the menu bar.</extracomment>
        <translation>خيارات</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Grid Size</source>
        <extracomment>An Options submenu: the board&apos;s columns and rows.</extracomment>
        <translation>حجم الشبكة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <comment>size of the tiles</comment>
        <extracomment>An Options submenu: the size of the tiles on the screen.</extracomment>
        <translation>حجم القطع</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>small</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (16 pixels). The small s is deliberate in English; translate it by its meaning.</extracomment>
        <translation>صغير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Standard</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (32 pixels).</extracomment>
        <translation>قياسي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Big</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (48 pixels).</extracomment>
        <translation>كبير</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number Of Tiles</source>
        <extracomment>An Options submenu: how many kinds of tiles a game is played with (5 to 8). The English words (&quot;Number Of Tiles&quot;, with a capital O) are deliberate; translate it by its meaning: the number of kinds.</extracomment>
        <translation>عدد الأنواع</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tile</source>
        <comment>set of tile pictures</comment>
        <extracomment>An Options submenu: the set of pictures the tiles show.</extracomment>
        <translation>صور القطع</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classic tiles</source>
        <extracomment>A set of tile pictures: squares with patterns.</extracomment>
        <translation>قطع كلاسيكية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stars</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation>نجوم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pets - parrots</source>
        <extracomment>A set of tile pictures: pets, namely parrots. The English writing is deliberate; translate it by its meaning.</extracomment>
        <translation>حيوانات أليفة (ببغاوات)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Animals</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation>حيوانات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fractals</source>
        <extracomment>A set of tile pictures: coloured fractal figures.</extracomment>
        <translation>كسيريات</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Falling Tile Options..</source>
        <extracomment>An Options menu item: the dialog of the falling game&apos;s options. The two dots are deliberate in English (write what your language writes for a menu item that opens a dialog).</extracomment>
        <translation>خيارات القطع المتساقطة...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <extracomment>The last menu of the menu bar.</extracomment>
        <translation>مساعدة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Contents</source>
        <extracomment>A Help menu item: the help page, at its contents.</extracomment>
        <translation>المحتويات</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <extracomment>A Help menu item: the dialog of the program&apos;s name, version and web site.</extracomment>
        <translation>حول</translation>
    </message>
</context>
<context>
    <name>qlx::NameDialog</name>
    <message>
        <location filename="../ui/name_dialog.cpp" line="+16"/>
        <source>Best Score</source>
        <extracomment>The title of the dialog that asks a new best score&apos;s player for a name.</extracomment>
        <translation>أفضل نتيجة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Your Name</source>
        <extracomment>Beside the field for the player&apos;s name in the best-score dialog.</extracomment>
        <translation>أدخل اسمك</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OK</source>
        <extracomment>The button that enters the name of a best score.</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>qlx::ScoresDialog</name>
    <message>
        <location filename="../ui/scores_dialog.cpp" line="+16"/>
        <source>Scores</source>
        <extracomment>The title of the dialog of the three best scores.</extracomment>
        <translation>أفضل النتائج</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK</source>
        <extracomment>The button that closes the best scores.</extracomment>
        <translation>موافق</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear Data</source>
        <extracomment>The button that clears the three best scores of this grid, mode and number of kinds.</extracomment>
        <translation>مسح البيانات</translation>
    </message>
</context>
<context>
    <name>qlx::StatsPanel</name>
    <message>
        <location filename="../ui/stats_frame.cpp" line="+52"/>
        <source>Statistics</source>
        <extracomment>The caption of the panel beside the board.</extracomment>
        <translation>إحصاءات</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>  Score</source>
        <extracomment>A caption in the panel, over the score. The two leading blanks are deliberate in English; translate the word by its meaning.</extracomment>
        <translation>النتيجة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Best Score</source>
        <extracomment>A caption in the panel, over the best score of this grid, mode and number of kinds. The leading blank is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>أفضل نتيجة</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+34"/>
        <location line="+5"/>
        <location line="+19"/>
        <location line="+1"/>
        <source>Time</source>
        <comment>time played</comment>
        <extracomment>A caption in the panel, over the clock of a standard game (the time played).
----------
What a screen reader says before the clock of a standard game, e.g. &quot;Time 1:05&quot;.</extracomment>
        <translation>الوقت</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Score</source>
        <extracomment>What a screen reader says before the score, e.g. &quot;Score 45&quot;.</extracomment>
        <translation>النتيجة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best score</source>
        <extracomment>What a screen reader says before the best score, e.g. &quot;Best score 120&quot;.</extracomment>
        <translation>أفضل نتيجة</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+14"/>
        <source>Time <byte value="xd"/>
Remaining</source>
        <extracomment>A caption in the panel, over the clock of a falling game (the time left), on two lines. The blank before the line break is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>الوقت
المتبقي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time remaining</source>
        <extracomment>What a screen reader says before the clock of a falling game, e.g. &quot;Time remaining 1:59&quot;.</extracomment>
        <translation>الوقت المتبقي</translation>
    </message>
</context>
<context>
    <name>qlx::TileKinds</name>
    <message>
        <location filename="../ui/tile_pictures.cpp" line="+46"/>
        <source>blue checks</source>
        <translation>مربعات شطرنجية زرقاء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark red bricks</source>
        <translation>طوب أحمر داكن</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey-green stripes</source>
        <translation>خطوط رمادية مخضرة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink marble</source>
        <translation>رخام وردي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cream with berries</source>
        <translation>كريمي مع توت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange flower</source>
        <translation>زهرة برتقالية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tan paper with a plant</source>
        <translation>ورق بني فاتح مع نبتة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-grey granite</source>
        <translation>جرانيت رمادي مزرق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark blue flagstones</source>
        <translation>بلاط حجري أزرق داكن</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dark blue star</source>
        <translation>نجمة زرقاء داكنة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue star</source>
        <translation>نجمة زرقاء فاتحة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan star</source>
        <translation>نجمة سماوية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green star</source>
        <translation>نجمة خضراء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange star</source>
        <translation>نجمة برتقالية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta star</source>
        <translation>نجمة أرجوانية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lilac star</source>
        <translation>نجمة ليلكية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red star</source>
        <translation>نجمة حمراء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink star</source>
        <translation>نجمة وردية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>scarlet macaw</source>
        <translation>مكاو قرمزي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-and-gold macaw</source>
        <translation>مكاو أزرق وذهبي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green amazon</source>
        <translation>ببغاء أمازون أخضر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white cockatoo</source>
        <translation>كوكاتو أبيض</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey parrot</source>
        <translation>ببغاء رمادي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow lorikeet</source>
        <translation>لوري قوس قزح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun conure</source>
        <translation>كونيور الشمس</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>galah</source>
        <translation>كوكاتو غالاه</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cockatiel</source>
        <translation>كوكاتيل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bee</source>
        <translation>نحلة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crab</source>
        <translation>سلطعون</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>donkey</source>
        <translation>حمار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dinosaur</source>
        <translation>ديناصور</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cat</source>
        <translation>قطة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beaver</source>
        <translation>قندس</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mouse</source>
        <translation>فأر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bird</source>
        <translation>طائر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spider</source>
        <translation>عنكبوت</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>red Mandelbrot</source>
        <translation>ماندلبروت أحمر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange rabbit</source>
        <translation>أرنب برتقالي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>golden ship</source>
        <translation>سفينة ذهبية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green Newton</source>
        <translation>نيوتن أخضر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan Julia</source>
        <translation>جوليا سماوية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue seahorse</source>
        <translation>فرس بحر أزرق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>violet tricorn</source>
        <translation>تريكورن بنفسجي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta Julia</source>
        <translation>جوليا أرجوانية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow Newton</source>
        <translation>نيوتن بألوان قوس قزح</translation>
    </message>
</context>
</TS>
