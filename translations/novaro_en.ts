<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>CajaTeclas</name>
    <message>
        <source>Detector de teclas</source>
        <translation>Key detector</translation>
    </message>
    <message>
        <source>Pulse F1 para ayuda</source>
        <translation>Press F1 for help</translation>
    </message>
</context>
<context>
    <name>Casilla</name>
    <message>
        <source>Fila %1, columna %2</source>
        <translation>Row %1, column %2</translation>
    </message>
</context>
<context>
    <name>Comprobador</name>
    <message>
        <source>Datos incorrectos en la columna </source>
        <translation>Wrong numbers in column </translation>
    </message>
    <message>
        <source>Datos incorrectos en la fila </source>
        <translation>Wrong numbers in row </translation>
    </message>
    <message>
        <source>Datos incorrectos en un tablero  </source>
        <translation>Wrong numbers in a panel </translation>
    </message>
    <message>
        <source>Muchísimas felicidades. ha demostrado usted una  gran inteligencia </source>
        <translation>Congratulations! You have shown great intelligence. </translation>
    </message>
</context>
<context>
    <name>DetectorTeclas</name>
    <message>
        <source>Cursor sobre detector de teclas</source>
        <translation>Cursor on the key detector</translation>
    </message>
    <message>
        <source>Imposible borrar ese número. Pertenece a los datos originales.</source>
        <translation>That number cannot be erased. It is one of the original numbers.</translation>
    </message>
    <message>
        <source>Aviso de número original </source>
        <translation>Original number notice </translation>
    </message>
    <message>
        <source>activado</source>
        <translation>on</translation>
    </message>
    <message>
        <source>desactivado</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Provisional</source>
        <translation>Provisional</translation>
    </message>
    <message>
        <source>No provisional</source>
        <translation>Not provisional</translation>
    </message>
    <message>
        <source>Sonido activado</source>
        <translation>Sound on</translation>
    </message>
    <message>
        <source>Sonido desactivado</source>
        <translation>Sound off</translation>
    </message>
    <message>
        <source>Modo</source>
        <extracomment>The word every write-mode message of the line holds, as they are translated.</extracomment>
        <translation>mode</translation>
    </message>
    <message>
        <source>Modo escritura no disponible. Valor original bajo el cursor.   </source>
        <translation>Write mode not available. Original number under the cursor.   </translation>
    </message>
    <message>
        <source>Modo escritura activado</source>
        <translation>Write mode on</translation>
    </message>
    <message>
        <source>Modo escritura desactivado </source>
        <translation>Write mode off </translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Instrucciones Novaro</source>
        <translation>NOVARO instructions</translation>
    </message>
    <message>
        <source>Instrucciones</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>NOVARO</source>
        <translation>NOVARO</translation>
    </message>
    <message>
        <source>Pulse F1 para ayuda</source>
        <translation>Press F1 for help</translation>
    </message>
    <message>
        <source>Línea de mensajes</source>
        <translation>Message line</translation>
    </message>
    <message>
        <source>&amp;Nuevo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Genera un nuevo juego</source>
        <translation>Deals a new game</translation>
    </message>
    <message>
        <source>&amp;Ver solución</source>
        <translation>See &amp;solution</translation>
    </message>
    <message>
        <source>Muestra en pantalla la solución para el NOVARO actual.</source>
        <translation>Shows the solution of this NOVARO on the board.</translation>
    </message>
    <message>
        <source>&amp;Guardar partida</source>
        <translation>Sa&amp;ve game</translation>
    </message>
    <message>
        <source>Permite guardar la partida</source>
        <translation>Saves the game</translation>
    </message>
    <message>
        <source>&amp;Cargar partida</source>
        <translation>&amp;Load game</translation>
    </message>
    <message>
        <source>Permite cargar una partida que hayamos guardado antes </source>
        <translation>Loads a game saved before</translation>
    </message>
    <message>
        <source>&amp;Comprobar</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Va comprobando si los números introducidos cumplen las condiciones, revisando primero las filas, después las columnas y por último los paneles.</source>
        <translation>Checks whether the numbers entered follow the rules: first the rows, then the columns and last the panels.</translation>
    </message>
    <message>
        <source>Niveles</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>&amp;Tamaño Letra</source>
        <translation>&amp;Font size</translation>
    </message>
    <message>
        <source>Parttida</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Partida %1</source>
        <translation>Game %1</translation>
    </message>
    <message>
        <source>Botonera</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>C&amp;argar partida</source>
        <translation>&amp;Load game</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Nuevo juego</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Solución en el tablero</source>
        <translation>Solution on the board</translation>
    </message>
    <message>
        <source>No se puede guardar la partida después de ver la solución. Podrá guardar de nuevo cuando empiece un juego nuevo o cargue una partida.</source>
        <translation>The game cannot be saved after seeing the solution. You can save again when you start a new game or load one.</translation>
    </message>
    <message>
        <source>No se ha podido guardar la partida en el lugar %1. %2</source>
        <translation>The game could not be saved in slot %1. %2</translation>
    </message>
    <message>
        <source>Partida guardada en el lugar %1</source>
        <translation>Game saved in slot %1</translation>
    </message>
    <message>
        <source>No hay ninguna partida guardada en el lugar %1</source>
        <translation>There is no game saved in slot %1</translation>
    </message>
    <message>
        <source>Error al cargar: se creará un nuevo novaro</source>
        <translation>Error while loading: a new NOVARO will be dealt</translation>
    </message>
    <message>
        <source>Partida cargada del lugar %1</source>
        <translation>Game loaded from slot %1</translation>
    </message>
    <message>
        <source>Las notas de la partida del lugar %1 estaban dañadas. La partida se ha cargado sin notas.</source>
        <translation>The notes of the game in place %1 were damaged. The game has been loaded without notes.</translation>
    </message>
    <message>
        <source>Dificultad</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>&amp;Día</source>
        <translation>&amp;Day</translation>
    </message>
    <message>
        <source>&amp;Sudoku del día</source>
        <translation>&amp;Sudoku of the day</translation>
    </message>
    <message>
        <source>&amp;Estadísticas</source>
        <translation>S&amp;tatistics</translation>
    </message>
    <message>
        <source>&amp;Compartir resultado</source>
        <translation>Share &amp;result</translation>
    </message>
