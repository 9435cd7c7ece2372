<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>Archivos de tema</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Archivos de mapa de bits</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0 - %1</source>
        <translation>Zorvagon Pixelkiln v1.0 - %1</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Theme Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>Primero tienes que ponerle nombre al tema.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>Se produjo un error al guardar el tema.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>Se produjo un error al abrir el tema.</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>Cómo usar Pixelkiln</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Creado por el equipo de Zorvagon</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>Pixelkiln es un programa muy sencillo... estás a solo tres pasos de crear tus propios temas de Zorv.</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. Carga tus imágenes. Cada una de las siete fichas del juego tiene una vista previa y un botón &apos;Elegir&apos;. Púlsalo para elegir cualquier mapa de bits disponible en tu ordenador y usarlo como esa</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>ficha. Nota: para que funcionen bien en el juego, los mapas de bits deben ser de 28 x 28 píxeles y de al menos 16 bits de color.</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>Si quieres transparencia en tus sprites, cualquier zona del mapa de bits que sea blanco puro (R:255,G:255,B:255, color 0xFFFFFF, etc.) será transparente en el juego. Así que, si quieres blanco en tu tema, usa algo como R:250, G:250, B:250.</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. Ponle nombre a tu tema. En el cuadro de texto de la parte superior del programa (donde pone &apos;Sin nombre&apos; la primera vez que lo abres) tienes que escribir el nombre de</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>tu tema. Puede ser casi cualquier cosa; solo procura que no pase de unos 30 caracteres, o puede que el nombre no se vea entero en tu Pocket PC.</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. Guárdalo. Pulsa &apos;Guardar&apos; o &apos;Guardar como&apos; para compilar tu tema y guardarlo en el disco duro. Después usa ActiveSync, o el método que prefieras, para poner tu nuevo tema en la carpeta &apos;My</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>Documents&apos; de tu Pocket PC. La primera vez que elijas el tema en el juego, se instalará automáticamente en el lugar adecuado y se quitará de &apos;My Documents&apos;.</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>*Ten en cuenta que, aunque los gráficos elegidos se conservan si cierras y vuelves a abrir el programa, tendrás que volver a cargar los mapas de bits si les has hecho algún cambio.</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>¿Sigues con dudas? ¿Tienes alguna pregunta? Pide ayuda.
help@zorvagon.example</translation>
    </message>
</context>
</TS>
