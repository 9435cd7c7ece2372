<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>Themendateien</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Bitmap-Dateien</translation>
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
        <translation>Themenname:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern als...</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>Du musst deinem Thema zuerst einen Namen geben.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>Beim Speichern des Themas ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Kein Name</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Kein Name</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>Beim Öffnen des Themas ist ein Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>So benutzt du Pixelkiln</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Von den Zorvagon-Entwicklern</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>Pixelkiln ist ein ganz einfaches Programm ... du bist nur drei Schritte von deinen eigenen Zorv-Themen entfernt.</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. Lade deine Bilder. Für jeden der sieben Steine gibt es ein Vorschaufeld und einen Knopf „Auswählen“. Mit diesem Knopf kannst du jede Bitmap auf deinem Computer als Bild für diesen</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>Stein wählen. Damit sie im Spiel richtig funktionieren, sollten Bitmaps 28 x 28 Pixel und mindestens 16 Bit Farbtiefe haben.</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>Sollen deine Sprites Transparenz haben? Jede rein weiße Fläche der Bitmap (R:255,G:255,B:255, Farbe 0xFFFFFF usw.) wird im Spiel durchsichtig. Wenn du in deinem Thema Weiß brauchst, nimm also etwa R:250, G:250, B:250.</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. Benenne dein Thema. Im Eingabefeld oben im Programm (beim ersten Start steht dort „Kein Name“) trägst du den Namen für</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>dein Thema ein. Er kann so ziemlich alles sein, was du willst. Bleib nur unter etwa 30 Zeichen, sonst wird der Name auf deinem Pocket PC vielleicht nicht ganz angezeigt.</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. Speichere es. Drücke „Speichern“ oder „Speichern als...“, um dein Thema zu kompilieren und auf der Festplatte zu speichern. Bring es dann mit ActiveSync oder auf einem anderen Weg in den Ordner „My</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>Documents“ auf deinem Pocket PC. Wenn du das Thema im Spiel zum ersten Mal auswählst, wird es automatisch am richtigen Ort installiert und aus „My Documents“ entfernt.</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>*Hinweis: Die gewählten Grafiken bleiben zwar erhalten, wenn du das Programm beendest und neu startest, aber wenn du die Bitmaps geändert hast, musst du sie neu laden.</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>Immer noch unklar? Eine Frage? Hol dir Hilfe.
help@zorvagon.example</translation>
    </message>
</context>
</TS>
