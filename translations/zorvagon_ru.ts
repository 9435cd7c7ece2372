<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>Об игре Zorvagon</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Авторы: разработчики Zorvagon</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>Ждём ваших вопросов и идей:
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>Все звуки — общественное достояние</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AddScore</name>
    <message>
        <source>The password is valid.  Unfortunately, your score of %1 on the %2 difficulty level is not a high score on this machine.</source>
        <translation>Пароль верный. К сожалению, ваш результат %1 на уровне сложности «%2» не попадает в таблицу рекордов на этом устройстве.</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>Это неверный пароль. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Ошибка пароля</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>Недостаточно хорошо :)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>Добавить рекорд</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>Набрали отличный результат? Дайте друзьям попробовать его побить! Пусть введут ниже ваше имя и пароль результата, чтобы добавить его в таблицу рекордов!</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>Введите имя:</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Введите пароль:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>Не удалось загрузить встроенное изображение игры %1. Переустановите игру.</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>Ваш пароль: %1
Его можно в любой момент увидеть снова, щёлкнув своё имя в таблице рекордов.</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>Онлайн-пароль</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>Время вышло. Игра окончена.</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>Ходов больше нет. Игра окончена.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Zorvagon — справка</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>Страница справки не найдена:
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
        <translation>Не удалось сохранить файл рекордов.</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>Ошибка файловой системы</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>В файле рекордов есть ошибка.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Критическая ошибка</translation>
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
        <translation>Пароль для этого результата: %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>Добавить...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Без имени</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Рекорды...</translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation>Загрузить тему...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Подсказки</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>Показывать результат «За ход»</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>Эффекты прозрачности</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Темп</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстрый</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Ещё быстрее</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Мгновенный</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>New High Score!</source>
        <translation>Новый рекорд!</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>У вас новый рекорд! Введите своё имя:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>Пауза... Нажмите OK, чтобы продолжить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>demo mode - game-&gt;new to start</source>
        <translation>демо - игра-&gt;новая, чтобы начать</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Результат: %1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>За ход: %1</translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation>ОБНОВЛЁННАЯ - %1</translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation>НОВАЯ - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>Загрузить тему Zorv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>Zorv (по умолчанию)</translation>
    </message>
</context>
</TS>
