<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>Komputer pokaże sekwencję błysków kolorowych przycisków. Celem gracza jest naciśnięcie przycisków w kolejności, w jakiej błysnęły. Jeśli gracz odtworzy całą sekwencję, pojawi się nowa, dłuższa od poprzedniej o 1 błysk. Za każdy poprawnie odtworzony przycisk gracz dostaje 1 punkt. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>Gra trwa, dopóki gracz nie popełni błędu albo nie odtworzy bezbłędnie sekwencji o długości 128. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>O grze Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin wersja %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>Autorzy: zespół Zarlin</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>Uwagi i przemyślenia na temat tego programu prosimy przesyłać na adres zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>O firmie Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Aby dowiedzieć się więcej o firmie Quorvel Software i innych programach Quorvel Software, odwiedź naszą witrynę. Nasza witryna jest dostępna ze strony: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Możemy też przesłać aktualny adres URL strony domowej Quorvel Software, jeśli napiszesz na adres:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>O autorze</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Aby dowiedzieć się czegoś o autorze, odwiedź stronę:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>Licencja</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Umowę licencyjną gry Zarlin można przeczytać w menu Informacje, O programie, Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>Klawisz %1</translation>
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
        <translation>&amp;Biały</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>Żół&amp;ty</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Czerwony</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Zielony</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>&amp;Niebieski</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>Cz&amp;arny</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>Runda:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>Runda</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;Pokaż bieżące przyciski</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opcje...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informacje</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Zasady</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
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
        <translation>&amp;Licencja</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Niestety, koniec gry</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Wygrywasz</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Gratulacje, wygrywasz!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Opcje gry Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>Liczba kolorów</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>Wzorce sekwencyjne</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>Dł. startowa:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>Opóźnienie (ms):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>Długość startowa musi być liczbą od 1 do %1: to liczba kolorów w pierwszej rundzie.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>Opóźnienie musi być liczbą milisekund od %1 do %2: to przerwa między dwoma błyskami, z których każdy trwa %n milisekundę.</numerusform>
            <numerusform>Opóźnienie musi być liczbą milisekund od %1 do %2: to przerwa między dwoma błyskami, z których każdy trwa %n milisekundy.</numerusform>
            <numerusform>Opóźnienie musi być liczbą milisekund od %1 do %2: to przerwa między dwoma błyskami, z których każdy trwa %n milisekund.</numerusform>
        </translation>
    </message>
</context>
</TS>
