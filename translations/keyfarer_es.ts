<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de Keyfarer</translation>
    </message>
    <message>
        <source>Keyfarer -- Learn the Keyboard</source>
        <translation>Keyfarer -- Aprende el teclado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>PPM</translation>
    </message>
    <message>
        <source>Select Chart to View</source>
        <translation>Elige un gráfico para verlo</translation>
    </message>
    <message>
        <source>NO WORDS PER MINUTE CHART FOR BEGINNER&apos;S DRILLS</source>
        <translation>NO HAY GRÁFICO DE PALABRAS POR MINUTO PARA LOS EJERCICIOS DE PRINCIPIANTE</translation>
    </message>
    <message>
        <source>Key Speed in Seconds (today or latest) -- </source>
        <translation>Velocidad por tecla en segundos (hoy o última vez) -- </translation>
    </message>
    <message>
        <source>Key Speed in Seconds (all days) -- </source>
        <translation>Velocidad por tecla en segundos (todos los días) -- </translation>
    </message>
    <message>
        <source>Percent Correct (today or latest) -- </source>
        <translation>Porcentaje de aciertos (hoy o última vez) -- </translation>
    </message>
    <message>
        <source>Percent Correct (all days) -- </source>
        <translation>Porcentaje de aciertos (todos los días) -- </translation>
    </message>
    <message>
        <source>Percent Correct (today or last) -- </source>
        <translation>Porcentaje de aciertos (hoy o última vez) -- </translation>
    </message>
    <message>
        <source>Percent Correct (past 8 days) -- </source>
        <translation>Porcentaje de aciertos (últimos 8 días) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (today or last) -- </source>
        <translation>PPM ajustadas (hoy o última vez) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (past 8 days) -- </source>
        <translation>PPM ajustadas (últimos 8 días) -- </translation>
    </message>
    <message>
        <source>Adjusted WPM (all days) -- </source>
        <translation>PPM ajustadas (todos los días) -- </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barra</translation>
    </message>
</context>
<context>
    <name>ClassColumns</name>
    <message>
        <source>Lessons</source>
        <translation>Lecciones</translation>
    </message>
    <message>
        <source>Intermediate Drills</source>
        <translation>Ejercicios intermedios</translation>
    </message>
    <message>
        <source>Advanced Drills</source>
        <translation>Ejercicios avanzados</translation>
    </message>
    <message>
        <source>Keyfarer</source>
        <translation>Keyfarer</translation>
    </message>
    <message>
        <source>10 Line Tests</source>
        <translation>Pruebas de diez líneas</translation>
    </message>
    <message>
        <source>Timed Tests</source>
        <translation>Pruebas de tiempo</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno/a</translation>
    </message>
    <message>
        <source>Drill keys typed (all days)</source>
        <translation>Teclas escritas en ejercicios (todos los días)</translation>
    </message>
    <message>
        <source>Accuracy today or last (%)</source>
        <translation>Precisión hoy o última vez (%)</translation>
    </message>
    <message>
        <source>Accuracy all days (%)</source>
        <translation>Precisión todos los días (%)</translation>
    </message>
    <message>
        <source>Best time (seconds)</source>
        <translation>Mejor tiempo (segundos)</translation>
    </message>
    <message>
        <source>Slowest letter</source>
        <translation>Letra más lenta</translation>
    </message>
    <message>
        <source>Sessions recorded</source>
        <translation>Sesiones registradas</translation>
    </message>
    <message>
        <source>Accuracy of the last 8 sessions (%)</source>
        <translation>Precisión de las últimas 8 sesiones (%)</translation>
    </message>
    <message>
        <source>%1: adjusted WPM today or last</source>
        <translation>%1: PPM ajustadas hoy o última vez</translation>
    </message>
    <message>
        <source>%1: adjusted WPM all days</source>
        <translation>%1: PPM ajustadas todos los días</translation>
    </message>
    <message>
        <source>unreadable file</source>
        <translation>archivo ilegible</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Goal met</source>
        <translation>Objetivo cumplido</translation>
    </message>
    <message>
        <source>Trouble keys</source>
        <translation>Teclas problemáticas</translation>
    </message>
    <message>
        <source>name not in UTF-8: rename the file</source>
        <translation>nombre no está en UTF-8: cambia el nombre del archivo</translation>
    </message>
</context>
<context>
    <name>ClassCsv</name>
    <message>
        <source>keyfarer: no folder &quot;%1&quot;.
</source>
        <translation>keyfarer: no existe la carpeta «%1».
</translation>
    </message>
    <message>
        <source>keyfarer: the folder &quot;%1&quot; cannot be read. Ask whoever looks after this computer for read access to it, or name another folder.
</source>
        <translation>keyfarer: no se puede leer la carpeta «%1». Pide a quien se ocupa de este ordenador permiso para leerla, o indica otra carpeta.
</translation>
    </message>
</context>
<context>
    <name>DrillAnnouncement</name>
    <message>
        <source>Type %1.</source>
        <translation>Escribe %1.</translation>
    </message>
    <message>
        <source>Set done. Correct this set: %1. Time this set: %2 seconds.</source>
        <translation>Serie terminada. Aciertos de esta serie: %1. Tiempo de la serie: %2 segundos.</translation>
    </message>
    <message>
        <source>Number missed: %1.</source>
        <translation>Número de fallos: %1.</translation>
    </message>
    <message>
        <source>Best time: %1 seconds.</source>
        <translation>Mejor tiempo: %1 segundos.</translation>
    </message>
    <message>
        <source>Correct this session: %1.</source>
        <translation>Aciertos de esta sesión: %1.</translation>
    </message>
    <message>
        <source>Slowest this set: %1.</source>
        <translation>Más lenta de la serie: %1.</translation>
    </message>
    <message>
        <source>You missed: %1.</source>
        <translation>Has fallado: %1.</translation>
    </message>
    <message>
        <source>By typing: %1.</source>
        <translation>Escribiendo: %1.</translation>
    </message>
    <message>
        <source>First press the acute accent key.</source>
        <translation>Pulsa primero la tecla del acento agudo.</translation>
    </message>
    <message>
        <source>First press the grave accent key.</source>
        <translation>Pulsa primero la tecla del acento grave.</translation>
    </message>
    <message>
        <source>Hold Alt Gr.</source>
        <translation>Mantén pulsada la tecla Alt Gr.</translation>
    </message>
    <message>
        <source>Hold the left Shift.</source>
        <translation>Mantén pulsada la tecla Mayús izquierda.</translation>
    </message>
    <message>
        <source>Hold the right Shift.</source>
        <translation>Mantén pulsada la tecla Mayús derecha.</translation>
    </message>
    <message>
        <source>Marked: the Enter key.</source>
        <translation>Marcada: la tecla Intro.</translation>
    </message>
    <message>
        <source>Marked: %1.</source>
        <translation>Marcada: %1.</translation>
    </message>
    <message>
        <source>Press Enter to finish the set.</source>
        <translation>Pulsa Intro para terminar la serie.</translation>
    </message>
    <message>
        <source>You missed %1.</source>
        <translation>Has fallado %1.</translation>
    </message>
    <message>
        <source>You missed %1 by typing %2.</source>
        <translation>Has fallado %1 al escribir %2.</translation>
    </message>
    <message>
        <source>Key %1 of %2.</source>
        <translation>Tecla %1 de %2.</translation>
    </message>
</context>
<context>
    <name>DrillTitle</name>
    <message>
        <source>Home Row Only</source>
        <translation>Solo fila guía</translation>
    </message>
    <message>
        <source>Top Row Only</source>
        <translation>Solo fila superior</translation>
    </message>
    <message>
        <source>Bottom Row Only</source>
        <translation>Solo fila inferior</translation>
    </message>
    <message>
        <source>Home and Top Rows</source>
        <translation>Filas guía y superior</translation>
    </message>
    <message>
        <source>Home and Bottom Row</source>
        <translation>Filas guía e inferior</translation>
    </message>
    <message>
        <source>All Three Rows</source>
        <translation>Las tres filas</translation>
    </message>
    <message>
        <source>All and Common Punctuation</source>
        <translation>Todo y puntuación común</translation>
    </message>
    <message>
        <source>Numbers Only</source>
        <translation>Solo números</translation>
    </message>
    <message>
        <source>Symbols Only</source>
        <translation>Solo símbolos</translation>
    </message>
    <message>
        <source>All Keys</source>
        <translation>Todas las teclas</translation>
    </message>
    <message>
        <source>Choose Your Own Keys</source>
        <translation>Tus propias teclas</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>Click to see Last Correct</source>
        <translation>Haz clic para ver el último acierto</translation>
    </message>
    <message>
        <source>Click to see Missed Letters</source>
        <translation>Haz clic para ver las letras falladas</translation>
    </message>
    <message>
        <source>Click to see Errors here</source>
        <translation>Haz clic para ver aquí los errores</translation>
    </message>
    <message>
        <source>Click to see text description</source>
        <translation>Haz clic para ver la descripción</translation>
    </message>
    <message>
        <source>Hide this if Distracting</source>
        <translation>Ocúltalo si te distrae</translation>
    </message>
    <message>
        <source>Keyfarer Typing Tutor (Beginners Drills)</source>
        <translation>Keyfarer, tutor de mecanografía (Ejercicios de principiante)</translation>
    </message>
    <message>
        <source>You need at least two characters to type.</source>
        <translation>Necesitas al menos dos caracteres para escribir.</translation>
    </message>
    <message>
        <source>Adjust Hand Delay</source>
        <translation>Ajustar el retraso de las manos</translation>
    </message>
    <message>
        <source>Do 10 Letters at a time</source>
        <translation>Hacer 10 letras cada vez</translation>
    </message>
    <message>
        <source>Do 20 Letters at a time</source>
        <translation>Hacer 20 letras cada vez</translation>
    </message>
    <message>
        <source>Do 30 Letters at a time</source>
        <translation>Hacer 30 letras cada vez</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Show All Keys</source>
        <translation>Mostrar todas las teclas</translation>
    </message>
    <message>
        <source>Hide Keys on Keyboard</source>
        <translation>Ocultar las teclas del teclado</translation>
    </message>
    <message>
        <source>Include Upper Case Letters</source>
        <translation>Incluir mayúsculas</translation>
    </message>
    <message>
        <source>Lower Case Only</source>
        <translation>Solo minúsculas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Open options window</source>
        <translation>Abrir la ventana de opciones</translation>
    </message>
    <message>
        <source>Exit Lessons</source>
        <translation>Salir de los ejercicios</translation>
    </message>
    <message>
        <source>Number missed:</source>
        <translation>Fallos:</translation>
    </message>
    <message>
        <source>(Total missed keys)</source>
        <translation>(Teclas falladas)</translation>
    </message>
    <message>
        <source>Time this set:</source>
        <translation>Tiempo de la serie:</translation>
    </message>
    <message>
        <source>(Time in seconds)</source>
        <translation>(Tiempo en segundos)</translation>
    </message>
    <message>
        <source>Best Time:</source>
        <translation>Mejor tiempo:</translation>
    </message>
    <message>
        <source>(Quickest time)</source>
        <translation>(Tiempo más rápido)</translation>
    </message>
    <message>
        <source>Correct this set:</source>
        <translation>Aciertos (serie):</translation>
    </message>
    <message>
        <source>(Correct percent)</source>
        <translation>(Porcentaje de aciertos)</translation>
    </message>
    <message>
        <source>Correct this session:</source>
        <translation>Aciertos (sesión):</translation>
    </message>
    <message>
        <source>(Correct percent of all)</source>
        <translation>(Porcentaje total)</translation>
    </message>
    <message>
        <source>Slowest this set:</source>
        <translation>Más lenta (serie):</translation>
    </message>
    <message>
        <source>(Took longest to type)</source>
        <translation>(La que más tardaste)</translation>
    </message>
    <message>
        <source>You Missed:</source>
        <translation>Fallaste:</translation>
    </message>
    <message>
        <source>by typing:</source>
        <translation>Escribiste:</translation>
    </message>
    <message>
        <source>Beginners Drills:</source>
        <translation>Principiante:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hechas</translation>
    </message>
    <message>
        <source>Type the</source>
        <translation>Teclea el</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>carácter</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Last correct:</source>
        <translation>Último acierto:</translation>
    </message>
    <message>
        <source>You missed:</source>
        <translation>Fallaste:</translation>
    </message>
    <message>
        <source>Click to Hide</source>
        <translation>Haz clic para ocultar</translation>
    </message>
    <message>
        <source>Pause!</source>
        <translation>¡Pausa!</translation>
    </message>
    <message>
        <source>Beginners Stats</source>
        <translation>Estadísticas de principiante</translation>
    </message>
    <message>
        <source>Type between 2 and 10 characters to practice, then click the &quot;Verify these Keys&quot; button. After that, click the &quot;Begin Typing&quot; button. Unallowed characters will be deleted.</source>
        <translation>Escribe entre 2 y 10 caracteres para practicar y haz clic en «Comprobar teclas». Después, haz clic en «Empezar a escribir». Los caracteres no permitidos se borrarán.</translation>
    </message>
    <message>
        <source>Verify these Keys</source>
        <translation>Comprobar teclas</translation>
    </message>
    <message>
        <source>Begin Typing</source>
        <translation>Empezar a escribir</translation>
    </message>
    <message>
        <source>Exit to Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>You will be typing:</source>
        <translation>Vas a escribir:</translation>
    </message>
    <message>
        <source>Characters not allowed:</source>
        <translation>Caracteres no permitidos:</translation>
    </message>
    <message>
        <source>Tip: You can adjust how fast you are shown the key to type on the keyboard.</source>
        <translation>Consejo: puedes ajustar la rapidez con la que se te muestra en el teclado la tecla que debes pulsar.</translation>
    </message>
    <message>
        <source>Tip: Point your mouse over the various Option buttons to see what they are for.</source>
        <translation>Consejo: pasa el ratón por encima de los botones de opciones para ver para qué sirven.</translation>
    </message>
    <message>
        <source>Tip: Use the Escape Key to quit in the middle of an exercise.</source>
        <translation>Consejo: usa la tecla Esc para salir en mitad de un ejercicio.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Close Beginners Drills</source>
        <translation>&amp;Cerrar los ejercicios de principiante</translation>
    </message>
    <message>
        <source>Press the Spacebar to Begin.</source>
        <translation>Pulsa la barra espaciadora para empezar.</translation>
    </message>
    <message>
        <source>Press the Spacebar to continue.</source>
        <translation>Pulsa la barra espaciadora para continuar.</translation>
    </message>
    <message>
        <source>You missed the &quot;%1&quot; key. Check your error to the left, locate the &quot; %1 &quot; key below, and type the correct key.</source>
        <translation>Has fallado la tecla «%1». Mira tu error a la izquierda, busca abajo la tecla « %1 » y pulsa la tecla correcta.</translation>
    </message>
    <message>
        <source>Press Enter!</source>
        <translation>¡Pulsa Intro!</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>¡Fin!</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Acierto</translation>
    </message>
    <message>
        <source>Keys to practise</source>
        <translation>Teclas para practicar</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Hide Last Correct</source>
        <translation>Ocultar el último correcto</translation>
    </message>
    <message>
        <source>Hide Missed Letters</source>
        <translation>Ocultar las letras falladas</translation>
    </message>
    <message>
        <source>Hide Errors</source>
        <translation>Ocultar los errores</translation>
    </message>
    <message>
        <source>Hide text description</source>
        <translation>Ocultar la descripción</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sonido desactivado</translation>
    </message>
