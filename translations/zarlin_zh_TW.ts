<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>規則</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>電腦會閃爍一個彩色按鈕序列。玩家的目標是依照閃爍的順序按下這些按鈕。如果玩家按對了整個序列，就會出現一個新序列，比上一個多閃爍 1 次。玩家每按對一個按鈕，就得 1 分。 </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>遊戲會一直進行下去，直到玩家出錯，或成功重現長度為 128 的序列為止。 </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>規則</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>關於 Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin 版本 %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>由 Zarlin 團隊編寫</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>如果您對本程式有任何意見或想法，請寄到 zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>關於 Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>若想進一步了解 Quorvel Software 及其開發的其他程式，歡迎造訪我們的網站。我們的網站可從以下網站前往： </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> 或者，只要您寄電子郵件到以下地址，我們就會把 Quorvel Software 首頁目前的網址寄給您：</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>關於作者</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>若想認識作者，可以造訪以下網站：</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>授權條款</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Zarlin 的授權條款可在選單「資訊 &gt; 關於 &gt; Quorvel」中閱讀。</translation>
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
        <translation>黃色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>按鍵 %1</translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
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
        <translation>黃色(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>紅色(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>綠色(&amp;G)</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>藍色(&amp;U)</translation>
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
        <translation>分數：</translation>
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
        <translation>分數</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新遊戲(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>顯示目前的按鈕(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>遊戲(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>選項(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>音效(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>資訊(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>規則(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
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
        <translation>授權條款(&amp;L)</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>遊戲結束</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>抱歉，遊戲結束</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>你贏了</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>恭喜，你贏了！！</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Zarlin 選項</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>顏色數量</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>連續序列</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>起始長度：</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>延遲（毫秒）：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>起始長度必須是 1 到 %1 之間的數字，也就是第一回合的顏色數。</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>延遲必須是 %1 到 %2 之間的毫秒數，也就是兩次閃爍之間的間隔；每次閃爍持續 %n 毫秒。</numerusform>
        </translation>
    </message>
</context>
</TS>
