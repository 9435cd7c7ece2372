<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>テーマファイル</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>ビットマップファイル</translation>
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
        <translation>テーマ名：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>別名で保存...</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>ヘルプ...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>先にテーマの名前を入力してください。</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>テーマの保存中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>名前なし</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>名前なし</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>テーマを開くときにエラーが発生しました。</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>Pixelkiln の使い方</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>制作：Zorvagon 開発者一同</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>Pixelkiln はとてもシンプルなプログラムです。たった3ステップで、自分だけの Zorv テーマが作れます。</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. 画像を読み込みます。7種類のピースそれぞれに、プレビュー欄と「選択」ボタンがあります。このボタンを押すと、パソコン内の好きなビットマップを選んで、その</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>ピースに使えます。ゲームで正しく使うには、ビットマップを28×28ピクセル、16ビットカラー以上にしてください。</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>画像に透明な部分を作りたいときは、その部分を純白（R:255,G:255,B:255、カラー 0xFFFFFF など）にすると、ゲーム内で透明になります。テーマで白を使いたい場合は、R:250, G:250, B:250 のような色を使ってください。</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. テーマに名前を付けます。プログラム上部の入力欄（最初は「名前なし」と表示されています）に、テーマの</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>名前を入力してください。名前はほぼ自由ですが、30文字くらいまでにしておきましょう。長すぎると Pocket PC で名前が全部表示されないことがあります。</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. 保存します。「保存」か「別名で保存...」を押すと、テーマがコンパイルされてハードディスクに保存されます。次に ActiveSync などお好きな方法で、新しいテーマを Pocket PC の</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>「My Documents」フォルダーに入れてください。ゲームで初めてそのテーマを選ぶと、自動的に正しい場所へインストールされ、「My Documents」からは削除されます。</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>※選んだ画像はプログラムを終了して再起動しても残りますが、ビットマップ自体に手を加えた場合は、もう一度読み込み直す必要があります。</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>まだよくわからない？質問がある？サポートはこちらへ。
help@zorvagon.example</translation>
    </message>
</context>
</TS>
