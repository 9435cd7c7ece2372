<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>File di tema</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>File bitmap</translation>
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
        <translation>Nome tema:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva come...</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aiuto...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>Devi prima dare un nome al tema.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Errore di salvataggio</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>Si è verificato un errore durante il salvataggio del tema.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>Si è verificato un errore durante l&apos;apertura del tema.</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>Come usare Pixelkiln</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Scritto dagli sviluppatori di Zorvagon</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>Pixelkiln è un programma semplicissimo... ti mancano solo tre passi per creare i tuoi temi Zorv.</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. Carica le tue immagini. Per ognuno dei sette pezzi del gioco c&apos;è un&apos;anteprima con un pulsante “Scegli”: premilo per selezionare qualsiasi bitmap del tuo computer da usare come quel</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>pezzo. Nota che, per funzionare correttamente nel gioco, le bitmap devono essere di 28 x 28 pixel e con almeno 16 bit di colore.</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>Se vuoi la trasparenza nei tuoi sprite, qualsiasi area della bitmap di colore bianco puro (R:255,G:255,B:255, colore 0xFFFFFF, ecc.) sarà trasparente nel gioco. Quindi, se vuoi il bianco nel tuo tema, usa qualcosa come R:250, G:250, B:250.</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. Dai un nome al tema. Nella casella di testo in cima al programma (dove al primo avvio compare “Senza nome”)</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>devi inserire il nome del tuo tema. Può essere più o meno quello che vuoi, cerca solo di restare sotto i 30 caratteri circa, altrimenti il nome potrebbe non comparire per intero sul tuo Pocket PC.</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. Salvalo. Premi “Salva” o “Salva come...” per compilare e salvare il tema sul disco rigido. Poi usa ActiveSync, o qualsiasi altro metodo preferisci, per copiare il nuovo tema nella cartella “My</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>Documents” del tuo Pocket PC. La prima volta che selezioni il tema nel gioco, verrà installato automaticamente nel posto giusto e rimosso da “My Documents”.</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>*Nota: anche se le immagini scelte restano quando esci e riavvii il programma, dovrai ricaricare le bitmap se le hai modificate.</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>Ancora dubbi? Hai una domanda? Chiedi aiuto.
help@zorvagon.example</translation>
    </message>
</context>
</TS>
