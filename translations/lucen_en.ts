<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>CommandLineTexts</name>
    <message>
        <location filename="../main_window/command_line.cpp" line="15"/>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Shows this help and ends.</translation>
    </message>
    <message>
        <location filename="../main_window/command_line.cpp" line="16"/>
        <source>Muestra la versión y termina.</source>
        <translation>Shows the version and ends.</translation>
    </message>
    <message>
        <location filename="../main_window/command_line.cpp" line="18"/>
        <source>Lucen, un rompecabezas de colores: cada clic avanza el color de una casilla y de sus vecinas; el tablero se resuelve cuando todas están en verde claro.</source>
        <translation>Lucen, a colour puzzle: each click advances the colour of a cell and its neighbours; the board is solved when every cell is light green.</translation>
    </message>
    <message>
        <location filename="../main_window/command_line.cpp" line="23"/>
        <source>Acepta también las opciones de Qt, como -display o -platform.</source>
        <translation>Qt&apos;s own options, such as -display or -platform, are accepted too.</translation>
    </message>
    <message>
        <location filename="../main_window/command_line.cpp" line="26"/>
        <source>lucen: opción desconocida «%1». Pruebe «lucen --help».</source>
        <translation>lucen: unknown option &apos;%1&apos;. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../main_window/command_line.cpp" line="29"/>
        <source>lucen: argumento inesperado «%1». Pruebe «lucen --help».</source>
        <translation>lucen: unexpected argument &apos;%1&apos;. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../main_window/command_line.cpp" line="32"/>
        <source>lucen: falta el valor de «%1». Pruebe «lucen --help».</source>
        <translation>lucen: missing value for &apos;%1&apos;. Try &apos;lucen --help&apos;.</translation>
    </message>
    <message>
        <location filename="../main_window/command_line.cpp" line="35"/>
        <source>lucen: plataforma no instalada: «%1». Instaladas: %2.</source>
        <translation>lucen: platform not installed: &apos;%1&apos;. Installed: %2.</translation>
    </message>
    <message>
        <location filename="../main_window/command_line.cpp" line="37"/>
        <source>ninguna</source>
        <translation>none</translation>
    </message>
    <message>
        <location filename="../main_window/command_line.cpp" line="38"/>
        <source>lucen: no se pudo escribir la respuesta.</source>
        <translation>lucen: could not write the answer.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../main_window/main.cpp" line="18"/>
        <source>lucen: no hay ninguna pantalla gráfica disponible
</source>
        <translation>lucen: no graphical display is available
</translation>
    </message>
</context>
<context>
    <name>lucen::CellButton</name>
    <message>
        <location filename="../main_window/cell_button.cpp" line="26"/>
        <source>Celda %1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <location filename="../main_window/cell_button.cpp" line="38"/>
        <source>fila %1, columna %2, %3</source>
        <translation>row %1, column %2, %3</translation>
    </message>
    <message>
        <location filename="../main_window/cell_button.cpp" line="39"/>
        <source>, pista: pulsa esta casilla</source>
        <translation>, hint: press this cell</translation>
    </message>
</context>
<context>
    <name>lucen::ColourName</name>
    <message>
        <location filename="../main_window/colour_names.cpp" line="9"/>
        <source>negro</source>
        <translation>black</translation>
    </message>
    <message>
        <location filename="../main_window/colour_names.cpp" line="10"/>
        <source>amarillo</source>
        <translation>yellow</translation>
    </message>
    <message>
        <location filename="../main_window/colour_names.cpp" line="11"/>
        <source>rojo claro</source>
        <translation>light red</translation>
    </message>
    <message>
        <location filename="../main_window/colour_names.cpp" line="12"/>
        <source>verde claro</source>
        <translation>light green</translation>
    </message>
    <message>
        <location filename="../main_window/colour_names.cpp" line="13"/>
        <source>color %1</source>
        <translation>colour %1</translation>
    </message>
</context>
<context>
    <name>lucen::Form1</name>
    <message>
        <location filename="../main_window/form1.cpp" line="61"/>
        <source>Juego</source>
        <translation>Game</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="63"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="66"/>
        <source>Tamaño</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="76"/>
        <source>Colores</source>
        <translation>Colours</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="88"/>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="90"/>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="93"/>
        <source>Pista</source>
        <translation>Hint</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="97"/>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="99"/>
        <source>Como Jugar</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="100"/>
        <source>Acerca de...</source>
        <translation>About...</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="167"/>
        <source>Lo lograste!!</source>
        <translation>You did it!!</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="213"/>
        <source>Este tablero no se puede completar con %1 colores. Prueba otro tamaño u otro número de colores.</source>
        <translation>This board cannot be completed with %1 colours. Try another size or number of colours.</translation>
    </message>
    <message>
        <location filename="../main_window/form1.cpp" line="229"/>
        <source>Instrucciones.htm</source>
        <translation>Instructions.htm</translation>
    </message>
</context>
<context>
    <name>lucen::FormQuindral</name>
    <message>
        <location filename="../about/form_quindral.cpp" line="65"/>
        <source>Creado por Quindral-Software</source>
        <translation>Made by Quindral-Software</translation>
    </message>
    <message>
        <location filename="../about/form_quindral.cpp" line="73"/>
        <source>Email: </source>
        <translation>Email: </translation>
    </message>
    <message>
        <location filename="../about/form_quindral.cpp" line="75"/>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <location filename="../about/form_quindral.cpp" line="78"/>
        <source>Este programa es freeware. Puede copiarse libremente, pero nadie podrá cobrar por él. Para ponerlo en su web, pida antes permiso al autor vía email.</source>
        <translation>This program is freeware. It may be copied freely, but nobody may charge for it. To put it on your website, first email the author for permission.</translation>
    </message>
    <message>
        <location filename="../about/form_quindral.cpp" line="82"/>
        <source>[click para cerrar]</source>
        <translation>[click to close]</translation>
    </message>
    <message>
        <location filename="../about/form_quindral.cpp" line="100"/>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../about/form_quindral.cpp" line="101"/>
        <source>Icono del programa</source>
        <translation>Program icon</translation>
    </message>
    <message>
        <location filename="../about/form_quindral.cpp" line="102"/>
        <source>Logotipo de Quindral-Software</source>
        <translation>Quindral-Software logo</translation>
    </message>
    <message>
        <location filename="../about/form_quindral.cpp" line="103"/>
        <source>Enlace: escribir un correo al autor</source>
        <translation>Link: write an email to the author</translation>
    </message>
    <message>
        <location filename="../about/form_quindral.cpp" line="104"/>
        <source>Enlace: abrir la página web del autor</source>
        <translation>Link: open the author&apos;s web page</translation>
    </message>
</context>
</TS>
