<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>Zorvagon について</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>制作：Zorvagon 開発者一同</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>ご質問・アイデアをお待ちしています：
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>効果音はすべてパブリックドメインです</translation>
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
        <translation>パスワードは有効です。残念ながら、難易度「%2」のスコア %1 は、このマシンではハイスコアに入りません。</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>このパスワードは無効です。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>パスワードエラー</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>あと一歩 :)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>ハイスコアの追加</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>すごいスコアが出ましたか？友だちに教えて、超えられるか挑戦してもらいましょう！友だちに下の欄へあなたの名前とスコアのパスワードを入力してもらうだけで、ハイスコア一覧に新しいスコアが追加されます！</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>名前を入力：</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>パスワードを入力：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>ゲーム本体のビットマップ %1 を読み込めませんでした。ゲームを再インストールしてください。</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>あなたのパスワード：%1
ハイスコア画面で自分の名前をクリックすれば、いつでもパスワードを確認できます。</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>オンライン用パスワード</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>時間切れです。ゲームオーバー。</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>動かせる手がありません。ゲームオーバー。</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Zorvagon ヘルプ</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>ヘルプページが見つかりません：
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
        <translation>ハイスコアのファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>ファイルシステムエラー</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>ハイスコアのファイルにエラーがあります。</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>致命的なエラー</translation>
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
        <translation>このスコアのパスワード：%1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>スコア追加...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>名無し</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>上級</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>ハイスコア...</translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation>テーマを読み込む...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規ゲーム</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>「このターン」のスコアを表示</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>透過効果</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>超高速</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>瞬時</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>ポーズ</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>New High Score!</source>
        <translation>ハイスコア達成！</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>ハイスコアを達成しました！名前を入力してください：</translation>
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
        <translation>新規ゲーム</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>ポーズ中… OK を押すと再開します</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>ポーズ</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>demo mode - game-&gt;new to start</source>
        <translation>デモ中 - ゲーム→新規ゲームで開始</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>スコア：%1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>このターン：%1</translation>
    </message>
</context>
<context>
    <name>ThemeList</name>
    <message>
        <source>UPDATED - %1</source>
        <translation>更新 - %1</translation>
    </message>
    <message>
        <source>NEW - %1</source>
        <translation>新規 - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>Zorv テーマの読み込み</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>Zorv（デフォルト）</translation>
    </message>
</context>
</TS>