</context>
<context>
    <name>FileNotice</name>
    <message>
        <source>The student file of %1 has gone from the working folder, or something outside Keyfarer emptied it, so this session&apos;s work could not be saved. Keyfarer still has it. Write the file of %1 anew now?</source>
        <translation>El archivo del alumno %1 ha desaparecido de la carpeta de trabajo, o algo ajeno a Keyfarer lo ha vaciado, así que el trabajo de esta sesión no se pudo guardar. Keyfarer todavía lo tiene. ¿Escribir ahora de nuevo el archivo de %1?</translation>
    </message>
    <message>
        <source>The student file of %1 has changed on disk: something outside Keyfarer replaced it (another copy of the file, perhaps an older one), so this session&apos;s work was not saved over it. Keyfarer still has it. Write the file of %1 anew now, in place of the one on disk?</source>
        <translation>El archivo del alumno %1 ha cambiado en el disco: algo ajeno a Keyfarer lo ha sustituido (por otra copia del archivo, quizá más antigua), así que el trabajo de esta sesión no se ha guardado encima. Keyfarer todavía lo tiene. ¿Escribir ahora de nuevo el archivo de %1, en lugar del que hay en el disco?</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; has gone, or something outside Keyfarer emptied it: the keyboard pictures and student files are no longer there. Keyfarer still has this session&apos;s work and goes on with it. Put the folder back, or ask whoever looks after this computer; the next save offers to write the student file anew.</source>
        <translation>La carpeta de trabajo «%1» ha desaparecido, o algo ajeno a Keyfarer la ha vaciado: las imágenes del teclado y los archivos de los alumnos ya no están. Keyfarer todavía tiene el trabajo de esta sesión y sigue con él. Vuelve a poner la carpeta en su sitio o pregunta a quien se ocupa de este ordenador; al guardar la próxima vez, Keyfarer ofrecerá escribir de nuevo el archivo del alumno.</translation>
    </message>
    <message>
        <source>

If you answer No, the student changes all the same and this session&apos;s work of %1 is not saved.</source>
        <translation>

Si respondes No, se cambia de alumno de todos modos y el trabajo de esta sesión de %1 no se guarda.</translation>
    </message>