</context>
<context>
    <name>Frases</name>
    <message>
        <source>superior izquierdo</source>
        <translation>top left</translation>
    </message>
    <message>
        <source>superior central</source>
        <translation>top centre</translation>
    </message>
    <message>
        <source>superior derecho</source>
        <translation>top right</translation>
    </message>
    <message>
        <source>central izquierdo</source>
        <translation>centre left</translation>
    </message>
    <message>
        <source>central</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>central derecho</source>
        <translation>centre right</translation>
    </message>
    <message>
        <source>inferior izquierdo</source>
        <translation>bottom left</translation>
    </message>
    <message>
        <source>inferior central</source>
        <translation>bottom centre</translation>
    </message>
    <message>
        <source>inferior derecho</source>
        <translation>bottom right</translation>
    </message>
    <message>
        <source>una vez</source>
        <translation>once</translation>
    </message>
    <message>
        <source>dos veces</source>
        <translation>twice</translation>
    </message>
    <message>
        <source>tres veces</source>
        <translation>three times</translation>
    </message>
    <message>
        <source>cuatro veces</source>
        <translation>four times</translation>
    </message>
    <message>
        <source>cinco veces</source>
        <translation>five times</translation>
    </message>
    <message>
        <source>seis veces</source>
        <translation>six times</translation>
    </message>
    <message>
        <source>siete veces</source>
        <translation>seven times</translation>
    </message>
    <message>
        <source>ocho veces</source>
        <translation>eight times</translation>
    </message>
    <message>
        <source>nueve veces</source>
        <translation>nine times</translation>
    </message>
    <message>
        <source> y </source>
        <translation> and </translation>
    </message>
    <message>
        <source>ninguna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Fila %1, columna %2, panel %3</source>
        <translation>Row %1, column %2, %3 panel</translation>
    </message>
    <message>
        <source>Deshecho. </source>
        <translation>Undone. </translation>
    </message>
    <message>
        <source>Vacías: %1 en la fila, %2 en la columna, %3 en el panel, %4 en el tablero</source>
        <translation>Empty: %1 in the row, %2 in the column, %3 in the panel, %4 on the board</translation>
    </message>
    <message>
        <source>No cabe ningún número</source>
        <translation>No number fits</translation>
    </message>
    <message>
        <source>Cabe </source>
        <translation>Fits: </translation>
    </message>
    <message>
        <source>Caben </source>
        <translation>Fit: </translation>
    </message>
    <message>
        <source>Número original</source>
        <translation>Original number</translation>
    </message>
    <message>
        <source>el %1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>No falta ningún número</source>
        <translation>No number is missing</translation>
    </message>
    <message>
        <source>Falta </source>
        <translation>Missing: </translation>
    </message>
    <message>
        <source>Faltan </source>
        <translation>Missing: </translation>
    </message>
    <message>
        <source>Aviso de número repetido </source>
        <translation>Repeated number notice </translation>
    </message>
    <message>
        <source>activado</source>
        <translation>on</translation>
    </message>
    <message>
        <source>desactivado</source>
        <translation>off</translation>
    </message>
    <message>
        <source>en la fila</source>
        <translation>in the row</translation>
    </message>
    <message>
        <source>en la columna</source>
        <translation>in the column</translation>
    </message>
    <message>
        <source>en el panel</source>
        <translation>in the panel</translation>
    </message>
    <message>
        <source>Repetido </source>
        <translation>Repeated </translation>
    </message>
    <message>
        <source>Menú %1, %2 opciones</source>
        <translation>%1 menu, %2 options</translation>
    </message>
    <message>
        <source>  Teclas para jugar más deprisa (con el modo escritura desactivado):</source>
        <translation>  Keys to play faster (with write mode off):</translation>
    </message>
    <message>
        <source>  D: dice dónde está el cursor: la fila, la columna y el panel, nombrado por su</source>
        <translation>  D: says where the cursor is: the row, the column and the panel, named by its</translation>
    </message>
    <message>
        <source>lugar (superior izquierdo, central, inferior derecho...).</source>
        <translation>place (top left, centre, bottom right...).</translation>
    </message>
    <message>
        <source>  Q: dice cuántas casillas vacías quedan en la fila, la columna y el panel actuales</source>
        <translation>  Q: says how many empty cells are left in the current row, column and panel</translation>
    </message>
    <message>
        <source>y en todo el tablero.</source>
        <translation>and on the whole board.</translation>
    </message>
    <message>
        <source>  N: dice qué números caben en la casilla actual: los que no están en su fila, su</source>
        <translation>  N: says which numbers fit the current cell: those not in its row, its</translation>
    </message>
    <message>
        <source>columna ni su panel.</source>
        <translation>column or its panel.</translation>
    </message>
    <message>
        <source>  S: lleva el cursor a la siguiente casilla vacía, de izquierda a derecha y de arriba</source>
        <translation>  S: takes the cursor to the next empty cell, left to right and top to</translation>
    </message>
    <message>
        <source>abajo, y dice dónde ha llegado. Si no queda ninguna vacía suena un pitido.</source>
        <translation>bottom, and says where it landed. If no cell is empty, a beep sounds.</translation>
    </message>
    <message>
        <source>  Z: deshace el último cambio hecho con el teclado en una casilla (lo escrito, lo</source>
        <translation>  Z: undoes the last change made to a cell with the keyboard (what was written,</translation>
    </message>
    <message>
        <source>borrado o la marca de provisional), una y otra vez hasta el principio de la partida.</source>
        <translation>erased or marked provisional), again and again back to the start of the game.</translation>
    </message>
    <message>
        <source>  R: dice cuántas veces falta todavía cada número en el tablero.</source>
        <translation>  R: says how many times each number is still missing from the board.</translation>
    </message>
    <message>
        <source>  E: activa y desactiva el aviso de número repetido: con el aviso activado, al</source>
        <translation>  E: switches the repeated number notice on and off: with the notice on, storing</translation>
    </message>
    <message>
        <source>guardar un número que ya está en su fila, su columna o su panel se oye dónde se repite.</source>
        <translation>a number that is already in its row, column or panel tells where it repeats.</translation>
    </message>
    <message>
        <source>el %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>el %1 del panel %2 tiene que ir en la fila %3</source>
        <translation>the %1 of the %2 panel has to go in row %3</translation>
    </message>
    <message>
        <source>el %1 del panel %2 tiene que ir en la columna %3</source>
        <translation>the %1 of the %2 panel has to go in column %3</translation>
    </message>
    <message>
        <source>el %1 de la fila %2 tiene que ir en el panel %3</source>
        <translation>the %1 of row %2 has to go in the %3 panel</translation>
    </message>
    <message>
        <source>el %1 de la columna %2 tiene que ir en el panel %3</source>
        <translation>the %1 of column %2 has to go in the %3 panel</translation>
    </message>
    <message>
        <source>en la fila %1, las columnas %2 y %3 se reparten el %4 y el %5</source>
        <translation>in row %1, columns %2 and %3 share the %4 and the %5</translation>
    </message>
    <message>
        <source>en la columna %1, las filas %2 y %3 se reparten el %4 y el %5</source>
        <translation>in column %1, rows %2 and %3 share the %4 and the %5</translation>
    </message>
    <message>
        <source>en el panel %1, la fila %2, columna %3 y la fila %4, columna %5 se reparten el %6 y el %7</source>
        <translation>in the %1 panel, row %2, column %3 and row %4, column %5 share the %6 and the %7</translation>
    </message>
    <message>
        <source>Fila %1, columna %2: solo cabe el %3</source>
        <translation>Row %1, column %2: only %3 fits</translation>
    </message>
    <message>
        <source>En la fila %1, el %2 solo puede ir en la columna %3</source>
        <translation>In row %1, the %2 can only go in column %3</translation>
    </message>
    <message>
        <source>En la columna %1, el %2 solo puede ir en la fila %3</source>
        <translation>In column %1, the %2 can only go in row %3</translation>
    </message>
    <message>
        <source>En el panel %1, el %2 solo puede ir en la fila %3, columna %4</source>
        <translation>In the %1 panel, the %2 can only go in row %3, column %4</translation>
    </message>
    <message>
        <source>Sudokus de solución única </source>
        <translation>One-solution sudokus </translation>
    </message>
    <message>
        <source>%1, porque %2</source>
        <translation>%1, because %2</translation>
    </message>
    <message>
        <source>Fila %1, columna %2: va el %3, porque con %4 no hay solución</source>
        <translation>Row %1, column %2: the %3 goes there, because with %4 there is no solution</translation>
    </message>
    <message>
        <source> o </source>
        <translation> or </translation>
    </message>
    <message>
        <source>El tablero no tiene solución</source>
        <translation>The board has no solution</translation>
    </message>
    <message>
        <source>El tablero ya no tiene solución. Quitando el %1 de la fila %2, columna %3 y lo escrito después, vuelve a tenerla</source>
        <translation>The board has no solution any more. Taking away the %1 in row %2, column %3 and what was written after it, it has one again</translation>
    </message>
    <message>
        <source>El tablero ya no tiene solución. Quitando el %1 de la fila %2, columna %3, vuelve a tenerla</source>
        <translation>The board has no solution any more. Taking away the %1 in row %2, column %3, it has one again</translation>
    </message>
    <message>
        <source>Hay más de una solución y ningún paso es seguro. La casilla con menos candidatos es la fila %1, columna %2: caben %3 números</source>
        <translation>There is more than one solution and no step is sure. The cell with the fewest candidates is row %1, column %2: %3 numbers fit</translation>
    </message>
    <message>
        <source>No queda nada por hacer</source>
        <translation>Nothing left to do</translation>
    </message>
    <message>
        <source>  U: activa y desactiva los sudokus de solución única: con el modo activado, cada</source>
        <translation>  U: switches one-solution sudokus on and off: while it is on, every</translation>
    </message>
    <message>
        <source>juego nuevo tiene una sola solución y tantos números dados como su nivel.</source>
        <translation>new game has a single solution and as many given numbers as its level.</translation>
    </message>
    <message>
        <source>  H: da una pista: lleva el cursor a la casilla de la que habla y dice qué número va</source>
        <translation>  H: gives a hint: takes the cursor to the cell it speaks of and says which number goes</translation>
    </message>
    <message>
        <source>y por qué; no escribe nada. Si el tablero ya no tiene solución, dice qué número quitar.</source>
        <translation>there and why; it writes nothing. If the board has no solution any more, it says which number to take away.</translation>
    </message>
    <message>
        <source>  Licencia:</source>
        <translation>  License:</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Equipo de NOVARO</source>
        <translation>Copyright (C) %1 Equipo de NOVARO</translation>
    </message>
    <message>
        <source>Licencia GPLv3+: GNU GPL versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.</source>
        <translation>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.</translation>
    </message>
    <message>
        <source>Esto es software libre: puede cambiarlo y redistribuirlo.</source>
        <translation>This is free software: you are free to change and redistribute it.</translation>
    </message>
    <message>
        <source>NO HAY NINGUNA GARANTÍA, en la medida en que lo permita la ley.</source>
        <translation>There is NO WARRANTY, to the extent permitted by law.</translation>
    </message>
    <message>
        <source>la fila %1, columna %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>en la fila %1, las columnas %2 se reparten %3</source>
        <translation>in row %1, columns %2 share %3</translation>
    </message>
    <message>
        <source>en la columna %1, las filas %2 se reparten %3</source>
        <translation>in column %1, rows %2 share %3</translation>
    </message>
    <message>
        <source>en el panel %1, %2 se reparten %3</source>
        <translation>in the %1 panel, %2 share %3</translation>
    </message>
    <message>
        <source>en la fila %1, %2 solo pueden ir en las columnas %3</source>
        <translation>in row %1, %2 can only go in columns %3</translation>
    </message>
    <message>
        <source>en la columna %1, %2 solo pueden ir en las filas %3</source>
        <translation>in column %1, %2 can only go in rows %3</translation>
    </message>
    <message>
        <source>en el panel %1, %2 solo pueden ir en %3</source>
        <translation>in the %1 panel, %2 can only go in %3</translation>
    </message>
    <message>
        <source>en las filas %1, el %2 solo puede ir en las columnas %3</source>
        <translation>in rows %1, the %2 can only go in columns %3</translation>
    </message>
    <message>
        <source>en las columnas %1, el %2 solo puede ir en las filas %3</source>
        <translation>in columns %1, the %2 can only go in rows %3</translation>
    </message>
    <message>
        <source>%1 es el %2 o el %3; si es el %2, %4 es el %5, y si es el %3, %6 es el %5</source>
        <translation>%1 is %2 or %3; if it is %2, %4 is %5, and if it is %3, %6 is %5</translation>
    </message>
    <message>
        <source>%1 es el %2, el %3 o el %4; si es el %2, %5 es el %4, y si es el %3, %6 es el %4</source>
        <translation>%1 is %2, %3 or %4; if it is %2, %5 is %4, and if it is %3, %6 is %4</translation>
    </message>
    <message>
        <source>Dificultad: fácil, basta con mirar qué cabe en cada casilla y dónde puede ir cada número</source>
        <translation>Difficulty: easy, it only takes seeing what fits each cell and where each number can go</translation>
    </message>
    <message>
        <source>Dificultad: necesita un número que en un panel solo puede ir en una fila o una columna</source>
        <translation>Difficulty: needs a number that in a panel can only go in one row or one column</translation>
    </message>
    <message>
        <source>Dificultad: necesita un número que en una fila o una columna solo puede ir en un panel</source>
        <translation>Difficulty: needs a number that in a row or a column can only go in one panel</translation>
    </message>
    <message>
        <source>Dificultad: necesita una pareja</source>
        <translation>Difficulty: needs a pair</translation>
    </message>
    <message>
        <source>Dificultad: necesita una pareja oculta</source>
        <translation>Difficulty: needs a hidden pair</translation>
    </message>
    <message>
        <source>Dificultad: necesita un trío</source>
        <translation>Difficulty: needs a triple</translation>
    </message>
    <message>
        <source>Dificultad: necesita un trío oculto</source>
        <translation>Difficulty: needs a hidden triple</translation>
    </message>
    <message>
        <source>Dificultad: necesita un ala X</source>
        <translation>Difficulty: needs an X-wing</translation>
    </message>
    <message>
        <source>Dificultad: necesita un pez espada</source>
        <translation>Difficulty: needs a swordfish</translation>
    </message>
    <message>
        <source>Dificultad: necesita un ala XY</source>
        <translation>Difficulty: needs an XY-wing</translation>
    </message>
    <message>
        <source>Dificultad: necesita un ala XYZ</source>
        <translation>Difficulty: needs an XYZ-wing</translation>
    </message>
    <message>
        <source>Dificultad: no se resuelve solo razonando</source>
        <translation>Difficulty: reasoning alone does not solve it</translation>
    </message>
    <message>
        <source>Dificultad: tiene más de una solución, no se resuelve solo razonando</source>
        <translation>Difficulty: it has more than one solution, reasoning alone does not solve it</translation>
    </message>
    <message>
        <source>Dificultad: no tiene solución</source>
        <translation>Difficulty: it has no solution</translation>
    </message>
    <message>
        <source>  G: dice la dificultad del sudoku: la técnica más difícil que necesita la pista para</source>
        <translation>  G: says how hard the sudoku is: the hardest technique the hint needs to solve it</translation>
    </message>
    <message>
        <source>Sudoku importado, %1 números dados</source>
        <translation>Sudoku imported, %1 given numbers</translation>
    </message>
    <message>
        <source>no hay ninguna casilla</source>
        <translation>there is no cell</translation>
    </message>
    <message>
        <source>hay una sola casilla y hacen falta 81</source>
        <translation>there is only one cell and 81 are needed</translation>
    </message>
    <message>
        <source>hay %1 casillas y hacen falta 81</source>
        <translation>there are %1 cells and 81 are needed</translation>
    </message>
    <message>
        <source>hay más de 81 casillas</source>
        <translation>there are more than 81 cells</translation>
    </message>
    <message>
        <source>el %1 se repite en la fila %2</source>
        <translation>the %1 repeats in row %2</translation>
    </message>
    <message>
        <source>el %1 se repite en la columna %2</source>
        <translation>the %1 repeats in column %2</translation>
    </message>
    <message>
        <source>el %1 se repite en el panel %2</source>
        <translation>the %1 repeats in the %2 panel</translation>
    </message>
    <message>
        <source>no tiene solución</source>
        <translation>it has no solution</translation>
    </message>
    <message>
        <source>tiene más de una solución</source>
        <translation>it has more than one solution</translation>
    </message>
    <message>
        <source>no se ha podido comprobar que tenga una sola solución</source>
        <translation>it could not be checked that it has only one solution</translation>
    </message>
    <message>
        <source>Sudoku rechazado: %1</source>
        <translation>Sudoku refused: %1</translation>
    </message>
    <message>
        <source>Tablero copiado</source>
        <translation>Board copied</translation>
    </message>
    <message>
        <source>  I: juega el sudoku copiado en el portapapeles en lugar del juego actual: 81 casillas,</source>
        <translation>  I: plays the sudoku copied to the clipboard instead of the current game: 81 cells,</translation>
    </message>
    <message>
        <source>los números del 1 al 9 como datos y 0 o punto para las vacías; lo demás no cuenta.</source>
        <translation>the numbers 1 to 9 as given numbers and 0 or a full stop for the empty ones; nothing else counts.</translation>
    </message>
    <message>
        <source>Si no vale, dice por qué y el juego actual sigue.</source>
        <translation>If it will not do, it says why and the current game goes on.</translation>
    </message>
    <message>
        <source>  X: copia el tablero en el portapapeles, en una línea de 81 caracteres: el número de</source>
        <translation>  X: copies the board to the clipboard as one line of 81 characters: the number of</translation>
    </message>
    <message>
        <source>cada casilla que tiene uno y un punto en las demás.</source>
        <translation>every cell that holds one and a full stop for the others.</translation>
    </message>
    <message>
        <source>  Desde la terminal, novaro --sudoku seguido del sudoku empieza con ese sudoku.</source>
        <translation>  From a terminal, novaro --sudoku followed by a sudoku starts with that sudoku.</translation>
    </message>
    <message>
        <source>sin notas</source>
        <translation>no notes</translation>
    </message>
    <message>
        <source>nota %1</source>
        <translation>note %1</translation>
    </message>
    <message>
        <source>notas %1</source>
        <translation>notes %1</translation>
    </message>
    <message>
        <source>Notas activadas</source>
        <translation>Notes on</translation>
    </message>
    <message>
        <source>Notas desactivadas</source>
        <translation>Notes off</translation>
    </message>
    <message>
        <source>Añadido el %1: %2</source>
        <translation>Added %1: %2</translation>
    </message>
    <message>
        <source>Quitado el %1: %2</source>
        <translation>Removed %1: %2</translation>
    </message>
    <message>
        <source>Casilla ocupada</source>
        <translation>Cell already filled</translation>
    </message>
    <message>
        <source>Notas en ninguna casilla</source>
        <translation>Notes in no cell</translation>
    </message>
    <message>
        <source>Notas en 1 casilla</source>
        <translation>Notes in 1 cell</translation>
    </message>
    <message>
        <source>Notas en %1 casillas</source>
        <translation>Notes in %1 cells</translation>
    </message>
    <message>
        <source>  L: activa y desactiva el modo notas, para apuntar en cada casilla vacía los números</source>
        <translation>  L: switches notes mode on and off, to note in each empty cell the numbers</translation>
    </message>
    <message>
        <source>que podrían ir en ella. Al llegar a una casilla con notas se oyen detrás de la casilla.</source>
        <translation>that could go there. Arriving at a cell with notes, they are heard after the cell.</translation>
    </message>
    <message>
        <source>  1 a 9 (fila de arriba o teclado numérico), con el modo notas activado: apunta ese</source>
        <translation>  1 to 9 (top row or numeric keypad), with notes mode on: notes that</translation>
    </message>
    <message>
        <source>número en la casilla, o lo quita si ya estaba. Escribir un número en una casilla borra</source>
        <translation>number in the cell, or takes it away if it was there. Writing a number into a cell clears</translation>
    </message>
    <message>
        <source>sus notas y lo quita de las notas de su fila, su columna y su panel; Z deshace las notas.</source>
        <translation>its notes and takes it out of the notes of its row, column and panel; Z undoes notes too.</translation>
    </message>
    <message>
        <source>  M: pone en cada casilla vacía las notas de los números que caben en ella.</source>
        <translation>  M: puts into every empty cell the notes of the numbers that fit there.</translation>
    </message>
    <message>
        <source>resolverlo desde los números dados (una pareja, un ala X...), o si no basta razonar.</source>
        <translation>from the given numbers (a pair, an X-wing...), or that reasoning is not enough.</translation>
    </message>
    <message>
        <source>  Con línea braille: en las preferencias de braille de Orca, marque</source>
        <translation>  With a braille display: in Orca&apos;s braille preferences, check</translation>
    </message>
    <message>
        <source>&quot;Activar mensajes temporales&quot; y &quot;Los mensajes son persistentes&quot;: cada mensaje del</source>
        <translation>&quot;Enable flash messages&quot; and &quot;Messages are persistent&quot;: each message of the</translation>
    </message>
    <message>
        <source>juego se quedará en la línea braille hasta el siguiente.</source>
        <translation>game will stay on the braille display until the next one.</translation>
    </message>
    <message>
        <source>Escritura directa activada</source>
        <translation>Direct entry on</translation>
    </message>
    <message>
        <source>Escritura directa desactivada</source>
        <translation>Direct entry off</translation>
    </message>
    <message>
        <source>Partida recuperada</source>
        <translation>Game restored</translation>
    </message>
    <message>
        <source>No se ha podido recuperar la última partida. Empieza un juego nuevo.</source>
        <translation>The last game could not be restored. A new game starts.</translation>
    </message>
    <message>
        <source>  K: activa y desactiva la escritura directa: con ella activada y el modo notas</source>
        <translation>  K: switches direct entry on and off: while it is on and notes mode is</translation>
    </message>
    <message>
        <source>desactivado, un número del 1 al 9 se escribe en la casilla con una sola tecla, como</source>
        <translation>off, a digit from 1 to 9 is written into the cell with one key, as</translation>
    </message>
    <message>
        <source>Intro, el número e Intro. Z lo deshace.</source>
        <translation>Enter, the digit and Enter would. Z takes it back.</translation>
    </message>
    <message>
        <source>  El juego recuerda el nivel, el tamaño de letra y los interruptores (F8, F9, O, E,</source>
        <translation>  The game remembers the level, the font size and the switches (F8, F9, O, E,</translation>
    </message>
    <message>
        <source>donde se dejó y dice &quot;Partida recuperada&quot;. Desde la terminal, novaro --nueva empieza</source>
        <translation>where it was left and says &quot;Game restored&quot;. From a terminal, novaro --nueva starts</translation>
    </message>
    <message>
        <source>un juego nuevo con los valores de siempre.</source>
        <translation>a new game with the usual settings.</translation>
    </message>
    <message>
        <source>la fila %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>la columna %1</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>el panel %1</source>
        <translation>the %1 panel</translation>
    </message>
    <message>
        <source>la fila %1, columnas %2</source>
        <translation>row %1, columns %2</translation>
    </message>
    <message>
        <source>la columna %1, filas %2</source>
        <translation>column %1, rows %2</translation>
    </message>
    <message>
        <source>%1 es el %2</source>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>%1 no es el %2</source>
        <translation>%1 is not %2</translation>
    </message>
    <message>
        <source>el %2 está en %1</source>
        <translation>the %2 is in %1</translation>
    </message>
    <message>
        <source>el %2 no está en %1</source>
        <translation>the %2 is not in %1</translation>
    </message>
    <message>
        <source>%1 sería el %2, el único que cabe</source>
        <translation>%1 would be %2, the only digit that fits</translation>
    </message>
    <message>
        <source>el %1 iría en %2, su único lugar en %3</source>
        <translation>the %1 would go in %2, its only place in %3</translation>
    </message>
    <message>
        <source>y en %1 no cabría ningún número</source>
        <translation>and no digit would fit in %1</translation>
    </message>
    <message>
        <source>y el %1 no tendría sitio en %2</source>
        <translation>and the %1 would have no place in %2</translation>
    </message>
    <message>
        <source>si %1</source>
        <translation>if %1</translation>
    </message>
    <message>
        <source>entonces %1</source>
        <translation>then %1</translation>
    </message>
    <message>
        <source>un rascacielos del %1</source>
        <translation>a skyscraper of %1</translation>
    </message>
    <message>
        <source>una cometa del %1</source>
        <translation>a two-string kite of %1</translation>
    </message>
    <message>
        <source>una cadena X del %1</source>
        <translation>an X-chain of %1</translation>
    </message>
    <message>
        <source>unos pares remotos</source>
        <translation>remote pairs</translation>
    </message>
    <message>
        <source>un ala W</source>
        <translation>a W-wing</translation>
    </message>
    <message>
        <source>una cadena XY</source>
        <translation>an XY-chain</translation>
    </message>
    <message>
        <source>una cadena alterna</source>
        <translation>an alternating inference chain</translation>
    </message>
    <message>
        <source>una cadena forzada: %1 no puede ser el %2</source>
        <translation>a forcing chain: %1 cannot be %2</translation>
    </message>
    <message>
        <source>%1: el %2 está en %3 o en %4</source>
        <translation>%1: the %2 is in %3 or in %4</translation>
    </message>
    <message>
        <source>%1: %2 es el %3 o %4 es el %5</source>
        <translation>%1: %2 is %3 or %4 is %5</translation>
    </message>
    <message>
        <source>%1, pues %2</source>
        <translation>%1, since %2</translation>
    </message>
    <message>
        <source>; H para seguir</source>
        <translation>; H to go on</translation>
    </message>
    <message>
        <source>un coloreado del %1: el %1 va en %2, o en %3</source>
        <translation>a colouring of %1: the %1 goes in %2, or in %3</translation>
    </message>
    <message>
        <source>un rectángulo único: %1 no pueden quedar en el %2 y el %3, que habría dos soluciones</source>
        <translation>a unique rectangle: %1 cannot all end as %2 and %3, or there would be two solutions</translation>
    </message>
    <message>
        <source>%1, así que %2 no es ni el %3 ni el %4</source>
        <translation>%1, so %2 is neither %3 nor %4</translation>
    </message>
    <message>
        <source>%1, así que %2 o %3 es el %4</source>
        <translation>%1, so %2 or %3 is %4</translation>
    </message>
    <message>
        <source>%1; en %2 el %3 solo puede ir en %4 o %5, así que ninguna es el %6</source>
        <translation>%1; in %2 the %3 can only go in %4 or %5, so neither is %6</translation>
    </message>
    <message>
        <source>si %1 no fuera el %2, todas las casillas vacías quedarían con dos números y habría dos soluciones</source>
        <translation>if %1 were not %2, every empty cell would be left with two digits and there would be two solutions</translation>
    </message>
    <message>
        <source>Dificultad: necesita un rascacielos</source>
        <translation>Difficulty: needs a skyscraper</translation>
    </message>
    <message>
        <source>Dificultad: necesita una cometa</source>
        <translation>Difficulty: needs a two-string kite</translation>
    </message>
    <message>
        <source>Dificultad: necesita una cadena X</source>
        <translation>Difficulty: needs an X-chain</translation>
    </message>
    <message>
        <source>Dificultad: necesita un coloreado simple</source>
        <translation>Difficulty: needs simple colouring</translation>
    </message>
    <message>
        <source>Dificultad: necesita un rectángulo único de tipo 1</source>
        <translation>Difficulty: needs a unique rectangle of type 1</translation>
    </message>
    <message>
        <source>Dificultad: necesita un rectángulo único de tipo 2</source>
        <translation>Difficulty: needs a unique rectangle of type 2</translation>
    </message>
    <message>
        <source>Dificultad: necesita un rectángulo único de tipo 4</source>
        <translation>Difficulty: needs a unique rectangle of type 4</translation>
    </message>
    <message>
        <source>Dificultad: necesita un BUG más uno</source>
        <translation>Difficulty: needs a BUG plus one</translation>
    </message>
    <message>
        <source>Dificultad: necesita pares remotos</source>
        <translation>Difficulty: needs remote pairs</translation>
    </message>
    <message>
        <source>Dificultad: necesita un ala W</source>
        <translation>Difficulty: needs a W-wing</translation>
    </message>
    <message>
        <source>Dificultad: necesita una cadena XY</source>
        <translation>Difficulty: needs an XY-chain</translation>
    </message>
    <message>
        <source>Dificultad: necesita una cadena alterna</source>
        <translation>Difficulty: needs an alternating inference chain</translation>
    </message>
    <message>
        <source>Dificultad: necesita una cadena forzada</source>
        <translation>Difficulty: needs a forcing chain</translation>
    </message>
    <message>
        <source>si lo fuera</source>
        <translation>if it were</translation>
    </message>
    <message>
        <source>Una cadena larga se oye por partes: H otra vez, sin cambiar el tablero, dice los</source>
        <translation>A long chain is heard in parts: H again, with the board unchanged, says the</translation>
    </message>
    <message>
        <source>eslabones siguientes, y tras el último la pista entera de nuevo; otra tecla la deja.</source>
        <translation>next links, and after the last the whole hint again; any other key leaves it.</translation>
    </message>
    <message>
        <source>Las técnicas que nombra, de la más sencilla a la más difícil: lo único que cabe en una</source>
        <translation>The techniques it names, simplest first: the only digit that fits a</translation>
    </message>
    <message>
        <source>casilla, el único lugar de un número, un número encerrado en una línea o un panel,</source>
        <translation>cell, the only place of a digit, a digit held to a line or a panel,</translation>
    </message>
    <message>
        <source>parejas y tríos (también ocultos), ala X, pez espada, alas XY y XYZ, rascacielos,</source>
        <translation>pairs and triples (hidden ones too), X-wing, swordfish, XY- and XYZ-wings, skyscraper,</translation>
    </message>
    <message>
        <source>cometa, cadena X, coloreado simple, rectángulo único (tipos 1, 2 y 4) y BUG más uno</source>
        <translation>two-string kite, X-chain, simple colouring, unique rectangle (types 1, 2 and 4) and BUG+1</translation>
    </message>
    <message>
        <source>en %1 solo caben %2</source>
        <translation>only %2 fit in %1</translation>
    </message>
    <message>
        <source>dos conjuntos casi bloqueados: %1, y %2; el %3 no puede estar en ambos, así que uno de los dos tiene el %4</source>
        <translation>two almost locked sets: %1, and %2; the %3 cannot be in both, so one of the two holds the %4</translation>
    </message>
    <message>
        <source>Dificultad: necesita dos conjuntos casi bloqueados</source>
        <translation>Difficulty: needs two almost locked sets</translation>
    </message>
    <message>
        <source>(solo cuando hay una sola solución), pares remotos, ala W, cadena XY, dos conjuntos</source>
        <translation>(only when there is one solution), remote pairs, W-wing, XY-chain, two almost locked</translation>
    </message>
    <message>
        <source>casi bloqueados, cadena alterna y cadena forzada.</source>
        <translation>sets (ALS-XZ), alternating chain and forcing chain.</translation>
    </message>
    <message>
        <source>%1; pero %2 y %3 se ven, y no pueden ser los dos el %4</source>
        <translation>%1; but %2 and %3 see each other, and cannot both be %4</translation>
    </message>
    <message>
        <source>Sudoku %1. %2</source>
        <translation>%1 sudoku. %2</translation>
    </message>
    <message>
        <source>Por nivel</source>
        <translation>By level</translation>
    </message>
    <message>
        <source>Sencillo</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Intermedio</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>Avanzado</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Experto</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Maestro</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Dificultad: %1</source>
        <translation>Difficulty: %1</translation>
    </message>
    <message>
        <source>Sudoku %1, %2 números dados</source>
        <translation>%1 sudoku, %2 givens</translation>
    </message>
    <message>
        <source>Preparando el sudoku</source>
        <translation>Preparing the sudoku</translation>
    </message>
    <message>
        <source>  B: cambia la dificultad de los juegos nuevos, como el menú Dificultad: Por nivel</source>
        <translation>  B: changes the difficulty of new games, as the Difficulty menu does: By level</translation>
    </message>
    <message>
        <source>(los números dados que marca el menú Niveles), Sencillo (basta mirar qué cabe en cada</source>
        <translation>(the givens the Levels menu sets), Simple (it is enough to see what fits each</translation>
    </message>
    <message>
        <source>casilla y dónde puede ir cada número), Intermedio (un número que en un panel solo puede</source>
        <translation>cell and where each digit can go), Intermediate (a digit that within a panel can only</translation>
    </message>
    <message>
        <source>ir en una fila o una columna, o al revés), Avanzado (parejas y tríos), Experto (alas X,</source>
        <translation>go in one row or column, or the other way round), Advanced (pairs and triples), Expert (X-Wings,</translation>
    </message>
    <message>
        <source>peces espada y alas XY y XYZ) o Maestro (las cadenas y demás técnicas que la pista</source>
        <translation>Swordfish and XY- and XYZ-Wings) or Master (the chains and the other techniques the hint</translation>
    </message>
    <message>
        <source>explica después de las alas). Cada juego nuevo de una dificultad necesita justo ese</source>
        <translation>explains past the wings). Every new game of a difficulty needs exactly that</translation>
    </message>
    <message>
        <source>razonamiento y se anuncia con ella y con sus números dados.</source>
        <translation>reasoning, and is announced with it and its number of givens.</translation>
    </message>
    <message>
        <source>U, L y K) y la dificultad; guarda la partida en juego tras cada cambio: al volver a abrirlo sigue</source>
        <translation>U, L and K) and the difficulty; it keeps the game in play after every change: opened again, it goes on</translation>
    </message>
    <message>
        <source>Pensando</source>
        <translation>Thinking</translation>
    </message>
    <message>
        <source>%1 no sería el %2</source>
        <translation>%1 would not be %2</translation>
    </message>
    <message>
        <source>deja sin número %1</source>
        <translation>leaves no digit for %1</translation>
    </message>
    <message>
        <source>deja sin sitio el %1 en %2</source>
        <translation>leaves the %1 no place in %2</translation>
    </message>
    <message>
        <source>si el %1 va en %2, una cadena forzada %3</source>
        <translation>if the %1 goes in %2, a forcing chain %3</translation>
    </message>
    <message>
        <source>si fuera el %1</source>
        <translation>if it were %1</translation>
    </message>
    <message>
        <source>si el %1 va en %2</source>
        <translation>if the %1 goes in %2</translation>
    </message>
    <message>
        <source>y %1 no sería el %2</source>
        <translation>and %1 would not be %2</translation>
    </message>
    <message>
        <source>dentro, si el %1 va en %2</source>
        <translation>within, if the %1 goes in %2</translation>
    </message>
    <message>
        <source>%1 no puede ser el %2</source>
        <translation>%1 cannot be %2</translation>
    </message>
    <message>
        <source>cadenas forzadas desde %1: sea cual sea su número, %2</source>
        <translation>forcing chains from %1: whichever its digit, %2</translation>
    </message>
    <message>
        <source>cadenas forzadas desde el %1 de %2: vaya donde vaya, %3</source>
        <translation>forcing chains from the %1 of %2: wherever it goes, %3</translation>
    </message>
    <message>
        <source>una cadena forzada anidada: %1</source>
        <translation>a nested forcing chain: %1</translation>
    </message>
    <message>
        <source>Dificultad: necesita cadenas forzadas desde todos los números de una casilla</source>
        <translation>Difficulty: needs forcing chains from every digit of a cell</translation>
    </message>
    <message>
        <source>Dificultad: necesita cadenas forzadas desde todos los lugares de un número en un grupo</source>
        <translation>Difficulty: needs forcing chains from every place of a digit in a group</translation>
    </message>
    <message>
        <source>Dificultad: necesita una cadena forzada anidada</source>
        <translation>Difficulty: needs a nested forcing chain</translation>
    </message>
    <message>
        <source>Justo después de resolver el sudoku del día, X copia en cambio el resultado en una línea.</source>
        <translation>Right after the sudoku of the day is solved, X copies the result in one line instead.</translation>
    </message>
    <message>
        <source>  Y: dice el tiempo jugado en la partida y, en el sudoku del día, la racha de días seguidos</source>
        <translation>  Y: says the time played on the game and, on the sudoku of the day, the streak of days solved</translation>
    </message>
    <message>
        <source>resueltos. El tiempo solo corre con el juego abierto y se guarda con la partida.</source>
        <translation>in a row. The time only runs while the game is open, and is kept with the game.</translation>
    </message>
    <message>
        <source>  El menú Día (novaro --dia lo empieza al abrir) tiene el sudoku del día: el mismo</source>
        <translation>  The Day menu (novaro --dia starts it on opening) has the sudoku of the day: the same</translation>
    </message>
    <message>
        <source>para todos cada día, más difícil según avanza la semana, de Sencillo el lunes a Maestro</source>
        <translation>for everyone each day, harder as the week goes on, from Simple on Monday to Master</translation>
    </message>
    <message>
        <source>el domingo; Estadísticas, que dice los días resueltos, la racha y los mejores tiempos;</source>
        <translation>on Sunday; Statistics, which says the days solved, the streak and the best times;</translation>
    </message>
    <message>
        <source>y Compartir resultado, que copia el último resultado en una línea de texto.</source>
        <translation>and Share result, which copies the last result in one line of text.</translation>
    </message>
    <message>
        <source>Lugar al moverse activado</source>
        <translation>Place on moves on</translation>
    </message>
    <message>
        <source>Lugar al moverse desactivado</source>
        <translation>Place on moves off</translation>
    </message>
    <message>
        <source>columna %1</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>fila %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>fila %1, columna %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>Sonidos: con palabras</source>
        <translation>Sounds: with words</translation>
    </message>
    <message>
        <source>Sonidos: en lugar de palabras</source>
        <translation>Sounds: instead of words</translation>
    </message>
    <message>
        <source>Sonidos: no</source>
        <translation>Sounds: off</translation>
    </message>
    <message>
        <source>  W: activa y desactiva el lugar al moverse: con él activado, cada movimiento dice</source>
        <translation>  W: switches place on moves on and off: when on, each move says, before the cell,</translation>
    </message>
    <message>
        <source>antes de la casilla la columna nueva, la fila nueva, o las dos tras un salto.</source>
        <translation>the new column, the new row, or both after a jump.</translation>
    </message>
    <message>
        <source>  J: cambia los sonidos: no, con palabras o en lugar de palabras. Con sonidos, cada</source>
        <translation>  J: changes the sounds: off, with words or instead of words. With sounds, each</translation>
    </message>
    <message>
        <source>movimiento suena a la izquierda o a la derecha según la columna, y más agudo cuanto</source>
        <translation>move sounds to the left or to the right by its column, and higher the higher</translation>
    </message>
    <message>
        <source>más arriba está la fila; las casillas vacías, los números dados y las notas tienen su</source>
        <translation>its row is; empty cells, given numbers and notes have a sound of</translation>
    </message>
    <message>
        <source>sonido; un número repetido suena a aviso; completar una fila, una columna o un panel,</source>
        <translation>their own; a repeated number sounds a warning; completing a row, a column or a panel,</translation>
    </message>
    <message>
        <source>o leerlo con C, F o T sin repetidos, suena a campanilla, y el tablero completo, a</source>
        <translation>or reading it with C, F or T without repeats, sounds a ding, and the whole board, a</translation>
    </message>
    <message>
        <source>fanfarria. En lugar de palabras, una casilla vacía solo suena. W y J se recuerdan.</source>
        <translation>fanfare. Instead of words, an empty cell is only a sound. W and J are remembered.</translation>
    </message>
