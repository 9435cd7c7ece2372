<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>Acerca de Zorvagon</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Creado por el equipo de Zorvagon</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>Tus preguntas e ideas son bienvenidas:
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>Todos los sonidos son de dominio público</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AddScore</name>
    <message>
        <source>The password is valid.  Unfortunately, your score of %1 on the %2 difficulty level is not a high score on this machine.</source>
        <translation>La contraseña es válida. Por desgracia, tu puntuación de %1 en el nivel de dificultad %2 no es un récord en este equipo.</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>Esta contraseña no es válida. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Error de contraseña</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>No es suficiente :)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>Añadir récord</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>¿Tienes una gran puntuación? ¡Pásasela a tus amigos y que intenten superarla! Solo diles que escriban abajo tu nombre y la contraseña para añadirla a la lista de récords.</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>Escribe el nombre:</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Escribe la contraseña:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>No se pudo cargar el mapa de bits interno %1 del juego. Vuelve a instalar el juego.</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>Tu contraseña es: %1
Haz clic en tu nombre en los récords cuando quieras para volver a ver la contraseña.</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>Contraseña online</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>Se acabó el tiempo. Fin de la partida.</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>No quedan movimientos. Fin de la partida.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Ayuda de Zorvagon</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>No se encontró la página de ayuda:
%1</translation>
    </message>
</context>
<context>
    <name>HighScoreFile</name>
    <message>
        <source>bad size</source>
        <translation>bad size</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Could not save high score file.</source>
        <translation>No se pudo guardar el archivo de récords.</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>Error del sistema de archivos</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>Hay un error en el archivo de récords.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Error fatal</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>%1. %2
%3</source>
        <translation>%1. %2
%3</translation>
    </message>
    <message>
        <source>The password for this score is: %1</source>
        <translation>La contraseña de esta puntuación es: %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sin nombre</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Récords...</translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation>Cargar tema...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>Mostrar puntuación de &apos;Este turno&apos;</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>Efectos de transparencia</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
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
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantáneo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>New High Score!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>¡Has conseguido un nuevo récord! Escribe tu nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>En pausa... Pulsa Aceptar para continuar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>demo mode - game-&gt;new to start</source>
        <translation>modo demo - juego-&gt;nuevo para jugar</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntuación: %1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>Este turno: %1</translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation>ACTUALIZADO - %1</translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation>NUEVO - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>Cargar tema de Zorv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>Zorv (predeterminado)</translation>
    </message>
</context>
</TS>
