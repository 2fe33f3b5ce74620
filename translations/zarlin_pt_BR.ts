<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>Regras</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>O computador vai piscar uma sequência de botões coloridos. O objetivo do jogador é apertar os botões na ordem em que piscaram. Se o jogador acertar a sequência inteira, surge uma nova, 1 piscada mais longa que a anterior. Para cada botão que acertar, o jogador ganha 1 ponto. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>Isso continua até que o jogador erre ou até que repita com sucesso uma sequência de tamanho 128. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>Regras</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>Sobre o Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin versão %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>Escrito pela equipe do Zarlin</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>Se tiver comentários ou ideias sobre este programa, envie-os para zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>Sobre a Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Para saber mais sobre a Quorvel Software e sobre outros programas feitos pela Quorvel Software, visite nosso site. Nosso site pode ser acessado a partir do site: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Ou, se você mandar um e-mail para o endereço abaixo, enviaremos o URL atual da página inicial da Quorvel Software:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Sobre o autor</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Para saber mais sobre o autor, você pode visitar o site:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>Licença</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>O contrato de licença do Zarlin pode ser lido no menu Informações, Sobre, Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>Tecla %1</translation>
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
        <translation>&amp;Branco</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Amarelo</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Vermelho</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>Ver&amp;de</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>Az&amp;ul</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>&amp;Preto</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>Fase:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;Mostrar botões atuais</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informações</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regras</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
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
        <translation>&amp;Licença</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Que pena, fim de jogo</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Você venceu</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Parabéns, você venceu!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Opções do Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>Número de cores</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>Padrões sequenciais</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>Tam. inicial:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>Atraso (ms):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>O tamanho inicial deve ser um número de 1 a %1: as cores da primeira fase.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>O atraso deve ser um número de milissegundos de %1 a %2: a pausa entre duas piscadas, que duram %n milissegundo cada.</numerusform>
            <numerusform>O atraso deve ser um número de milissegundos de %1 a %2: a pausa entre duas piscadas, que duram %n milissegundos cada.</numerusform>
        </translation>
    </message>
</context>
</TS>