</context>
<context>
    <name>FrasesDia</name>
    <message>
        <source>enero</source>
        <translation>January</translation>
    </message>
    <message>
        <source>febrero</source>
        <translation>February</translation>
    </message>
    <message>
        <source>marzo</source>
        <translation>March</translation>
    </message>
    <message>
        <source>abril</source>
        <translation>April</translation>
    </message>
    <message>
        <source>mayo</source>
        <translation>May</translation>
    </message>
    <message>
        <source>junio</source>
        <translation>June</translation>
    </message>
    <message>
        <source>julio</source>
        <translation>July</translation>
    </message>
    <message>
        <source>agosto</source>
        <translation>August</translation>
    </message>
    <message>
        <source>septiembre</source>
        <translation>September</translation>
    </message>
    <message>
        <source>octubre</source>
        <translation>October</translation>
    </message>
    <message>
        <source>noviembre</source>
        <translation>November</translation>
    </message>
    <message>
        <source>diciembre</source>
        <translation>December</translation>
    </message>
    <message>
        <source>sin pistas</source>
        <translation>no hints</translation>
    </message>
    <message>
        <source>con 1 pista</source>
        <translation>with 1 hint</translation>
    </message>
    <message>
        <source>con %1 pistas</source>
        <translation>with %1 hints</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <extracomment>%1 the day of the month, %2 the month&apos;s name.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>%1 de %2 de %3</source>
        <extracomment>%1 the day of the month, %2 the month&apos;s name, %3 the year.</extracomment>
        <translation>%2 %1, %3</translation>
    </message>
    <message>
        <source>Sudoku del día, %1: %2, %3 números dados</source>
        <translation>Sudoku of the day, %1: %2, %3 givens</translation>
    </message>
    <message>
        <source>El sudoku del día ya está en juego</source>
        <translation>The sudoku of the day is already in play</translation>
    </message>
    <message>
        <source>El sudoku de hoy ya está resuelto. Sigue la partida en juego</source>
        <translation>Today&apos;s sudoku is already solved. The game in play goes on</translation>
    </message>
    <message>
        <source>1 hora</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>%1 horas</source>
        <translation>%1 hours</translation>
    </message>
    <message>
        <source>1 minuto</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutos</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>1 segundo</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>%1 segundos</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>Racha: 1 día</source>
        <translation>Streak: 1 day</translation>
    </message>
    <message>
        <source>Racha: %1 días</source>
        <translation>Streak: %1 days</translation>
    </message>
    <message>
        <source>Sudoku del día resuelto en %1, %2. %3</source>
        <translation>Sudoku of the day solved in %1, %2. %3</translation>
    </message>
    <message>
        <source>NOVARO, sudoku del %1 (%2): %3, %4. %5.</source>
        <translation>NOVARO, sudoku of %1 (%2): %3, %4. %5.</translation>
    </message>
    <message>
        <source>Resultado copiado: %1</source>
        <translation>Result copied: %1</translation>
    </message>
    <message>
        <source>Todavía no hay ningún sudoku del día resuelto que compartir</source>
        <translation>No sudoku of the day solved yet to share</translation>
    </message>
    <message>
        <source>Todavía no ha resuelto ningún sudoku del día</source>
        <translation>No sudoku of the day solved yet</translation>
    </message>
    <message>
        <source>1 sudoku del día resuelto</source>
        <translation>1 sudoku of the day solved</translation>
    </message>
    <message>
        <source>%1 sudokus del día resueltos</source>
        <translation>%1 sudokus of the day solved</translation>
    </message>
    <message>
        <source>Mejor racha: %1</source>
        <translation>Best streak: %1</translation>
    </message>
    <message>
        <source>1 día</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>%1 días</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>Mejores tiempos: %1</source>
        <translation>Best times: %1</translation>
    </message>
    <message>
        <source>El registro de los sudokus del día estaba dañado: se ha apartado y empieza uno nuevo.</source>
        <translation>The record of the sudokus of the day was damaged: it has been set aside and a new one begins.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el registro de los sudokus del día. %1</source>
        <translation>The record of the sudokus of the day could not be saved. %1</translation>
    </message>
