<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>Fichiers de thème</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Fichiers bitmap</translation>
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
        <translation>Nom du thème</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enreg. sous...</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>Vous devez d&apos;abord nommer votre thème.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;enregistrement du thème.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;ouverture du thème.</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>Comment utiliser Pixelkiln</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Écrit par les développeurs de Zorvagon</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>Pixelkiln est un programme très simple... vous n&apos;êtes qu&apos;à trois étapes de vos propres thèmes Zorv.</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. Chargez vos images. Chacune des sept pièces du jeu a un aperçu et un bouton «&#xa0;Choisir&#xa0;»&#xa0;: cliquez dessus pour sélectionner n&apos;importe quel bitmap de votre ordinateur et en faire cette</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>pièce. Pour bien fonctionner dans le jeu, les bitmaps doivent faire 28 x 28 pixels, en 16 bits de couleur au moins.</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>Si vous voulez de la transparence dans vos sprites, toute zone du bitmap d&apos;un blanc pur (R:255,G:255,B:255, couleur 0xFFFFFF, etc.) sera transparente dans le jeu. Pour avoir du blanc dans votre thème, utilisez par exemple R:250, G:250, B:250.</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. Nommez votre thème. Dans la zone de saisie en haut du programme (où figure «&#xa0;Sans nom&#xa0;» au premier lancement),</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>entrez le nom de votre thème. Vous pouvez choisir à peu près ce que vous voulez&#xa0;; essayez juste de rester sous la trentaine de caractères, sinon le nom risque de ne pas s&apos;afficher en entier sur votre Pocket PC.</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. Enregistrez-le. Cliquez sur «&#xa0;Enregistrer&#xa0;» ou «&#xa0;Enreg. sous...&#xa0;» pour compiler et enregistrer votre thème sur votre disque dur. Puis, avec ActiveSync ou toute autre méthode de votre choix,</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>placez votre nouveau thème dans le dossier «&#xa0;My Documents&#xa0;» de votre Pocket PC. La première fois que vous choisirez le thème dans le jeu, il sera automatiquement installé au bon endroit et retiré de «&#xa0;My Documents&#xa0;».</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>*Notez que même si les images choisies sont conservées quand vous quittez et relancez le programme, vous devrez recharger les bitmaps si vous les avez modifiés.</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>Toujours perdu&#xa0;? Une question&#xa0;? Demandez de l&apos;aide.
help@zorvagon.example</translation>
    </message>
</context>
</TS>
