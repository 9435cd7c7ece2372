<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Zorvagon</source>
        <translation>关于 Zorvagon</translation>
    </message>
    <message>
        <source>Zorvagon V 1.5</source>
        <translation>Zorvagon V 1.5</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>由 Zorvagon 开发者编写</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome:
help@zorvagon.example</source>
        <translation>欢迎提出问题和建议：
help@zorvagon.example</translation>
    </message>
    <message>
        <source>All sound effects are in the public domain</source>
        <translation>所有音效均属于公有领域</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AddScore</name>
    <message>
        <source>The password is valid.  Unfortunately, your score of %1 on the %2 difficulty level is not a high score on this machine.</source>
        <translation>密码有效。很遗憾，你在“%2”难度下的得分 %1 在本机上算不上高分。</translation>
    </message>
    <message>
        <source>This is not a valid password.  Try again.</source>
        <translation>密码无效。请再试一次。</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>Not Good Enough :)</source>
        <translation>还不够好 :)</translation>
    </message>
    <message>
        <source>Add High Score</source>
        <translation>添加高分</translation>
    </message>
    <message>
        <source>Got a really good score?  Give it to your friends to try and beat!  Just tell them to enter your name and the password for your score below to add a new score to the high score list!</source>
        <translation>拿到了超高的得分？告诉朋友，看他们能不能超越！只要让他们在下方输入你的名字和这个得分的密码，就能把新得分加入高分榜！</translation>
    </message>
    <message>
        <source>Enter name:</source>
        <translation>输入名字：</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>输入密码：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>no bmpDC</source>
        <translation>no bmpDC</translation>
    </message>
    <message>
        <source>The game&apos;s own bitmap %1 could not be loaded. Please reinstall the game.</source>
        <translation>无法载入游戏自带的位图 %1。请重新安装游戏。</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>Your password is: %1
Click on your name in the high scores at any time to see the password again.</source>
        <extracomment>A message box: the line break may move.</extracomment>
        <translation>你的密码是：%1
随时在高分榜中点击你的名字，即可再次查看密码。</translation>
    </message>
    <message>
        <source>On-Line Password</source>
        <translation>在线密码</translation>
    </message>
    <message>
        <source>Time is up.  Game over.</source>
        <translation>时间到。游戏结束。</translation>
    </message>
    <message>
        <source>No moves left.  Game over.</source>
        <translation>无步可走。游戏结束。</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zorvagon Help</source>
        <translation>Zorvagon 帮助</translation>
    </message>
    <message>
        <source>The help page could not be found:
%1</source>
        <extracomment>A window of its own: the line break may move.</extracomment>
        <translation>找不到帮助页面：
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
        <translation>无法保存高分文件。</translation>
    </message>
    <message>
        <source>File System Error</source>
        <translation>文件系统错误</translation>
    </message>
    <message>
        <source>There is an error in the high score file.</source>
        <translation>高分文件有错误。</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>严重错误</translation>
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
        <translation>这个得分的密码是：%1</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Add Score...</source>
        <translation>添加得分...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>无名氏</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>专家</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>高分榜...</translation>
    </message>
    <message>
        <source>Load Theme...</source>
        <translation>载入主题...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Show &apos;This Turn&apos; Score</source>
        <translation>显示“本回合”得分</translation>
    </message>
    <message>
        <source>Transparency Effects</source>
        <translation>透明效果</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>更快</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>瞬间</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>New High Score!</source>
        <translation>新的高分！</translation>
    </message>
    <message>
        <source>You&apos;ve got a new high score!  Enter your name:</source>
        <translation>你创造了新的高分！请输入你的名字：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>Paused... Press OK to continue</source>
        <translation>已暂停……按“确定”继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>demo mode - game-&gt;new to start</source>
        <translation>演示模式 - 点击“游戏→新游戏”开始</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>得分：%1</translation>
    </message>
    <message>
        <source>This Turn: %1</source>
        <translation>本回合：%1</translation>
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
        <translation>新增 - %1</translation>
    </message>
    <message>
        <source>Load Zorv Theme</source>
        <translation>载入 Zorv 主题</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The Zorv (Default)</source>
        <translation>Zorv（默认）</translation>
    </message>
</context>
</TS>
