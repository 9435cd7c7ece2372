<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>À propos de Zorvagon</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Écrit par les développeurs de Zorvagon</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>Vos questions et idées sont les bienvenues&#xa0;:
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>Tous les bruitages sont du domaine public</translation>
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
        <translation>Le mot de passe est valide. Malheureusement, votre score de %1 au niveau de difficulté %2 ne fait pas partie des meilleurs scores de cette machine.</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>Ce mot de passe n&apos;est pas valide. Réessayez.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Erreur de mot de passe</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>Pas assez bon&#xa0;:)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>Ajouter un meilleur score</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>Vous avez un très bon score&#xa0;? Défiez vos amis de le battre&#xa0;! Dites-leur simplement d&apos;entrer ci-dessous votre nom et le mot de passe de votre score pour l&apos;ajouter à leurs meilleurs scores&#xa0;!</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>Entrez le nom&#xa0;:</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Entrez le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>Impossible de charger le bitmap %1 du jeu. Veuillez réinstaller le jeu.</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>Votre mot de passe est&#xa0;: %1
Cliquez à tout moment sur votre nom dans les meilleurs scores pour revoir le mot de passe.</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>Mot de passe en ligne</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>Temps écoulé. Partie terminée.</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>Plus aucun coup possible. Partie terminée.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Aide de Zorvagon</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>La page d&apos;aide est introuvable&#xa0;:
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
        <translation>Impossible d&apos;enregistrer le fichier des meilleurs scores.</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>Erreur du système de fichiers</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>Le fichier des meilleurs scores contient une erreur.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Erreur fatale</translation>
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
        <translation>Le mot de passe de ce score est&#xa0;: %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sans nom</translation>
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
        <translation>Normal</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Meilleurs scores...</translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation>Charger un thème...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>Afficher le score «&#xa0;Ce tour&#xa0;»</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>Effets de transparence</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantané</translation>
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
        <translation>Nouveau meilleur score&#xa0;!</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>Vous avez un nouveau meilleur score&#xa0;! Entrez votre nom&#xa0;:</translation>
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
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>En pause... Appuyez sur OK pour continuer</translation>
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
        <translation>démo - jeu-&gt;nouvelle partie pour jouer</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>Ce tour&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation>MIS À JOUR - %1</translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation>NOUVEAU - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>Charger un thème Zorv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>Zorv (par défaut)</translation>
    </message>
</context>
</TS>
