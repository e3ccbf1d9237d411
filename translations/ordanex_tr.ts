<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Birleştirilecek bir dosyanın yolunda &quot;=&quot; bulunamaz.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Hedef boş. Oluşturulacak dosyanın tüm klasörleriyle birlikte tam yolunu yazın.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>&quot;%1&quot; hedefi tam bir yol değil. Oluşturulacak dosyanın tüm klasörleriyle birlikte tam yolunu yazın.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>&quot;%1&quot; hedefi bir klasör. İçindeki bir dosyanın tam yolunu, sonunda dosyanın adıyla yazın.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>Windows&apos;taki pdftk &quot;%1&quot; konumuna yazamaz: bazı karakterleri bu sistemin kod sayfasında yok. Basit adlı bir hedef seçin.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>Windows&apos;taki pdftk &quot;%1&quot; adını okuyamaz: bazı karakterleri bu sistemin kod sayfasında yok. Dosyayı ya da klasörünü yeniden adlandırın veya onu basit bir adla kopyalayın.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>&quot;%1&quot; hedefi bir dosya değil; bir aygıt, bir boru ya da bir soket. Başka bir hedef seçin.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Hedef, birleştirilecek dosyalardan biri. Başka bir hedef seçin.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Sürmekte olan bir birleştirme hâlâ &quot;%1&quot; ile çalışıyor. O bittiğinde yeniden birleştirin.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>&quot;%1&quot; konumunda zaten bir dosya var. Bu birleştirmenin sonucuyla değiştirilsin mi? Şu anki dosya geri getirilemez.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>&quot;%1&quot; birleştirme aracı başlatılamadı: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n dosya %1 içinde birleştirildi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>&quot;%1&quot; içine birleştirme başarısız oldu: pdftk başarılı olduğunu bildirdi, ama orada yeni bir dosya bırakmadı.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>&quot;%1&quot; içine birleştirme başarısız oldu: pdftk %2 durumuyla sonlandı.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>&quot;%1&quot; içine birleştirme başarısız oldu: pdftk %2 (%3) durumuyla sonlandı.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>&quot;%1&quot; içine birleştirme başarısız oldu: pdftk %2 sinyaliyle durduruldu.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>&quot;%1&quot; içine birleştirme başarısız oldu: pdftk %2 (%3) sinyaliyle durduruldu.</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk şunu bildirdi:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Hedefte hiçbir dosya oluşturulmadı.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Hedefteki dosya, daha önce orada olan dosya, değişmeden duruyor: bu birleştirmenin sonucu değil.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Hedefteki dosya eksik olabilir.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ToolStarter</name>
    <message>
        <source>this system cannot watch it (%1)</source>
        <extracomment>Why the merge tool could not be started; %1 is the system&apos;s words.</extracomment>
        <translation>bu sistem onu izleyemiyor (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(ayarlanmamış)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex bir masaüstü (X11 ya da Wayland) gerektirir, ancak hiçbirine ulaşılamadı.
Şunlarla denendi: %1, %2, %3.
Masaüstü olmadan çalıştırmak için Xvfb altında başlatın: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Değiştir</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>ve %n tane daha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>Yapıştırılan dosyalardan %n tanesi eklenmedi: adları geçerli UTF-8 değil.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>Bırakılan dosyalardan %n tanesi eklenmedi: adları geçerli UTF-8 değil.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>Yapıştırılan dosyalardan %n tanesi eklenmedi: liste en çok %1 dosya alır.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>Bırakılan dosyalardan %n tanesi eklenmedi: liste en çok %1 dosya alır.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>Yapıştırılan ögelerden %n tanesi eklenmedi: bu bilgisayardaki dosyalar değiller.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>Bırakılan ögelerden %n tanesi eklenmedi: bu bilgisayardaki dosyalar değiller.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Birleştirilecek PDF dosyalarının listesi (dosyaları buraya bırakın)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Hedef:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Birleştir</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Yukarı</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Aşağı</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Dosyaları dosya yöneticisinden buraya bırakın ya da orada kopyalayıp buraya Ctrl+V ile yapıştırın.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Panoda hiç dosya yok. Dosyaları dosya yöneticinizde seçip Ctrl+C ile kopyalayın, sonra buraya Ctrl+V ile yapıştırın.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>%1 eklendi; listede %2 dosya var.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>%n dosya eklendi; listede %1 dosya var.</numerusform>
        </translation>
    </message>
</context>
</TS>
