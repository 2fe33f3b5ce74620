<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>Правила</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>Компьютер показывает вспышками последовательность цветных кнопок. Игрок должен нажать кнопки в том же порядке, в каком они вспыхнули. Если он повторил всю последовательность, появляется новая, на 1 вспышку длиннее предыдущей. За каждую верно повторённую кнопку игрок получает 1 очко. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>Игра продолжается, пока игрок не ошибётся или не повторит последовательность длиной 128. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>Правила</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>О программе Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin, версия %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>Создано командой Zarlin</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>© %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>Замечания и мысли об этой программе присылайте, пожалуйста, на zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>О Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Больше о Quorvel Software и о других программах Quorvel Software можно узнать на нашем сайте. Попасть на наш сайт можно с сайта: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Или мы пришлём вам текущий адрес домашней страницы Quorvel Software, если вы напишете по адресу:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Об авторе</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Узнать об авторе можно на сайте:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>Лицензия</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Лицензионное соглашение Zarlin можно прочитать в меню Справка, Сведения, Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>Клавиша %1</translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>zarlin::MainWindow</name>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Белый</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Жёлтый</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Красный</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Зелёный</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>&amp;Синий</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>&amp;Чёрный</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>Раунд:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>Раунд</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>Очки</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;Показать текущие кнопки</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Параметры...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Сведения</translation>
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
        <translation>&amp;Автор</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Лицензия</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Увы, игра окончена</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Поздравляем с победой!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Параметры Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>Число цветов</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>Последоват. шаблоны</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>Нач. длина:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>Задержка (мс):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>Начальная длина должна быть числом от 1 до %1: столько цветов в первом раунде.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>Задержка должна быть числом миллисекунд от %1 до %2: это пауза между двумя вспышками, каждая из которых длится %n миллисекунду.</numerusform>
            <numerusform>Задержка должна быть числом миллисекунд от %1 до %2: это пауза между двумя вспышками, каждая из которых длится %n миллисекунды.</numerusform>
            <numerusform>Задержка должна быть числом миллисекунд от %1 до %2: это пауза между двумя вспышками, каждая из которых длится %n миллисекунд.</numerusform>
        </translation>
    </message>
</context>
</TS>
