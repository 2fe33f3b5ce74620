<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zarlin::MainWindow</name>
    <message>
        <source>&amp;White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zarlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quorvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