</context>
<context>
    <name>Juego</name>
    <message>
        <source>Partida cargada del archivo %1</source>
        <translation>Game loaded from the file %1</translation>
    </message>
    <message>
        <source>Las notas de la partida del archivo %1 estaban dañadas. La partida se ha cargado sin notas.</source>
        <translation>The notes of the game in the file %1 were damaged. The game has been loaded without notes.</translation>
    </message>
</context>
<context>
    <name>Ranuras</name>
    <message>
        <source>La partida es demasiado grande para guardarla en </source>
        <translation>The game is too large to be saved in </translation>
    </message>
    <message>
        <source>No se puede crear el archivo </source>
        <translation>Cannot create the file </translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo </source>
        <translation>Could not write the file </translation>
    </message>
    <message>
        <source>No se pudo terminar de guardar el archivo </source>
        <translation>Could not finish saving the file </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>NOVARO en el terminal. %1; Control+T muestra el tablero; F10 sale.</source>
        <translation>NOVARO in the terminal. %1; Control+T shows the board; F10 quits.</translation>
    </message>
    <message>
        <source>Guardar partida: pulse el número del lugar, del 1 al 9</source>
        <translation>Save game: press the number of the slot, 1 to 9</translation>
    </message>
    <message>
        <source>Cargar partida: pulse el número del lugar, del 1 al 9</source>
        <translation>Load game: press the number of the slot, 1 to 9</translation>
    </message>
    <message>
        <source>Cancelado</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Nivel %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Teclas del terminal:</source>
        <translation>Keys of the terminal:</translation>
    </message>
    <message>
        <source>Flechas, Inicio, Fin, Re Pág y Av Pág mueven el cursor.</source>
        <translation>Arrows, Home, End, Page Up and Page Down move the cursor.</translation>
    </message>
    <message>
        <source>Intro o Espacio abre el modo escritura; escriba y pulse Intro.</source>
        <translation>Enter or Space opens write mode; type and press Enter.</translation>
    </message>
    <message>
        <source>Suprimir o Retroceso borra la casilla.</source>
        <translation>Delete or Backspace empties the cell.</translation>
    </message>
    <message>
        <source>Control+Espacio marca o desmarca la casilla como provisional.</source>
        <translation>Control+Space marks or unmarks the cell as provisional.</translation>
    </message>
    <message>
        <source>F2 comprueba, F3 empieza un juego nuevo, F4 muestra la solución.</source>
        <translation>F2 checks, F3 starts a new game, F4 shows the solution.</translation>
    </message>
    <message>
        <source>F5 guarda y F6 carga la partida, seguidas del número del lugar.</source>
        <translation>F5 saves and F6 loads a game, followed by the number of the slot.</translation>
    </message>
    <message>
        <source>F7 cambia el nivel, F8 oculta la línea de mensajes, F9 el sonido.</source>
        <translation>F7 changes the level, F8 hides the message line, F9 the sound.</translation>
    </message>
    <message>
        <source>Control+T muestra el tablero. F10, Control+C o Control+D salen guardando la partida en curso.</source>
        <translation>Control+T shows the board. F10, Control+C or Control+D quit, keeping the game in play.</translation>
    </message>
    <message>
        <source>Las letras son las de la ventana: C, F y T leen columna, fila y panel; V la casilla.</source>
        <translation>The letters are the window&apos;s: C, F and T read the column, row and panel; V the cell.</translation>
    </message>
    <message>
        <source>Uso: novaro-terminal [opciones]</source>
        <translation>Usage: novaro-terminal [options]</translation>
    </message>
    <message>
        <source>NOVARO en un terminal de texto, para lectores de pantalla de línea.</source>
        <translation>NOVARO in a text terminal, for line-based screen readers.</translation>
    </message>
    <message>
        <source>Empieza con este sudoku: 81 casillas, los números del 1 al 9 como datos y el punto o el 0 como casilla vacía.</source>
        <translation>Start with this sudoku: 81 cells, the digits 1 to 9 as givens and a full stop or 0 as an empty cell.</translation>
    </message>
    <message>
        <source>Juega en este idioma (si no, el del entorno).</source>
        <translation>Play in this language (otherwise the environment&apos;s).</translation>
    </message>
    <message>
        <source>Empieza un juego nuevo con los valores de siempre, sin recuperar la última partida ni los ajustes.</source>
        <translation>Start a new game with the usual values, without bringing back the last game or the settings.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Shows this help and ends.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Shows the version and ends.</translation>
    </message>
    <message>
        <source>Idioma desconocido: «%1». Se puede elegir: es, en.</source>
        <translation>Unknown language: “%1”. The choices are: es, en.</translation>
    </message>
    <message>
        <source>Opción desconocida: «%1». Pruebe --help.</source>
        <translation>Unknown option: “%1”. Try --help.</translation>
    </message>
    <message>
        <source>Control+Y empieza el sudoku del día, Control+E dice sus estadísticas y Control+R copia su resultado.</source>
        <translation>Control+Y starts the sudoku of the day, Control+E says its statistics and Control+R copies its result.</translation>
    </message>
    <message>
        <source>Empieza con el sudoku del día.</source>
        <translation>Starts with the sudoku of the day.</translation>
    </message>
    <message>
        <source>El terminal solo tiene el pitido: los sonidos de J no suenan aquí y las palabras se dicen siempre.</source>
        <translation>The terminal has only the bell: J&apos;s sounds do not play here and the words are always said.</translation>
    </message>
