<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>规则</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>电脑会闪烁一个彩色按钮序列。玩家的目标是按闪烁的顺序按下这些按钮。如果玩家按对了整个序列，就会出现一个新序列，比上一个多闪烁 1 次。玩家每按对一个按钮，得 1 分。 </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>游戏会一直进行下去，直到玩家出错，或者成功复现长度为 128 的序列为止。 </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>规则</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>关于 Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin 版本 %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>由 Zarlin 团队编写</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>如果您对本程序有任何意见或想法，请发送至 zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>关于 Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>要进一步了解 Quorvel Software 及其开发的其他程序，可以访问我们的网站。我们的网站可通过以下网站访问： </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> 或者，只要您发送电子邮件至以下地址，我们就会把 Quorvel Software 主页的当前网址发给您：</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>关于作者</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>要了解作者，可以访问以下网站：</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>许可协议</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Zarlin 的许可协议可在菜单“信息 &gt; 关于 &gt; Quorvel”中阅读。</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
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
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>按键 %1</translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>zarlin::MainWindow</name>
    <message>
        <source>&amp;White</source>
        <translation>白色(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>黄色(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>红色(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>绿色(&amp;G)</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>蓝色(&amp;U)</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>黑色(&amp;A)</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>回合：</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>回合</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>得分</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>显示当前按钮(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>声音(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>信息(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>规则(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Zarlin</source>
        <translation>Zarlin(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Quorvel</source>
        <translation>Quorvel(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>作者(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>许可协议(&amp;L)</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>抱歉，游戏结束</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>你赢了</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>恭喜，你赢了！！</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Zarlin 选项</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>颜色数量</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>连续序列</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>起始长度：</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>延迟（毫秒）：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>起始长度必须是 1 到 %1 之间的数字，即第一回合的颜色数。</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>延迟必须是 %1 到 %2 之间的毫秒数，即两次闪烁之间的停顿；每次闪烁持续 %n 毫秒。</numerusform>
        </translation>
    </message>
</context>
</TS>
