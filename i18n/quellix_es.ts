<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../ui/language.cpp" line="+17"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as &quot;LTR&quot; if your language is written from left to right, &quot;RTL&quot; if from right to left: the windows are laid out in that direction. Not shown.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>qlx::AboutDialog</name>
    <message>
        <location filename="../ui/about_dialog.cpp" line="+57"/>
        <source>Dialog Caption</source>
        <extracomment>The title of the About dialog. The English text is deliberately a placeholder&apos;s (&quot;Dialog Caption&quot;), as the game has always shown it; translate it by its meaning (e.g. &quot;Dialog title&quot;).</extracomment>
        <translation>Título del cuadro de diálogo</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>OK</source>
        <extracomment>The button that closes the About dialog.</extracomment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>qlx::Announcer</name>
    <message numerus="yes">
        <location filename="../ui/announcer.cpp" line="+76"/>
        <source>%n second</source>
        <extracomment>Spoken: a time of exactly one second.</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n seconds</source>
        <extracomment>Spoken: a time in seconds (never one); give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n minute</source>
        <extracomment>Spoken: a time of exactly one minute.</extracomment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minutes</source>
        <extracomment>Spoken: a time in minutes (never one); give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>minutes and seconds</comment>
        <extracomment>Spoken: a time of minutes and seconds, e.g. &quot;1 minute 5 seconds&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points, score %1</source>
        <extracomment>Spoken after a move: the move&apos;s points (%n, never fewer than 3) and the new score (%1).</extracomment>
        <translation>
            <numerusform>%n punto, puntuación %1</numerusform>
            <numerusform>%n puntos, puntuación %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Now: %1</source>
        <extracomment>Spoken: what the keyboard&apos;s cursor is on now, after a move or a batch of falling tiles; %1 names the cell, e.g. &quot;crab, group of 4, 10 points&quot;.</extracomment>
        <translation>Ahora: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 left</source>
        <extracomment>Spoken when the time of a falling game runs low: %1 is a spoken time, e.g. &quot;30 seconds&quot;.</extracomment>
        <translation>Tiempo restante: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over, final score %1.</source>
        <extracomment>Spoken at the end of a game, before its dialogs; %1 is the final score.</extracomment>
        <translation>Fin de la partida, puntuación final %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Score %1, time remaining %2, best score %3</source>
        <extracomment>Spoken at the S key in a falling game: the score, the time left (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation>Puntuación %1, tiempo restante %2, mejor puntuación %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Score %1, time %2, best score %3</source>
        <extracomment>Spoken at the S key in a standard game: the score, the time played (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation>Puntuación %1, tiempo %2, mejor puntuación %3</translation>
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
        <translation>Ha caído una tanda de fichas.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n points. %1</source>
        <extracomment>Spoken at the end of a game that a move ended: the last move&apos;s points (%n, never fewer than 3), then the end&apos;s words (%1), e.g. &quot;3 points. Game over, final score 233.&quot;</extracomment>
        <translation>
            <numerusform>%n punto. %1</numerusform>
            <numerusform>%n puntos. %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal number %1.</source>
        <extracomment>Spoken when a deal chosen by its number begins (%1: the number, digits 0-9).</extracomment>
        <translation>Reparto número %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deal number %1 again, from its start.</source>
        <extracomment>Spoken when Game &gt; Restart Deal begins the deal in play again (%1: its number, digits 0-9).</extracomment>
        <translation>Reparto número %1 otra vez, desde el principio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End of the best line: %1 points. A key or a click returns to your game.</source>
        <extracomment>Spoken when the replay of the best line found has shown its last move (%1: its total points).</extracomment>
        <translation>Fin de la mejor secuencia: %1 puntos. Pulsa una tecla o haz clic para volver a tu partida.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The best line found: %1 points in %2 moves. A key or a click stops it.</source>
        <extracomment>Spoken when Game &gt; Show Best Found begins (%1: the line&apos;s total points, %2: its number of moves).</extracomment>
        <translation>La mejor secuencia encontrada: %1 puntos en %2 jugadas. Pulsa una tecla o haz clic para detenerla.</translation>
    </message>
</context>
<context>
    <name>qlx::AssistView</name>
    <message>
        <location filename="../ui/assist_view.cpp" line="+27"/>
        <source>Assisted</source>
        <extracomment>Shown in the panel once Undo or Hint was used in the game: its score does not enter the best scores.</extracomment>
        <translation>Asistida</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Undo</source>
        <extracomment>A Game menu item: take back the last move.</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>A Game menu item: play again the move taken back.</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint</source>
        <extracomment>A Game menu item: show the group the game recommends playing.</extracomment>
        <translation>Pista</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Best found %1</source>
        <extracomment>Shown in the panel at the end of a standard game, on at most two lines: the best total that the game&apos;s own search found on the same deal; %1 is that total, e.g. &quot;Best found 1,530&quot;.</extracomment>
        <translation>Mejor encontrada %1</translation>
    </message>
</context>
<context>
    <name>qlx::BoardPicture</name>
    <message>
        <location filename="../ui/accessibility.cpp" line="+43"/>
        <source>row %1, column %2</source>
        <extracomment>What a screen reader says of a cell of the board after its name: its row and column, counted from 1 at the top left.</extracomment>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Board</source>
        <extracomment>What a screen reader calls the board, a table of cells.</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>What a screen reader says of the board once the game is over.</extracomment>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deal number %1</source>
        <extracomment>What a screen reader says of the board during a game: the number of the deal in play (digits 0-9, as the player types it in Game &gt; Play Deal Number...).</extracomment>
        <translation>Reparto número %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>column %1</source>
        <extracomment>What a screen reader calls a column of the board, counted from 1 at the left.</extracomment>
        <translation>columna %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>row %1</source>
        <extracomment>What a screen reader calls a row of the board, counted from 1 at the top.</extracomment>
        <translation>fila %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>empty</source>
        <comment>a cell with no tile</comment>
        <extracomment>What a screen reader calls a cell of the board with no tile.</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, no group</source>
        <extracomment>What a screen reader says of a tile that has no like tile beside it; %1 names the tile, e.g. &quot;crab&quot;.</extracomment>
        <translation>%1, sin grupo</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1, group of %2, %n points</source>
        <extracomment>What a screen reader says of a tile of a group: %1 names the tile (e.g. &quot;crab&quot;), %2 is how many tiles the group has (never fewer than 2) and %n the points it scores (never fewer than 3).</extracomment>
        <translation>
            <numerusform>%1, grupo de %2, %n punto</numerusform>
            <numerusform>%1, grupo de %2, %n puntos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qlx::Captions</name>
    <message>
        <location filename="../ui/captions.cpp" line="+12"/>
        <source> Error Failerd</source>
        <extracomment>A message box shown when the options and scores cannot be read or saved. The English text&apos;s misspelling and its leading blank are deliberate; translate it by its meaning (&quot;Error: failed&quot;).</extracomment>
        <translation>Error: la operación ha fallado</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Game Over </source>
        <extracomment>A message box at the end of a falling game whose new tiles found no room. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Time Out - Game Over </source>
        <extracomment>A message box when the time of a falling game has run out. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation>Se acabó el tiempo - Fin de la partida</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Blokkar - Standard Game</source>
        <extracomment>The title of the best-score dialogs in a standard game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation>Blokkar - Partida estándar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Blokkar - Falling Tiles Game</source>
        <extracomment>The title of the best-score dialogs in a falling game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation>Blokkar - Lluvia de fichas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1<byte value="xd"/>
Size (%2 x %3)   Tiles (%4)</source>
        <extracomment>The scores dialog&apos;s title, on two lines: %1 is the first line (the game&apos;s mode), then the grid&apos;s columns (%2) and rows (%3) and how many kinds of tiles the game is played with (%4). The blanks are deliberate in English; keep the line break.</extracomment>
        <translation>%1<byte value="xd"/>
Tamaño (%2 x %3)   Tipos (%4)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 -  Falling Tiles (%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a falling game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash) are deliberate; translate it by its meaning.</extracomment>
        <translation>%1 - Lluvia de fichas (%2x%3) %4 tipos de fichas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 -  Standard Game(%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a standard game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash, none before the bracket) are deliberate; translate it by its meaning.</extracomment>
        <translation>%1 - Partida estándar (%2x%3) %4 tipos de fichas</translation>
    </message>
</context>
<context>
    <name>qlx::DealNumberDialog</name>
    <message>
        <location filename="../ui/deal_number_dialog.cpp" line="+24"/>
        <source>Play Deal Number</source>
        <translation>Jugar por número de reparto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Falling Tiles</source>
        <translation>Lluvia de fichas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Standard Game</source>
        <translation>Partida estándar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, grid %2 x %3, %4 tiles</source>
        <translation>%1, cuadrícula %2 x %3, %4 tipos de fichas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This deal is number %1 (%2).</source>
        <translation>Este reparto es el número %1 (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the number of a deal to play: a whole number from 0 to %1. A number deals the same board on every computer for the same game, grid size and number of tiles, and in Falling Tiles the same falling tiles. A deal chosen by its number does not enter the best scores.</source>
        <translation>Escribe el número del reparto que quieres jugar: un número entero de 0 a %1. Un mismo número da el mismo tablero en cualquier ordenador con el mismo juego, tamaño de cuadrícula y número de tipos, y en Lluvia de fichas también las mismas fichas que caen. Un reparto elegido por su número no entra en las mejores puntuaciones.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Deal number</source>
        <translation>Número de reparto</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Type a deal number: a whole number from 0 to %1.</source>
        <translation>Escribe un número de reparto: un número entero de 0 a %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a deal number. Type a whole number from 0 to %2, digits only.</source>
        <translation>«%1» no es un número de reparto. Escribe un número entero de 0 a %2, solo con cifras.</translation>
    </message>
</context>
<context>
    <name>qlx::DealView</name>
    <message>
        <location filename="../ui/deal_view.cpp" line="+25"/>
        <source>Undo All</source>
        <translation>Deshacer todo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo All</source>
        <translation>Rehacer todo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restart Deal</source>
        <translation>Reiniciar reparto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play Deal Number…</source>
        <translation>Jugar por número de reparto…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Best Found</source>
        <translation>Ver la mejor encontrada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Known deal</source>
        <translation>Reparto conocido</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Known deal, number %1: not ranked</source>
        <translation>Reparto conocido, número %1: fuera de clasificación</translation>
    </message>
</context>
<context>
    <name>qlx::FallingOptionsDialog</name>
    <message>
        <location filename="../ui/falling_options_dialog.cpp" line="+52"/>
        <source>Set Falling Tile Game Options</source>
        <extracomment>The title of the dialog of the falling game&apos;s options.</extracomment>
        <translation>Opciones de Lluvia de fichas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tiles falls for every</source>
        <extracomment>Before the list of the falling periods: &quot;[new] tiles fall every [2] seconds&quot;. The English grammar (&quot;Tiles falls&quot;) is deliberate; translate the words by their meaning.</extracomment>
        <translation>Una tanda cada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Seconds</source>
        <extracomment>After the list of the falling periods: &quot;[new] tiles fall every [2] seconds&quot;.</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Ends after</source>
        <extracomment>Before the list of the falling game&apos;s lengths: &quot;the game ends after [2:00] minutes&quot;. The capital E is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>La partida acaba a los</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <extracomment>After the list of the falling game&apos;s lengths (in minutes and seconds, e.g. 2:30).</extracomment>
        <translation>minutos</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1, %2</source>
        <extracomment>What a screen reader says for a list of the falling options: %1 the words before it, %2 the unit after it, e.g. &quot;Tiles falls for every, seconds&quot;. Translate the comma and the order.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ok</source>
        <extracomment>The button that takes the chosen falling options. &quot;Ok&quot; with a small k is deliberate in English; translate it by its meaning.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <extracomment>The button that leaves the falling options as they were.</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>qlx::GameOverDialog</name>
    <message>
        <location filename="../ui/game_over_dialog.cpp" line="+15"/>
        <source>Congratulations, You solved the game Successfully <byte value="xd"/>
 With a score of %1</source>
        <extracomment>The end-of-game dialog&apos;s text, on two lines; %1 is the score. The English capitals, the blanks around the line break and the words (&quot;solved the game Successfully&quot;, said of every game) are deliberate; translate it by its meaning.</extracomment>
        <translation>¡Enhorabuena! Has resuelto la partida<byte value="xd"/>
con una puntuación de %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wow</source>
        <extracomment>The title of the end-of-game dialog: an exclamation of surprise and delight.</extracomment>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Play Again </source>
        <extracomment>The button of the end-of-game dialog that starts a new game. The blanks around the English text are deliberate; translate the words by their meaning.</extracomment>
        <translation>Volver a jugar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <extracomment>The button of the end-of-game dialog that closes it without a new game.</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>qlx::HelpWindow</name>
    <message>
        <location filename="../ui/help_window.cpp" line="+30"/>
        <source>The help file could not be found.</source>
        <extracomment>Shown in the help window when its file is missing.</extracomment>
        <translation>No se ha encontrado el archivo de ayuda.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file could not be read.</source>
        <extracomment>Shown in the help window when its file cannot be opened.</extracomment>
        <translation>No se ha podido leer el archivo de ayuda.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The help file is damaged and cannot be shown.</source>
        <extracomment>Shown in the help window when its file is cut short or not a help page.</extracomment>
        <translation>El archivo de ayuda está dañado y no se puede mostrar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Help is not available</source>
        <extracomment>The heading of the help window when its file cannot be shown.</extracomment>
        <translation>La ayuda no está disponible</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quellix looks for it at</source>
        <extracomment>In the help window when its file cannot be shown; the file&apos;s path follows on the next line.</extracomment>
        <translation>Quellix la busca en:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installing Quellix again puts it back. The game itself is not affected.</source>
        <extracomment>In the help window when its file cannot be shown.</extracomment>
        <translation>Si vuelves a instalar Quellix, se restaura. El juego en sí no se ve afectado.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Help</source>
        <extracomment>The title of the help window; %1 is the program&apos;s name.</extracomment>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Contents</source>
        <extracomment>A button of the help window: back to the top of the help page.</extracomment>
        <translation>Contenido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>A button of the help window: the place shown before.</extracomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>A button of the help window: the place shown after, once Back was pressed.</extracomment>
        <translation>Adelante</translation>
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
        <translation>Reanudar partida</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Game</source>
        <extracomment>The first menu of the menu bar.</extracomment>
        <translation>Juego</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard</source>
        <extracomment>A Game menu item: a new standard game. The small s is deliberate in English; translate it by its meaning (&quot;Standard game&quot;).</extracomment>
        <translation>Partida estándar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Falling Blocks</source>
        <extracomment>A Game menu item: a new falling game. The English name differs deliberately from &quot;Falling Tiles&quot;, the game&apos;s name elsewhere; translate it by its meaning, with your word for the game&apos;s tiles.</extracomment>
        <translation>Lluvia de fichas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause</source>
        <extracomment>A Game menu item: pause the game (the board is hidden and the clock stops).</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scores</source>
        <extracomment>A Game menu item: the dialog of the three best scores.</extracomment>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <extracomment>A Game menu item: leave the game.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>The second menu of the menu bar.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Grid Size</source>
        <extracomment>An Options submenu: the board&apos;s columns and rows.</extracomment>
        <translation>Tamaño de cuadrícula</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <comment>size of the tiles</comment>
        <extracomment>An Options submenu: the size of the tiles on the screen.</extracomment>
        <translation>Tamaño de ficha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>small</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (16 pixels). The small s is deliberate in English; translate it by its meaning.</extracomment>
        <translation>Pequeñas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Standard</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (32 pixels).</extracomment>
        <translation>Estándar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Big</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (48 pixels).</extracomment>
        <translation>Grandes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number Of Tiles</source>
        <extracomment>An Options submenu: how many kinds of tiles a game is played with (5 to 8). The English words (&quot;Number Of Tiles&quot;, with a capital O) are deliberate; translate it by its meaning: the number of kinds.</extracomment>
        <translation>Número de tipos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tile</source>
        <comment>set of tile pictures</comment>
        <extracomment>An Options submenu: the set of pictures the tiles show.</extracomment>
        <translation>Estilo de fichas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classic tiles</source>
        <extracomment>A set of tile pictures: squares with patterns.</extracomment>
        <translation>Fichas clásicas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stars</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation>Estrellas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pets - parrots</source>
        <extracomment>A set of tile pictures: pets, namely parrots. The English writing is deliberate; translate it by its meaning.</extracomment>
        <translation>Loros</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Animals</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation>Animales</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fractals</source>
        <extracomment>A set of tile pictures: coloured fractal figures.</extracomment>
        <translation>Fractales</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Falling Tile Options..</source>
        <extracomment>An Options menu item: the dialog of the falling game&apos;s options. The two dots are deliberate in English (write what your language writes for a menu item that opens a dialog).</extracomment>
        <translation>Opciones de Lluvia de fichas…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <extracomment>The last menu of the menu bar.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Contents</source>
        <extracomment>A Help menu item: the help page, at its contents.</extracomment>
        <translation>Contenido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <extracomment>A Help menu item: the dialog of the program&apos;s name, version and web site.</extracomment>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>qlx::NameDialog</name>
    <message>
        <location filename="../ui/name_dialog.cpp" line="+16"/>
        <source>Best Score</source>
        <extracomment>The title of the dialog that asks a new best score&apos;s player for a name.</extracomment>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Your Name</source>
        <extracomment>Beside the field for the player&apos;s name in the best-score dialog.</extracomment>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OK</source>
        <extracomment>The button that enters the name of a best score.</extracomment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>qlx::ScoresDialog</name>
    <message>
        <location filename="../ui/scores_dialog.cpp" line="+16"/>
        <source>Scores</source>
        <extracomment>The title of the dialog of the three best scores.</extracomment>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK</source>
        <extracomment>The button that closes the best scores.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear Data</source>
        <extracomment>The button that clears the three best scores of this grid, mode and number of kinds.</extracomment>
        <translation>Borrar puntuaciones</translation>
    </message>
</context>
<context>
    <name>qlx::StatsPanel</name>
    <message>
        <location filename="../ui/stats_frame.cpp" line="+52"/>
        <source>Statistics</source>
        <extracomment>The caption of the panel beside the board.</extracomment>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>  Score</source>
        <extracomment>A caption in the panel, over the score. The two leading blanks are deliberate in English; translate the word by its meaning.</extracomment>
        <translation>Puntuación</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Best Score</source>
        <extracomment>A caption in the panel, over the best score of this grid, mode and number of kinds. The leading blank is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>Mejor puntuación</translation>
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
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Score</source>
        <extracomment>What a screen reader says before the score, e.g. &quot;Score 45&quot;.</extracomment>
        <translation>Puntuación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best score</source>
        <extracomment>What a screen reader says before the best score, e.g. &quot;Best score 120&quot;.</extracomment>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+14"/>
        <source>Time <byte value="xd"/>
Remaining</source>
        <extracomment>A caption in the panel, over the clock of a falling game (the time left), on two lines. The blank before the line break is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>Tiempo<byte value="xd"/>
restante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time remaining</source>
        <extracomment>What a screen reader says before the clock of a falling game, e.g. &quot;Time remaining 1:59&quot;.</extracomment>
        <translation>Tiempo restante</translation>
    </message>
</context>
<context>
    <name>qlx::TileKinds</name>
    <message>
        <location filename="../ui/tile_pictures.cpp" line="+46"/>
        <source>blue checks</source>
        <translation>cuadros azules</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark red bricks</source>
        <translation>ladrillos rojo oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey-green stripes</source>
        <translation>rayas verde grisáceo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink marble</source>
        <translation>mármol rosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cream with berries</source>
        <translation>bayas sobre fondo crema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange flower</source>
        <translation>flor naranja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tan paper with a plant</source>
        <translation>planta sobre papel tostado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-grey granite</source>
        <translation>granito gris azulado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark blue flagstones</source>
        <translation>losas azul oscuro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dark blue star</source>
        <translation>estrella azul oscuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue star</source>
        <translation>estrella azul claro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan star</source>
        <translation>estrella cian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green star</source>
        <translation>estrella verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange star</source>
        <translation>estrella naranja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta star</source>
        <translation>estrella magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lilac star</source>
        <translation>estrella lila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red star</source>
        <translation>estrella roja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink star</source>
        <translation>estrella rosa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>scarlet macaw</source>
        <translation>guacamayo rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-and-gold macaw</source>
        <translation>guacamayo azulamarillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green amazon</source>
        <translation>amazona verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white cockatoo</source>
        <translation>cacatúa blanca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey parrot</source>
        <translation>loro gris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow lorikeet</source>
        <translation>lori arcoíris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun conure</source>
        <translation>aratinga sol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>galah</source>
        <translation>cacatúa galah</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cockatiel</source>
        <translation>cacatúa ninfa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bee</source>
        <translation>abeja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crab</source>
        <translation>cangrejo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>donkey</source>
        <translation>burro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dinosaur</source>
        <translation>dinosaurio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cat</source>
        <translation>gato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beaver</source>
        <translation>castor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mouse</source>
        <translation>ratón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bird</source>
        <translation>pájaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spider</source>
        <translation>araña</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>red Mandelbrot</source>
        <translation>Mandelbrot rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange rabbit</source>
        <translation>conejo naranja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>golden ship</source>
        <translation>barco dorado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green Newton</source>
        <translation>Newton verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan Julia</source>
        <translation>Julia cian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue seahorse</source>
        <translation>caballito de mar azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>violet tricorn</source>
        <translation>tricornio violeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta Julia</source>
        <translation>Julia magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow Newton</source>
        <translation>Newton arcoíris</translation>
    </message>
</context>
</TS>
