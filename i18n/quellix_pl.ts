<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../ui/language.cpp" line="+17"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as &quot;LTR&quot; if your language is written from left to right, &quot;RTL&quot; if from right to left: the windows are laid out in that direction. Not shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::AboutDialog</name>
    <message>
        <location filename="../ui/about_dialog.cpp" line="+57"/>
        <source>Dialog Caption</source>
        <extracomment>The title of the About dialog. The English text is deliberately a placeholder&apos;s (&quot;Dialog Caption&quot;), as the game has always shown it; translate it by its meaning (e.g. &quot;Dialog title&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>OK</source>
        <extracomment>The button that closes the About dialog.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::Announcer</name>
    <message numerus="yes">
        <location filename="../ui/announcer.cpp" line="+76"/>
        <source>%n second</source>
        <extracomment>Spoken: a time of exactly one second.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n seconds</source>
        <extracomment>Spoken: a time in seconds (never one); give every plural form of your language.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n minute</source>
        <extracomment>Spoken: a time of exactly one minute.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minutes</source>
        <extracomment>Spoken: a time in minutes (never one); give every plural form of your language.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>minutes and seconds</comment>
        <extracomment>Spoken: a time of minutes and seconds, e.g. &quot;1 minute 5 seconds&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points, score %1</source>
        <extracomment>Spoken after a move: the move&apos;s points (%n, never fewer than 3) and the new score (%1).</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Now: %1</source>
        <extracomment>Spoken: what the keyboard&apos;s cursor is on now, after a move or a batch of falling tiles; %1 names the cell, e.g. &quot;crab, group of 4, 10 points&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 left</source>
        <extracomment>Spoken when the time of a falling game runs low: %1 is a spoken time, e.g. &quot;30 seconds&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over, final score %1.</source>
        <extracomment>Spoken at the end of a game, before its dialogs; %1 is the final score.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Score %1, time remaining %2, best score %3</source>
        <extracomment>Spoken at the S key in a falling game: the score, the time left (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Score %1, time %2, best score %3</source>
        <extracomment>Spoken at the S key in a standard game: the score, the time played (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1.</source>
        <comment>end of a sentence</comment>
        <extracomment>Spoken after a move: a sentence of its points and the score (%1); what the cursor is on follows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tiles fell.</source>
        <extracomment>Spoken when a batch of new tiles has fallen in a falling game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n points. %1</source>
        <extracomment>Spoken at the end of a game that a move ended: the last move&apos;s points (%n, never fewer than 3), then the end&apos;s words (%1), e.g. &quot;3 points. Game over, final score 233.&quot;</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qlx::AssistView</name>
    <message>
        <location filename="../ui/assist_view.cpp" line="+27"/>
        <source>Assisted</source>
        <extracomment>Shown in the panel once Undo or Hint was used in the game: its score does not enter the best scores.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Undo</source>
        <extracomment>A Game menu item: take back the last move.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>A Game menu item: play again the move taken back.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint</source>
        <extracomment>A Game menu item: show the group the game recommends playing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Best found %1</source>
        <extracomment>Shown in the panel at the end of a standard game, on at most two lines: the best total that the game&apos;s own search found on the same deal; %1 is that total, e.g. &quot;Best found 1,530&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::BoardPicture</name>
    <message>
        <location filename="../ui/accessibility.cpp" line="+43"/>
        <source>row %1, column %2</source>
        <extracomment>What a screen reader says of a cell of the board after its name: its row and column, counted from 1 at the top left.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Board</source>
        <extracomment>What a screen reader calls the board, a table of cells.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>What a screen reader says of the board once the game is over.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>column %1</source>
        <extracomment>What a screen reader calls a column of the board, counted from 1 at the left.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>row %1</source>
        <extracomment>What a screen reader calls a row of the board, counted from 1 at the top.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>empty</source>
        <comment>a cell with no tile</comment>
        <extracomment>What a screen reader calls a cell of the board with no tile.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, no group</source>
        <extracomment>What a screen reader says of a tile that has no like tile beside it; %1 names the tile, e.g. &quot;crab&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1, group of %2, %n points</source>
        <extracomment>What a screen reader says of a tile of a group: %1 names the tile (e.g. &quot;crab&quot;), %2 is how many tiles the group has (never fewer than 2) and %n the points it scores (never fewer than 3).</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qlx::Captions</name>
    <message>
        <location filename="../ui/captions.cpp" line="+12"/>
        <source> Error Failerd</source>
        <extracomment>A message box shown when the options and scores cannot be read or saved. The English text&apos;s misspelling and its leading blank are deliberate; translate it by its meaning (&quot;Error: failed&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Game Over </source>
        <extracomment>A message box at the end of a falling game whose new tiles found no room. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Time Out - Game Over </source>
        <extracomment>A message box when the time of a falling game has run out. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Blokkar - Standard Game</source>
        <extracomment>The title of the best-score dialogs in a standard game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Blokkar - Falling Tiles Game</source>
        <extracomment>The title of the best-score dialogs in a falling game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1<byte value="xd"/>
Size (%2 x %3)   Tiles (%4)</source>
        <extracomment>The scores dialog&apos;s title, on two lines: %1 is the first line (the game&apos;s mode), then the grid&apos;s columns (%2) and rows (%3) and how many kinds of tiles the game is played with (%4). The blanks are deliberate in English; keep the line break.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 -  Falling Tiles (%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a falling game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash) are deliberate; translate it by its meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 -  Standard Game(%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a standard game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash, none before the bracket) are deliberate; translate it by its meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::FallingOptionsDialog</name>
    <message>
        <location filename="../ui/falling_options_dialog.cpp" line="+52"/>
        <source>Set Falling Tile Game Options</source>
        <extracomment>The title of the dialog of the falling game&apos;s options.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tiles falls for every</source>
        <extracomment>Before the list of the falling periods: &quot;[new] tiles fall every [2] seconds&quot;. The English grammar (&quot;Tiles falls&quot;) is deliberate; translate the words by their meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Seconds</source>
        <extracomment>After the list of the falling periods: &quot;[new] tiles fall every [2] seconds&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Ends after</source>
        <extracomment>Before the list of the falling game&apos;s lengths: &quot;the game ends after [2:00] minutes&quot;. The capital E is deliberate in English; translate the words by their meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <extracomment>After the list of the falling game&apos;s lengths (in minutes and seconds, e.g. 2:30).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2</source>
        <extracomment>What a screen reader says for a list of the falling options: %1 the words before it, %2 the unit after it, e.g. &quot;Tiles falls for every, seconds&quot;. Translate the comma and the order.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ok</source>
        <extracomment>The button that takes the chosen falling options. &quot;Ok&quot; with a small k is deliberate in English; translate it by its meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <extracomment>The button that leaves the falling options as they were.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::GameOverDialog</name>
    <message>
        <location filename="../ui/game_over_dialog.cpp" line="+15"/>
        <source>Congratulations, You solved the game Successfully <byte value="xd"/>
 With a score of %1</source>
        <extracomment>The end-of-game dialog&apos;s text, on two lines; %1 is the score. The English capitals, the blanks around the line break and the words (&quot;solved the game Successfully&quot;, said of every game) are deliberate; translate it by its meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wow</source>
        <extracomment>The title of the end-of-game dialog: an exclamation of surprise and delight.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Play Again </source>
        <extracomment>The button of the end-of-game dialog that starts a new game. The blanks around the English text are deliberate; translate the words by their meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <extracomment>The button of the end-of-game dialog that closes it without a new game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::HelpWindow</name>
    <message>
        <location filename="../ui/help_window.cpp" line="+30"/>
        <source>The help file could not be found.</source>
        <extracomment>Shown in the help window when its file is missing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file could not be read.</source>
        <extracomment>Shown in the help window when its file cannot be opened.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The help file is damaged and cannot be shown.</source>
        <extracomment>Shown in the help window when its file is cut short or not a help page.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Help is not available</source>
        <extracomment>The heading of the help window when its file cannot be shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quellix looks for it at</source>
        <extracomment>In the help window when its file cannot be shown; the file&apos;s path follows on the next line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installing Quellix again puts it back. The game itself is not affected.</source>
        <extracomment>In the help window when its file cannot be shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Help</source>
        <extracomment>The title of the help window; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Contents</source>
        <extracomment>A button of the help window: back to the top of the help page.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>A button of the help window: the place shown before.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>A button of the help window: the place shown after, once Back was pressed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::MainWindow</name>
    <message>
        <location filename="../ui/main_window.cpp" line="+52"/>
        <source>%1 x %2</source>
        <extracomment>A grid size in the Options menu: columns x rows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ui/main_window_form.cpp" line="+92"/>
        <source>Resume Game</source>
        <extracomment>The button that stands in place of the hidden board while the game is paused.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Game</source>
        <extracomment>The first menu of the menu bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard</source>
        <extracomment>A Game menu item: a new standard game. The small s is deliberate in English; translate it by its meaning (&quot;Standard game&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Falling Blocks</source>
        <extracomment>A Game menu item: a new falling game. The English name differs deliberately from &quot;Falling Tiles&quot;, the game&apos;s name elsewhere; translate it by its meaning, with your word for the game&apos;s tiles.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause</source>
        <extracomment>A Game menu item: pause the game (the board is hidden and the clock stops).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Scores</source>
        <extracomment>A Game menu item: the dialog of the three best scores.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <extracomment>A Game menu item: leave the game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>The second menu of the menu bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Grid Size</source>
        <extracomment>An Options submenu: the board&apos;s columns and rows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <comment>size of the tiles</comment>
        <extracomment>An Options submenu: the size of the tiles on the screen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>small</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (16 pixels). The small s is deliberate in English; translate it by its meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Standard</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (32 pixels).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Big</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (48 pixels).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number Of Tiles</source>
        <extracomment>An Options submenu: how many kinds of tiles a game is played with (5 to 8). The English words (&quot;Number Of Tiles&quot;, with a capital O) are deliberate; translate it by its meaning: the number of kinds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tile</source>
        <comment>set of tile pictures</comment>
        <extracomment>An Options submenu: the set of pictures the tiles show.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classic tiles</source>
        <extracomment>A set of tile pictures: squares with patterns.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stars</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pets - parrots</source>
        <extracomment>A set of tile pictures: pets, namely parrots. The English writing is deliberate; translate it by its meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Animals</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fractals</source>
        <extracomment>A set of tile pictures: coloured fractal figures.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Falling Tile Options..</source>
        <extracomment>An Options menu item: the dialog of the falling game&apos;s options. The two dots are deliberate in English (write what your language writes for a menu item that opens a dialog).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <extracomment>The last menu of the menu bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Contents</source>
        <extracomment>A Help menu item: the help page, at its contents.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <extracomment>A Help menu item: the dialog of the program&apos;s name, version and web site.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::NameDialog</name>
    <message>
        <location filename="../ui/name_dialog.cpp" line="+16"/>
        <source>Best Score</source>
        <extracomment>The title of the dialog that asks a new best score&apos;s player for a name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Your Name</source>
        <extracomment>Beside the field for the player&apos;s name in the best-score dialog.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OK</source>
        <extracomment>The button that enters the name of a best score.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::ScoresDialog</name>
    <message>
        <location filename="../ui/scores_dialog.cpp" line="+16"/>
        <source>Scores</source>
        <extracomment>The title of the dialog of the three best scores.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK</source>
        <extracomment>The button that closes the best scores.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear Data</source>
        <extracomment>The button that clears the three best scores of this grid, mode and number of kinds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::StatsPanel</name>
    <message>
        <location filename="../ui/stats_frame.cpp" line="+52"/>
        <source>Statistics</source>
        <extracomment>The caption of the panel beside the board.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>  Score</source>
        <extracomment>A caption in the panel, over the score. The two leading blanks are deliberate in English; translate the word by its meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Best Score</source>
        <extracomment>A caption in the panel, over the best score of this grid, mode and number of kinds. The leading blank is deliberate in English; translate the words by their meaning.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Score</source>
        <extracomment>What a screen reader says before the score, e.g. &quot;Score 45&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best score</source>
        <extracomment>What a screen reader says before the best score, e.g. &quot;Best score 120&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+14"/>
        <source>Time <byte value="xd"/>
Remaining</source>
        <extracomment>A caption in the panel, over the clock of a falling game (the time left), on two lines. The blank before the line break is deliberate in English; translate the words by their meaning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time remaining</source>
        <extracomment>What a screen reader says before the clock of a falling game, e.g. &quot;Time remaining 1:59&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qlx::TileKinds</name>
    <message>
        <location filename="../ui/tile_pictures.cpp" line="+46"/>
        <source>blue checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark red bricks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey-green stripes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink marble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cream with berries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tan paper with a plant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-grey granite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark blue flagstones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dark blue star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lilac star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>scarlet macaw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-and-gold macaw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green amazon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white cockatoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey parrot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow lorikeet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun conure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>galah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cockatiel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>donkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dinosaur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>red Mandelbrot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange rabbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>golden ship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green Newton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan Julia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue seahorse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>violet tricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta Julia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow Newton</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
