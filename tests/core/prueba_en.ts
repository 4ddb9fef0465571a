<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- What tabla_traducciones.py must keep and leave out, and bytes a C++ literal must carry. -->
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Zeta</name>
    <message>
        <source>Terminado</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Sin terminar</source>
        <translation type="unfinished">Unfinished</translation>
    </message>
    <message>
        <source>Vacío</source>
        <translation></translation>
    </message>
    <message>
        <source>Desaparecido</source>
        <translation type="vanished">Vanished</translation>
    </message>
    <message>
        <source>Obsoleto</source>
        <translation type="obsolete">Obsolete</translation>
    </message>
    <message>
        <source>Con matiz</source>
        <comment>the other meaning</comment>
        <translation>With a nuance</translation>
    </message>
    <message numerus="yes">
        <source>%n casillas</source>
        <translation>
            <numerusform>%n cell</numerusform>
            <numerusform>%n cells</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Alfa</name>
    <message>
        <source>ñu</source>
        <translation>gnu é1 ¿?</translation>
    </message>
    <message>
        <source>zorro</source>
        <translation>&quot;fox&quot; \ &lt;&amp;&gt;</translation>
    </message>
    <message>
        <source>Dos
líneas<byte value="x9"/>y tabulador</source>
        <translation>Two
lines<byte value="x9"/>and a tab</translation>
    </message>
</context>
</TS>
