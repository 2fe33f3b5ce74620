<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>Règles</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>L&apos;ordinateur fait clignoter une séquence de boutons colorés. Le but du joueur est d&apos;appuyer sur les boutons dans l&apos;ordre où ils ont clignoté. Si le joueur reproduit toute la séquence, une nouvelle lui est présentée, plus longue d&apos;un clignotement. Pour chaque bouton correctement reproduit, il gagne 1 point. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>Le jeu continue jusqu&apos;à ce que le joueur se trompe ou qu&apos;il reproduise sans faute une séquence de longueur 128. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>Règles</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>À propos de Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin version %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>Écrit par l&apos;équipe Zarlin</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>Si vous avez des remarques ou des idées sur ce programme, envoyez-les à zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>À propos de Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Pour en savoir plus sur Quorvel Software et les autres programmes de Quorvel Software, visitez notre site web. Notre site est accessible depuis le site : </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Ou bien, nous vous enverrons l&apos;URL actuelle de la page d&apos;accueil de Quorvel Software si vous écrivez à :</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>À propos de l&apos;auteur</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Pour en savoir plus sur l&apos;auteur, visitez le site web :</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>Licence</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Le contrat de licence de Zarlin peut être lu depuis le menu Info, À propos, Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>Touche %1</translation>
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
        <translation>&amp;Blanc</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Jaune</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>Ble&amp;u</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>&amp;Noir</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>Tour :</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;Afficher les boutons actuels</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
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
        <translation>&amp;Auteur</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Licence</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Désolé, partie terminée</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Bravo, vous avez gagné !!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Options de Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>Nb de couleurs</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>Motifs séquentiels</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>Long. initiale :</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>Délai (ms) :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>La longueur initiale doit être un nombre de 1 à %1 : le nombre de couleurs du premier tour.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>Le délai doit être un nombre de millisecondes de %1 à %2 : la pause entre deux clignotements, qui durent chacun %n milliseconde.</numerusform>
            <numerusform>Le délai doit être un nombre de millisecondes de %1 à %2 : la pause entre deux clignotements, qui durent chacun %n millisecondes.</numerusform>
        </translation>
    </message>
</context>
</TS>
