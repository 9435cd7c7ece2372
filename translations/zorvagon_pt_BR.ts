<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>Sobre o Zorvagon</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Criado pela equipe do Zorvagon</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>Perguntas e ideias são bem-vindas:
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>Todos os sons são de domínio público</translation>
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
        <translation>A senha é válida. Infelizmente, sua pontuação de %1 no nível de dificuldade %2 não é um recorde neste computador.</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>Esta senha não é válida. Tente de novo.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Erro de senha</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>Não foi suficiente :)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>Adicionar recorde</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>Fez uma pontuação muito boa? Passe para seus amigos tentarem superar! É só eles digitarem abaixo seu nome e a senha da sua pontuação para adicioná-la à lista de recordes!</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>Digite o nome:</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Digite a senha:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>Não foi possível carregar o bitmap interno %1 do jogo. Reinstale o jogo.</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>Sua senha é: %1
Clique no seu nome nos recordes a qualquer momento para ver a senha de novo.</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>Senha online</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>O tempo acabou. Fim de jogo.</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>Não há mais movimentos. Fim de jogo.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Ajuda do Zorvagon</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>A página de ajuda não foi encontrada:
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
        <translation>Não foi possível salvar o arquivo de recordes.</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>Erro no sistema de arquivos</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>Há um erro no arquivo de recordes.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Erro fatal</translation>
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
        <translation>A senha desta pontuação é: %1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>Adicionar...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sem nome</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Mestre</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Recordes...</translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation>Carregar tema...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Dicas</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>Mostrar pontuação de &apos;Esta jogada&apos;</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>Efeitos de transparência</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Preto</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Mais rápida</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantânea</translation>
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
        <translation>Novo recorde!</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>Você conseguiu um novo recorde! Digite seu nome:</translation>
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
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>Pausado... Clique em OK para continuar</translation>
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
        <translation>modo demo - jogo-&gt;novo para jogar</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontuação: %1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>Esta jogada: %1</translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation>ATUALIZADO - %1</translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation>NOVO - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>Carregar tema do Zorv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>Zorv (padrão)</translation>
    </message>
</context>
</TS>
