<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>Файлы тем</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Изображения BMP</translation>
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
        <translation>Имя темы:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>Сначала дайте теме имя.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Ошибка сохранения</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>При сохранении темы произошла ошибка.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>При открытии темы произошла ошибка.</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>Как пользоваться Pixelkiln</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Авторы: разработчики Zorvagon</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>Pixelkiln — очень простая программа... до собственных тем Zorv вас отделяют всего три шага.</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. Загрузите картинки. У каждой из семи фишек игры есть окно просмотра и кнопка «Выбрать». Нажмите её и выберите для этой фишки любое изображение BMP на компьютере.</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>Учтите: для правильной работы в игре изображения должны быть 28 x 28 пикселей, а глубина цвета — не менее 16 бит.</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>Прозрачность в картинках даёт чистый белый цвет: любая область изображения этого цвета (R:255,G:255,B:255, цвет 0xFFFFFF и т. д.) в игре будет прозрачной. Поэтому если в теме нужен белый, возьмите, например, R:250, G:250, B:250.</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. Назовите тему. В поле вверху окна (при первом запуске там написано «Без имени») введите имя темы.</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>Оно может быть почти любым, только постарайтесь уложиться примерно в 30 символов, иначе имя может не поместиться целиком на экране Pocket PC.</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. Сохраните тему. Нажмите «Сохранить» или «Сохранить как...», чтобы скомпилировать тему и сохранить её на диск. Затем через ActiveSync или любым другим способом поместите новую тему в папку «My Documents» на Pocket PC.</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>Когда вы впервые выберете тему в игре, она автоматически установится в нужное место и будет удалена из папки «My Documents».</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>*Учтите: выбранные картинки сохраняются после выхода и перезапуска программы, но если вы что-то изменили в самих изображениях, их нужно загрузить заново.</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>Всё ещё непонятно? Есть вопрос? Обращайтесь за помощью.
help@zorvagon.example</translation>
    </message>
</context>
</TS>
