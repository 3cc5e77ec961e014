<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>ColourNames</name>
    <message>
        <location filename="../board_view/colour_names.cpp" line="15"/>
        <source>negro</source>
        <translation>black</translation>
    </message>
    <message>
        <location filename="../board_view/colour_names.cpp" line="16"/>
        <source>amarillo</source>
        <translation>yellow</translation>
    </message>
    <message>
        <location filename="../board_view/colour_names.cpp" line="17"/>
        <source>rojo claro</source>
        <translation>light red</translation>
    </message>
    <message>
        <location filename="../board_view/colour_names.cpp" line="18"/>
        <source>verde claro</source>
        <translation>light green</translation>
    </message>
    <message>
        <location filename="../board_view/colour_names.cpp" line="19"/>
        <source>color %1</source>
        <translation>colour %1</translation>
    </message>
</context>
<context>
    <name>CommandLineTexts</name>
    <message>
        <location filename="../program/command_line.cpp" line="17"/>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Shows this help and ends.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="18"/>
        <source>Muestra la versión y termina.</source>
        <translation>Shows the version and ends.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="20"/>
        <source>Empieza con la partida numerada &lt;código&gt;, por ejemplo 7x7-3-123456.</source>
        <translation>Starts with the numbered game &lt;code&gt;, for example 7x7-3-123456.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="22"/>
        <source>código</source>
        <translation>code</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="24"/>
        <source>Lucen, un rompecabezas de colores: cada clic avanza el color de una casilla y de sus vecinas; el tablero se resuelve cuando todas están en verde claro.</source>
        <translation>Lucen, a colour puzzle: each click advances the colour of a cell and its neighbours; the board is solved when every cell is light green.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="29"/>
        <source>Acepta también las opciones de Qt, como -display o -platform.</source>
        <translation>Qt&apos;s own options, such as -display or -platform, are accepted too.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="32"/>
        <source>lucen: opción desconocida «%1». Pruebe «lucen --help».</source>
        <translation>lucen: unknown option &apos;%1&apos;. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="35"/>
        <source>lucen: argumento inesperado «%1». Pruebe «lucen --help».</source>
        <translation>lucen: unexpected argument &apos;%1&apos;. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="38"/>
        <source>lucen: falta el valor de «%1». Pruebe «lucen --help».</source>
        <translation>lucen: missing value for &apos;%1&apos;. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="41"/>
        <source>lucen: la opción «%1» se repite. Pruebe «lucen --help».</source>
        <translation>lucen: option '%1' is repeated. Try 'lucen --help'.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="44"/>
        <source>lucen: plataforma no instalada: «%1». Instaladas: %2.</source>
        <translation>lucen: platform not installed: &apos;%1&apos;. Installed: %2.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="46"/>
        <source>ninguna</source>
        <translation>none</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="47"/>
        <source>lucen: no se pudo escribir la respuesta.</source>
        <translation>lucen: could not write the answer.</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../secondary_windows/game_texts.cpp" line="16"/>
        <source>falta el código de la partida</source>
        <translation>the game code is missing</translation>
    </message>
    <message>
        <location filename="../secondary_windows/game_texts.cpp" line="18"/>
        <source>un código tiene la forma 7x7-3-123456</source>
        <translation>a code looks like 7x7-3-123456</translation>
    </message>
    <message>
        <location filename="../secondary_windows/game_texts.cpp" line="20"/>
        <source>el tablero es cuadrado: sus dos lados son iguales</source>
        <translation>the board is square: its two sides are equal</translation>
    </message>
    <message>
        <location filename="../secondary_windows/game_texts.cpp" line="22"/>
        <source>el tablero tiene de 5x5 a 9x9 casillas</source>
        <translation>the board has from 5x5 to 9x9 cells</translation>
    </message>
    <message>
        <location filename="../secondary_windows/game_texts.cpp" line="24"/>
        <source>los colores son 2, 3 o 4</source>
        <translation>the colours are 2, 3 or 4</translation>
    </message>
    <message>
        <location filename="../secondary_windows/game_texts.cpp" line="26"/>
        <source>las partidas van del 1 al 999999</source>
        <translation>games go from 1 to 999999</translation>
    </message>
    <message>
        <location filename="../secondary_windows/game_texts.cpp" line="31"/>
        <source>«%1» no es un código de partida: %2.</source>
        <translation>&apos;%1&apos; is not a game code: %2.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/game_texts.cpp" line="34"/>
        <source>Partida %1: %2 pulsaciones (mínimo %3)</source>
        <translation>Game %1: %2 presses (fewest %3)</translation>
    </message>
</context>
<context>
    <name>InstructionsTexts</name>
    <message>
        <location filename="../secondary_windows/instructions_window.cpp" line="25"/>
        <source>No se encuentran las instrucciones: falta el archivo
%1</source>
        <translation>The instructions cannot be found: the file is missing
%1</translation>
    </message>
    <message>
        <location filename="../secondary_windows/instructions_window.cpp" line="28"/>
        <source>Como Jugar</source>
        <translation>How to Play</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../program/main.cpp" line="18"/>
        <source>lucen: no hay ninguna pantalla gráfica disponible
