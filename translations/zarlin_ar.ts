<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>القواعد</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>يعرض الحاسوب تسلسلًا من الأزرار الملونة التي تومض واحدًا تلو الآخر، وعلى اللاعب أن يضغط الأزرار بالترتيب الذي ومضت به. إذا طابق اللاعب التسلسل كله، يُعرض تسلسل جديد أطول من السابق بومضة واحدة. ويحصل اللاعب على نقطة واحدة عن كل زر يطابقه بشكل صحيح. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>ويستمر ذلك حتى يخطئ اللاعب، أو حتى ينجح في تكرار تسلسل طوله 128. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>القواعد</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>حول Zarlin</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin، الإصدار %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>من تأليف فريق Zarlin</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>© %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>إن كانت لديك ملاحظات أو أفكار حول هذا البرنامج، فيُرجى إرسالها إلى zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>حول Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>لمعرفة المزيد عن Quorvel Software وعن برامج Quorvel Software الأخرى، يمكنك زيارة موقعنا على الويب. ويمكن الوصول إلى موقعنا من الموقع: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> أو نرسل إليك العنوان الحالي للصفحة الرئيسية لـ Quorvel Software إذا أرسلت رسالة بريد إلكتروني إلى:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>حول المؤلف</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>لمعرفة المزيد عن المؤلف، يمكنك زيارة الموقع:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>الترخيص</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>يمكن قراءة اتفاقية ترخيص Zarlin من القائمة معلومات، حول، Quorvel.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>المفتاح %1</translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>zarlin::MainWindow</name>
    <message>
        <source>&amp;White</source>
        <translation>&amp;أبيض</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>أ&amp;صفر</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>أ&amp;حمر</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>أ&amp;خضر</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>أ&amp;زرق</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>أ&amp;سود</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>الجولة:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>النقاط:</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>الجولة</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>لعبة &amp;جديدة</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;إظهار الأزرار الحالية</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;لعبة</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;خيارات…</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;صوت</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>معل&amp;ومات</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>ال&amp;قواعد</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
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
        <translation>ال&amp;مؤلف</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>ال&amp;ترخيص</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>انتهت اللعبة</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>عذرًا، انتهت اللعبة</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>لقد فزت</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>تهانينا، لقد فزت!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>خيارات Zarlin</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>عدد الألوان</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>أنماط متتابعة</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>طول البداية:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>التأخير (مللي ثانية):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>يجب أن يكون طول البداية رقمًا من 1 إلى %1: وهو عدد ألوان الجولة الأولى.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>يجب أن يكون التأخير بالمللي ثانية رقمًا من %1 إلى %2: وهو المهلة بين ومضتين، تدوم كل منهما %n مللي ثانية.</numerusform>
            <numerusform>يجب أن يكون التأخير بالمللي ثانية رقمًا من %1 إلى %2: وهو المهلة بين ومضتين، تدوم كل منهما %n مللي ثانية.</numerusform>
            <numerusform>يجب أن يكون التأخير بالمللي ثانية رقمًا من %1 إلى %2: وهو المهلة بين ومضتين، تدوم كل منهما %n مللي ثانية.</numerusform>
            <numerusform>يجب أن يكون التأخير بالمللي ثانية رقمًا من %1 إلى %2: وهو المهلة بين ومضتين، تدوم كل منهما %n مللي ثوانٍ.</numerusform>
            <numerusform>يجب أن يكون التأخير بالمللي ثانية رقمًا من %1 إلى %2: وهو المهلة بين ومضتين، تدوم كل منهما %n مللي ثانية.</numerusform>
            <numerusform>يجب أن يكون التأخير بالمللي ثانية رقمًا من %1 إلى %2: وهو المهلة بين ومضتين، تدوم كل منهما %n مللي ثانية.</numerusform>
        </translation>
    </message>
</context>
</TS>
