<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
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
        <translation>Titre de la boîte de dialogue</translation>
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
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n seconds</source>
        <extracomment>Spoken: a time in seconds (never one); give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n minute</source>
        <extracomment>Spoken: a time of exactly one minute.</extracomment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minutes</source>
        <extracomment>Spoken: a time in minutes (never one); give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>minutes and seconds</comment>
        <extracomment>Spoken: a time of minutes and seconds, e.g. &quot;1 minute 5 seconds&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n points, score %1</source>
        <extracomment>Spoken after a move: the move&apos;s points (%n, never fewer than 3) and the new score (%1).</extracomment>
        <translation>
            <numerusform>%n point, score %1</numerusform>
            <numerusform>%n points, score %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Now: %1</source>
        <extracomment>Spoken: what the keyboard&apos;s cursor is on now, after a move or a batch of falling tiles; %1 names the cell, e.g. &quot;crab, group of 4, 10 points&quot;.</extracomment>
        <translation>Maintenant&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 left</source>
        <extracomment>Spoken when the time of a falling game runs low: %1 is a spoken time, e.g. &quot;30 seconds&quot;.</extracomment>
        <translation>Il reste %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over, final score %1.</source>
        <extracomment>Spoken at the end of a game, before its dialogs; %1 is the final score.</extracomment>
        <translation>Partie terminée, score final %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Score %1, time remaining %2, best score %3</source>
        <extracomment>Spoken at the S key in a falling game: the score, the time left (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation>Score %1, temps restant %2, meilleur score %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Score %1, time %2, best score %3</source>
        <extracomment>Spoken at the S key in a standard game: the score, the time played (a spoken time, e.g. &quot;1 minute 5 seconds&quot;) and the best score of the configuration.</extracomment>
        <translation>Score %1, temps %2, meilleur score %3</translation>
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
        <translation>Une vague de tuiles est tombée.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n points. %1</source>
        <extracomment>Spoken at the end of a game that a move ended: the last move&apos;s points (%n, never fewer than 3), then the end&apos;s words (%1), e.g. &quot;3 points. Game over, final score 233.&quot;</extracomment>
        <translation>
            <numerusform>%n point. %1</numerusform>
            <numerusform>%n points. %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Deal number %1.</source>
        <extracomment>Spoken when a deal chosen by its number begins (%1: the number, digits 0-9).</extracomment>
        <translation>Donne numéro %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deal number %1 again, from its start.</source>
        <extracomment>Spoken when Game &gt; Restart Deal begins the deal in play again (%1: its number, digits 0-9).</extracomment>
        <translation>Donne numéro %1, recommencée depuis le début.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End of the best line: %1 points. A key or a click returns to your game.</source>
        <extracomment>Spoken when the replay of the best line found has shown its last move (%1: its total points).</extracomment>
        <translation>Fin de la meilleure séquence : %1 points. Une touche ou un clic vous ramène à votre partie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The best line found: %1 points in %2 moves. A key or a click stops it.</source>
        <extracomment>Spoken when Game &gt; Show Best Found begins (%1: the line&apos;s total points, %2: its number of moves).</extracomment>
        <translation>La meilleure séquence trouvée : %1 points en %2 coups. Une touche ou un clic l’arrête.</translation>
    </message>
</context>
<context>
    <name>qlx::AssistView</name>
    <message>
        <location filename="../ui/assist_view.cpp" line="+27"/>
        <source>Assisted</source>
        <extracomment>Shown in the panel once Undo or Hint was used in the game: its score does not enter the best scores.</extracomment>
        <translation>Assistée</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Undo</source>
        <extracomment>A Game menu item: take back the last move.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <extracomment>A Game menu item: play again the move taken back.</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hint</source>
        <extracomment>A Game menu item: show the group the game recommends playing.</extracomment>
        <translation>Indice</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Best found %1</source>
        <extracomment>Shown in the panel at the end of a standard game, on at most two lines: the best total that the game&apos;s own search found on the same deal; %1 is that total, e.g. &quot;Best found 1,530&quot;.</extracomment>
        <translation>Meilleur trouvé %1</translation>
    </message>
</context>
<context>
    <name>qlx::BoardPicture</name>
    <message>
        <location filename="../ui/accessibility.cpp" line="+43"/>
        <source>row %1, column %2</source>
        <extracomment>What a screen reader says of a cell of the board after its name: its row and column, counted from 1 at the top left.</extracomment>
        <translation>rangée %1, colonne %2</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Board</source>
        <extracomment>What a screen reader calls the board, a table of cells.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game over</source>
        <extracomment>What a screen reader says of the board once the game is over.</extracomment>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deal number %1</source>
        <extracomment>What a screen reader says of the board during a game: the number of the deal in play (digits 0-9, as the player types it in Game &gt; Play Deal Number...).</extracomment>
        <translation>Donne numéro %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>column %1</source>
        <extracomment>What a screen reader calls a column of the board, counted from 1 at the left.</extracomment>
        <translation>colonne %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>row %1</source>
        <extracomment>What a screen reader calls a row of the board, counted from 1 at the top.</extracomment>
        <translation>rangée %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>empty</source>
        <comment>a cell with no tile</comment>
        <extracomment>What a screen reader calls a cell of the board with no tile.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, no group</source>
        <extracomment>What a screen reader says of a tile that has no like tile beside it; %1 names the tile, e.g. &quot;crab&quot;.</extracomment>
        <translation>%1, aucun groupe</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1, group of %2, %n points</source>
        <extracomment>What a screen reader says of a tile of a group: %1 names the tile (e.g. &quot;crab&quot;), %2 is how many tiles the group has (never fewer than 2) and %n the points it scores (never fewer than 3).</extracomment>
        <translation>
            <numerusform>%1, groupe de %2, %n point</numerusform>
            <numerusform>%1, groupe de %2, %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qlx::Captions</name>
    <message>
        <location filename="../ui/captions.cpp" line="+12"/>
        <source> Error Failerd</source>
        <extracomment>A message box shown when the options and scores cannot be read or saved. The English text&apos;s misspelling and its leading blank are deliberate; translate it by its meaning (&quot;Error: failed&quot;).</extracomment>
        <translation>Erreur&#xa0;: échec de l’opération</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Game Over </source>
        <extracomment>A message box at the end of a falling game whose new tiles found no room. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Time Out - Game Over </source>
        <extracomment>A message box when the time of a falling game has run out. The blanks around the English text are deliberate; translate it by its meaning.</extracomment>
        <translation>Temps écoulé - Partie terminée</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Blokkar - Standard Game</source>
        <extracomment>The title of the best-score dialogs in a standard game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation>Blokkar - Partie standard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Blokkar - Falling Tiles Game</source>
        <extracomment>The title of the best-score dialogs in a falling game. &quot;Blokkar&quot; is a name: keep it as it is.</extracomment>
        <translation>Blokkar - Chute de tuiles</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1<byte value="xd"/>
Size (%2 x %3)   Tiles (%4)</source>
        <extracomment>The scores dialog&apos;s title, on two lines: %1 is the first line (the game&apos;s mode), then the grid&apos;s columns (%2) and rows (%3) and how many kinds of tiles the game is played with (%4). The blanks are deliberate in English; keep the line break.</extracomment>
        <translation>%1<byte value="xd"/>
Taille (%2 x %3)   Types (%4)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 -  Falling Tiles (%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a falling game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash) are deliberate; translate it by its meaning.</extracomment>
        <translation>%1 - Chute de tuiles (%2x%3) %4 types de tuiles</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 -  Standard Game(%2x%3) %4 Tiles</source>
        <extracomment>The main window&apos;s title in a standard game: %1 is the program&apos;s name, %2 the rows, %3 the columns (rows first, deliberately), %4 how many kinds of tiles are in play. The blanks of the English text (two after the dash, none before the bracket) are deliberate; translate it by its meaning.</extracomment>
        <translation>%1 - Partie standard (%2x%3) %4 types de tuiles</translation>
    </message>
</context>
<context>
    <name>qlx::DealNumberDialog</name>
    <message>
        <location filename="../ui/deal_number_dialog.cpp" line="+24"/>
        <source>Play Deal Number</source>
        <translation>Jouer la donne numéro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Falling Tiles</source>
        <translation>Chute de tuiles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Standard Game</source>
        <translation>Partie standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, grid %2 x %3, %4 tiles</source>
        <translation>%1, grille %2 x %3, %4 types de tuiles</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This deal is number %1 (%2).</source>
        <translation>Cette donne porte le numéro %1 (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the number of a deal to play: a whole number from 0 to %1. A number deals the same board on every computer for the same game, grid size and number of tiles, and in Falling Tiles the same falling tiles. A deal chosen by its number does not enter the best scores.</source>
        <translation>Entrez le numéro de la donne à jouer : un nombre entier de 0 à %1. Un même numéro produit le même plateau sur tous les ordinateurs pour le même jeu, la même taille de grille et le même nombre de types, et en Chute de tuiles les mêmes tuiles qui tombent. Une donne choisie par son numéro n’entre pas dans les meilleurs scores.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Deal number</source>
        <translation>Numéro de donne</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Type a deal number: a whole number from 0 to %1.</source>
        <translation>Entrez un numéro de donne : un nombre entier de 0 à %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is not a deal number. Type a whole number from 0 to %2, digits only.</source>
        <translation>« %1 » n’est pas un numéro de donne. Entrez un nombre entier de 0 à %2, en chiffres uniquement.</translation>
    </message>
</context>
<context>
    <name>qlx::DealView</name>
    <message>
        <location filename="../ui/deal_view.cpp" line="+25"/>
        <source>Undo All</source>
        <translation>Tout annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo All</source>
        <translation>Tout rétablir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restart Deal</source>
        <translation>Recommencer la donne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play Deal Number…</source>
        <translation>Jouer la donne numéro…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Best Found</source>
        <translation>Voir le meilleur trouvé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Known deal</source>
        <translation>Donne connue</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Known deal, number %1: not ranked</source>
        <translation>Donne connue, numéro %1 : non classée</translation>
    </message>
</context>
<context>
    <name>qlx::FallingOptionsDialog</name>
    <message>
        <location filename="../ui/falling_options_dialog.cpp" line="+52"/>
        <source>Set Falling Tile Game Options</source>
        <extracomment>The title of the dialog of the falling game&apos;s options.</extracomment>
        <translation>Options du mode Chute de tuiles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tiles falls for every</source>
        <extracomment>Before the list of the falling periods: &quot;[new] tiles fall every [2] seconds&quot;. The English grammar (&quot;Tiles falls&quot;) is deliberate; translate the words by their meaning.</extracomment>
        <translation>Une vague toutes les</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Seconds</source>
        <extracomment>After the list of the falling periods: &quot;[new] tiles fall every [2] seconds&quot;.</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Ends after</source>
        <extracomment>Before the list of the falling game&apos;s lengths: &quot;the game ends after [2:00] minutes&quot;. The capital E is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>Fin de la partie après</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <extracomment>After the list of the falling game&apos;s lengths (in minutes and seconds, e.g. 2:30).</extracomment>
        <translation>minutes</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>qlx::GameOverDialog</name>
    <message>
        <location filename="../ui/game_over_dialog.cpp" line="+15"/>
        <source>Congratulations, You solved the game Successfully <byte value="xd"/>
 With a score of %1</source>
        <extracomment>The end-of-game dialog&apos;s text, on two lines; %1 is the score. The English capitals, the blanks around the line break and the words (&quot;solved the game Successfully&quot;, said of every game) are deliberate; translate it by its meaning.</extracomment>
        <translation>Félicitations, vous avez réussi la partie<byte value="xd"/>
avec un score de %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wow</source>
        <extracomment>The title of the end-of-game dialog: an exclamation of surprise and delight.</extracomment>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Play Again </source>
        <extracomment>The button of the end-of-game dialog that starts a new game. The blanks around the English text are deliberate; translate the words by their meaning.</extracomment>
        <translation>Rejouer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <extracomment>The button of the end-of-game dialog that closes it without a new game.</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>qlx::HelpWindow</name>
    <message>
        <location filename="../ui/help_window.cpp" line="+30"/>
        <source>The help file could not be found.</source>
        <extracomment>Shown in the help window when its file is missing.</extracomment>
        <translation>Le fichier d’aide est introuvable.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file could not be read.</source>
        <extracomment>Shown in the help window when its file cannot be opened.</extracomment>
        <translation>Le fichier d’aide n’a pas pu être lu.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The help file is damaged and cannot be shown.</source>
        <extracomment>Shown in the help window when its file is cut short or not a help page.</extracomment>
        <translation>Le fichier d’aide est endommagé et ne peut pas être affiché.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Help is not available</source>
        <extracomment>The heading of the help window when its file cannot be shown.</extracomment>
        <translation>L’aide n’est pas disponible</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quellix looks for it at</source>
        <extracomment>In the help window when its file cannot be shown; the file&apos;s path follows on the next line.</extracomment>
        <translation>Quellix la cherche à cet emplacement&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installing Quellix again puts it back. The game itself is not affected.</source>
        <extracomment>In the help window when its file cannot be shown.</extracomment>
        <translation>Réinstaller Quellix la remet en place. Le jeu lui-même n’est pas touché.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Help</source>
        <extracomment>The title of the help window; %1 is the program&apos;s name.</extracomment>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Contents</source>
        <extracomment>A button of the help window: back to the top of the help page.</extracomment>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>A button of the help window: the place shown before.</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>A button of the help window: the place shown after, once Back was pressed.</extracomment>
        <translation>Suivant</translation>
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
        <translation>Reprendre la partie</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Game</source>
        <extracomment>The first menu of the menu bar.</extracomment>
        <translation>Jeu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>standard</source>
        <extracomment>A Game menu item: a new standard game. The small s is deliberate in English; translate it by its meaning (&quot;Standard game&quot;).</extracomment>
        <translation>Partie standard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Falling Blocks</source>
        <extracomment>A Game menu item: a new falling game. The English name differs deliberately from &quot;Falling Tiles&quot;, the game&apos;s name elsewhere; translate it by its meaning, with your word for the game&apos;s tiles.</extracomment>
        <translation>Chute de tuiles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause</source>
        <extracomment>A Game menu item: pause the game (the board is hidden and the clock stops).</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scores</source>
        <extracomment>A Game menu item: the dialog of the three best scores.</extracomment>
        <translation>Scores</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <extracomment>A Game menu item: leave the game.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>The second menu of the menu bar.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Grid Size</source>
        <extracomment>An Options submenu: the board&apos;s columns and rows.</extracomment>
        <translation>Taille de la grille</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <comment>size of the tiles</comment>
        <extracomment>An Options submenu: the size of the tiles on the screen.</extracomment>
        <translation>Taille des tuiles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>small</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (16 pixels). The small s is deliberate in English; translate it by its meaning.</extracomment>
        <translation>Petites</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Standard</source>
        <comment>size of the tiles</comment>
        <extracomment>A size of the tiles (32 pixels).</extracomment>
        <translation>Standard</translation>
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
        <translation>Nombre de types</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tile</source>
        <comment>set of tile pictures</comment>
        <extracomment>An Options submenu: the set of pictures the tiles show.</extracomment>
        <translation>Style de tuiles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classic tiles</source>
        <extracomment>A set of tile pictures: squares with patterns.</extracomment>
        <translation>Tuiles classiques</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stars</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation>Étoiles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pets - parrots</source>
        <extracomment>A set of tile pictures: pets, namely parrots. The English writing is deliberate; translate it by its meaning.</extracomment>
        <translation>Perroquets</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Animals</source>
        <extracomment>A set of tile pictures.</extracomment>
        <translation>Animaux</translation>
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
        <translation>Options de Chute de tuiles…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <extracomment>The last menu of the menu bar.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Contents</source>
        <extracomment>A Help menu item: the help page, at its contents.</extracomment>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <extracomment>A Help menu item: the dialog of the program&apos;s name, version and web site.</extracomment>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>qlx::NameDialog</name>
    <message>
        <location filename="../ui/name_dialog.cpp" line="+16"/>
        <source>Best Score</source>
        <extracomment>The title of the dialog that asks a new best score&apos;s player for a name.</extracomment>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Your Name</source>
        <extracomment>Beside the field for the player&apos;s name in the best-score dialog.</extracomment>
        <translation>Entrez votre nom</translation>
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
        <translation>Scores</translation>
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
        <translation>Effacer les scores</translation>
    </message>
</context>
<context>
    <name>qlx::StatsPanel</name>
    <message>
        <location filename="../ui/stats_frame.cpp" line="+52"/>
        <source>Statistics</source>
        <extracomment>The caption of the panel beside the board.</extracomment>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>  Score</source>
        <extracomment>A caption in the panel, over the score. The two leading blanks are deliberate in English; translate the word by its meaning.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Best Score</source>
        <extracomment>A caption in the panel, over the best score of this grid, mode and number of kinds. The leading blank is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>Meilleur score</translation>
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
        <translation>Temps</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Score</source>
        <extracomment>What a screen reader says before the score, e.g. &quot;Score 45&quot;.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best score</source>
        <extracomment>What a screen reader says before the best score, e.g. &quot;Best score 120&quot;.</extracomment>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+14"/>
        <source>Time <byte value="xd"/>
Remaining</source>
        <extracomment>A caption in the panel, over the clock of a falling game (the time left), on two lines. The blank before the line break is deliberate in English; translate the words by their meaning.</extracomment>
        <translation>Temps<byte value="xd"/>
restant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time remaining</source>
        <extracomment>What a screen reader says before the clock of a falling game, e.g. &quot;Time remaining 1:59&quot;.</extracomment>
        <translation>Temps restant</translation>
    </message>
</context>
<context>
    <name>qlx::TileKinds</name>
    <message>
        <location filename="../ui/tile_pictures.cpp" line="+46"/>
        <source>blue checks</source>
        <translation>damier bleu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark red bricks</source>
        <translation>briques rouge foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey-green stripes</source>
        <translation>rayures gris-vert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink marble</source>
        <translation>marbre rose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cream with berries</source>
        <translation>baies sur fond crème</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange flower</source>
        <translation>fleur orange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tan paper with a plant</source>
        <translation>plante sur papier beige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-grey granite</source>
        <translation>granit gris-bleu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark blue flagstones</source>
        <translation>dalles bleu foncé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dark blue star</source>
        <translation>étoile bleu foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue star</source>
        <translation>étoile bleu clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan star</source>
        <translation>étoile cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green star</source>
        <translation>étoile verte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange star</source>
        <translation>étoile orange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta star</source>
        <translation>étoile magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lilac star</source>
        <translation>étoile lilas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red star</source>
        <translation>étoile rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pink star</source>
        <translation>étoile rose</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>scarlet macaw</source>
        <translation>ara rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue-and-gold macaw</source>
        <translation>ara bleu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green amazon</source>
        <translation>amazone verte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white cockatoo</source>
        <translation>cacatoès blanc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey parrot</source>
        <translation>perroquet gris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow lorikeet</source>
        <translation>loriquet arc-en-ciel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun conure</source>
        <translation>conure soleil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>galah</source>
        <translation>cacatoès rosalbin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cockatiel</source>
        <translation>calopsitte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bee</source>
        <translation>abeille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crab</source>
        <translation>crabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>donkey</source>
        <translation>âne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dinosaur</source>
        <translation>dinosaure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cat</source>
        <translation>chat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beaver</source>
        <translation>castor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mouse</source>
        <translation>souris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bird</source>
        <translation>oiseau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spider</source>
        <translation>araignée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>red Mandelbrot</source>
        <translation>Mandelbrot rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>orange rabbit</source>
        <translation>lapin orange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>golden ship</source>
        <translation>navire doré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green Newton</source>
        <translation>Newton vert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan Julia</source>
        <translation>Julia cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue seahorse</source>
        <translation>hippocampe bleu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>violet tricorn</source>
        <translation>tricorne violet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta Julia</source>
        <translation>Julia magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow Newton</source>
        <translation>Newton arc-en-ciel</translation>
    </message>
</context>
</TS>
