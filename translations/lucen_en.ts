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
        <location filename="../program/command_line.cpp" line="23"/>
        <source>Empieza con la partida del día.</source>
        <translation>Starts with the game of the day.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="25"/>
        <source>Lucen, un rompecabezas de colores: cada clic avanza el color de una casilla y de sus vecinas; el tablero se resuelve cuando todas están en verde claro.</source>
        <translation>Lucen, a colour puzzle: each click advances the colour of a cell and its neighbours; the board is solved when every cell is light green.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="30"/>
        <source>Acepta también las opciones de Qt, como -display o -platform.</source>
        <translation>Qt&apos;s own options, such as -display or -platform, are accepted too.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="33"/>
        <source>lucen: opción desconocida «%1». Pruebe «lucen --help».</source>
        <translation>lucen: unknown option &apos;%1&apos;. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="36"/>
        <source>lucen: argumento inesperado «%1». Pruebe «lucen --help».</source>
        <translation>lucen: unexpected argument &apos;%1&apos;. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="39"/>
        <source>lucen: falta el valor de «%1». Pruebe «lucen --help».</source>
        <translation>lucen: missing value for &apos;%1&apos;. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="42"/>
        <source>lucen: la opción «%1» se repite. Pruebe «lucen --help».</source>
        <translation>lucen: option &apos;%1&apos; is repeated. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="45"/>
        <source>lucen: «--game» y «--daily» no van juntas. Pruebe «lucen --help».</source>
        <translation>lucen: &apos;--game&apos; and &apos;--daily&apos; cannot be used together. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="48"/>
        <source>lucen: plataforma no instalada: «%1». Instaladas: %2.</source>
        <translation>lucen: platform not installed: &apos;%1&apos;. Installed: %2.</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="50"/>
        <source>ninguna</source>
        <translation>none</translation>
    </message>
    <message>
        <location filename="../program/command_line.cpp" line="51"/>
        <source>lucen: no se pudo escribir la respuesta.</source>
        <translation>lucen: could not write the answer.</translation>
    </message>
