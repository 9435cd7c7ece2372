<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>Pliki motywów</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Pliki bitmap</translation>
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
        <translation>Nazwa motywu:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Zapisz jako...</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Pomoc...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>Najpierw nadaj motywowi nazwę.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>Podczas zapisywania motywu wystąpił błąd.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>Podczas otwierania motywu wystąpił błąd.</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>Jak używać programu Pixelkiln</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Napisali twórcy gry Zorvagon</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>Pixelkiln to bardzo prosty program... od własnych motywów Zorv dzielą cię tylko trzy kroki.</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. Wczytaj obrazki. Dla każdego z siedmiu klocków gry jest podgląd i przycisk „Wybierz”. Naciśnij go, aby wybrać dowolną bitmapę z komputera dla tego klocka.</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>Pamiętaj, że aby bitmapy działały w grze poprawnie, powinny mieć 28 x 28 pikseli i co najmniej 16-bitowy kolor.</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>Przezroczystość w obrazkach daje czysta biel: każdy obszar bitmapy w tym kolorze (R:255,G:255,B:255, kolor 0xFFFFFF itd.) będzie w grze przezroczysty. Jeśli więc chcesz mieć w motywie biel, użyj np. R:250, G:250, B:250.</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. Nazwij motyw. W polu u góry okna (przy pierwszym uruchomieniu jest w nim napis „Bez nazwy”) wpisz nazwę motywu.</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>Może to być prawie cokolwiek, tylko postaraj się zmieścić w około 30 znakach, bo inaczej cała nazwa może się nie zmieścić na ekranie Pocket PC.</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. Zapisz go. Naciśnij „Zapisz” lub „Zapisz jako...”, aby skompilować motyw i zapisać go na dysku. Potem przez ActiveSync lub w dowolny inny sposób umieść nowy motyw w folderze „My Documents” na Pocket PC.</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>Gdy pierwszy raz wybierzesz motyw w grze, zostanie on automatycznie zainstalowany we właściwym miejscu i usunięty z folderu „My Documents”.</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>*Pamiętaj: wybrane obrazki zostają po zamknięciu i ponownym uruchomieniu programu, ale jeśli zmienisz coś w bitmapach, musisz wczytać je ponownie.</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>Nadal coś jest niejasne? Masz pytanie? Poproś o pomoc.
help@zorvagon.example</translation>
    </message>
</context>
</TS>