</context>
<context>
    <name>FingerGuidance</name>
    <message>
        <source>Stay at the home position and use your left hand little finger for the &quot;a&quot; key.</source>
        <translation>Quédate en la posición inicial y usa el meñique izquierdo para la tecla &quot;a&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand little finger and move up one key for the &quot;a&quot; key.</source>
        <translation>Usa el meñique izquierdo y sube una tecla para la tecla &quot;a&quot;.</translation>
    </message>
    <message>
        <source>Press the &quot;s&quot; key with your left hand ring finger.</source>
        <translation>Pulsa la tecla &quot;s&quot; con el anular izquierdo.</translation>
    </message>
    <message>
        <source>Press the &quot;d&quot; key with your left hand middle finger.</source>
        <translation>Pulsa la tecla &quot;d&quot; con el dedo corazón izquierdo.</translation>
    </message>
    <message>
        <source>The &quot;f&quot; key is directly under your left hand index finger.</source>
        <translation>La tecla &quot;f&quot; está justo debajo del índice izquierdo.</translation>
    </message>
    <message>
        <source>To reach the &quot;g&quot; key, you will have to move your left hand index finger one key to the right.</source>
        <translation>Para llegar a la tecla &quot;g&quot;, tendrás que mover el índice izquierdo una tecla a la derecha.</translation>
    </message>
    <message>
        <source>Move your right hand index finger one key to the left and press the &quot;h&quot; key.</source>
        <translation>Mueve el índice derecho una tecla a la izquierda y pulsa la tecla &quot;h&quot;.</translation>
    </message>
    <message>
        <source>The &quot;j&quot; key is under your right hand index finger.</source>
        <translation>La tecla &quot;j&quot; está debajo del índice derecho.</translation>
    </message>
    <message>
        <source>Press the &quot;k&quot; key using your right hand middle finger.</source>
        <translation>Pulsa la tecla &quot;k&quot; con el dedo corazón derecho.</translation>
    </message>
    <message>
        <source>Remain at the home row position, %1, and press the &quot;l&quot; key with your right hand ring finger.</source>
        <translation>Quédate en la posición de la fila guía, %1, y pulsa la tecla &quot;l&quot; con el anular derecho.</translation>
    </message>
    <message>
        <source>The semicolon, %1, is under your right hand little finger.</source>
        <translation>El punto y coma, %1, está debajo del meñique derecho.</translation>
    </message>
    <message>
        <source>The semicolon, %1, is down one key then under your right middle finger.</source>
        <translation>El punto y coma, %1, está una fila más abajo, debajo del dedo corazón derecho.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one key and slightly to the left to reach the &quot;q&quot; key.</source>
        <translation>Mueve el meñique izquierdo una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;q&quot;.</translation>
    </message>
    <message>
        <source>The &quot;q&quot; is under your left hand little finger.</source>
        <translation>La &quot;q&quot; está debajo del meñique izquierdo.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one key and slightly to the left to reach the &quot;w&quot; key.</source>
        <translation>Mueve el anular izquierdo una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;w&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;w&quot; key</source>
        <translation>Mueve el meñique izquierdo una fila hacia abajo para pulsar la tecla &quot;w&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up one key and slightly to the left to reach the &quot;e&quot; key.</source>
        <translation>Mueve el dedo corazón izquierdo una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;e&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up one key and slightly to the left to reach the &quot;r&quot; key.</source>
        <translation>Mueve el índice izquierdo una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;r&quot;.</translation>
    </message>
    <message>
        <source>To reach the &quot;t&quot; key, move your left hand index finger up one key and to the right.</source>
        <translation>Para llegar a la tecla &quot;t&quot;, mueve el índice izquierdo una tecla hacia arriba y a la derecha.</translation>
    </message>
    <message>
        <source>This key is a little tricky for beginners. Move your right hand index finger up and to the left.</source>
        <translation>Esta tecla es un poco difícil para principiantes. Mueve el índice derecho hacia arriba y a la izquierda.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;y&quot; key.</source>
        <translation>Mueve el meñique izquierdo una fila hacia abajo para pulsar la tecla &quot;y&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up one key and slightly to the left to reach the &quot;u&quot; key.</source>
        <translation>Mueve el índice derecho una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;u&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger up one key and slightly to the left to reach the &quot;i&quot; key.</source>
        <translation>Mueve el dedo corazón derecho una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;i&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up one key and slightly to the left to reach the &quot;o&quot; key.</source>
        <translation>Mueve el anular derecho una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;o&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one key and slightly to the left to reach the &quot;p&quot; key.</source>
        <translation>Mueve el meñique derecho una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;p&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one key and slightly to the right to reach the &quot;z&quot; key.</source>
        <translation>Mueve el meñique izquierdo una tecla hacia abajo y un poco a la derecha para llegar a la tecla &quot;z&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand up one row and one key to the left to type the &quot;z&quot; key.</source>
        <translation>Mueve la mano derecha una fila hacia arriba y una tecla a la izquierda para pulsar la tecla &quot;z&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one row to type the &quot;z&quot; key.</source>
        <translation>Mueve el anular izquierdo una fila hacia arriba para pulsar la tecla &quot;z&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger down one key and slightly to the right to reach the &quot;x&quot; key.</source>
        <translation>Mueve el anular izquierdo una tecla hacia abajo y un poco a la derecha para llegar a la tecla &quot;x&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger down one key and slightly to the right to reach the &quot;c&quot; key.</source>
        <translation>Mueve el dedo corazón izquierdo una tecla hacia abajo y un poco a la derecha para llegar a la tecla &quot;c&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger down one key and slightly to the right to reach the &quot;v&quot; key.</source>
        <translation>Mueve el índice izquierdo una tecla hacia abajo y un poco a la derecha para llegar a la tecla &quot;v&quot;.</translation>
    </message>
    <message>
        <source>This is a tricky one for beginners. The &quot;b&quot; can be reached equally with either hand, but most teach the use of the left hand.</source>
        <translation>Esta es difícil para principiantes. La &quot;b&quot; se alcanza igual de bien con cualquiera de las dos manos, pero casi siempre se enseña con la mano izquierda.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the left.</source>
        <translation>Mueve el índice derecho hacia abajo y un poco a la izquierda.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the right to reach the &quot;m&quot; key.</source>
        <translation>Mueve el índice derecho hacia abajo y un poco a la derecha para llegar a la tecla &quot;m&quot;.</translation>
    </message>
    <message>
        <source>The &quot;m&quot; key is on the home row under your right hand little finger.</source>
        <translation>La tecla &quot;m&quot; está en la fila guía, debajo del meñique derecho.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger down and slightly to the right to reach the &quot;,&quot; key.</source>
        <translation>Mueve el dedo corazón derecho hacia abajo y un poco a la derecha para llegar a la tecla &quot;,&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down one row to type the &quot;,&quot; key.</source>
        <translation>Mueve el índice derecho una fila hacia abajo para pulsar la tecla &quot;,&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down and slightly to the right to reach the &quot;.&quot; key.</source>
        <translation>Mueve el anular derecho hacia abajo y un poco a la derecha para llegar a la tecla &quot;.&quot;.</translation>
    </message>
    <message>
        <source>Move the right hand middle finger down one row to type the period.</source>
        <translation>Mueve el dedo corazón derecho una fila hacia abajo para escribir el punto.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;1&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Este carácter está en la misma tecla que el &quot;1&quot;. No olvides la tecla Mayús.</translation>
    </message>
    <message>
        <source>Move the right hand little finger down one row to type the &quot;!&quot; key.</source>
        <translation>Mueve el meñique derecho una fila hacia abajo para pulsar la tecla &quot;!&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;9&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Este carácter está en la misma tecla que el &quot;9&quot;. No olvides la tecla Mayús.</translation>
    </message>
    <message>
        <source>Move your right middle finger up two rows to type the &quot;(&quot; key.</source>
        <translation>Mueve el dedo corazón derecho dos filas hacia arriba para pulsar la tecla &quot;(&quot;.</translation>
    </message>
    <message>
        <source>Move your left index finger up two rows to type the &quot;(&quot; key.</source>
        <translation>Mueve el índice izquierdo dos filas hacia arriba para pulsar la tecla &quot;(&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;0&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Este carácter está en la misma tecla que el &quot;0&quot;. No olvides la tecla Mayús.</translation>
    </message>
    <message>
        <source>Move the right ring finger up two rows to type the &quot;)&quot; key.</source>
        <translation>Mueve el anular derecho dos filas hacia arriba para pulsar la tecla &quot;)&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows, and one key to the right to type &quot;)&quot;</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba y una tecla a la derecha para escribir &quot;)&quot;.</translation>
    </message>
    <message>
        <source>Your right hand little finger will be used to reach the &quot;-&quot; key. It&apos;s not quite straight up, you will have to slant to the right a little.</source>
        <translation>Con el meñique derecho llegarás a la tecla &quot;-&quot;. No está justo encima: tendrás que inclinarte un poco hacia la derecha.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down one row to type the &quot;-&quot; key.</source>
        <translation>Mueve el meñique derecho una fila hacia abajo para pulsar la tecla &quot;-&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows and one key to the right to type &quot;-&quot;</source>
        <translation>Mueve el índice izquierdo dos filas hacia arriba y una tecla a la derecha para escribir &quot;-&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then press the &quot;:&quot; key with your right hand little finger.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después la tecla &quot;:&quot; con el meñique derecho.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down one row to type the &quot;:&quot; key.</source>
        <translation>Mueve el anular derecho una fila hacia abajo para pulsar la tecla &quot;:&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger to the right one key.</source>
        <translation>Mueve el meñique derecho una tecla a la derecha.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &apos;&apos; key.</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba para pulsar la tecla &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>Mover your right hand little finger two keys to the right to type the &apos;&apos; key.</source>
        <translation>Mueve el meñique derecho dos teclas a la derecha para pulsar la tecla &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger two rows up to type the &apos;&apos; key.</source>
        <translation>Mueve el índice izquierdo dos filas hacia arriba para pulsar la tecla &quot;&apos;&quot;.</translation>
    </message>
    <message>
        <source>To reach the question mark, move your right hand little finger down and to the right. Don&apos;t forget the shift key.</source>
        <translation>Para llegar al signo de interrogación, mueve el meñique derecho hacia abajo y a la derecha. No olvides la tecla Mayús.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;?&quot; key.</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba para pulsar la tecla &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down one row to type the &quot;?&quot; key.</source>
        <translation>Mueve el índice derecho una fila hacia abajo para pulsar la tecla &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger to the right one key. Don&apos;t forget the left shift.</source>
        <translation>Mueve el meñique derecho una tecla a la derecha. No olvides la tecla Mayús izquierda.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up two rows.</source>
        <translation>Mueve el anular izquierdo dos filas hacia arriba.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up two rows.</source>
        <translation>Mueve el dedo corazón izquierdo dos filas hacia arriba.</translation>
    </message>
    <message>
        <source>To reach the &quot;1&quot; key, move your left hand little finger two rows up and to the left.</source>
        <translation>Para llegar a la tecla &quot;1&quot;, mueve el meñique izquierdo dos filas hacia arriba y a la izquierda.</translation>
    </message>
    <message>
        <source>To reach the &quot;2&quot; key, move your left hand ring finger two rows up and to the left.</source>
        <translation>Para llegar a la tecla &quot;2&quot;, mueve el anular izquierdo dos filas hacia arriba y a la izquierda.</translation>
    </message>
    <message>
        <source>To reach the &quot;3&quot; key, move your left hand middle finger two rows up and to the left.</source>
        <translation>Para llegar a la tecla &quot;3&quot;, mueve el dedo corazón izquierdo dos filas hacia arriba y a la izquierda.</translation>
    </message>
    <message>
        <source>To reach the &quot;4&quot; key, move your left hand index finger two rows up and to the left.</source>
        <translation>Para llegar a la tecla &quot;4&quot;, mueve el índice izquierdo dos filas hacia arriba y a la izquierda.</translation>
    </message>
    <message>
        <source>To reach the &quot;5&quot; key, move your right hand index finger straight up two rows and very slightly to the right.</source>
        <translation>Para llegar a la tecla &quot;5&quot;, mueve el índice izquierdo dos filas recto hacia arriba y muy ligeramente a la derecha.</translation>
    </message>
    <message>
        <source>To reach the &quot;6&quot; key, move your left hand index finger up two rows while moving to the right.</source>
        <translation>Para llegar a la tecla &quot;6&quot;, mueve el índice izquierdo dos filas hacia arriba mientras lo desplazas a la derecha.</translation>
    </message>
    <message>
        <source>To reach the &quot;7&quot; key, move your right hand index finger up two rows and to the left.</source>
        <translation>Para llegar a la tecla &quot;7&quot;, mueve el índice derecho dos filas hacia arriba y a la izquierda.</translation>
    </message>
    <message>
        <source>To reach the &quot;8&quot; key, move your right hand middle finger up two rows and to the left.</source>
        <translation>Para llegar a la tecla &quot;8&quot;, mueve el dedo corazón derecho dos filas hacia arriba y a la izquierda.</translation>
    </message>
    <message>
        <source>To reach the &quot;9&quot; key, move your right hand ring finger up two rows and to the left.</source>
        <translation>Para llegar a la tecla &quot;9&quot;, mueve el anular derecho dos filas hacia arriba y a la izquierda.</translation>
    </message>
    <message>
        <source>To reach the &quot;0&quot; key, move your right hand little finger up two rows and to the left.</source>
        <translation>Para llegar a la tecla &quot;0&quot;, mueve el meñique derecho dos filas hacia arriba y a la izquierda.</translation>
    </message>
    <message>
        <source>The &quot;`&quot; key is at the top left of the keyboard.</source>
        <translation>La tecla &quot;`&quot; está arriba a la izquierda del teclado.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand little finger to reach this key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después usa el meñique izquierdo para llegar a esta tecla.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right.</source>
        <translation>Mueve el meñique derecho dos teclas a la derecha.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right.</source>
        <translation>Mueve el meñique derecho una fila hacia arriba y dos teclas a la derecha.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;2&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Este carácter está en la misma tecla que el &quot;2&quot;. No olvides la tecla Mayús.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to to the right.</source>
        <translation>Mueve el meñique derecho una tecla a la derecha.</translation>
    </message>
    <message>
        <source>Move your ring finger up two rows to reach the  &quot;@&quot; key.</source>
        <translation>Mueve el anular izquierdo dos filas hacia arriba para llegar a la tecla &quot;@&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one row to reach the &quot;@&quot; key.</source>
        <translation>Mueve el meñique izquierdo una fila hacia arriba para llegar a la tecla &quot;@&quot;.</translation>
    </message>
    <message>
        <source>The &quot;@&quot; key is under your right hand little finger.</source>
        <translation>La tecla &quot;@&quot; está debajo del meñique derecho.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to reach the &quot;@&quot; key.</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba para llegar a la tecla &quot;@&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand ring finger to type this key.</source>
        <translation>Usa el anular izquierdo para pulsar esta tecla.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type the &quot;#&quot; key.</source>
        <translation>Mueve el meñique derecho dos teclas a la derecha para pulsar la tecla &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Use your left hand middle finger to type this key.</source>
        <translation>Usa el dedo corazón izquierdo para pulsar esta tecla.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right to type the &quot;#&quot; key.</source>
        <translation>Mueve el meñique derecho una tecla a la derecha para pulsar la tecla &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;$&quot; key.</source>
        <translation>Mueve el índice izquierdo dos filas hacia arriba para pulsar la tecla &quot;$&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up two rows and two keys to the right.</source>
        <translation>Mueve el meñique izquierdo dos filas hacia arriba y dos teclas a la derecha.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;5&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Este carácter está en la misma tecla que el &quot;5&quot;. No olvides la tecla Mayús.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right.</source>
        <translation>Mueve el meñique derecho una tecla a la derecha.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;6&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Este carácter está en la misma tecla que el &quot;6&quot;. No olvides la tecla Mayús.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and and two keys to the right.</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba y dos teclas a la derecha.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up two rows to type the &quot;^&quot; key.</source>
        <translation>Mueve el anular derecho dos filas hacia arriba para pulsar la tecla &quot;^&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;7&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Este carácter está en la misma tecla que el &quot;7&quot;. No olvides la tecla Mayús.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows and two keys to the right.</source>
        <translation>Mueve el índice izquierdo dos filas hacia arriba y dos teclas a la derecha.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up two rows to type the &quot;&amp;&amp;&quot; key.</source>
        <translation>Mueve el meñique izquierdo dos filas hacia arriba para pulsar la tecla &quot;&amp;&amp;&quot;.</translation>
    </message>
    <message>
        <source>This key is in the same place as the &quot;8&quot; key. Don&apos;t forget the shift key.</source>
        <translation>Este carácter está en la misma tecla que el &quot;8&quot;. No olvides la tecla Mayús.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type &quot;*&quot;.</source>
        <translation>Mueve el meñique derecho una fila hacia arriba y dos teclas a la derecha para escribir &quot;*&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type &quot;*&quot;.</source>
        <translation>Mueve el meñique derecho dos teclas a la derecha para escribir &quot;*&quot;.</translation>
    </message>
    <message>
        <source>Your right hand little finger will be used to reach the &quot;_&quot; key. It&apos;s not quite straight up, you will have to slant to the right a little.</source>
        <translation>Con el meñique derecho llegarás a la tecla &quot;_&quot;. No está justo encima: tendrás que inclinarte un poco hacia la derecha.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down one row to type the &quot;_&quot; key.</source>
        <translation>Mueve el meñique derecho una fila hacia abajo para pulsar la tecla &quot;_&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand middle finger up to rows to type the &quot;_&quot; key.</source>
        <translation>Mueve el dedo corazón izquierdo dos filas hacia arriba para pulsar la tecla &quot;_&quot;.</translation>
    </message>
    <message>
        <source>This key takes a lot of practice to get right. Use your right hand little finger.</source>
        <translation>Esta tecla necesita mucha práctica. Usa el meñique derecho.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;=&quot; key.</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba para pulsar la tecla &quot;=&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;+&quot; key.</source>
        <translation>Pulsa la tecla Mayús izquierda y después usa el meñique derecho para la tecla &quot;+&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type the &quot;+&quot; key.</source>
        <translation>Mueve el meñique derecho una fila hacia arriba y dos teclas a la derecha para pulsar la tecla &quot;+&quot;.</translation>
    </message>
    <message>
        <source>This key is pressed with your right hand little finger.</source>
        <translation>Esta tecla se pulsa con el meñique derecho.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and one key to the right to type &quot;[&quot;.</source>
        <translation>Mueve el meñique derecho una fila hacia arriba y una tecla a la derecha para escribir &quot;[&quot;.</translation>
    </message>
    <message>
        <source>Move your middle finger up two rows to type the &quot;[&quot; key.</source>
        <translation>Mueve el dedo corazón derecho dos filas hacia arriba para pulsar la tecla &quot;[&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;[&quot; key.</source>
        <translation>Mueve el índice izquierdo dos filas hacia arriba para pulsar la tecla &quot;[&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;{&quot; key.</source>
        <translation>Pulsa la tecla Mayús izquierda y después usa el meñique derecho para la tecla &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger one key to the right to type the &quot;{&quot; key.</source>
        <translation>Mueve el meñique derecho una tecla a la derecha para pulsar la tecla &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up two rows to type the &quot;{&quot; key.</source>
        <translation>Mueve el índice derecho dos filas hacia arriba para pulsar la tecla &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and one key to the right to type the &quot;{&quot; key.</source>
        <translation>Mueve el meñique derecho una fila hacia arriba y una tecla a la derecha para pulsar la tecla &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand index finger up two rows to type the &quot;{&quot; key.</source>
        <translation>Mueve el índice izquierdo dos filas hacia arriba para pulsar la tecla &quot;{&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger up two rows to type the &quot;]&quot; key.</source>
        <translation>Mueve el anular derecho dos filas hacia arriba para pulsar la tecla &quot;]&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and one key to the right to type the &quot;]&quot; key.</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba y una tecla a la derecha para pulsar la tecla &quot;]&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift, then use your right hand little finger on the &quot;}&quot; key.</source>
        <translation>Pulsa la tecla Mayús izquierda y después usa el meñique derecho para la tecla &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Mueve el meñique derecho dos teclas a la derecha para pulsar la tecla &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows to type the &quot;}&quot; key.</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba para pulsar la tecla &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up one row and two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Mueve el meñique derecho una fila hacia arriba y dos teclas a la derecha para pulsar la tecla &quot;}&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and two keys to the right to type the &quot;}&quot; key.</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba y dos teclas a la derecha para pulsar la tecla &quot;}&quot;.</translation>
    </message>
    <message>
        <source>This character is in the same place as the comma. Don&apos;t forget the left shift.</source>
        <translation>Este carácter está en la misma tecla que la coma. No olvides la tecla Mayús izquierda.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down on row and slightly to the left to type the &quot;&lt;&quot; key.</source>
        <translation>Mueve el meñique izquierdo una fila hacia abajo y un poco a la izquierda para pulsar la tecla &quot;&lt;&quot;.</translation>
    </message>
    <message>
        <source>This character is in the same place as the period. Don&apos;t forget the left shift.</source>
        <translation>Este carácter está en la misma tecla que el punto. No olvides la tecla Mayús izquierda.</translation>
    </message>
    <message>
        <source>Move your right hand little finger down and to the right to reach the slash.</source>
        <translation>Mueve el meñique derecho hacia abajo y a la derecha para llegar a la barra inclinada.</translation>
    </message>
    <message>
        <source>Move your right hand index finger up two rows to type the &quot;/&quot; key.</source>
        <translation>Mueve el índice derecho dos filas hacia arriba para pulsar la tecla &quot;/&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand ring finger down one row to type the &quot;/&quot; key.</source>
        <translation>Mueve el anular derecho una fila hacia abajo para pulsar la tecla &quot;/&quot;.</translation>
    </message>
    <message>
        <source>The key can be in different places on different keyboards. Check your keyboard.</source>
        <translation>Esta tecla puede estar en sitios distintos según el teclado. Mira bien tu teclado.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type this key.</source>
        <translation>Mueve el meñique izquierdo una fila hacia abajo para pulsar esta tecla.</translation>
    </message>
    <message>
        <source>This key is all the way to the top left on your keyboard.</source>
        <translation>Esta tecla está arriba del todo, a la izquierda de tu teclado.</translation>
    </message>
    <message>
        <source>Move your right hand little finger up two rows and one key to the right to type the &quot;\&quot; key.</source>
        <translation>Mueve el meñique derecho dos filas hacia arriba y una tecla a la derecha para pulsar la tecla &quot;\&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand middle finger up two rows to type the &quot;\&quot; key.</source>
        <translation>Mueve el dedo corazón derecho dos filas hacia arriba para pulsar la tecla &quot;\&quot;.</translation>
    </message>
    <message>
        <source>This key is usually under the backspace.</source>
        <translation>Esta tecla suele estar debajo de la tecla de retroceso.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row.</source>
        <translation>Mueve el meñique izquierdo una fila hacia abajo.</translation>
    </message>
    <message>
        <source>This key is located with the number 1 key.</source>
        <translation>Este carácter está en la tecla del número 1.</translation>
    </message>
    <message>
        <source>This key is at the top left part of your keyboard.</source>
        <translation>Esta tecla está en la parte de arriba a la izquierda de tu teclado.</translation>
    </message>
    <message>
        <source>This is located with the number 6 key. Use your left hand index finger.</source>
        <translation>Este carácter está en la tecla del número 6. Usa el índice izquierdo.</translation>
    </message>
    <message>
        <source>Stay at the home position and use your left hand little finger for the &quot;A&quot; key. Don&apos;t forget the right Shift.</source>
        <translation>Quédate en la posición inicial y usa el meñique izquierdo para la tecla &quot;A&quot;. No olvides la tecla Mayús derecha.</translation>
    </message>
    <message>
        <source>Use your left hand little finger and move up one key for the &quot;A&quot; key.</source>
        <translation>Usa el meñique izquierdo y sube una tecla para la tecla &quot;A&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand ring finger for the &quot;S&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después usa el anular izquierdo para la tecla &quot;S&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand middle finger for the &quot;D&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después usa el dedo corazón izquierdo para la tecla &quot;D&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then use your left hand index finger for the &quot;F&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después usa el índice izquierdo para la tecla &quot;F&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger one key to the right for the &quot;G&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después mueve el índice izquierdo una tecla a la derecha para la tecla &quot;G&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger one key to the left for the &quot;H&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después mueve el índice derecho una tecla a la izquierda para la tecla &quot;H&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand index finger for the &quot;J&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después usa el índice derecho para la tecla &quot;J&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand middle finger for the &quot;K&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después usa el dedo corazón derecho para la tecla &quot;K&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then use your right hand ring finger for the &quot;L&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después usa el anular derecho para la tecla &quot;L&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger up one key and slightly to the left to reach the &quot;Q&quot; key.</source>
        <translation>Mueve el meñique izquierdo una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;Q&quot;.</translation>
    </message>
    <message>
        <source>The &quot;Q&quot; is under your left hand little finger.</source>
        <translation>La &quot;Q&quot; está debajo del meñique izquierdo.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one key and slightly to the left to reach the &quot;W&quot; key.</source>
        <translation>Mueve el anular izquierdo una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;W&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one row to type the &quot;W&quot; key</source>
        <translation>Mueve el meñique izquierdo una fila hacia abajo para pulsar la tecla &quot;W&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand middle finger up one key and slightly to the left to reach the &quot;E&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después mueve el dedo corazón izquierdo una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;E&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger up one key and slightly to the left to reach the &quot;R&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después mueve el índice izquierdo una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;R&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger up one key and to the right.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después mueve el índice izquierdo una tecla hacia arriba y a la derecha.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your left hand little finger down one row to type the &quot;Y&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después mueve el meñique izquierdo una fila hacia abajo para pulsar la tecla &quot;Y&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger up one key and slightly to the left to reach the &quot;U&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después mueve el índice derecho una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;U&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand middle finger up one key and slightly to the left to reach the &quot;I&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después mueve el dedo corazón derecho una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;I&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand ring finger up one key and slightly to the left to reach the &quot;O&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después mueve el anular derecho una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;O&quot;.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand little finger up one key and slightly to the left to reach the &quot;P&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después mueve el meñique derecho una tecla hacia arriba y un poco a la izquierda para llegar a la tecla &quot;P&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand little finger down one key and slightly to the right to reach the &quot;Z&quot; key.</source>
        <translation>Mueve el meñique izquierdo una tecla hacia abajo y un poco a la derecha para llegar a la tecla &quot;Z&quot;.</translation>
    </message>
    <message>
        <source>Move your right hand up one row and one key to the left to type the &quot;Z&quot; key.</source>
        <translation>Mueve la mano derecha una fila hacia arriba y una tecla a la izquierda para pulsar la tecla &quot;Z&quot;.</translation>
    </message>
    <message>
        <source>Move your left hand ring finger up one row to type the &quot;Z&quot; key.</source>
        <translation>Mueve el anular izquierdo una fila hacia arriba para pulsar la tecla &quot;Z&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand ring finger down one key and slightly to the right to reach the &quot;X&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después mueve el anular izquierdo una tecla hacia abajo y un poco a la derecha para llegar a la tecla &quot;X&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand middle finger down one key and slightly to the right to reach the &quot;C&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después mueve el dedo corazón izquierdo una tecla hacia abajo y un poco a la derecha para llegar a la tecla &quot;C&quot;.</translation>
    </message>
    <message>
        <source>Press the right shift key first, then move your left hand index finger down one key and slightly to the right to reach the &quot;V&quot; key.</source>
        <translation>Pulsa primero la tecla Mayús derecha y después mueve el índice izquierdo una tecla hacia abajo y un poco a la derecha para llegar a la tecla &quot;V&quot;.</translation>
    </message>
    <message>
        <source>This is a tricky one for beginners. The &quot;B&quot; can be reached equally with either hand, but most teach the use of the left hand.</source>
        <translation>Esta es difícil para principiantes. La &quot;B&quot; se alcanza igual de bien con cualquiera de las dos manos, pero casi siempre se enseña con la mano izquierda.</translation>
    </message>
    <message>
        <source>Press the left shift key first, then move your right hand index finger down and slightly to the left.</source>
        <translation>Pulsa primero la tecla Mayús izquierda y después mueve el índice derecho hacia abajo y un poco a la izquierda.</translation>
    </message>
    <message>
        <source>Move your right hand index finger down and slightly to the right to reach the &quot;M&quot; key.</source>
        <translation>Mueve el índice derecho hacia abajo y un poco a la derecha para llegar a la tecla &quot;M&quot;.</translation>
    </message>
    <message>
        <source>The &quot;M&quot; key is on the home row under your right hand little finger.</source>
        <translation>La tecla &quot;M&quot; está en la fila guía, debajo del meñique derecho.</translation>
    </message>
    <message>
        <source>Type the blue key before the green.</source>
        <translation>Pulsa primero la tecla azul y después la verde.</translation>
    </message>
</context>
<context>
    <name>FolderStudentStore</name>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a student file: %2. Keyfarer leaves it alone; ask whoever looks after this computer to remove or rename it.</source>
        <translation>«%1» no es un archivo de alumno: %2. Keyfarer no lo toca; pide a quien se ocupa de este ordenador que lo quite o le cambie el nombre.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; is gone.</source>
        <translation>La carpeta de trabajo «%1» ya no existe.</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be written to.</source>
        <translation>No se puede escribir en la carpeta de trabajo «%1».</translation>
    </message>
    <message>
        <source>There is no space left on the disk that holds &quot;%1&quot;.</source>
        <translation>No queda espacio en el disco que contiene «%1».</translation>
    </message>
    <message>
        <source>

Your work is still kept by Keyfarer. Free some space on the disk or check that you may write in the working folder, then try again.</source>
        <translation>

Keyfarer todavía guarda tu trabajo. Libera espacio en el disco o comprueba que puedes escribir en la carpeta de trabajo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>it is a link leading out of the working folder</source>
        <translation>es un enlace que lleva fuera de la carpeta de trabajo</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es %1</translation>
    </message>
    <message>
        <source> (on %1)</source>
        <translation> (en %1)</translation>
    </message>
    <message>
        <source>%1 is in use elsewhere: another copy of Keyfarer%2 has this student. Close it there first, then take the name again.</source>
        <translation>%1 se está usando en otro sitio: Keyfarer sigue abierto con este nombre%2. Ciérralo primero allí y vuelve a elegir el nombre.</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>es un enlace que no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>it is marked read-only</source>
        <translation>está protegido contra escritura</translation>
    </message>
    <message>
        <source>%1 cannot be taken: &quot;%2&quot; should be this student&apos;s lock, but %3. Ask whoever looks after this computer to remove it; until then choose or make another name.</source>
        <translation>No se puede elegir %1: «%2» debería ser el bloqueo de este alumno, pero %3. Pide a quien se ocupa de este ordenador que lo quite; mientras tanto, elige o crea otro nombre.</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any lock</source>
        <translation>contiene %1 bytes, mucho más que cualquier bloqueo</translation>
    </message>
</context>
<context>
    <name>KeyboardPicture</name>
    <message>
        <source>If you are using one of the International Keyboards, it was not found. From the opening screen menu, select Additional/Keyboard Nationality to restore the keyboard. If this does not work, you may have to reinstall Keyfarer.</source>
        <translation>Si usas uno de los teclados internacionales, no se ha encontrado. En el menú de la pantalla de inicio, elige Adicional/Distribución del teclado para recuperarlo. Si no funciona, puede que tengas que reinstalar Keyfarer.</translation>
    </message>
    <message>
        <source>One or more of the keyboard files are missing. You may need to reinstall Keyfarer.</source>
        <translation>Faltan uno o más archivos del teclado. Puede que tengas que reinstalar Keyfarer.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>Lesson &amp;1 -- DFERJKUI</source>
        <translation>Lección &amp;1 -- DFERJKUI</translation>
    </message>
    <message>
        <source>Lesson &amp;2 -- CVM</source>
        <translation>Lección &amp;2 -- CVM</translation>
    </message>
    <message>
        <source>Lesson &amp;3 -- ASL;</source>
        <translation>Lección &amp;3 -- ASL;</translation>
    </message>
    <message>
        <source>Lesson &amp;4 -- TYGH</source>
        <translation>Lección &amp;4 -- TYGH</translation>
    </message>
    <message>
        <source>Lesson &amp;5 -- QWOP</source>
        <translation>Lección &amp;5 -- QWOP</translation>
    </message>
    <message>
        <source>Lesson &amp;6 -- BN,.</source>
        <translation>Lección &amp;6 -- BN,.</translation>
    </message>
    <message>
        <source>Lesson &amp;7 -- ZX</source>
        <translation>Lección &amp;7 -- ZX</translation>
    </message>
    <message>
        <source>Lesson &amp;8 -- Shift Keys</source>
        <translation>Lección &amp;8 -- Teclas Mayús</translation>
    </message>
    <message>
        <source>Lesson &amp;9 -- Common Punctuation</source>
        <translation>Lección &amp;9 -- Puntuación común</translation>
    </message>
    <message>
        <source>Lesson 1&amp;0 -- Number Keys</source>
        <translation>Lección 1&amp;0 -- Teclas de números</translation>
    </message>
    <message>
        <source>Lesson 11 -- &amp;Symbols</source>
        <translation>Lección 11 -- Sí&amp;mbolos</translation>
    </message>
    <message>
        <source>&amp;Exit Keyfarer</source>
        <translation>&amp;Salir de Keyfarer</translation>
    </message>
    <message>
        <source>&amp;Home Row Only</source>
        <translation>Solo fila &amp;guía</translation>
    </message>
    <message>
        <source>&amp;Top Row Only</source>
        <translation>Solo fila &amp;superior</translation>
    </message>
    <message>
        <source>&amp;Bottom Row Only</source>
        <translation>Solo fila &amp;inferior</translation>
    </message>
    <message>
        <source>H&amp;ome &amp;&amp; Top Rows</source>
        <translation>Filas guía &amp;&amp; su&amp;perior</translation>
    </message>
    <message>
        <source>Hom&amp;e &amp;&amp; Bottom Rows</source>
        <translation>Filas guía &amp;&amp; in&amp;ferior</translation>
    </message>
    <message>
        <source>&amp;All Three Rows</source>
        <translation>&amp;Las tres filas</translation>
    </message>
    <message>
        <source>All &amp;&amp; &amp;Common Punctuation</source>
        <translation>Todo &amp;&amp; puntuación &amp;común</translation>
    </message>
    <message>
        <source>&amp;Numbers Only</source>
        <translation>Solo &amp;números</translation>
    </message>
    <message>
        <source>&amp;Symbols Only</source>
        <translation>Solo sí&amp;mbolos</translation>
    </message>
    <message>
        <source>&amp;Do Everything</source>
        <translation>&amp;Hacerlo todo</translation>
    </message>
    <message>
        <source>Choose &amp;Your Own Keys</source>
        <translation>Elegir tus propias &amp;teclas</translation>
    </message>
    <message>
        <source>&amp;Common Letter Combinations</source>
        <translation>&amp;Combinaciones de letras comunes</translation>
    </message>
    <message>
        <source>&amp;Easy Phrases &amp;&amp; Clauses</source>
        <translation>&amp;Expresiones &amp;&amp; frases fáciles</translation>
    </message>
    <message>
        <source>&amp;Short Sentences</source>
        <translation>&amp;Oraciones cortas</translation>
    </message>
    <message>
        <source>&amp;Phrases &amp;&amp; Clauses</source>
        <translation>&amp;Expresiones &amp;&amp; frases</translation>
    </message>
    <message>
        <source>&amp;Easy Sentences</source>
        <translation>Oraciones &amp;fáciles</translation>
    </message>
    <message>
        <source>&amp;Normal Sentences</source>
        <translation>Oraciones &amp;normales</translation>
    </message>
    <message>
        <source>&amp;Harder Sentences</source>
        <translation>Oraciones &amp;difíciles</translation>
    </message>
    <message>
        <source>&amp;Learn Number Keypad</source>
        <translation>&amp;Aprender el teclado numérico</translation>
    </message>
    <message>
        <source>&amp;Keyfarer</source>
        <translation>&amp;Keyfarer</translation>
    </message>
    <message>
        <source>Word Sweep</source>
        <translation>Word Sweep</translation>
    </message>
    <message>
        <source>&amp;Save Dasher</source>
        <translation>&amp;Save Dasher</translation>
    </message>
    <message>
        <source>&amp;Saucer</source>
        <translation>&amp;Saucer</translation>
    </message>
    <message>
        <source>&amp;Backup User Files</source>
        <translation>Copia de &amp;seguridad de los usuarios</translation>
    </message>
    <message>
        <source>&amp;English (US)</source>
        <translation>&amp;Inglés (EE. UU.)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inglés (R. U.)</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Español</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Alemán</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>I&amp;taliano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francés</translation>
    </message>
    <message>
        <source>&amp;Ten Line Tests</source>
        <translation>Pruebas de &amp;diez líneas</translation>
    </message>
    <message>
        <source>Ti&amp;medTests</source>
        <translation>Pruebas de &amp;tiempo</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Visit My Web Site</source>
        <translation>&amp;Visitar mi sitio web</translation>
    </message>
    <message>
        <source>&amp;About Keyfarer</source>
        <translation>&amp;Acerca de Keyfarer</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lecciones</translation>
    </message>
    <message>
        <source>&amp;Beginners Drills</source>
        <translation>P&amp;rincipiante</translation>
    </message>
    <message>
        <source>Inter&amp;mediate Drills</source>
        <translation>&amp;Intermedio</translation>
    </message>
    <message>
        <source>&amp;Advanced Drills</source>
        <translation>&amp;Avanzado</translation>
    </message>
    <message>
        <source>A&amp;dditional</source>
        <translation>A&amp;dicional</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Juegos</translation>
    </message>
    <message>
        <source>&amp;Make Your Own Text Files</source>
        <translation>Crear tus propios &amp;archivos de texto</translation>
    </message>
    <message>
        <source>&amp;Keyboard Nationality</source>
        <translation>&amp;Distribución del teclado</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Pruebas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; Spanish Characters</source>
        <translation>Sí&amp;mbolos &amp;&amp; caracteres españoles</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; German Characters</source>
        <translation>Sí&amp;mbolos &amp;&amp; caracteres alemanes</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; Italian Characters</source>
        <translation>Sí&amp;mbolos &amp;&amp; caracteres italianos</translation>
    </message>
    <message>
        <source>&amp;Symbols &amp;&amp; French Characters</source>
        <translation>Sí&amp;mbolos &amp;&amp; caracteres franceses</translation>
    </message>
    <message>
        <source>&amp;Class Overview</source>
        <translation>&amp;Resumen de la clase</translation>
    </message>
    <message>
        <source>&amp;Trouble Keys</source>
        <translation>&amp;Teclas problemáticas</translation>
    </message>
    <message>
        <source>Teacher&apos;s and Admin&apos;s &amp;Guide</source>
        <translation>&amp;Guía para docentes y administradores</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>User = </source>
        <translation>Usuario = </translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Nuevo usuario</translation>
    </message>
    <message>
        <source>Select User</source>
        <translation>Elegir usuario</translation>
    </message>
    <message>
        <source>Next Lesson</source>
        <translation>Siguiente lección</translation>
    </message>
    <message>
        <source>Your Stats</source>
        <translation>Tus estadísticas</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>One or more of the sound files cannot be found. You may need to reinstall Keyfarer to restore the wave files.</source>
        <translation>No se encuentran uno o más archivos de sonido. Puede que tengas que reinstalar Keyfarer para recuperar los archivos WAV.</translation>
    </message>
    <message>
        <source>Welcome To Keyfarer!. If you are a new user, close this box and click the &quot;New User&quot; link above to create a user file.</source>
        <translation>¡Te damos la bienvenida a Keyfarer! Si eres nuevo, cierra este cuadro y haz clic arriba en el enlace «Nuevo usuario» para crear tu archivo de usuario.</translation>
    </message>
    <message>
        <source>Keyfarer Typing Tutor -- Learn the Keyboard</source>
        <translation>Keyfarer, tutor de mecanografía -- Aprende el teclado</translation>
    </message>
    <message>
        <source>

Try again to save the work of %1, or quit without saving it?</source>
        <translation>

¿Volver a intentar guardar el trabajo de %1, o salir sin guardarlo?</translation>
    </message>
</context>
<context>
    <name>MessageBoxDialogs</name>
    <message>
        <source>Try Again</source>
        <translation>Volver a intentar</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Salir sin guardar</translation>
    </message>
</context>
<context>
    <name>PictureBuilder</name>
    <message>
        <source>The keyboard picture &quot;%1&quot; could not be drawn.</source>
        <translation>No se pudo dibujar la imagen del teclado «%1».</translation>
    </message>
    <message>
        <source>The keyboard picture &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo guardar la imagen del teclado «%1»: %2</translation>
    </message>
    <message>
        <source>There are no keyboard pictures for nationality code %1.</source>
        <translation>No hay imágenes de teclado para el código de país %1.</translation>
    </message>
    <message>
        <source>The blank keyboard picture &quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer la imagen del teclado en blanco «%1».</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>No Delay</source>
        <translation>Sin retraso</translation>
    </message>
    <message>
        <source>1 second delay</source>
        <translation>1 segundo de retraso</translation>
    </message>
    <message>
        <source>2 seconds delay</source>
        <translation>2 segundos de retraso</translation>
    </message>
    <message>
        <source>3 seconds delay</source>
        <translation>3 segundos de retraso</translation>
    </message>
    <message>
        <source>4 seconds delay</source>
        <translation>4 segundos de retraso</translation>
    </message>
    <message>
        <source>5 seconds delay</source>
        <translation>5 segundos de retraso</translation>
    </message>
    <message>
        <source>6 seconds delay</source>
        <translation>6 segundos de retraso</translation>
    </message>
    <message>
        <source>7 seconds delay</source>
        <translation>7 segundos de retraso</translation>
    </message>
    <message>
        <source>8 seconds delay</source>
        <translation>8 segundos de retraso</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Color del borde</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Key Tap Sound</source>
        <translation>Sonido de tecla</translation>
    </message>
    <message>
        <source>Key Tap On</source>
        <translation>Clic activado</translation>
    </message>
    <message>
        <source>Key Tap Off</source>
        <translation>Clic desactivado</translation>
    </message>
    <message>
        <source>Beep On Error</source>
        <translation>Pitido al fallar</translation>
    </message>
    <message>
        <source>Beep On</source>
        <translation>Pitido activado</translation>
    </message>
    <message>
        <source>Beep Off</source>
        <translation>Pitido desactivado</translation>
    </message>
    <message>
        <source>Characters On Keyboard</source>
        <translation>Caracteres en el teclado</translation>
    </message>
    <message>
        <source>See all Keys</source>
        <translation>Ver todas las teclas</translation>
    </message>
    <message>
        <source>Hide all Keys</source>
        <translation>Ocultar todas las teclas</translation>
    </message>
    <message>
        <source>Hand Thickness</source>
        <translation>Grosor de las manos</translation>
    </message>
    <message>
        <source>One Line</source>
        <translation>Una línea</translation>
    </message>
    <message>
        <source>Two Lines</source>
        <translation>Dos líneas</translation>
    </message>
    <message>
        <source>Add Enter Key (Beginners)</source>
        <translation>Añadir tecla Intro (principiante)</translation>
    </message>
    <message>
        <source>Add Enter Key</source>
        <translation>Añadir tecla Intro</translation>
    </message>
    <message>
        <source>No Enter Key</source>
        <translation>Sin tecla Intro</translation>
    </message>
    <message>
        <source>Add Enter Key (Intermediate)</source>
        <translation>Añadir tecla Intro (intermedio)</translation>
    </message>
    <message>
        <source>Line Font Style</source>
        <translation>Estilo de letra de las líneas</translation>
    </message>
    <message>
        <source>Bold Font</source>
        <translation>Letra negrita</translation>
    </message>
    <message>
        <source>Regular Font</source>
        <translation>Letra normal</translation>
    </message>
    <message>
        <source>Add Enter Key (Advanced)</source>
        <translation>Añadir tecla Intro (avanzado)</translation>
    </message>
    <message>
        <source>Font Style (Advanced)</source>
        <translation>Estilo de letra (avanzado)</translation>
    </message>
    <message>
        <source>Bold Fonts</source>
        <translation>Letra negrita</translation>
    </message>
    <message>
        <source>Regular Fonts</source>
        <translation>Letra normal</translation>
    </message>
    <message>
        <source>Lines (Keyfarer) </source>
        <translation>Líneas (Keyfarer) </translation>
    </message>
    <message>
        <source>See lines ahead</source>
        <translation>Ver las líneas siguientes</translation>
    </message>
    <message>
        <source>Hide lines ahead</source>
        <translation>Ocultar las líneas siguientes</translation>
    </message>
    <message>
        <source>Pointer (Keyfarer)</source>
        <translation>Puntero (Keyfarer)</translation>
    </message>
    <message>
        <source>See pointer above lines</source>
        <translation>Ver el puntero sobre las líneas</translation>
    </message>
    <message>
        <source>Hide pointer above lines</source>
        <translation>Ocultar el puntero sobre las líneas</translation>
    </message>
    <message>
        <source>Font Style (Keyfarer)</source>
        <translation>Estilo de letra (Keyfarer)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Global Options</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Beginners &amp;&amp; Intermediate</source>
        <translation>Principiante &amp;&amp; intermedio</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lecciones</translation>
    </message>
    <message>
        <source>Advanced &amp;&amp; Keyfarer</source>
        <translation>Avanzado &amp;&amp; Keyfarer</translation>
    </message>
    <message>
        <source>Timed Tests</source>
        <translation>Pruebas de tiempo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Hand Color</source>
        <translation>Color de las manos</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Cambiar color</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Color predeterminado</translation>
    </message>
    <message>
        <source>Beginners Hand Delay</source>
        <translation>Retraso de las manos (principiante)</translation>
    </message>
    <message>
        <source>Above you can select the amount of seconds delay before the hands appear in the Beginners Section.</source>
        <translation>Arriba puedes elegir cuántos segundos tardan en aparecer las manos en la sección de principiante.</translation>
    </message>
    <message>
        <source>Intermediate Hand Delay</source>
        <translation>Retraso de las manos (intermedio)</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Turns: how many times each pair of lines is typed.</source>
        <translation>Repeticiones: cuántas veces se escribe cada par de líneas.</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>PPM</translation>
    </message>
    <message>
        <source>WPM: the words per minute to aim for.</source>
        <translation>PPM: las palabras por minuto que quieres alcanzar.</translation>
    </message>
    <message>
        <source>Lessons Hand Delay</source>
        <translation>Retraso de las manos (lecciones)</translation>
    </message>
    <message>
        <source>Above you can select the amount of seconds delay before the hands appear.</source>
        <translation>Arriba puedes elegir cuántos segundos tardan en aparecer las manos.</translation>
    </message>
    <message>
        <source>Line Font Used</source>
        <translation>Tipo de letra de las líneas</translation>
    </message>
    <message>
        <source>Sans Serif</source>
        <translation>Sin serifa</translation>
    </message>
    <message>
        <source>Use the Up/Down arrow buttons below to choose how many minutes you want to type.</source>
        <translation>Usa los botones de flecha de abajo para elegir cuántos minutos quieres escribir.</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Backspace allowed</source>
        <translation>Retroceso permitido</translation>
    </message>
    <message>
        <source>No Backspace</source>
        <translation>Sin retroceso</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>Roman</source>
        <translation>Roman</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeña</translation>
    </message>
    <message>
        <source>Font Type</source>
        <translation>Estilo de letra</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Time Used Gauge</source>
        <translation>Indicador del tiempo usado</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Completed Gauge</source>
        <translation>Indicador de progreso</translation>
    </message>
    <message>
        <source>Sound can be adjusted by clicking the Global Options tab above and to the left.</source>
        <translation>El sonido se ajusta en la pestaña «General», arriba a la izquierda.</translation>
    </message>
    <message>
        <source>Speak each key and finger</source>
        <translation>Decir en voz alta cada tecla y cada dedo</translation>
    </message>
    <message>
        <source>Choose a user name first.</source>
        <translation>Elige primero un nombre de usuario.</translation>
    </message>
    <message>
        <source>Each new key and its finger are read aloud during a drill.</source>
        <translation>Durante un ejercicio se lee en voz alta cada tecla nueva y su dedo.</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
</context>
<context>
    <name>PressJournal</name>
    <message>
        <source>it was written by a newer version of the program</source>
        <translation>lo escribió una versión más reciente del programa</translation>
    </message>
    <message>
        <source>Your key presses could not be written to %1 (%2). They are kept and written at the end of the next set.</source>
        <translation>Tus pulsaciones no se pudieron escribir en %1 (%2). Se guardan y se escribirán al final de la próxima serie.</translation>
    </message>
    <message>
        <source>The record of your key presses in %1 was damaged. It was renamed to %2 and a new one was begun. Your sets and your student file are safe.</source>
        <translation>El registro de tus pulsaciones en %1 estaba dañado. Se renombró a %2 y se empezó uno nuevo. Tus series y tu archivo de alumno están a salvo.</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer could not be started (%1).</source>
        <translation>No se pudo iniciar la impresora (%1).</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora ha informado de un error.</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Mostrar el informe</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Ver informe</translation>
    </message>
    <message>
        <source>View User Name to the Left</source>
        <translation>Ver el nombre de la izquierda</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Hide to View Charts</source>
        <translation>Ocultar para ver los gráficos</translation>
    </message>
    <message>
        <source>Click &quot;Hide&quot; to view charts:</source>
        <translation>«Ocultar» muestra los gráficos:</translation>
    </message>
    <message>
        <source>Summary report</source>
        <translation>Informe resumido</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Nombres de usuario</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>User name is not valid. </source>
        <translation>El nombre de usuario no es válido. </translation>
    </message>
    <message>
        <source>User name is not valid. Use at least 2 characters and no more than 40.</source>
        <translation>El nombre de usuario no es válido. Usa al menos 2 caracteres y no más de 40.</translation>
    </message>
    <message>
        <source>&quot;.&quot; and &quot;..&quot; name folders, not students. Choose a name with letters in it.</source>
        <translation>«.» y «..» son nombres de carpetas, no de alumnos. Elige un nombre que tenga letras.</translation>
    </message>
    <message>
        <source>It holds a control character such as a tab. Use letters, digits and blanks.</source>
        <translation>Contiene un carácter de control, como un tabulador. Usa letras, números y espacios.</translation>
    </message>
    <message>
        <source>A user name cannot hold any of the characters / \ : * ? &quot; &lt; &gt; |, and &quot;%1&quot; is one of them.</source>
        <translation>Un nombre de usuario no puede contener ninguno de los caracteres / \ : * ? &quot; &lt; &gt; |, y «%1» es uno de ellos.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be used in a user name. Use letters, digits and blanks.</source>
        <translation>El carácter «%1» no se puede usar en un nombre de usuario. Usa letras, números y espacios.</translation>
    </message>
    <message>
        <source>You cannot delete the last username on the list.</source>
        <translation>No puedes borrar el último nombre de la lista.</translation>
    </message>
    <message>
        <source>You cannot delete the username you are currently using. </source>
        <translation>No puedes borrar el nombre que estás usando ahora. </translation>
    </message>
    <message>
        <source>Invalid User Name</source>
        <translation>Nombre de usuario no válido</translation>
    </message>
    <message>
        <source>Some systems keep this name for a device. Choose another name.</source>
        <translation>Algunos sistemas reservan este nombre para un dispositivo. Elige otro nombre.</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be deleted: %2</source>
        <translation>No se pudo borrar el archivo del alumno «%1»: %2</translation>
    </message>
</context>
<context>
    <name>SaveStudent</name>
    <message>
        <source>You are viewing the figures of %1, so nothing is saved now. To go on typing as %2, view or take the name %2 again.</source>
        <translation>Estás viendo las cifras de %1, así que ahora no se guarda nada. Para seguir escribiendo como %2, vuelve a ver o a elegir el nombre %2.</translation>
    </message>
</context>
<context>
    <name>SpeechOutput</name>
    <message>
        <source>The speech module could not be loaded: %1</source>
        <translation>No se pudo cargar el módulo de voz: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>No hay ningún motor de voz instalado.</translation>
    </message>
    <message>
        <source>The speech engine failed: %1</source>
        <translation>El motor de voz ha fallado: %1</translation>
    </message>
</context>
<context>
    <name>SpokenKey</name>
    <message>
        <source>capital %1</source>
        <translation>%1 mayúscula</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>signo de exclamación</translation>
    </message>
    <message>
        <source>double quote</source>
        <translation>comillas</translation>
    </message>
    <message>
        <source>number sign</source>
        <translation>almohadilla</translation>
    </message>
    <message>
        <source>dollar sign</source>
        <translation>signo de dólar</translation>
    </message>
    <message>
        <source>percent sign</source>
        <translation>signo de porcentaje</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>y comercial</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <source>left parenthesis</source>
        <translation>abrir paréntesis</translation>
    </message>
    <message>
        <source>right parenthesis</source>
        <translation>cerrar paréntesis</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>asterisco</translation>
    </message>
    <message>
        <source>plus sign</source>
        <translation>signo más</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>guion</translation>
    </message>
    <message>
        <source>period</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barra</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>dos puntos</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>punto y coma</translation>
    </message>
    <message>
        <source>less-than sign</source>
        <translation>signo menor que</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>signo igual</translation>
    </message>
    <message>
        <source>greater-than sign</source>
        <translation>signo mayor que</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>signo de interrogación</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>arroba</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>abrir corchete</translation>
    </message>
    <message>
        <source>backslash</source>
        <translation>barra invertida</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>cerrar corchete</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>acento circunflejo</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>guion bajo</translation>
    </message>
    <message>
        <source>grave accent</source>
        <translation>acento grave</translation>
    </message>
    <message>
        <source>left brace</source>
        <translation>abrir llave</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>barra vertical</translation>
    </message>
    <message>
        <source>right brace</source>
        <translation>cerrar llave</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>virgulilla</translation>
    </message>
    <message>
        <source>euro sign</source>
        <translation>signo del euro</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>espacio de no separación</translation>
    </message>
    <message>
        <source>inverted exclamation mark</source>
        <translation>signo de apertura de exclamación</translation>
    </message>
    <message>
        <source>cent sign</source>
        <translation>signo de centavo</translation>
    </message>
    <message>
        <source>pound sign</source>
        <translation>signo de libra</translation>
    </message>
    <message>
        <source>currency sign</source>
        <translation>signo de moneda</translation>
    </message>
    <message>
        <source>yen sign</source>
        <translation>signo del yen</translation>
    </message>
    <message>
        <source>broken bar</source>
        <translation>barra vertical partida</translation>
    </message>
    <message>
        <source>section sign</source>
        <translation>signo de sección</translation>
    </message>
    <message>
        <source>umlaut accent</source>
        <translation>diéresis</translation>
    </message>
    <message>
        <source>copyright sign</source>
        <translation>signo de copyright</translation>
    </message>
    <message>
        <source>feminine ordinal indicator</source>
        <translation>indicador ordinal femenino</translation>
    </message>
    <message>
        <source>left angle quotes</source>
        <translation>comillas angulares de apertura</translation>
    </message>
    <message>
        <source>not sign</source>
        <translation>signo de negación</translation>
    </message>
    <message>
        <source>soft hyphen</source>
        <translation>guion blando</translation>
    </message>
    <message>
        <source>registered sign</source>
        <translation>signo de marca registrada</translation>
    </message>
    <message>
        <source>macron</source>
        <translation>macrón</translation>
    </message>
    <message>
        <source>degree sign</source>
        <translation>signo de grado</translation>
    </message>
    <message>
        <source>plus-minus sign</source>
        <translation>signo más menos</translation>
    </message>
    <message>
        <source>superscript two</source>
        <translation>superíndice dos</translation>
    </message>
    <message>
        <source>superscript three</source>
        <translation>superíndice tres</translation>
    </message>
    <message>
        <source>acute accent</source>
        <translation>acento agudo</translation>
    </message>
    <message>
        <source>micro sign</source>
        <translation>signo de micro</translation>
    </message>
    <message>
        <source>pilcrow sign</source>
        <translation>signo de calderón</translation>
    </message>
    <message>
        <source>middle dot</source>
        <translation>punto medio</translation>
    </message>
    <message>
        <source>cedilla</source>
        <translation>cedilla</translation>
    </message>
    <message>
        <source>superscript one</source>
        <translation>superíndice uno</translation>
    </message>
    <message>
        <source>masculine ordinal indicator</source>
        <translation>indicador ordinal masculino</translation>
    </message>
    <message>
        <source>right angle quotes</source>
        <translation>comillas angulares de cierre</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un cuarto</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>un medio</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>tres cuartos</translation>
    </message>
    <message>
        <source>inverted question mark</source>
        <translation>signo de apertura de interrogación</translation>
    </message>
    <message>
        <source>capital A grave</source>
        <translation>A mayúscula con acento grave</translation>
    </message>
    <message>
        <source>capital A acute</source>
        <translation>A mayúscula con tilde</translation>
    </message>
    <message>
        <source>capital A circumflex</source>
        <translation>A mayúscula con acento circunflejo</translation>
    </message>
    <message>
        <source>capital A tilde</source>
        <translation>A mayúscula con virgulilla</translation>
    </message>
    <message>
        <source>capital A umlaut</source>
        <translation>A mayúscula con diéresis</translation>
    </message>
    <message>
        <source>capital A ring</source>
        <translation>A mayúscula con anillo</translation>
    </message>
    <message>
        <source>capital A E ligature</source>
        <translation>A y E ligadas mayúsculas</translation>
    </message>
    <message>
        <source>capital C cedilla</source>
        <translation>ce cedilla mayúscula</translation>
    </message>
    <message>
        <source>capital E grave</source>
        <translation>E mayúscula con acento grave</translation>
    </message>
    <message>
        <source>capital E acute</source>
        <translation>E mayúscula con tilde</translation>
    </message>
    <message>
        <source>capital E circumflex</source>
        <translation>E mayúscula con acento circunflejo</translation>
    </message>
    <message>
        <source>capital E umlaut</source>
        <translation>E mayúscula con diéresis</translation>
    </message>
    <message>
        <source>capital I grave</source>
        <translation>I mayúscula con acento grave</translation>
    </message>
    <message>
        <source>capital I acute</source>
        <translation>I mayúscula con tilde</translation>
    </message>
    <message>
        <source>capital I circumflex</source>
        <translation>I mayúscula con acento circunflejo</translation>
    </message>
    <message>
        <source>capital I umlaut</source>
        <translation>I mayúscula con diéresis</translation>
    </message>
    <message>
        <source>capital eth</source>
        <translation>eth mayúscula</translation>
    </message>
    <message>
        <source>capital N tilde</source>
        <translation>eñe mayúscula</translation>
    </message>
    <message>
        <source>capital O grave</source>
        <translation>O mayúscula con acento grave</translation>
    </message>
    <message>
        <source>capital O acute</source>
        <translation>O mayúscula con tilde</translation>
    </message>
    <message>
        <source>capital O circumflex</source>
        <translation>O mayúscula con acento circunflejo</translation>
    </message>
    <message>
        <source>capital O tilde</source>
        <translation>O mayúscula con virgulilla</translation>
    </message>
    <message>
        <source>capital O umlaut</source>
        <translation>O mayúscula con diéresis</translation>
    </message>
    <message>
        <source>multiplication sign</source>
        <translation>signo de multiplicación</translation>
    </message>
    <message>
        <source>capital O stroke</source>
        <translation>o barrada mayúscula</translation>
    </message>
    <message>
        <source>capital U grave</source>
        <translation>U mayúscula con acento grave</translation>
    </message>
    <message>
        <source>capital U acute</source>
        <translation>U mayúscula con tilde</translation>
    </message>
    <message>
        <source>capital U circumflex</source>
        <translation>U mayúscula con acento circunflejo</translation>
    </message>
    <message>
        <source>capital U umlaut</source>
        <translation>U mayúscula con diéresis</translation>
    </message>
    <message>
        <source>capital Y acute</source>
        <translation>Y mayúscula con tilde</translation>
    </message>
    <message>
        <source>capital thorn</source>
        <translation>thorn mayúscula</translation>
    </message>
    <message>
        <source>sharp s</source>
        <translation>eszett</translation>
    </message>
    <message>
        <source>a grave</source>
        <translation>a con acento grave</translation>
    </message>
    <message>
        <source>a acute</source>
        <translation>a con tilde</translation>
    </message>
    <message>
        <source>a circumflex</source>
        <translation>a con acento circunflejo</translation>
    </message>
    <message>
        <source>a tilde</source>
        <translation>a con virgulilla</translation>
    </message>
    <message>
        <source>a umlaut</source>
        <translation>a con diéresis</translation>
    </message>
    <message>
        <source>a ring</source>
        <translation>a con anillo</translation>
    </message>
    <message>
        <source>a e ligature</source>
        <translation>a y e ligadas</translation>
    </message>
    <message>
        <source>c cedilla</source>
        <translation>ce cedilla</translation>
    </message>
    <message>
        <source>e grave</source>
        <translation>e con acento grave</translation>
    </message>
    <message>
        <source>e acute</source>
        <translation>e con tilde</translation>
    </message>
    <message>
        <source>e circumflex</source>
        <translation>e con acento circunflejo</translation>
    </message>
    <message>
        <source>e umlaut</source>
        <translation>e con diéresis</translation>
    </message>
    <message>
        <source>i grave</source>
        <translation>i con acento grave</translation>
    </message>
    <message>
        <source>i acute</source>
        <translation>i con tilde</translation>
    </message>
    <message>
        <source>i circumflex</source>
        <translation>i con acento circunflejo</translation>
    </message>
    <message>
        <source>i umlaut</source>
        <translation>i con diéresis</translation>
    </message>
    <message>
        <source>eth</source>
        <translation>eth</translation>
    </message>
    <message>
        <source>n tilde</source>
        <translation>eñe</translation>
    </message>
    <message>
        <source>o grave</source>
        <translation>o con acento grave</translation>
    </message>
    <message>
        <source>o acute</source>
        <translation>o con tilde</translation>
    </message>
    <message>
        <source>o circumflex</source>
        <translation>o con acento circunflejo</translation>
    </message>
    <message>
        <source>o tilde</source>
        <translation>o con virgulilla</translation>
    </message>
    <message>
        <source>o umlaut</source>
        <translation>o con diéresis</translation>
    </message>
    <message>
        <source>division sign</source>
        <translation>signo de división</translation>
    </message>
    <message>
        <source>o stroke</source>
        <translation>o barrada</translation>
    </message>
    <message>
        <source>u grave</source>
        <translation>u con acento grave</translation>
    </message>
    <message>
        <source>u acute</source>
        <translation>u con tilde</translation>
    </message>
    <message>
        <source>u circumflex</source>
        <translation>u con acento circunflejo</translation>
    </message>
    <message>
        <source>u umlaut</source>
        <translation>u con diéresis</translation>
    </message>
    <message>
        <source>y acute</source>
        <translation>y con tilde</translation>
    </message>
    <message>
        <source>thorn</source>
        <translation>thorn</translation>
    </message>
    <message>
        <source>y umlaut</source>
        <translation>y con diéresis</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Beginner&apos;s Drills</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>After Switching names, it is recommended that you restart the program before continuing to type. This will protect the most recent chart data from being lost. If you haven&apos;t typed since starting Keyfarer, you don&apos;t have to restart.</source>
        <translation>Después de cambiar de nombre, es recomendable reiniciar el programa antes de seguir escribiendo. Así no se pierden los datos más recientes de los gráficos. Si no has escrito nada desde que abriste Keyfarer, no hace falta reiniciar.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Individual Key Charts</source>
        <translation>Gráficos por tecla</translation>
    </message>
    <message>
        <source>Overall Statistics</source>
        <translation>Estadísticas generales</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Current User</source>
        <translation>Usuario actual</translation>
    </message>
    <message>
        <source>Switch User</source>
        <translation>Cambiar usuario</translation>
    </message>
    <message>
        <source>Recommended for Teachers Viewing  Charts &amp; Stats Only</source>
        <translation>Recomendado para profesores que solo consultan gráficos y estadísticas</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Ver informe</translation>
    </message>
    <message>
        <source>Close Charts</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Time Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Today or Last</source>
        <translation>Hoy o última vez</translation>
    </message>
    <message>
        <source>Typing History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Program Section</source>
        <translation>Sección del programa</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>Letters &amp;&amp; Punctuation</source>
        <translation>Letras &amp;&amp; puntuación</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>International Keys</source>
        <translation>Teclas internacionales</translation>
    </message>
    <message>
        <source>Right Shift Letter Key Errors = </source>
        <translation>Errores con Mayús derecha = </translation>
    </message>
    <message>
        <source>Left Shift Letter Key Errors = </source>
        <translation>Errores con Mayús izquierda = </translation>
    </message>
    <message>
        <source>Key Speed</source>
        <translation>Velocidad por tecla</translation>
    </message>
    <message>
        <source>Key Accuracy</source>
        <translation>Precisión por tecla</translation>
    </message>
    <message>
        <source>Past 8 Days</source>
        <translation>Últimos 8 días</translation>
    </message>
    <message>
        <source>Typing History (all)</source>
        <translation>Todo el historial</translation>
    </message>
    <message>
        <source>WPM:</source>
        <translation>PPM:</translation>
    </message>
    <message>
        <source>Correct %:</source>
        <translation>Aciertos %:</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Adjusted WPM</source>
        <translation>PPM ajustadas</translation>
    </message>
    <message>
        <source>Trouble Keys</source>
        <translation>Teclas problemáticas</translation>
    </message>
    <message>
        <source>Show as Table</source>
        <translation>Ver tabla</translation>
    </message>
    <message>
        <source>Show as Chart</source>
        <translation>Ver gráfico</translation>
    </message>
</context>
<context>
    <name>StudentFile</name>
    <message>
        <source>The student file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo guardar el archivo del alumno «%1»: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer el archivo del alumno «%1»: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be created: %2</source>
        <translation>No se pudo crear el archivo del alumno «%1»: %2</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; could not be read: it holds %2 bytes instead of %3, so it is not a whole student record.</source>
        <translation>No se pudo leer el archivo del alumno «%1»: contiene %2 bytes en lugar de %3, así que no es un registro de alumno completo.</translation>
    </message>
    <message>
        <source>it could not be synced</source>
        <translation>no se pudo escribir por completo en el disco</translation>
    </message>
    <message>
        <source>The student file &quot;%1&quot; holds %2 bytes, far more than a student record (%3 bytes), so Keyfarer leaves it alone. Ask whoever looks after this computer to check it, or choose another name.</source>
        <translation>El archivo de alumno «%1» contiene %2 bytes, mucho más que una ficha de alumno (%3 bytes), así que Keyfarer no lo toca. Pide a quien se ocupa de este ordenador que lo revise, o elige otro nombre.</translation>
    </message>
</context>
<context>
    <name>StudentSettings</name>
    <message>
        <source>it is far larger than any settings</source>
        <translation>es mucho mayor que cualquier ajuste</translation>
    </message>
    <message>
        <source>Your setting could not be kept in &quot;%1&quot;: %2. It holds for now; to keep it, check that you may write in the working folder and that the disk has room, then choose it again.</source>
        <translation>Tu ajuste no se pudo guardar en «%1»: %2. Vale por ahora; para conservarlo, comprueba que puedes escribir en la carpeta de trabajo y que el disco tiene espacio, y vuelve a elegirlo.</translation>
    </message>
</context>
<context>
    <name>SummaryReport</name>
    <message>
        <source>Beginners Drills:</source>
        <translation>Ejercicios de principiante:</translation>
    </message>
    <message>
        <source>-----------------</source>
        <translation>---------------------------</translation>
    </message>
    <message>
        <source>Accuracy Today or Last:           </source>
        <translation>Precisión hoy o última vez:               </translation>
    </message>
    <message>
        <source>Accuracy All Days:                </source>
        <translation>Precisión todos los días:                 </translation>
    </message>
    <message>
        <source>Slowest Letter Today or Last:     </source>
        <translation>Letra más lenta hoy o última vez:         </translation>
    </message>
    <message>
        <source>Best Time Today or Last (Seconds): </source>
        <translation>Mejor tiempo hoy o última vez (segundos): </translation>
    </message>
    <message>
        <source>Average of All Sections:</source>
        <translation>Media de todas las secciones:</translation>
    </message>
    <message>
        <source>-----------------------</source>
        <translation>----------------------------</translation>
    </message>
    <message>
        <source>Average WPM (all Sections) for Today or Last: </source>
        <translation>PPM media (todas las secciones) hoy o última vez: </translation>
    </message>
    <message>
        <source>Average WPM (all Sections) for all of history: </source>
        <translation>PPM media (todas las secciones) en todo el historial: </translation>
    </message>
    <message>
        <source>Average accuracy (all Sections) for Today or Last: </source>
        <translation>Precisión media (todas las secciones) hoy o última vez: </translation>
    </message>
    <message>
        <source>Average accuracy (all sections) for all history: </source>
        <translation>Precisión media (todas las secciones) en todo el historial: </translation>
    </message>
    <message>
        <source>Student: %1  Date: %2</source>
        <translation>Alumno/a: %1  Fecha: %2</translation>
    </message>
</context>
<context>
    <name>SwitchUserPanel</name>
    <message>
        <source>Select a name from the list below.</source>
        <translation>Elige un nombre de la lista de abajo.</translation>
    </message>
    <message>
        <source>If you want to continue typing after viewing other names, return to original name.</source>
        <translation>Si quieres seguir escribiendo después de ver otros nombres, vuelve a tu nombre.</translation>
    </message>
    <message>
        <source>View Selected Name</source>
        <translation>Ver el nombre elegido</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Nombres de usuario</translation>
    </message>
</context>
<context>
    <name>TroubleKeysWindow</name>
    <message>
        <source>At or above the goal</source>
        <translation>En el objetivo o por encima</translation>
    </message>
    <message>
        <source>Less than a tenth below the goal</source>
        <translation>Menos de una décima parte por debajo del objetivo</translation>
    </message>
    <message>
        <source>Less than a quarter below the goal</source>
        <translation>Menos de una cuarta parte por debajo del objetivo</translation>
    </message>
    <message>
        <source>A quarter or more below the goal</source>
        <translation>Una cuarta parte o más por debajo del objetivo</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Typed Instead</source>
        <translation>Pulsada en su lugar</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <source>Trouble Keys</source>
        <translation>Teclas problemáticas</translation>
    </message>
    <message>
        <source>Show &amp;speed instead of accuracy</source>
        <translation>Mostrar la &amp;velocidad en vez de la precisión</translation>
    </message>
    <message>
        <source>Keyboard coloured by your keys</source>
        <translation>Teclado coloreado según tus teclas</translation>
    </message>
    <message>
        <source>Keys &amp;typed instead of others</source>
        <translation>Teclas &amp;pulsadas en lugar de otras</translation>
    </message>
    <message>
        <source>The keys holding you back, last 20 sets (blue: words a minute, red dashed: % accuracy)</source>
        <translation>Las teclas que te frenan, últimas 20 series (azul: palabras por minuto, rojo discontinuo: % de precisión)</translation>
    </message>
    <message>
        <source>Practise These Keys</source>
        <translation>Practicar estas teclas</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Export the Presses</source>
        <translation>Exportar las pulsaciones</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The presses could not be exported to %1.</source>
        <translation>No se pudieron exportar las pulsaciones a %1.</translation>
    </message>
    <message>
        <source>A key holds you back while its time, counting hits only and moving a tenth of the way with each set, is slower than the goal of %1 words a minute, or while fewer than %2 % of its presses hit; the weakest key comes first.</source>
        <translation>Una tecla te frena mientras su tiempo (solo aciertos, ajustado una décima parte en cada serie) sea más lento que el objetivo de %1 palabras por minuto, o mientras acierten menos del %2 % de sus pulsaciones; la más débil va primero.</translation>
    </message>
    <message>
        <source>Class goals: %1 words a minute and %2 % accuracy.</source>
        <translation>Objetivos de la clase: %1 palabras por minuto y %2 % de precisión.</translation>
    </message>
    <message>
        <source>%1 has no presses in the journal yet.</source>
        <translation>%1 aún no tiene pulsaciones registradas.</translation>
    </message>
    <message>
        <source>%1 meets them.</source>
        <translation>%1 los cumple.</translation>
    </message>
    <message>
        <source>%1 does not meet them yet.</source>
        <translation>%1 aún no los cumple.</translation>
    </message>
    <message>
        <source>%1: %2 % of presses hit, %3 words a minute</source>
        <translation>%1: %2 % de aciertos, %3 palabras por minuto</translation>
    </message>
    <message>
        <source>(another character)</source>
        <translation>(otro carácter)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>%1: no sets yet</source>
        <translation>%1: aún no hay series</translation>
    </message>
    <message>
        <source>%1 over the last %2 sets: from %3 to %4 words a minute, from %5 % to %6 % accuracy</source>
        <translation>%1 en las últimas %2 series: de %3 a %4 palabras por minuto, del %5 % al %6 % de precisión</translation>
    </message>
</context>
<context>
    <name>UserPanels</name>
    <message>
        <source>Type in a new user name below and click the OK button.</source>
        <translation>Escribe abajo un nombre de usuario nuevo y haz clic en Aceptar.</translation>
    </message>
    <message>
        <source>Select a name from the list below.</source>
        <translation>Elige un nombre de la lista de abajo.</translation>
    </message>
    <message>
        <source>This username already exists and Cannot be created.</source>
        <translation>Este nombre de usuario ya existe y no se puede crear.</translation>
    </message>
    <message>
        <source>You cannot begin to type until you have created a user file.</source>
        <translation>No puedes empezar a escribir hasta que hayas creado un archivo de usuario.</translation>
    </message>
    <message>
        <source>You cannot begin to type until you have selected a user name from the list.</source>
        <translation>No puedes empezar a escribir hasta que hayas elegido un nombre de la lista.</translation>
    </message>
    <message>
        <source>You need to type the correct password to delete a username</source>
        <translation>Tienes que escribir la contraseña correcta para borrar un nombre de usuario.</translation>
    </message>
    <message>
        <source>Do you want to delete this username?</source>
        <translation>¿Quieres borrar este nombre de usuario?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Use this Name</source>
        <translation>Usar este nombre</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Borrar nombre</translation>
    </message>
    <message>
        <source>New user name</source>
        <translation>Nuevo nombre de usuario</translation>
    </message>
    <message>
        <source>User names</source>
        <translation>Nombres de usuario</translation>
    </message>
    <message>
        <source>Password to delete a name</source>
        <translation>Contraseña para borrar un nombre</translation>
    </message>
    <message>
        <source>Choose a keyboard from the Additional/Keyboard Nationality Menu above.</source>
        <translation>Elige un teclado en el menú Adicional/Distribución del teclado de arriba.</translation>
    </message>
    <message>
        <source> A folder called &quot;%1&quot; is in the way.</source>
        <translation> Una carpeta llamada «%1» lo impide.</translation>
    </message>
    <message>
        <source> The file &quot;%1&quot; is in the way.</source>
        <translation> El archivo «%1» lo impide.</translation>
    </message>
    <message>
        <source>%1 cannot be deleted while another copy of Keyfarer has this student. Close it there first, then delete the name.</source>
        <translation>No se puede borrar %1 mientras Keyfarer esté abierto en otro sitio con este nombre. Ciérralo primero allí y luego borra el nombre.</translation>
    </message>
</context>
<context>
    <name>WorkingFolder</name>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>No shipped pictures and sounds were found in &quot;%1&quot;.</source>
        <translation>No se encontraron en «%1» las imágenes y los sonidos que trae el programa.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be copied into &quot;%2&quot;.</source>
        <translation>No se pudo copiar el archivo «%1» en «%2».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds Keyfarer&apos;s installed pictures and sounds, which are never changed. Give Keyfarer another working folder (the option --working-folder or the variable KEYFARER_HOME).</source>
        <translation>La carpeta «%1» contiene las imágenes y los sonidos instalados de Keyfarer, que nunca se modifican. Indica a Keyfarer otra carpeta de trabajo (con la opción --working-folder o la variable KEYFARER_HOME).</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un archivo</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device or a socket</source>
        <translation>un dispositivo o un socket</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a folder. Give Keyfarer a folder as its working folder.</source>
        <translation>«%1» es %2, no una carpeta. Indica a Keyfarer una carpeta como carpeta de trabajo.</translation>
    </message>
</context>
<context>
    <name>WorkingFolderChoice</name>
    <message>
        <source>The setting WorkingFolder in &quot;%1&quot; is not used: %2</source>
        <translation>No se usa el ajuste WorkingFolder de «%1»: %2</translation>
    </message>
    <message>
        <source>it names no folder.</source>
        <translation>no indica ninguna carpeta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full path; it must begin with &quot;/&quot;.</source>
        <translation>«%1» no es una ruta completa; debe empezar por «/».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» no es una carpeta.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>el archivo no se puede leer.</translation>
    </message>
    <message>
        <source>the file is not in the settings format (lines such as WorkingFolder=/srv/class under [General]).</source>
        <translation>el archivo no tiene el formato de los ajustes (líneas como WorkingFolder=/srv/class bajo [General]).</translation>
    </message>
    <message>
        <source>Keyfarer works in &quot;%1&quot; instead.</source>
        <translation>Keyfarer trabaja en «%1» en su lugar.</translation>
    </message>
</context>
<context>
    <name>kf::ClassOverviewWindow</name>
    <message>
        <source>Class Overview</source>
        <translation>Resumen de la clase</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Reading the student files...</source>
        <translation>Leyendo los archivos de los alumnos...</translation>
    </message>
    <message numerus="yes">
        <source>%n student file(s)</source>
        <translation>
            <numerusform>%n archivo de alumno</numerusform>
            <numerusform>%n archivos de alumnos</numerusform>
        </translation>
    </message>
    <message>
        <source>Class Overview: %1  Date: %2</source>
        <translation>Resumen de la clase: %1  Fecha: %2</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo guardar el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>Goals…</source>
        <translation>Objetivos…</translation>
    </message>
    <message>
        <source>Class goals: %1 words a minute and %2 % accuracy.</source>
        <translation>Objetivos de la clase: %1 palabras por minuto y %2 % de precisión.</translation>
    </message>
    <message>
        <source>Class Goals</source>
        <translation>Objetivos de la clase</translation>
    </message>
    <message>
        <source>&amp;Words a minute:</source>
        <translation>&amp;Palabras por minuto:</translation>
    </message>
    <message>
        <source>&amp;Accuracy:</source>
        <translation>Pre&amp;cisión:</translation>
    </message>
    <message>
        <source>The class goals could not be written to %1.</source>
        <translation>No se pudieron escribir los objetivos de la clase en %1.</translation>
    </message>
    <message>
        <source>The student file of %1 is no longer in the folder: someone deleted or renamed it. Close this window and open the class overview again to see the folder as it is now.</source>
        <translation>El archivo de alumno de %1 ya no está en la carpeta: alguien lo borró o le cambió el nombre. Cierra esta ventana y vuelve a abrir el resumen de la clase para ver la carpeta tal como está ahora.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xport CSV</source>
        <translation>E&amp;xportar CSV</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
</TS>
