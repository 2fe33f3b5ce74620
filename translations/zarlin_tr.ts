<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>InfoTexts</name>
    <message>
        <source>Rules</source>
        <comment>dialog caption</comment>
        <translation>Kurallar</translation>
    </message>
    <message>
        <source>The computer will flash a sequence of colored buttons. The goal of the player is to press the buttons in the order that they were flashed. If the player matches the whole sequence, a new one is presented which is longer than the previous one by 1 flash. For each button that the player matches correctly, he gets 1 point. </source>
        <translation>Bilgisayar renkli düğmelerden oluşan bir diziyi yakıp söndürecek. Oyuncunun amacı, düğmelere yanıp söndükleri sırayla basmaktır. Oyuncu dizinin tamamını tutturursa, öncekinden 1 yanıp sönme daha uzun yeni bir dizi gelir. Oyuncu doğru tutturduğu her düğme için 1 puan kazanır. </translation>
    </message>
    <message>
        <source>This continues until either the player makes a mistake, or until he successfully duplicates a sequence of length 128. </source>
        <translation>Bu, oyuncu bir hata yapana ya da 128 uzunluğundaki bir diziyi başarıyla tekrarlayana kadar sürer. </translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>heading in the dialog</comment>
        <translation>Kurallar</translation>
    </message>
    <message>
        <source>About Zarlin</source>
        <translation>Zarlin Hakkında</translation>
    </message>
    <message>
        <source>Zarlin version %1</source>
        <translation>Zarlin sürüm %1</translation>
    </message>
    <message>
        <source>Written by the Zarlin team</source>
        <translation>Zarlin ekibi tarafından yazıldı</translation>
    </message>
    <message>
        <source>(C) %1 Quorvel Software</source>
        <translation>(C) %1 Quorvel Software</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to zarlin@example.org</source>
        <translation>Bu program hakkındaki yorum ve düşüncelerinizi şu adrese gönderebilirsiniz: zarlin@example.org</translation>
    </message>
    <message>
        <source>About Quorvel Software</source>
        <translation>Quorvel Software Hakkında</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Quorvel Software ve yaptığı diğer programlar hakkında daha fazla bilgi için web sitemizi ziyaret edebilirsiniz. Web sitemize şu siteden ulaşılabilir: </translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Ya da şu adrese e-posta gönderirseniz size Quorvel Software&apos;in ana sayfasının güncel URL&apos;sini göndeririz:</translation>
    </message>
    <message>
        <source>About Author</source>
        <translation>Yazar Hakkında</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Yazar hakkında bilgi almak için şu web sitesini ziyaret edebilirsiniz:</translation>
    </message>
    <message>
        <source>License</source>
        <comment>dialog caption</comment>
        <translation>Lisans</translation>
    </message>
    <message>
        <source>The license agreement for Zarlin can be read  from the menu Info, About, Quorvel.</source>
        <extracomment>Names the menu path Info &gt; About &gt; Quorvel with this language&apos;s menu items.</extracomment>
        <translation>Zarlin&apos;in lisans sözleşmesi Bilgi, Hakkında, Quorvel menüsünden okunabilir.</translation>
    </message>
</context>
<context>
    <name>zarlin::ColourWindow</name>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>What a screen reader says of a colour button: the key on the keyboard that presses it.</extracomment>
        <translation>Tuş %1</translation>
    </message>
</context>
<context>
    <name>zarlin::InfoDialog</name>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>zarlin::MainWindow</name>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Beyaz</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Sarı</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Kırmızı</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Yeşil</translation>
    </message>
    <message>
        <source>Bl&amp;ue</source>
        <translation>&amp;Mavi</translation>
    </message>
    <message>
        <source>Bl&amp;ack</source>
        <translation>Siya&amp;h</translation>
    </message>
    <message>
        <source>Round:</source>
        <extracomment>The label before the round counter.</extracomment>
        <translation>Tur:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puan:</translation>
    </message>
    <message>
        <source>Round</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the round counter&apos;s value: the round of the game (a sequence one colour longer each time), not a shape.</extracomment>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>counter</comment>
        <extracomment>What a screen reader says after the score counter&apos;s value: the points won so far.</extracomment>
        <translation>Puan</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Yeni Oyun</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Show Current Buttons</source>
        <translation>&amp;Geçerli Düğmeleri Göster</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Seçenekler...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;es</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Bilgi</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Kurallar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
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
        <translation>&amp;Yazar</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Lisans</translation>
    </message>
</context>
<context>
    <name>zarlin::NoticeWindow</name>
    <message>
        <source>Game Over</source>
        <translation>Oyun Bitti</translation>
    </message>
    <message>
        <source>Sorry, Game Over</source>
        <translation>Üzgünüz, Oyun Bitti</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Kazandınız</translation>
    </message>
    <message>
        <source>Congratulations You Win!!</source>
        <translation>Tebrikler, Kazandınız!!</translation>
    </message>
</context>
<context>
    <name>zarlin::OptionsDialog</name>
    <message>
        <source>Options for Zarlin</source>
        <translation>Zarlin Seçenekleri</translation>
    </message>
    <message>
        <source>Number Of Colors</source>
        <translation>Renk Sayısı</translation>
    </message>
    <message>
        <source>Sequential Paterns</source>
        <translation>Ardışık Desenler</translation>
    </message>
    <message>
        <source>Start Length:</source>
        <translation>İlk Uzunluk:</translation>
    </message>
    <message>
        <source>Delay (milliseconds):</source>
        <translation>Gecikme (ms):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>The start length must be a number from 1 to %1: the colours of the first round.</source>
        <translation>İlk uzunluk 1 ile %1 arasında bir sayı olmalıdır: ilk turdaki renklerin sayısı.</translation>
    </message>
    <message numerus="yes">
        <source>The delay must be a number of milliseconds from %1 to %2: the pause between two flashes, which last %n milliseconds each.</source>
        <extracomment>%1 and %2 are the smallest and largest delay; %n is how long each flash lasts.</extracomment>
        <translation>
            <numerusform>Gecikme %1 ile %2 arasında bir milisaniye sayısı olmalıdır: her biri %n milisaniye süren iki yanıp sönme arasındaki bekleme.</numerusform>
        </translation>
    </message>
</context>
</TS>
