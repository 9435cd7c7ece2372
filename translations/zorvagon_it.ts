<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>Informazioni su Zorvagon</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Scritto dagli sviluppatori di Zorvagon</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>Domande e idee sono le benvenute:
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>Tutti gli effetti sonori sono di pubblico dominio</translation>
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
        <translation>La password è valida. Purtroppo il tuo punteggio di %1 al livello di difficoltà %2 non è un record su questo computer.</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>Questa password non è valida. Riprova.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Errore nella password</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>Non basta :)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>Aggiungi record</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>Hai un punteggio davvero alto? Sfida i tuoi amici a batterlo! Di&apos; loro di inserire qui sotto il tuo nome e la password del tuo punteggio per aggiungerlo alla lista dei record!</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>Inserisci il nome:</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Inserisci la password:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>Impossibile caricare la bitmap %1 del gioco. Reinstalla il gioco.</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>La tua password è: %1
Puoi rivederla in qualsiasi momento facendo clic sul tuo nome nei record.</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>Password online</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>Tempo scaduto. Partita finita.</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>Nessuna mossa possibile. Partita finita.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Guida di Zorvagon</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>Impossibile trovare la pagina della guida:
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
        <translation>Impossibile salvare il file dei record.</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>Errore del file system</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>Il file dei record contiene un errore.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Errore fatale</translation>
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
        <translation>La password di questo punteggio è: %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogo</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>Aggiungi...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Senza nome</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Record...</translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation>Carica tema...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>Mostra punteggio del turno</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>Effetti di trasparenza</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>New High Score!</source>
        <translation>Nuovo record!</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>Hai fatto un nuovo record! Inserisci il tuo nome:</translation>
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
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>In pausa... Premi OK per continuare</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>demo mode - game-&gt;new to start</source>
        <translation>demo - inizia con gioco-&gt;nuova partita</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punteggio: %1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>Turno: %1</translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation>AGGIORNATO - %1</translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation>NUOVO - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>Carica tema Zorv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>Zorv (predefinito)</translation>
    </message>
</context>
</TS>
