<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0 - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
