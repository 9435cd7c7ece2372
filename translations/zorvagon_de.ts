<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>Über Zorvagon</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Von den Zorvagon-Entwicklern</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>Fragen und Ideen sind willkommen:
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>Alle Soundeffekte sind gemeinfrei</translation>
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
        <translation>Das Passwort ist gültig. Leider ist deine Punktzahl von %1 in der Schwierigkeitsstufe %2 auf diesem Gerät kein Highscore.</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>Das ist kein gültiges Passwort. Versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Passwortfehler</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>Nicht gut genug :)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>Highscore hinzufügen</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>Richtig gute Punktzahl? Fordere deine Freunde heraus! Sie geben unten einfach deinen Namen und das Passwort deiner Punktzahl ein, um sie in die Highscore-Liste einzutragen!</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>Name eingeben:</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Passwort eingeben:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>Die spieleigene Bitmap %1 konnte nicht geladen werden. Bitte installiere das Spiel neu.</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>Dein Passwort lautet: %1
Klicke jederzeit in den Highscores auf deinen Namen, um das Passwort wieder anzuzeigen.</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>Online-Passwort</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>Die Zeit ist um. Spiel vorbei.</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>Keine Züge mehr möglich. Spiel vorbei.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Zorvagon-Hilfe</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>Die Hilfeseite konnte nicht gefunden werden:
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
        <translation>Die Highscore-Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>Dateisystemfehler</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>Die Highscore-Datei enthält einen Fehler.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Schwerer Fehler</translation>
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
        <translation>Das Passwort für diese Punktzahl lautet: %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Kein Name</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Highscores...</translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation>Thema laden...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>Punktzahl „Dieser Zug“ zeigen</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>Transparenzeffekte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>New High Score!</source>
        <translation>Neuer Highscore!</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>Du hast einen neuen Highscore! Gib deinen Namen ein:</translation>
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
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>Pausiert ... Drücke OK, um weiterzuspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>demo mode - game-&gt;new to start</source>
        <translation>Demomodus - Spiel-&gt;Neu zum Starten</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punktzahl: %1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>Dieser Zug: %1</translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation>AKTUALISIERT - %1</translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation>NEU - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>Zorv-Thema laden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>Der Zorv (Standard)</translation>
    </message>
</context>
</TS>
