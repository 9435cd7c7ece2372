<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>Themabestanden</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Bitmapbestanden</translation>
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
        <translation>Themanaam:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Opslaan als...</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Kiezen...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Help...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>Geef je thema eerst een naam.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fout bij opslaan</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>Er is een fout opgetreden bij het opslaan van het thema.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Geen naam</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Geen naam</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>Er is een fout opgetreden bij het openen van het thema.</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>Zo gebruik je Pixelkiln</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Door de ontwikkelaars van Zorvagon</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>Pixelkiln is een heel eenvoudig programma... je bent maar drie stappen verwijderd van je eigen Zorv-thema&apos;s.</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. Laad je plaatjes. Voor elk van de zeven stenen is er een voorbeeldvak en een knop ‘Kiezen’. Met die knop kies je een willekeurige bitmap op je computer als plaatje voor die</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>steen. Let op: om goed te werken in het spel moeten bitmaps 28 x 28 pixels groot zijn, met minstens 16-bits kleur.</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>Wil je transparantie in je sprites? Elk deel van de bitmap dat zuiver wit is (R:255,G:255,B:255, kleur 0xFFFFFF, enz.) wordt in het spel doorzichtig. Wil je dus wit in je thema, gebruik dan iets als R:250, G:250, B:250.</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. Geef je thema een naam. In het invoervak bovenin (bij de eerste start staat daar ‘Geen naam’) vul je de naam in voor</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>je thema. Dat mag zo ongeveer alles zijn, maar hou het onder de 30 tekens of zo, anders is op je Pocket PC misschien niet de hele naam te zien.</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. Sla het op. Druk op ‘Opslaan’ of ‘Opslaan als...’ om je thema te compileren en op je harde schijf op te slaan. Zet het dan met ActiveSync, of hoe je maar wilt, in de map ‘My</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>Documents’ op je Pocket PC. De eerste keer dat je het thema in het spel kiest, wordt het automatisch op de juiste plek geïnstalleerd en uit ‘My Documents’ verwijderd.</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>*Let op: de gekozen afbeeldingen blijven bewaard als je het programma afsluit en opnieuw start, maar als je de bitmaps hebt gewijzigd, moet je ze opnieuw laden.</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>Nog steeds onduidelijk? Heb je een vraag? Wij helpen je verder.
help@zorvagon.example</translation>
    </message>
</context>
</TS>
