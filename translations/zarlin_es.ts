<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>El ordenador hará destellar una secuencia de botones de colores. El objetivo del jugador es pulsar los botones en el orden en que destellaron. Si el jugador acierta toda la secuencia, se presenta una nueva, 1 destello más larga que la anterior. Por cada botón que acierte, el jugador obtiene 1 punto. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>Esto continúa hasta que el jugador se equivoque o hasta que repita con éxito una secuencia de longitud 128. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>Acerca de Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin versión %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>Escrito por el equipo de Zarlin</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>Si tienes comentarios o ideas sobre este programa, envíalos a zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>Acerca de Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Para saber más sobre Quorvel Software y otros programas de Quorvel Software, puedes visitar nuestro sitio web. Se puede llegar a nuestro sitio web desde el sitio: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> O te enviaremos la URL actual de la página principal de Quorvel Software si escribes un correo a:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Acerca del autor</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Para saber más sobre el autor, puedes visitar el sitio web:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>El acuerdo de licencia de Zarlin puede leerse desde el menú Info, Acerca de, Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
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
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>Tecla %1</translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>zarlin::MainWindow</name>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Blanco</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Amarillo</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>Az&amp;ul</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>&amp;Negro</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>Ronda:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;Mostrar botones actuales</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones…</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Zarlin</source>
        <translation>&amp;Zarlin</translation>
    </message>
    <message>
        <source>&amp;Quorvel</source>
        <translation>&amp;Quorvel</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licencia</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Lo siento, fin del juego</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>¡¡Felicidades, has ganado!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Opciones de Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>N.º de colores</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>Patrón secuencial</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>Long. inicial:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>Retardo (ms):</translation>
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
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>La longitud inicial debe ser un número de 1 a %1: los colores de la primera ronda.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>El retardo debe ser un número de milisegundos de %1 a %2: la pausa entre dos destellos, que duran %n milisegundo cada uno.</numerusform>
            <numerusform>El retardo debe ser un número de milisegundos de %1 a %2: la pausa entre dos destellos, que duran %n milisegundos cada uno.</numerusform>
        </translation>
    </message>
</context>
</TS>
