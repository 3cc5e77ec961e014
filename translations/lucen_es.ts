<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="es">
<context>
    <name>GameTexts</name>
    <message numerus="yes">
        <location filename="../texts/game_texts.cpp" line="35"/>
        <source>%n pulsaciones</source>
        <translation>
            <numerusform>%n pulsación</numerusform>
            <numerusform>%n pulsaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../texts/game_texts.cpp" line="37"/>
        <source>faltan %n</source>
        <translation>
            <numerusform>falta %n</numerusform>
            <numerusform>faltan %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../texts/game_texts.cpp" line="47"/>
        <source>Racha: %n días</source>
        <translation>
            <numerusform>Racha: %n día</numerusform>
            <numerusform>Racha: %n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordsTexts</name>
    <message numerus="yes">
        <location filename="../secondary_windows/records_window.cpp" line="26"/>
        <source>Racha actual: %n días</source>
        <translation>
            <numerusform>Racha actual: %n día</numerusform>
            <numerusform>Racha actual: %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../secondary_windows/records_window.cpp" line="27"/>
        <source>Mejor racha: %n días</source>
        <translation>
            <numerusform>Mejor racha: %n día</numerusform>
            <numerusform>Mejor racha: %n días</numerusform>
        </translation>
    </message>
</context>
</TS>
