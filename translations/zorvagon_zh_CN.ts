<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddScore</name>
    <message>
        <source>The password is valid.  Unfortunately, your score of %1 on the %2 difficulty level is not a high score on this machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HighScoreFile</name>
    <message>
        <source>bad size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save high score file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>%1. %2
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password for this score is: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>New High Score!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>demo mode - game-&gt;new to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
