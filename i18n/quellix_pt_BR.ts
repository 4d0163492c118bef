<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Título do diálogo</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>OK</source>
        <extracomment>The button that closes the About dialog.</extracomment>
        <translation>OK</translation>
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
            <numerusform>%n segundos</numerusform>
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
            <numerusform>%n minutos</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>minutes and seconds</comment>
        <extracomment>Spoken: a time of minutes and seconds, e.g. &quot;1 minute 5 seconds&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points, score %1</source>
        <extracomment>Spoken after a move: the move&apos;s points (%n, never fewer than 3) and the new score (%1).</extracomment>
        <translation>
            <numerusform>%n pontos, pontuação %1</numerusform>
            <numerusform>%n pontos, pontuação %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Now: %1</source>
        <extracomment>Spoken: what the keyboard&apos;s cursor is on now, after a move or a batch of falling tiles; %1 names the cell, e.g. &quot;crab, group of 4, 10 points&quot;.</extracomment>
        <translation>Agora: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 left</source>
        <extracomment>Spoken when the time of a falling game runs low: %1 is a spoken time, e.g. &quot;30 seconds&quot;.</extracomment>
        <translation>Tempo restante: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over, final score %1.</source>
        <extracomment>Spoken at the end of a game, before its dialogs; %1 is the final score.</extracomment>
        <translation>Fim de jogo, pontuação final %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Score %1, time remaining %2, best score %3</source>
        <extracomment>Spoken at the S key in a falling game: the score, the time left (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation>Pontuação %1, tempo restante %2, recorde %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Score %1, time %2, best score %3</source>
        <extracomment>Spoken at the S key in a standard game: the score, the time played (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation>Pontuação %1, tempo %2, recorde %3</translation>
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
        <translation>Caiu uma nova leva de peças.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n points. %1</source>
        <extracomment>Spoken at the end of a game that a move ended: the last move&apos;s points (%n, never fewer than 3), then the end&apos;s words (%1), e.g. &quot;3 points. Game over, final score 233.&quot;</extracomment>
        <translation>
            <numerusform>%n pontos. %1</numerusform>
            <numerusform>%n pontos. %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal number %1.</source>
        <extracomment>Spoken when a deal chosen by its number begins (%1: the number, digits 0-9).</extracomment>
        <translation>Distribuição número %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deal number %1 again, from its start.</source>
        <extracomment>Spoken when Game &gt; Restart Deal begins the deal in play again (%1: its number, digits 0-9).</extracomment>
        <translation>Distribuição número %1 de novo, desde o início.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End of the best line: %1 points. A key or a click returns to your game.</source>
        <extracomment>Spoken when the replay of the best line found has shown its last move (%1: its total points).</extracomment>
        <translation>Fim da melhor sequência: %1 pontos. Uma tecla ou um clique volta ao seu jogo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The best line found: %1 points in %2 moves. A key or a click stops it.</source>
        <extracomment>Spoken when Game &gt; Show Best Found begins (%1: the line&apos;s total points, %2: its number of moves).</extracomment>
        <translation>A melhor sequência encontrada: %1 pontos em %2 jogadas. Uma tecla ou um clique a interrompe.</translation>
    </message>
</context>
<context>
    <name>qlx::AssistView</name>
    <message>
        <location filename="../ui/assist_view.cpp" line="+27"/>
        <source>Assisted</source>
        <extracomment>Shown in the panel once Undo or Hint was used in the game: its score does not enter the best scores.</extracomment>
        <translation>Assistido</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Undo</source>
        <extracomment>A Game menu item: take back the last move.</extracomment>
        <translation>Desfazer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>A Game menu item: play again the move taken back.</extracomment>
        <translation>Refazer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint</source>
        <extracomment>A Game menu item: show the group the game recommends playing.</extracomment>
        <translation>Dica</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Best found %1</source>
        <extracomment>Shown in the panel at the end of a standard game, on at most two lines: the best total that the game&apos;s own search found on the same deal; %1 is that total, e.g. &quot;Best found 1,530&quot;.</extracomment>
        <translation>Melhor encontrada %1</translation>
    </message>
</context>
<context>
    <name>qlx::BoardPicture</name>
    <message>
        <location filename="../ui/accessibility.cpp" line="+43"/>
        <source>row %1, column %2</source>
        <extracomment>What a screen reader says of a cell of the board after its name: its row and column, counted from 1 at the top left.</extracomment>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Board</source>
        <extracomment>What a screen reader calls the board, a table of cells.</extracomment>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>What a screen reader says of the board once the game is over.</extracomment>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deal number %1</source>
        <extracomment>What a screen reader says of the board during a game: the number of the deal in play (digits 0-9, as the player types it in Game &gt; Play Deal Number...).</extracomment>
        <translation>Distribuição número %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>column %1</source>
        <extracomment>What a screen reader calls a column of the board, counted from 1 at the left.</extracomment>
        <translation>coluna %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>row %1</source>
        <extracomment>What a screen reader calls a row of the board, counted from 1 at the top.</extracomment>
        <translation>linha %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>empty</source>
        <comment>a cell with no tile</comment>
        <extracomment>What a screen reader calls a cell of the board with no tile.</extracomment>
        <translation>vazia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, no group</source>
        <extracomment>What a screen reader says of a tile that has no like tile beside it; %1 names the tile, e.g. &quot;crab&quot;.</extracomment>
        <translation>%1, sem grupo</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1, group of %2, %n points</source>
        <extracomment>What a screen reader says of a tile of a group: %1 names the tile (e.g. &quot;crab&quot;), %2 is how many tiles the group has (never fewer than 2) and %n the points it scores (never fewer than 3).</extracomment>
        <translation>
            <numerusform>%1, grupo de %2, %n pontos</numerusform>
            <numerusform>%1, grupo de %2, %n pontos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qlx::Captions</name>
    <message>
        <location filename="../ui/captions.cpp" line="+12"/>
        <source> Error Failerd</source>
        <extracomment>A message box shown when the options and scores cannot be read or saved. The English text&apos;s misspelling and its leading blank are deliberate; translate it by its meaning (&quot;Error: failed&quot;).</extracomment>
        <translation>Erro: a operação falhou.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Game Over </source>
        <extracomment>A message box at the end of a falling game whose new tiles found no room. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation>Fim de Jogo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Time Out - Game Over </source>
        <extracomment>A message box when the time of a falling game has run out. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation>Tempo Esgotado - Fim de Jogo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Blokkar - Standard Game</source>
        <extracomment>The title of the best-score dialogs in a standard game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation>Blokkar - Jogo Padrão</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Blokkar - Falling Tiles Game</source>
        <extracomment>The title of the best-score dialogs in a falling game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation>Blokkar - Jogo Peças Cadentes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1<byte value="xd"/>
Size (%2 x %3)   Tiles (%4)</source>
        <extracomment>The scores dialog&apos;s title, on two lines: %1 is the first line (the game&apos;s mode), then the grid&apos;s columns (%2) and rows (%3) and how many kinds of tiles the game is played with (%4). The blanks are deliberate in English; keep the line break.</extracomment>
        <translation>%1<byte value="xd"/>
Grade (%2 x %3)   Tipos (%4)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 -  Falling Tiles (%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a falling game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash) are deliberate; translate it by its meaning.</extracomment>
        <translation>%1 - Peças Cadentes (%2x%3) %4 tipos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 -  Standard Game(%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a standard game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash, none before the bracket) are deliberate; translate it by its meaning.</extracomment>
        <translation>%1 - Jogo Padrão (%2x%3) %4 tipos</translation>
    </message>
</context>
<context>
    <name>qlx::DealNumberDialog</name>
    <message>
        <location filename="../ui/deal_number_dialog.cpp" line="+24"/>
        <source>Play Deal Number</source>
        <translation>Jogar Distribuição por Número</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Falling Tiles</source>
        <translation>Peças Cadentes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Standard Game</source>
        <translation>Jogo Padrão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, grid %2 x %3, %4 tiles</source>
        <translation>%1, grade %2 x %3, %4 tipos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This deal is number %1 (%2).</source>
        <translation>Esta é a distribuição número %1 (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the number of a deal to play: a whole number from 0 to %1. A number deals the same board on every computer for the same game, grid size and number of tiles, and in Falling Tiles the same falling tiles. A deal chosen by its number does not enter the best scores.</source>
        <translation>Digite o número da distribuição que quer jogar: um número inteiro de 0 a %1. Um número distribui o mesmo tabuleiro em qualquer computador para o mesmo jogo, tamanho da grade e número de tipos e, em Peças Cadentes, as mesmas peças caindo. Uma distribuição escolhida pelo número não entra nos recordes.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Deal number</source>
        <translation>Número da distribuição</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Type a deal number: a whole number from 0 to %1.</source>
        <translation>Digite um número de distribuição: um número inteiro de 0 a %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a deal number. Type a whole number from 0 to %2, digits only.</source>
        <translation>"%1" não é um número de distribuição. Digite um número inteiro de 0 a %2, só com algarismos.</translation>
    </message>
</context>
<context>
    <name>qlx::DealView</name>
    <message>
        <location filename="../ui/deal_view.cpp" line="+25"/>
        <source>Undo All</source>
        <translation>Desfazer Tudo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo All</source>
        <translation>Refazer Tudo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restart Deal</source>
        <translation>Reiniciar Distribuição</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play Deal Number…</source>
        <translation>Jogar Distribuição por Número…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Best Found</source>
        <translation>Mostrar Melhor Encontrada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Known deal</source>
        <translation>Distribuição conhecida</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Known deal, number %1: not ranked</source>
        <translation>Distribuição conhecida, número %1: não entra nos recordes</translation>
    </message>
</context>
<context>
    <name>qlx::FallingOptionsDialog</name>
    <message>
        <location filename="../ui/falling_options_dialog.cpp" line="+52"/>
        <source>Set Falling Tile Game Options</source>
        <extracomment>The title of the dialog of the falling game&apos;s options.</extracomment>
        <translation>Opções do Jogo Peças Cadentes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tiles falls for every</source>
        <extracomment>Before the list of the falling periods: &quot;[new] tiles fall every [2] seconds&quot;. The English grammar (&quot;Tiles falls&quot;) is deliberate; translate the words by their meaning.</extracomment>
        <translation>Peças caem a cada</translation>
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
        <translation>O jogo termina após</translation>
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
        <translation>OK</translation>
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
        <translation>Parabéns, você concluiu o jogo com sucesso!
Sua pontuação: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wow</source>
        <extracomment>The title of the end-of-game dialog: an exclamation of surprise and delight.</extracomment>
        <translation>Uau!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Play Again </source>
        <extracomment>The button of the end-of-game dialog that starts a new game. The blanks around the English text are deliberate; translate the words by their meaning.</extracomment>
        <translation>Jogar de Novo</translation>
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
        <translation>O arquivo de ajuda não foi encontrado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file could not be read.</source>
        <extracomment>Shown in the help window when its file cannot be opened.</extracomment>
        <translation>Não foi possível ler o arquivo de ajuda.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The help file is damaged and cannot be shown.</source>
        <extracomment>Shown in the help window when its file is cut short or not a help page.</extracomment>
        <translation>O arquivo de ajuda está danificado e não pode ser exibido.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Help is not available</source>
        <extracomment>The heading of the help window when its file cannot be shown.</extracomment>
        <translation>A ajuda não está disponível</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quellix looks for it at</source>
        <extracomment>In the help window when its file cannot be shown; the file&apos;s path follows on the next line.</extracomment>
        <translation>O Quellix procura o arquivo em</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installing Quellix again puts it back. The game itself is not affected.</source>
        <extracomment>In the help window when its file cannot be shown.</extracomment>
        <translation>Reinstalar o Quellix restaura o arquivo. O jogo em si não é afetado.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Help</source>
        <extracomment>The title of the help window; %1 is the program&apos;s name.</extracomment>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Contents</source>
        <extracomment>A button of the help window: back to the top of the help page.</extracomment>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>A button of the help window: the place shown before.</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>A button of the help window: the place shown after, once Back was pressed.</extracomment>
        <translation>Avançar</translation>
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
        <translation>Continuar Jogo</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Game</source>
        <extracomment>The first menu of the menu bar.</extracomment>
        <translation>Jogo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard</source>
        <extracomment>A Game menu item: a new standard game. The small s is deliberate in English; translate it by its meaning (&quot;Standard game&quot;).</extracomment>
        <translation>Jogo Padrão</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Falling Blocks</source>
        <extracomment>A Game menu item: a new falling game. The English name differs deliberately from &quot;Falling Tiles&quot;, the game&apos;s name elsewhere; translate it by its meaning, with your word for the game&apos;s tiles.</extracomment>
        <translation>Peças Cadentes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause</source>
        <extracomment>A Game menu item: pause the game (the board is hidden and the clock stops).</extracomment>
        <translation>Pausar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scores</source>
        <extracomment>A Game menu item: the dialog of the three best scores.</extracomment>
        <translation>Recordes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <extracomment>A Game menu item: leave the game.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>The second menu of the menu bar.</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Grid Size</source>
        <extracomment>An Options submenu: the board&apos;s columns and rows.</extracomment>
        <translation>Tamanho da Grade</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <comment>size of the tiles</comment>
        <extracomment>An Options submenu: the size of the tiles on the screen.</extracomment>
        <translation>Tamanho das Peças</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>small</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (16 pixels). The small s is deliberate in English; translate it by its meaning.</extracomment>
        <translation>Pequeno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Standard</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (32 pixels).</extracomment>
        <translation>Padrão</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Big</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (48 pixels).</extracomment>
        <translation>Grande</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number Of Tiles</source>
        <extracomment>An Options submenu: how many kinds of tiles a game is played with (5 to 8). The English words (&quot;Number Of Tiles&quot;, with a capital O) are deliberate; translate it by its meaning: the number of kinds.</extracomment>
        <translation>Número de Tipos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tile</source>
        <comment>set of tile pictures</comment>
        <extracomment>An Options submenu: the set of pictures the tiles show.</extracomment>
        <translation>Conjunto de Peças</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classic tiles</source>
        <extracomment>A set of tile pictures: squares with patterns.</extracomment>
        <translation>Peças clássicas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stars</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation>Estrelas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pets - parrots</source>
        <extracomment>A set of tile pictures: pets, namely parrots. The English writing is deliberate; translate it by its meaning.</extracomment>
        <translation>Mascotes (papagaios)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Animals</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation>Animais</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fractals</source>
        <extracomment>A set of tile pictures: coloured fractal figures.</extracomment>
        <translation>Fractais</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Falling Tile Options..</source>
        <extracomment>An Options menu item: the dialog of the falling game&apos;s options. The two dots are deliberate in English (write what your language writes for a menu item that opens a dialog).</extracomment>
        <translation>Opções de Peças Cadentes...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <extracomment>The last menu of the menu bar.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Contents</source>
        <extracomment>A Help menu item: the help page, at its contents.</extracomment>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <extracomment>A Help menu item: the dialog of the program&apos;s name, version and web site.</extracomment>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>qlx::NameDialog</name>
    <message>
        <location filename="../ui/name_dialog.cpp" line="+16"/>
        <source>Best Score</source>
        <extracomment>The title of the dialog that asks a new best score&apos;s player for a name.</extracomment>
        <translation>Recorde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Your Name</source>
        <extracomment>Beside the field for the player&apos;s name in the best-score dialog.</extracomment>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OK</source>
        <extracomment>The button that enters the name of a best score.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qlx::ScoresDialog</name>
    <message>
        <location filename="../ui/scores_dialog.cpp" line="+16"/>
        <source>Scores</source>
        <extracomment>The title of the dialog of the three best scores.</extracomment>
        <translation>Recordes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK</source>
        <extracomment>The button that closes the best scores.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear Data</source>
        <extracomment>The button that clears the three best scores of this grid, mode and number of kinds.</extracomment>
        <translation>Limpar Dados</translation>
    </message>
</context>
<context>
    <name>qlx::StatsPanel</name>
    <message>
        <location filename="../ui/stats_frame.cpp" line="+52"/>
        <source>Statistics</source>
        <extracomment>The caption of the panel beside the board.</extracomment>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>  Score</source>
        <extracomment>A caption in the panel, over the score. The two leading blanks are deliberate in English; translate the word by its meaning.</extracomment>
        <translation>Pontuação</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Best Score</source>
        <extracomment>A caption in the panel, over the best score of this grid, mode and number of kinds. The leading blank is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>Recorde</translation>
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
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Score</source>
        <extracomment>What a screen reader says before the score, e.g. &quot;Score 45&quot;.</extracomment>
        <translation>Pontuação</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best score</source>
        <extracomment>What a screen reader says before the best score, e.g. &quot;Best score 120&quot;.</extracomment>
        <translation>Recorde</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+14"/>
        <source>Time <byte value="xd"/>
Remaining</source>
        <extracomment>A caption in the panel, over the clock of a falling game (the time left), on two lines. The blank before the line break is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>Tempo
Restante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time remaining</source>
        <extracomment>What a screen reader says before the clock of a falling game, e.g. &quot;Time remaining 1:59&quot;.</extracomment>
        <translation>Tempo restante</translation>
    </message>
</context>
<context>
    <name>qlx::TileKinds</name>
    <message>
        <location filename="../ui/tile_pictures.cpp" line="+46"/>
        <source>blue checks</source>
        <translation>xadrez azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark red bricks</source>
        <translation>tijolos vermelho-escuros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey-green stripes</source>
        <translation>listras verde-acinzentadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink marble</source>
        <translation>mármore rosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cream with berries</source>
        <translation>creme com frutinhas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange flower</source>
        <translation>flor laranja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tan paper with a plant</source>
        <translation>papel bege com planta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-grey granite</source>
        <translation>granito cinza-azulado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark blue flagstones</source>
        <translation>lajotas azul-escuras</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dark blue star</source>
        <translation>estrela azul-escura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue star</source>
        <translation>estrela azul-clara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan star</source>
        <translation>estrela ciano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green star</source>
        <translation>estrela verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange star</source>
        <translation>estrela laranja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta star</source>
        <translation>estrela magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lilac star</source>
        <translation>estrela lilás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red star</source>
        <translation>estrela vermelha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink star</source>
        <translation>estrela rosa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>scarlet macaw</source>
        <translation>arara-vermelha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-and-gold macaw</source>
        <translation>arara-canindé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green amazon</source>
        <translation>papagaio-verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white cockatoo</source>
        <translation>cacatua-branca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey parrot</source>
        <translation>papagaio-cinzento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow lorikeet</source>
        <translation>lóris-arco-íris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun conure</source>
        <translation>jandaia-amarela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>galah</source>
        <translation>cacatua-rosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cockatiel</source>
        <translation>calopsita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bee</source>
        <translation>abelha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crab</source>
        <translation>caranguejo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>donkey</source>
        <translation>burro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dinosaur</source>
        <translation>dinossauro</translation>
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
        <translation>rato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bird</source>
        <translation>pássaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spider</source>
        <translation>aranha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>red Mandelbrot</source>
        <translation>Mandelbrot vermelho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange rabbit</source>
        <translation>coelho laranja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>golden ship</source>
        <translation>navio dourado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green Newton</source>
        <translation>Newton verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan Julia</source>
        <translation>Julia ciano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue seahorse</source>
        <translation>cavalo-marinho azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>violet tricorn</source>
        <translation>tricórnio violeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta Julia</source>
        <translation>Julia magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow Newton</source>
        <translation>Newton arco-íris</translation>
    </message>
</context>
</TS>
