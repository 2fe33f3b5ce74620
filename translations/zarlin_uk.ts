<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>Правила</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>Комп’ютер показує спалахами послідовність кольорових кнопок. Гравець має натиснути кнопки в тому ж порядку, в якому вони спалахнули. Якщо він повторив усю послідовність, з’являється нова, на 1 спалах довша за попередню. За кожну правильно повторену кнопку гравець отримує 1 бал. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>Гра триває, доки гравець не помилиться або не повторить послідовність довжиною 128. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>Правила</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>Про Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin, версія %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>Створено командою Zarlin</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>© %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>Зауваження та думки щодо цієї програми надсилайте, будь ласка, на zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>Про Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Більше про Quorvel Software та інші програми Quorvel Software можна дізнатися на нашому сайті. Потрапити на наш сайт можна із сайту: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Або ми надішлемо вам поточну адресу домашньої сторінки Quorvel Software, якщо ви напишете на адресу:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Про автора</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Дізнатися про автора можна на сайті:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>Ліцензія</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Ліцензійну угоду Zarlin можна прочитати в меню Довідка, Відомості, Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>Клавіша %1</translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>zarlin::MainWindow</name>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Білий</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Жовтий</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Червоний</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Зелений</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>&amp;Синій</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>Ч&amp;орний</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>Раунд:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Бали:</translation>
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
        <translation>Бали</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;Показати поточні кнопки</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Параметри...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Відомості</translation>
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
        <translation>&amp;Ліцензія</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>Кінець гри</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>На жаль, кінець гри</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Перемога</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Вітаємо, ви перемогли!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Параметри Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>Число кольорів</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>Послідовні шаблони</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>Поч. довжина:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>Затримка (мс):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>Початкова довжина має бути числом від 1 до %1: стільки кольорів у першому раунді.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>Затримка має бути числом мілісекунд від %1 до %2: це пауза між двома спалахами, кожен з яких триває %n мілісекунду.</numerusform>
            <numerusform>Затримка має бути числом мілісекунд від %1 до %2: це пауза між двома спалахами, кожен з яких триває %n мілісекунди.</numerusform>
            <numerusform>Затримка має бути числом мілісекунд від %1 до %2: це пауза між двома спалахами, кожен з яких триває %n мілісекунд.</numerusform>
        </translation>
    </message>
</context>
</TS>