</context>
<context>
    <name>GameTexts</name>
    <message>
        <location filename="../texts/game_texts.cpp" line="18"/>
        <source>falta el código de la partida</source>
        <translation>the game code is missing</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="20"/>
        <source>un código tiene la forma 7x7-3-123456</source>
        <translation>a code looks like 7x7-3-123456</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="22"/>
        <source>el tablero es cuadrado: sus dos lados son iguales</source>
        <translation>the board is square: its two sides are equal</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="24"/>
        <source>el tablero tiene de 5x5 a 9x9 casillas</source>
        <translation>the board has from 5x5 to 9x9 cells</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="26"/>
        <source>los colores son 2, 3 o 4</source>
        <translation>the colours are 2, 3 or 4</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="28"/>
        <source>las partidas van del 1 al 999999</source>
        <translation>games go from 1 to 999999</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="33"/>
        <source>«%1» no es un código de partida: %2.</source>
        <translation>&apos;%1&apos; is not a game code: %2.</translation>
    </message>
    <message numerus="yes">
        <location filename="../texts/game_texts.cpp" line="35"/>
        <source>%n pulsaciones</source>
        <translation>
            <numerusform>%n press</numerusform>
            <numerusform>%n presses</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="36"/>
        <source>mínimo %1</source>
        <translation>fewest %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../texts/game_texts.cpp" line="37"/>
        <source>faltan %n</source>
        <translation>
            <numerusform>%n to go</numerusform>
            <numerusform>%n to go</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="38"/>
        <source>Partida del día</source>
        <translation>Game of the day</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="39"/>
        <source>Partida del %1</source>
        <translation>Game of %1</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="40"/>
        <source>práctica</source>
        <translation>practice</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="41"/>
        <source>no se puede guardar</source>
        <translation>cannot be saved</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="43"/>
        <source>Partida %1: %2 (mínimo %3)</source>
        <translation>Game %1: won in %2 (the fewest is %3)</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="45"/>
        <source>%1, práctica</source>
        <translation>%1, practice</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="46"/>
        <source>¡Perfecta!</source>
        <translation>Perfect!</translation>
    </message>
    <message numerus="yes">
        <location filename="../texts/game_texts.cpp" line="47"/>
        <source>Racha: %n días</source>
        <translation>
            <numerusform>Streak: %n day</numerusform>
            <numerusform>Streak: %n days</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="48"/>
        <source>No se pudo guardar esta victoria en los récords.</source>
        <translation>This win could not be saved in the records.</translation>
    </message>
    <message>
        <location filename="../texts/game_texts.cpp" line="50"/>
        <source>%1: %2 (mínimo %3)</source>
        <translation>%1: %2 (fewest %3)</translation>
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
    <name>PastDaysTexts</name>
    <message>
        <location filename="../secondary_windows/past_days_dialog.cpp" line="20"/>
        <source>Días anteriores</source>
        <translation>Past Days</translation>
    </message>
    <message>
        <location filename="../secondary_windows/past_days_dialog.cpp" line="21"/>
        <source>Jugar</source>
        <translation>Play</translation>
    </message>
    <message>
        <location filename="../secondary_windows/past_days_dialog.cpp" line="23"/>
        <source>Verde: ganada; verde y en negrita: perfecta; amarillo: jugada y no ganada; gris: sin jugar. Las partidas de días anteriores son de práctica.</source>
        <translation>Green: won; green and bold: perfect; yellow: played and not won; grey: not played. Games of earlier days are practice.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/past_days_dialog.cpp" line="30"/>
        <source>perfecta</source>
        <translation>perfect</translation>
    </message>
    <message>
        <location filename="../secondary_windows/past_days_dialog.cpp" line="32"/>
        <source>ganada</source>
        <translation>won</translation>
    </message>
    <message>
        <location filename="../secondary_windows/past_days_dialog.cpp" line="34"/>
        <source>jugada y no ganada</source>
        <translation>played and not won</translation>
    </message>
    <message>
        <location filename="../secondary_windows/past_days_dialog.cpp" line="38"/>
        <source>sin jugar</source>
        <translation>not played</translation>
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
    <name>Questions</name>
    <message>
        <location filename="../secondary_windows/question_box.cpp" line="17"/>
        <source>Con una pista, esta partida ya no cuenta para los récords.</source>
        <translation>With a hint, this game no longer counts for the records.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/question_box.cpp" line="18"/>
        <source>Ver pista</source>
        <translation>Show Hint</translation>
    </message>
    <message>
        <location filename="../secondary_windows/question_box.cpp" line="19"/>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../secondary_windows/question_box.cpp" line="21"/>
        <source>La partida %1 aún cuenta para los récords. Si la dejas, contará como jugada y no ganada.</source>
        <translation>Game %1 still counts for the records. If you leave it, it will count as played and not won.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/question_box.cpp" line="25"/>
        <source>Dejarla</source>
        <translation>Leave It</translation>
    </message>
    <message>
        <location filename="../secondary_windows/question_box.cpp" line="26"/>
        <source>Seguir jugando</source>
        <translation>Keep Playing</translation>
    </message>
    <message>
        <location filename="../secondary_windows/question_box.cpp" line="27"/>
        <source>No volver a preguntar</source>
        <translation>Don&apos;t ask again</translation>
    </message>
