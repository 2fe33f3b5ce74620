<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>ルール</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>コンピューターが色付きボタンのパターンを点滅させます。プレイヤーの目的は、点滅した順番どおりにボタンを押すことです。パターン全体を正しく押せたら、前回より点滅が 1 回多い新しいパターンが出ます。ボタンを 1 つ正しく押すごとに 1 点もらえます。 </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>これは、プレイヤーが間違えるか、長さ 128 のパターンを最後まで再現するまで続きます。 </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>ルール</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>Zarlin について</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin バージョン %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>作成：Zarlin チーム</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>このプログラムへのご意見・ご感想は zarlin@example.org までお送りください。</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>Quorvel Software について</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Quorvel Software と同社のほかのプログラムについては、弊社サイトをご覧ください。弊社サイトへは次のサイトから行けます： </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> または、次のアドレスにメールをいただければ、Quorvel Software のホームページの現在の URL をお送りします：</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>作者について</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>作者については、次の Web サイトをご覧ください：</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Zarlin のライセンス契約は、メニューの「情報 &gt; 紹介 &gt; Quorvel」で読めます。</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
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
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>キー %1</translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zarlin::MainWindow</name>
    <message>
        <source>&amp;White</source>
        <translation>白(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>黄(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>赤(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>緑(&amp;G)</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>青(&amp;U)</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>黒(&amp;A)</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>回戦：</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>得点：</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>回戦</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>得点</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>現在のボタンを表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>オプション(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>サウンド(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>情報(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>ルール(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>紹介(&amp;A)</translation>
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
        <translation>ライセンス(&amp;L)</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>残念、ゲームオーバー</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>あなたの勝ち</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>おめでとう！あなたの勝ち！！</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Zarlin のオプション</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>色の数</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>連続パターン</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>開始の長さ：</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>遅延（ミリ秒）：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>開始の長さは 1～%1 の数にしてください（第 1 回戦の色の数です）。</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>遅延は %1～%2 のミリ秒数にしてください（2 回の点滅の間の待ち時間です。点滅は 1 回 %n ミリ秒続きます）。</numerusform>
        </translation>
    </message>
</context>
</TS>