</source>
        <translation>lucen: no graphical display is available
</translation>
    </message>
</context>
<context>
    <name>RecordsTexts</name>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="22"/>
        <source>Récords</source>
        <translation>Records</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="24"/>
        <source>Tablero</source>
        <translation>Board</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="24"/>
        <source>Colores</source>
        <translation>Colours</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="24"/>
        <source>Ganadas</source>
        <translation>Won</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="24"/>
        <source>Mejor resultado</source>
        <translation>Best result</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="26"/>
        <source>0, perfecta</source>
        <translation>0, perfect</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="28"/>
        <source>El resultado cuenta las pulsaciones de más sobre el mínimo: 0 es una partida perfecta. Una partida ganada con ayuda de una pista cuenta como ganada, pero no como récord.</source>
        <translation>The result counts the presses over the fewest: 0 is a perfect game. A game won with the help of a hint counts as won, but not as a record.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="34"/>
        <source>Algunos récords guardados no se pudieron leer; se muestran los demás.</source>
        <translation>Some saved records could not be read; the others are shown.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="37"/>
        <source>Los récords no se pueden guardar: se conservan hasta que cierres el juego.</source>
        <translation>The records cannot be saved: they are kept until you close the game.</translation>
    </message>
</context>
<context>
    <name>lucen::AboutWindow</name>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="66"/>
        <source>Creado por Quindral-Software</source>
        <translation>Made by Quindral-Software</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="74"/>
        <source>Email: </source>
        <translation>Email: </translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="76"/>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="79"/>
        <source>Este programa es freeware. Puede copiarse libremente, pero nadie podrá cobrar por él. Para ponerlo en su web, pida antes permiso al autor vía email.</source>
        <translation>This program is freeware. It may be copied freely, but nobody may charge for it. To put it on your website, first email the author for permission.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="83"/>
        <source>[click para cerrar]</source>
        <translation>[click to close]</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="101"/>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="102"/>
        <source>Icono del programa</source>
        <translation>Program icon</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="103"/>
        <source>Logotipo de Quindral-Software</source>
        <translation>Quindral-Software logo</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="104"/>
        <source>Enlace: escribir un correo al autor</source>
        <translation>Link: write an email to the author</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="105"/>
        <source>Enlace: abrir la página web del autor</source>
        <translation>Link: open the author&apos;s web page</translation>
    </message>
</context>
<context>
    <name>lucen::CellButton</name>
    <message>
        <location filename="../board_view/cell_button.cpp" line="29"/>
        <source>Celda %1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <location filename="../board_view/cell_button.cpp" line="28"/>
        <source>fila %1, columna %2, %3</source>
        <translation>row %1, column %2, %3</translation>
    </message>
    <message>
        <location filename="../board_view/cell_button.cpp" line="54"/>
        <source>, pista: pulsa esta casilla</source>
        <translation>, hint: press this cell</translation>
    </message>
</context>
<context>
    <name>lucen::ChooseGameDialog</name>
    <message>
        <location filename="../secondary_windows/choose_game_dialog.cpp" line="20"/>
        <source>Elegir partida</source>
        <translation>Choose Game</translation>
    </message>
    <message>
        <location filename="../secondary_windows/choose_game_dialog.cpp" line="26"/>
        <source>ninguna partida numerada</source>
        <translation>no numbered game</translation>
    </message>
    <message>
        <location filename="../secondary_windows/choose_game_dialog.cpp" line="27"/>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../secondary_windows/choose_game_dialog.cpp" line="49"/>
        <source>Partida actual:</source>
        <translation>Game in play:</translation>
    </message>
    <message>
        <location filename="../secondary_windows/choose_game_dialog.cpp" line="50"/>
        <source>Jugar la partida:</source>
        <translation>Play the game:</translation>
    </message>
</context>
<context>
    <name>lucen::MainWindow</name>
    <message>
        <location filename="../main_window/main_window.cpp" line="67"/>
        <source>Juego</source>
        <translation>Game</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="69"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="72"/>
        <source>Tamaño</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="82"/>
        <source>Colores</source>
        <translation>Colours</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="95"/>
        <source>Partida nueva</source>
        <translation>New Game</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="97"/>
        <source>Elegir partida...</source>
        <translation>Choose Game...</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="98"/>
        <source>Récords</source>
        <translation>Records</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="102"/>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="105"/>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="108"/>
        <source>Pista</source>
        <translation>Hint</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="111"/>
        <source>Símbolos</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="116"/>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="118"/>
        <source>Como Jugar</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="119"/>
        <source>Acerca de...</source>
        <translation>About...</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="208"/>
        <source>Lo lograste!!</source>
        <translation>You did it!!</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="268"/>
        <source>Este tablero no se puede completar con %1 colores. Prueba otro tamaño u otro número de colores.</source>
        <translation>This board cannot be completed with %1 colours. Try another size or number of colours.</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="312"/>
        <source>Instrucciones.htm</source>
        <translation>Instructions.htm</translation>
    </message>
</context>
</TS>
