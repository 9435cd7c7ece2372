<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Pixelkiln</name>
    <message>
        <source>Theme Files</source>
        <translation>主题文件</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>位图文件</translation>
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
        <translation>主题名称：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>帮助...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>You must name your theme first.</source>
        <translation>请先为主题命名。</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>保存错误</translation>
    </message>
    <message>
        <source>There was an error saving the theme.</source>
        <translation>保存主题时出错。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>There was an error opening the theme.</source>
        <translation>打开主题时出错。</translation>
    </message>
</context>
<context>
    <name>PixelkilnHelp</name>
    <message>
        <source>How To Use Pixelkiln</source>
        <translation>Pixelkiln 使用说明</translation>
    </message>
    <message>
        <source>Zorvagon Pixelkiln v1.0</source>
        <translation>Zorvagon Pixelkiln v1.0</translation>
    </message>
    <message>
        <source>Written by the Zorvagon developers</source>
        <translation>由 Zorvagon 开发者编写</translation>
    </message>
    <message>
        <source>The Pixelkiln is a very simple program... you are only three steps away from creating your own Zorv themes.</source>
        <translation>Pixelkiln 是个非常简单的程序……只需三步，你就能做出自己的 Zorv 主题。</translation>
    </message>
    <message>
        <source>1. Load your pictures.  For each of the seven game pieces, there is a preview pane and a &apos;Choose&apos; button.  Press this button and you can select any bitmap avaliable on your computer to use as that playing</source>
        <translation>1. 载入图片。七种方块各有一个预览框和一个“选择”按钮。按下这个按钮，就能从电脑上任选一张位图，用作该</translation>
    </message>
    <message>
        <source>piece.  Note that for them to work correctly in the game, bitmaps should be 28 x 28 pixels, and at least 16 bit color.</source>
        <translation>方块的图案。注意：要在游戏中正常使用，位图应为 28 × 28 像素，并且至少为 16 位色。</translation>
    </message>
    <message>
        <source>If you want transparency in your sprites, any area of the bitmap that is pure white (R:255,G:255,B:255, color 0xFFFFFF, etc...) will be transparent in the game.  So if you want white in your theme use something like R:250, G:250, B:250.</source>
        <translation>如果想让图案带有透明部分：位图中所有纯白色（R:255,G:255,B:255，即颜色 0xFFFFFF 等）的区域在游戏中都会显示为透明。所以，如果想在主题中使用白色，请改用 R:250, G:250, B:250 之类的颜色。</translation>
    </message>
    <message>
        <source>2. Name your theme.  In the edit box at the top of the program (where it says &apos;No Name&apos; when you first start) you need to enter the name for</source>
        <translation>2. 为主题命名。在程序顶部的输入框中（首次启动时显示“未命名”），输入你的</translation>
    </message>
    <message>
        <source>your theme.  It can be pretty much anything you want, just try to keep it under 30 or so characters, or the whole name may not show up on your Pocket PC.</source>
        <translation>主题名称。名字基本可以随便取，但最好不超过 30 个字符左右，否则在 Pocket PC 上可能显示不全。</translation>
    </message>
    <message>
        <source>3. Save it.  Press either &apos;Save&apos; or &apos;Save As...&apos; to compile and save your theme to your hard disk.  Then use ActiveSync, or whatever other method you choose, to put your new theme in the &apos;My</source>
        <translation>3. 保存主题。按“保存”或“另存为...”，即可编译主题并保存到硬盘。然后用 ActiveSync 或任何你喜欢的方式，把新主题放进 Pocket PC 上的</translation>
    </message>
    <message>
        <source>Documents&apos; folder on your Pocket PC.  The first time you select the theme in the game, it will be automatically installed in the proper place and removed from &apos;My Documents&apos;.</source>
        <translation>“My Documents”文件夹。在游戏中第一次选择该主题时，它会被自动安装到正确的位置，并从“My Documents”中移除。</translation>
    </message>
    <message>
        <source>*Note that even though the graphics you have chosen remain if you quit and restart the program, you will need to re-load the bitmaps if you have made any changes to them.</source>
        <translation>*注意：退出并重新启动程序后，已选择的图片仍会保留；但如果你修改过这些位图，就需要重新载入它们。</translation>
    </message>
    <message>
        <source>Still confused?  Have a question?  Get some help.
help@zorvagon.example</source>
        <translation>还是不明白？有问题？来这里寻求帮助吧。
help@zorvagon.example</translation>
    </message>
</context>
</TS>
