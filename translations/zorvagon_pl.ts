<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>O grze Zorvagon</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Napisali twórcy gry Zorvagon</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>Czekamy na pytania i pomysły:
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>Wszystkie dźwięki są w domenie publicznej</translation>
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
        <translation>Hasło jest poprawne. Niestety twój wynik %1 na poziomie trudności „%2” nie jest rekordem na tym urządzeniu.</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>To nie jest poprawne hasło. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Błąd hasła</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>Za słaby wynik :)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>Dodaj rekord</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>Masz naprawdę dobry wynik? Daj go znajomym, niech spróbują go pobić! Wystarczy, że wpiszą poniżej twoje imię i hasło twojego wyniku, a nowy wynik trafi na listę rekordów!</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>Wpisz imię:</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Wpisz hasło:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>Nie udało się wczytać wbudowanej bitmapy gry nr %1. Zainstaluj grę ponownie.</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>Twoje hasło: %1
W każdej chwili zobaczysz je znowu, klikając swoje imię na liście rekordów.</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>Hasło online</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>Czas minął. Koniec gry.</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>Brak możliwych ruchów. Koniec gry.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Zorvagon – pomoc</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>Nie znaleziono strony pomocy:
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
        <translation>Nie udało się zapisać pliku rekordów.</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>Błąd systemu plików</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>W pliku rekordów jest błąd.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Błąd krytyczny</translation>
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
        <translation>Hasło tego wyniku: %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>Dodaj wynik...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Bez imienia</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Rekordy...</translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation>Wczytaj motyw...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Podpowiedzi</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>Pokazuj wynik „Ten ruch”</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>Efekty przezroczystości</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Błękitny</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalne</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybkie</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Szybsze</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Natychmiastowe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>New High Score!</source>
        <translation>Nowy rekord!</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>Masz nowy rekord! Wpisz swoje imię:</translation>
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
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>Pauza... Naciśnij OK, aby kontynuować</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>demo mode - game-&gt;new to start</source>
        <translation>tryb demo - gra-&gt;nowa, aby zacząć</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>Ten ruch: %1</translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation>ZAKTUALIZOWANY - %1</translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation>NOWY - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>Wczytaj motyw Zorv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>Zorv (domyślny)</translation>
    </message>
</context>
</TS>
