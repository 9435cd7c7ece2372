<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>Arquivos de tema</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Arquivos de bitmap</translation>
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
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ajuda...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>Primeiro dê um nome ao seu tema.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erro ao salvar</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>Ocorreu um erro ao salvar o tema.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>Ocorreu um erro ao abrir o tema.</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>Como usar o Pixelkiln</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>Criado pela equipe do Zorvagon</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>O Pixelkiln é um programa muito simples... você está a apenas três passos de criar seus próprios temas do Zorv.</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. Carregue suas imagens. Cada uma das sete peças do jogo tem uma prévia e um botão &apos;Escolher&apos;. Clique nele para selecionar qualquer bitmap do seu computador e usá-lo como aquela</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>peça. Observe que, para funcionarem corretamente no jogo, os bitmaps devem ter 28 x 28 pixels e pelo menos 16 bits de cor.</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>Se quiser transparência nos seus sprites, qualquer área do bitmap que seja branco puro (R:255,G:255,B:255, cor 0xFFFFFF etc.) ficará transparente no jogo. Então, se quiser branco no seu tema, use algo como R:250, G:250, B:250.</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. Dê um nome ao seu tema. Na caixa de texto no alto do programa (onde aparece &apos;Sem nome&apos; na primeira vez que você o abre) você precisa digitar o nome do</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>seu tema. Pode ser praticamente qualquer coisa; só tente não passar de uns 30 caracteres, senão o nome pode não aparecer inteiro no seu Pocket PC.</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. Salve. Clique em &apos;Salvar&apos; ou &apos;Salvar como...&apos; para compilar o tema e salvá-lo no disco rígido. Depois use o ActiveSync, ou outro método que preferir, para colocar o novo tema na pasta &apos;My</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>Documents&apos; do seu Pocket PC. Na primeira vez que você selecionar o tema no jogo, ele será instalado automaticamente no lugar certo e removido de &apos;My Documents&apos;.</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>*Observe que, embora as imagens escolhidas continuem lá se você fechar e abrir o programa de novo, será preciso carregar os bitmaps outra vez se você tiver feito alguma alteração neles.</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>Ainda com dúvidas? Tem alguma pergunta? Peça ajuda.
help@zorvagon.example</translation>
    </message>
</context>
</TS>