</context>
<context>
    <name>RecordsTexts</name>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="25"/>
        <source>Récords</source>
        <translation>Records</translation>
    </message>
    <message numerus="yes">
        <location filename="../secondary_windows/records_window.cpp" line="26"/>
        <source>Racha actual: %n días</source>
        <translation>
            <numerusform>Current streak: %n day</numerusform>
            <numerusform>Current streak: %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../secondary_windows/records_window.cpp" line="27"/>
        <source>Mejor racha: %n días</source>
        <translation>
            <numerusform>Best streak: %n day</numerusform>
            <numerusform>Best streak: %n days</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="29"/>
        <source>%1x%1, %2 colores</source>
        <translation>%1x%1, %2 colours</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="31"/>
        <source>Jugadas:</source>
        <translation>Played:</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="32"/>
        <source>Ganadas:</source>
        <translation>Won:</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="33"/>
        <source>Perfectas:</source>
        <translation>Perfect:</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="34"/>
        <source>Resultado medio:</source>
        <translation>Average result:</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="35"/>
        <source>Mejor resultado:</source>
        <translation>Best result:</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="39"/>
        <source>más</source>
        <translation>more</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="42"/>
        <source>El resultado cuenta las pulsaciones de más sobre el mínimo: menos es mejor, y 0 es una partida perfecta. Cuenta la primera partida de cada código, ganada sin pistas y sin reiniciarla.</source>
        <translation>The result counts the presses over the fewest: lower is better, and 0 is a perfect game. Only the first play of each code counts, won without a hint and without a restart.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="48"/>
        <source>Aún no has jugado ninguna partida numerada. Empieza una con «Partida nueva» o «Partida del día», en el menú «Juego».</source>
        <translation>You have not played a numbered game yet. Start one with “New Game” or “Game of the Day”, in the “Game” menu.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="53"/>
        <source>Algunos récords guardados no se pudieron leer; se muestran los demás.</source>
        <translation>Some saved records could not be read; the others are shown.</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="55"/>
        <source>Exportar récords...</source>
        <translation>Export Records...</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="56"/>
        <source>Importar récords...</source>
        <translation>Import Records...</translation>
    </message>
    <message>
        <location filename="../secondary_windows/records_window.cpp" line="58"/>
        <source>Los récords no se pueden guardar: se conservan hasta que cierres el juego.</source>
        <translation>The records cannot be saved: they are kept until you close the game.</translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <location filename="../texts/web_texts.cpp" line="11"/>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="13"/>
        <source>Jugar</source>
        <translation>Play</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="15"/>
        <source>Tablero</source>
        <translation>Board</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="18"/>
        <source>En su lugar se juega el tablero de %1x%1 con %2 colores.</source>
        <translation>The %1x%1 board under %2 colours is played instead.</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="20"/>
        <source>No se pudo copiar.</source>
        <translation>Could not copy.</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="23"/>
        <source>Este navegador no guarda la partida en juego ni los récords: se pierden al cerrar la página.</source>
        <translation>This browser does not keep the game in play or the records: they are lost when the page closes.</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="27"/>
        <source>Exportar récords</source>
        <translation>Export Records</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="28"/>
        <source>Importar récords</source>
        <translation>Import Records</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="30"/>
        <source>«%1» no se pudo leer como récords de Lucen; no ha cambiado nada.</source>
        <translation>“%1” could not be read as Lucen records; nothing has changed.</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="32"/>
        <source>Récords de «%1» añadidos.</source>
        <translation>Records from “%1” added.</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="34"/>
        <source>Aún no has jugado ninguna partida numerada. Empieza una con «Partida nueva» o «Partida del día».</source>
        <translation>You have not played a numbered game yet. Start one with “New Game” or “Game of the Day”.</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="38"/>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="40"/>
        <source>Mes anterior</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <location filename="../texts/web_texts.cpp" line="41"/>
        <source>Mes siguiente</source>
        <translation>Next month</translation>
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
        <location filename="../secondary_windows/about_window.cpp" line="88"/>
        <source>[click para cerrar]</source>
        <translation>[click to close]</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="106"/>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="107"/>
        <source>Icono del programa</source>
        <translation>Program icon</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="108"/>
        <source>Logotipo de Quindral-Software</source>
        <translation>Quindral-Software logo</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="109"/>
        <source>Enlace: escribir un correo al autor</source>
        <translation>Link: write an email to the author</translation>
    </message>
    <message>
        <location filename="../secondary_windows/about_window.cpp" line="110"/>
        <source>Enlace: abrir la página web del autor</source>
        <translation>Link: open the author&apos;s web page</translation>
    </message>
