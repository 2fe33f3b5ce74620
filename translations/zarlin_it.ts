<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>Regole</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>Il computer farà lampeggiare una sequenza di pulsanti colorati. Lo scopo del giocatore è premere i pulsanti nell&apos;ordine in cui hanno lampeggiato. Se il giocatore ripete l&apos;intera sequenza, ne riceve una nuova, più lunga della precedente di 1 lampeggio. Per ogni pulsante ripetuto correttamente, ottiene 1 punto. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>Si continua finché il giocatore non commette un errore o finché non ripete con successo una sequenza di lunghezza 128. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>Regole</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>Informazioni su Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin versione %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>Scritto dal team di Zarlin</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>Se hai commenti o idee su questo programma, inviali a zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>Informazioni su Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Per saperne di più su Quorvel Software e sugli altri programmi di Quorvel Software puoi visitare il nostro sito web. Il nostro sito è raggiungibile dal sito: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Oppure ti invieremo l&apos;URL attuale della home page di Quorvel Software se scrivi un&apos;e-mail a:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Informazioni sull&apos;autore</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Per saperne di più sull&apos;autore, puoi visitare il sito web:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Il contratto di licenza di Zarlin si può leggere dal menu Info, Informazioni su, Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>Tasto %1</translation>
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
        <translation>&amp;Bianco</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Giallo</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rosso</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>Bl&amp;u</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>&amp;Nero</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>Turno:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>Punti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;Mostra pulsanti attuali</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni…</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su</translation>
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
        <translation>&amp;Autore</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licenza</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Spiacente, partita finita</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Hai vinto</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Complimenti, hai vinto!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Opzioni di Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>Numero di colori</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>Schemi sequenziali</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>Lungh. iniziale:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>Ritardo (ms):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>La lunghezza iniziale deve essere un numero da 1 a %1: i colori del primo turno.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>Il ritardo deve essere un numero di millisecondi da %1 a %2: la pausa tra due lampeggi, che durano %n millisecondo ciascuno.</numerusform>
            <numerusform>Il ritardo deve essere un numero di millisecondi da %1 a %2: la pausa tra due lampeggi, che durano %n millisecondi ciascuno.</numerusform>
        </translation>
    </message>
</context>
</TS>