</context>
<context>
    <name>Voz</name>
    <message>
        <source>vacía</source>
        <translation>empty</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Tablero</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Ayuda (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Licencia</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Controles táctiles</source>
        <translation>Touch controls</translation>
    </message>
    <message>
        <source>Cifras</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>Leer fila</source>
        <translation>Read row</translation>
    </message>
    <message>
        <source>Leer columna</source>
        <translation>Read column</translation>
    </message>
    <message>
        <source>Leer panel</source>
        <translation>Read panel</translation>
    </message>
    <message>
        <source>Qué cabe</source>
        <translation>What fits</translation>
    </message>
    <message>
        <source>Dónde estoy</source>
        <translation>Where am I</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Dificultad del sudoku</source>
        <translation>How hard the sudoku is</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Notas</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Abrir un archivo de partida (.sav)</source>
        <translation>Open a game file (.sav)</translation>
    </message>
    <message>
        <source>Descargar %1</source>
        <translation>Download %1</translation>
    </message>
    <message>
        <source>El navegador no deja leer el portapapeles: pegue aquí el sudoku y pulse Intro</source>
        <translation>The browser does not let the page read the clipboard: paste the sudoku here and press Enter</translation>
    </message>
    <message>
        <source>El navegador no deja escribir en el portapapeles: copie de aquí el tablero con Control+C y pulse Escape</source>
        <translation>The browser does not let the page write to the clipboard: copy the board from here with Control+C and press Escape</translation>
    </message>
    <message>
        <source>El almacenamiento del navegador está lleno.</source>
        <translation>The browser&apos;s storage is full.</translation>
    </message>
    <message>
        <source>El navegador no deja guardar datos a esta página.</source>
        <translation>The browser does not let this page store data.</translation>
    </message>
    <message>
        <source>El navegador no deja guardar datos a esta página: la partida, los ajustes y los lugares no se conservarán al cerrarla.</source>
        <translation>The browser does not let this page store data: the game, the settings and the slots will not be kept when it is closed.</translation>
    </message>
    <message>
        <source>La partida sigue, pero no se conservará al cerrar la página.</source>
        <translation>The game goes on, but it will not be kept when the page is closed.</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>given</translation>
    </message>
    <message>
        <source>provisional</source>
        <translation>provisional</translation>
    </message>
    <message>
        <source>Fila del cursor</source>
        <translation>Cursor row</translation>
    </message>
    <message>
        <source>Columna del cursor</source>
        <translation>Cursor column</translation>
    </message>
    <message>
        <source>Más acciones</source>
        <translation>More actions</translation>
    </message>
    <message>
        <source>Siguiente casilla vacía</source>
        <translation>Next empty cell</translation>
    </message>
    <message>
        <source>Casillas vacías</source>
        <translation>Empty cells</translation>
    </message>
    <message>
        <source>Qué falta por poner</source>
        <translation>What is left to place</translation>
    </message>
    <message>
        <source>Leer casilla</source>
        <translation>Read cell</translation>
    </message>
    <message>
        <source>Marca provisional</source>
        <translation>Provisional mark</translation>
    </message>
    <message>
        <source>Aviso de número repetido</source>
        <translation>Repeated number notice</translation>
    </message>
    <message>
        <source>Aviso de número original</source>
        <translation>Given number notice</translation>
    </message>
    <message>
        <source>Solución única</source>
        <translation>Single solution</translation>
    </message>
    <message>
        <source>Cambiar dificultad</source>
        <translation>Change difficulty</translation>
    </message>
    <message>
        <source>Escritura directa</source>
        <translation>Direct entry</translation>
    </message>
    <message>
        <source>Llenar notas</source>
        <translation>Fill notes</translation>
    </message>
    <message>
        <source>Copiar sudoku</source>
        <translation>Copy sudoku</translation>
    </message>
    <message>
        <source>Pegar sudoku</source>
        <translation>Paste sudoku</translation>
    </message>
    <message>
        <source>Sonido de cambio de panel</source>
        <translation>Panel change sound</translation>
    </message>
    <message>
        <source>Modo gestos</source>
        <translation>Gesture mode</translation>
    </message>
    <message>
        <source>Para jugar con gestos y con la voz del propio juego, apague antes el lector de pantalla: en iPhone, triple clic en el botón lateral; en Android, las dos teclas de volumen pulsadas a la vez unos segundos. Después toque la pantalla.</source>
        <translation>To play with gestures and the game&apos;s own voice, first turn the screen reader off: on iPhone, triple-click the side button; on Android, hold both volume keys together for a few seconds. Then touch the screen.</translation>
    </message>
    <message>
        <source>Modo gestos activado</source>
        <translation>Gesture mode on</translation>
    </message>
    <message>
        <source>Modo gestos desactivado</source>
        <translation>Gesture mode off</translation>
    </message>
    <message>
        <source>Velocidad de la voz</source>
        <translation>Voice rate</translation>
    </message>
    <message>
        <source>Voz más rápida</source>
        <translation>Faster voice</translation>
    </message>
    <message>
        <source>Voz más lenta</source>
        <translation>Slower voice</translation>
    </message>
    <message>
        <source>Menú de gestos</source>
        <translation>Gesture menu</translation>
    </message>
    <message>
        <source>Gestos</source>
        <translation>Gestures</translation>
    </message>
    <message>
        <source>Salir del modo gestos</source>
        <translation>Leave gesture mode</translation>
    </message>
    <message>
        <source>Gestos, con el lector de pantalla apagado y el modo gestos activado:</source>
        <translation>Gestures, with the screen reader off and gesture mode on:</translation>
    </message>
    <message>
        <source>Deslizar un dedo a la izquierda, a la derecha, arriba o abajo: mueve el cursor una casilla, como las flechas.</source>
        <translation>Flick one finger left, right, up or down: moves the cursor one cell, as the arrows do.</translation>
    </message>
    <message>
        <source>Tocar una casilla: lleva el cursor a ella y la dice.</source>
        <translation>Tap a cell: puts the cursor there and says it.</translation>
    </message>
    <message>
        <source>Arrastrar un dedo despacio: dice cada casilla por la que pasa.</source>
        <translation>Slide one finger slowly: says each cell it crosses.</translation>
    </message>
    <message>
        <source>Deslizar dos dedos a la izquierda: lee la fila; hacia abajo: la columna; hacia arriba: el panel.</source>
        <translation>Flick two fingers left: reads the row; down: the column; up: the panel.</translation>
    </message>
    <message>
        <source>Tocar con dos dedos: abre las cifras, tres filas de tres como en un teléfono. Tocar una cifra la escribe, o la apunta en el modo notas, y vuelve al tablero. Tocar con dos dedos o fuera de las cifras las cierra.</source>
        <translation>Tap with two fingers: opens the digits, three rows of three as on a phone. Tapping a digit writes it, or notes it in notes mode, and returns to the board. A two-finger tap or a tap outside the digits closes them.</translation>
    </message>
    <message>
        <source>Deslizar dos dedos a la derecha: abre el menú de gestos con las demás acciones. Deslizar un dedo recorre sus opciones, tocar dos veces elige una y tocar con dos dedos lo cierra.</source>
        <translation>Flick two fingers right: opens the gesture menu with the other actions. Flicking one finger walks its items, a double tap chooses one and a two-finger tap closes it.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>NOVARO %1: sudoku para jugar con el teclado y un lector de pantalla.
Las partidas se guardan en %2</source>
        <translation>NOVARO %1: sudoku played with the keyboard and a screen reader.
Games are kept in %2</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Shows this help and ends.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Shows the version and ends.</translation>
    </message>
    <message>
        <source>Juega en este idioma: %1 (si no, el del escritorio).</source>
        <translation>Plays in this language: %1 (otherwise, the desktop&apos;s).</translation>
    </message>
    <message>
        <source>idioma</source>
        <translation>language</translation>
    </message>
    <message>
        <source>Sobra «%1».</source>
        <translation>Unexpected «%1».</translation>
    </message>
    <message>
        <source>Idioma desconocido: «%1».</source>
        <translation>Unknown language: «%1».</translation>
    </message>
    <message>
        <source>Empieza con este sudoku: 81 casillas, los números del 1 al 9 como datos y 0 o punto para las vacías; lo demás no cuenta.</source>
        <translation>Starts with this sudoku: 81 cells, the numbers 1 to 9 as given numbers and 0 or a full stop for the empty ones; nothing else counts.</translation>
    </message>
    <message>
        <source>sudoku</source>
        <translation>sudoku</translation>
    </message>
    <message>
        <source>Empieza un juego nuevo con los valores de siempre, sin recuperar la última partida ni los ajustes guardados en %1</source>
        <translation>Starts a new game with the usual settings, without bringing back the last game or the settings kept in %1</translation>
    </message>
    <message>
        <source>Empieza con el sudoku del día.</source>
        <translation>Starts with the sudoku of the day.</translation>
    </message>
</context>
</TS>