</context>
<context>
    <name>lucen::CellButton</name>
    <message>
        <location filename="../board_view/cell_button.cpp" line="52"/>
        <source>Celda %1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <location filename="../board_view/cell_button.cpp" line="51"/>
        <source>fila %1, columna %2, %3</source>
        <translation>row %1, column %2, %3</translation>
    </message>
    <message>
        <location filename="../board_view/cell_button.cpp" line="77"/>
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
        <location filename="../main_window/menus.cpp" line="25"/>
        <source>Juego</source>
        <translation>Game</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="27"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="30"/>
        <source>Tamaño</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="40"/>
        <source>Colores</source>
        <translation>Colours</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="53"/>
        <source>Partida nueva</source>
        <translation>New Game</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="55"/>
        <source>Partida del día</source>
        <translation>Game of the day</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="57"/>
        <source>Días anteriores...</source>
        <translation>Past Days...</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="58"/>
        <source>Elegir partida...</source>
        <translation>Choose Game...</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="59"/>
        <source>Reiniciar partida</source>
        <translation>Restart Game</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="61"/>
        <source>Récords</source>
        <translation>Records</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="62"/>
        <source>Dificultad</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="66"/>
        <source>Fácil</source>
        <translation>Easy</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="66"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="66"/>
        <source>Difícil</source>
        <translation>Hard</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="77"/>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="80"/>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="83"/>
        <source>Pista</source>
        <translation>Hint</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="86"/>
        <source>Símbolos</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="90"/>
        <source>Animaciones</source>
        <translation>Animations</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="95"/>
        <source>Ampliación</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="105"/>
        <source>Ampliar</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="108"/>
        <source>Reducir</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="111"/>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="113"/>
        <source>Como Jugar</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <location filename="../main_window/menus.cpp" line="114"/>
        <source>Acerca de...</source>
        <translation>About...</translation>
    </message>
    <message>
        <location filename="../main_window/numbered_games.cpp" line="68"/>
        <source>Este tablero no se puede completar con %1 colores. Prueba otro tamaño u otro número de colores.</source>
        <translation>This board cannot be completed with %1 colours. Try another size or number of colours.</translation>
    </message>
    <message>
        <location filename="../main_window/main_window.cpp" line="227"/>
        <source>Instrucciones.htm</source>
        <translation>Instructions.htm</translation>
    </message>
    <message>
        <location filename="../main_window/records_commands.cpp" line="17"/>
        <source>Exportar récords</source>
        <translation>Export Records</translation>
    </message>
    <message>
        <location filename="../main_window/records_commands.cpp" line="18"/>
        <source>Importar récords</source>
        <translation>Import Records</translation>
    </message>
    <message>
        <location filename="../main_window/records_commands.cpp" line="24"/>
        <source>Récords (*.json)</source>
        <translation>Records (*.json)</translation>
    </message>
    <message>
        <location filename="../main_window/records_commands.cpp" line="24"/>
        <source>Todos los archivos (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <location filename="../main_window/records_commands.cpp" line="54"/>
        <source>Se añadieron los récords de «%1».</source>
        <translation>The records of “%1” were added.</translation>
    </message>
    <message>
        <location filename="../main_window/records_commands.cpp" line="55"/>
        <source>«%1» no es un archivo de récords que se pueda leer: los récords no cambian.</source>
        <translation>“%1” is not a records file that can be read: the records do not change.</translation>
    </message>
    <message>
        <location filename="../main_window/records_commands.cpp" line="57"/>
        <source>Los récords se guardaron en «%1».</source>
        <translation>The records were saved in “%1”.</translation>
    </message>
    <message>
        <location filename="../main_window/records_commands.cpp" line="58"/>
        <source>No se pudieron guardar los récords en «%1».</source>
        <translation>The records could not be saved in “%1”.</translation>
    </message>
</context>
<context>
    <name>lucen::WinMessage</name>
    <message>
        <location filename="../secondary_windows/win_message.cpp" line="21"/>
        <source>Lo lograste!!</source>
        <translation>You did it!!</translation>
    </message>
    <message>
        <location filename="../secondary_windows/win_message.cpp" line="26"/>
        <source>Otra &amp;partida</source>
        <translation>&amp;Another Game</translation>
    </message>
    <message>
        <location filename="../secondary_windows/win_message.cpp" line="28"/>
        <source>&amp;Ver solución</source>
        <translation>&amp;Watch Solution</translation>
    </message>
    <message>
        <location filename="../secondary_windows/win_message.cpp" line="30"/>
        <location filename="../secondary_windows/win_message.cpp" line="37"/>
        <source>&amp;Copiar resultado</source>
        <translation>&amp;Copy Result</translation>
    </message>
    <message>
        <location filename="../secondary_windows/win_message.cpp" line="38"/>
        <source>Copiado</source>
        <translation>Copied</translation>
    </message>
</context>
</TS>
