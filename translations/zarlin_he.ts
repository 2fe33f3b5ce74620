<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>כללים</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>המחשב מציג רצף של כפתורים צבעוניים מהבהבים. על השחקן ללחוץ על הכפתורים לפי הסדר שבו הם הבהבו. אם השחקן חוזר על הרצף כולו, מוצג רצף חדש, ארוך מהקודם בהבהוב אחד. על כל כפתור שהשחקן לוחץ עליו נכון הוא מקבל נקודה אחת. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>כך ממשיכים עד שהשחקן טועה, או עד שהוא חוזר בהצלחה על רצף באורך 128. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>כללים</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>אודות Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin גרסה %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>נכתב על ידי צוות Zarlin</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>© %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>אם יש לך הערות או מחשבות על התוכנה הזו, אפשר לשלוח אותן אל zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>אודות Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>למידע נוסף על Quorvel Software ועל תוכנות אחרות של Quorvel Software אפשר לבקר באתר שלנו. לאתר שלנו אפשר להגיע מהאתר: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> או שנשלח לכם את הכתובת הנוכחית של דף הבית של Quorvel Software אם תשלחו דוא״ל אל:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>אודות המחבר</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>למידע על המחבר אפשר לבקר באתר:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>רישיון</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>את הסכם הרישיון של Zarlin אפשר לקרוא בתפריט מידע, אודות, Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>לבן</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>מקש %1</translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>zarlin::MainWindow</name>
    <message>
        <source>&amp;White</source>
        <translation>&amp;לבן</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;צהוב</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;אדום</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;ירוק</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>&amp;כחול</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>&amp;שחור</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>סיבוב:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>ניקוד:</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>סיבוב</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>משחק &amp;חדש</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;תצוגה</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;הצגת הכפתורים הנוכחיים</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;משחק</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;אפשרויות...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;צליל</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>מי&amp;דע</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;כללים</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
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
        <translation>&amp;מחבר</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;רישיון</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>המשחק נגמר</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>מצטערים, המשחק נגמר</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>ניצחת</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>כל הכבוד, ניצחת!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>אפשרויות Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>מספר צבעים</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>תבניות רציפות</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>אורך התחלתי:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>השהיה (אלפיות שנייה):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>האורך ההתחלתי חייב להיות מספר בין 1 ל־%1: מספר הצבעים בסיבוב הראשון.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>ההשהיה חייבת להיות מספר אלפיות שנייה בין %1 ל־%2: ההפסקה בין שני הבהובים, שכל אחד מהם נמשך %n אלפית שנייה.</numerusform>
            <numerusform>ההשהיה חייבת להיות מספר אלפיות שנייה בין %1 ל־%2: ההפסקה בין שני הבהובים, שכל אחד מהם נמשך %n אלפיות שנייה.</numerusform>
        </translation>
    </message>
</context>
</TS>
