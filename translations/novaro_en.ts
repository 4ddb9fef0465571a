<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>CajaTeclas</name>
    <message>
        <source>Detector de teclas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse F1 para ayuda</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Casilla</name>
    <message>
        <source>Fila %1, columna %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Comprobador</name>
    <message>
        <source>Datos incorrectos en la columna </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datos incorrectos en la fila </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datos incorrectos en un tablero  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muchísimas felicidades. ha demostrado usted una  gran inteligencia </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrucciones Novaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrucciones</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>NOVARO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse F1 para ayuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Línea de mensajes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nuevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genera un nuevo juego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ver solución</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muestra en pantalla la solución para el NOVARO actual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Guardar partida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permite guardar la partida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cargar partida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permite cargar una partida que hayamos guardado antes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comprobar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Va comprobando si los números introducidos cumplen las condiciones, revisando primero las filas, después las columnas y por último los paneles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niveles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tamaño Letra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parttida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partida %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botonera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;argar partida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuevo juego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solución en el tablero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede guardar la partida después de ver la solución. Podrá guardar de nuevo cuando empiece un juego nuevo o cargue una partida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se ha podido guardar la partida en el lugar %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partida guardada en el lugar %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hay ninguna partida guardada en el lugar %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al cargar: se creará un nuevo novaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partida cargada del lugar %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ranuras</name>
    <message>
        <source>La partida es demasiado grande para guardarla en </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede crear el archivo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo terminar de guardar el archivo </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Voz</name>
    <message>
        <source>vacía</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
