<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>Over Zorvagon</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Door de ontwikkelaars van Zorvagon</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>Vragen en ideeën zijn welkom:
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>Alle geluidseffecten zijn publiek domein</translation>
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
        <translation>Het wachtwoord is geldig. Helaas is je score van %1 op moeilijkheidsniveau %2 geen highscore op dit apparaat.</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>Dit is geen geldig wachtwoord. Probeer het nog eens.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Wachtwoordfout</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>Niet goed genoeg :)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>Highscore toevoegen</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>Echt een goede score? Laat je vrienden proberen hem te verslaan! Ze vullen hieronder gewoon je naam en het wachtwoord van je score in om hem aan de highscorelijst toe te voegen!</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>Naam invullen:</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Wachtwoord invullen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>De eigen bitmap %1 van het spel kon niet worden geladen. Installeer het spel opnieuw.</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>Je wachtwoord is: %1
Klik op elk moment op je naam in de highscores om het wachtwoord opnieuw te zien.</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>Online wachtwoord</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>De tijd is om. Einde spel.</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>Geen zetten meer mogelijk. Einde spel.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Einde spel</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Help bij Zorvagon</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>De helppagina kon niet worden gevonden:
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
        <translation>Het highscorebestand kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>Bestandssysteemfout</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>Er zit een fout in het highscorebestand.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Fatale fout</translation>
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
        <translation>Het wachtwoord voor deze score is: %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialoog</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>Toevoegen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Geen naam</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Simpel</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
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
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>Score ‘Deze beurt’ tonen</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>Transparantie-effecten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Sneller</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>New High Score!</source>
        <translation>Nieuwe highscore!</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>Je hebt een nieuwe highscore! Vul je naam in:</translation>
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
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>Gepauzeerd... Druk op OK om verder te spelen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>demo mode - game-&gt;new to start</source>
        <translation>demomodus - start met spel-&gt;nieuw</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>Deze beurt: %1</translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation>BIJGEWERKT - %1</translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation>NIEUW - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>Zorv-thema laden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>De Zorv (standaard)</translation>
    </message>
</context>
</TS>
