<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>Der Computer lässt eine Folge farbiger Knöpfe aufleuchten. Ziel des Spielers ist es, die Knöpfe in der Reihenfolge zu drücken, in der sie aufgeleuchtet haben. Wiederholt der Spieler die ganze Folge, kommt eine neue, die um 1 Aufleuchten länger ist als die vorige. Für jeden richtig gedrückten Knopf erhält er 1 Punkt. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>Das geht so weiter, bis der Spieler entweder einen Fehler macht oder eine Folge der Länge 128 fehlerfrei wiederholt. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>Über Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin Version %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>Geschrieben vom Zarlin-Team</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>Anmerkungen und Gedanken zu diesem Programm senden Sie bitte an zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>Über Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Mehr über Quorvel Software und andere Programme von Quorvel Software erfahren Sie auf unserer Website. Unsere Website erreichen Sie über die Website: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Oder wir senden Ihnen die aktuelle Adresse der Homepage von Quorvel Software, wenn Sie eine E-Mail schicken an:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Über den Autor</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Mehr über den Autor erfahren Sie auf der Website:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Die Lizenzvereinbarung für Zarlin finden Sie im Menü Info, Über, Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>Taste %1</translation>
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
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Gelb</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>Grü&amp;n</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>Runde:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;Aktuelle Knöpfe zeigen</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen …</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Zarlin</source>
        <translation>&amp;Zarlin</translation>
    </message>
    <message>
        <source>&amp;Quorvel</source>
        <translation>&amp;Quorvel</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Lizenz</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Schade, Spiel vorbei</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Glückwunsch, gewonnen!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Optionen für Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>Anzahl Farben</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>Fortlaufende Muster</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>Startlänge:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>Verzögerung (ms):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>Die Startlänge muss eine Zahl von 1 bis %1 sein: die Anzahl der Farben in der ersten Runde.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>Die Verzögerung muss eine Zahl von %1 bis %2 Millisekunden sein: die Pause zwischen zwei Aufleuchten, die je %n Millisekunde dauern.</numerusform>
            <numerusform>Die Verzögerung muss eine Zahl von %1 bis %2 Millisekunden sein: die Pause zwischen zwei Aufleuchten, die je %n Millisekunden dauern.</numerusform>
        </translation>
    </message>
</context>
</TS>
