<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Пътят на файл за обединяване не може да съдържа „=“.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Местоназначението е празно. Въведете целия път на файла, който да се създаде, с всичките му папки.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Местоназначението „%1“ не е пълен път. Въведете целия път на файла, който да се създаде, с всичките му папки.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Местоназначението „%1“ е папка. Въведете целия път на файл в нея, с името на файла накрая.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk под Windows не може да пише в „%1“: някои от знаците му липсват в кодовата страница на тази система. Изберете местоназначение с просто име.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk под Windows не може да прочете името „%1“: някои от знаците му липсват в кодовата страница на тази система. Преименувайте файла или папката му или го копирайте под просто име.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Местоназначението „%1“ не е файл, а устройство, канал или сокет. Изберете друго местоназначение.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Местоназначението е един от файловете за обединяване. Изберете друго местоназначение.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Обединяване, което още тече, работи с „%1“. Обединете отново, след като то приключи.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>На „%1“ вече има файл. Да бъде ли заменен с резултата от това обединяване? Сегашният файл няма да може да бъде възстановен.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Инструментът за обединяване „%1“ не можа да бъде стартиран: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n файл е обединен в %1.</numerusform>
            <numerusform>%n файла са обединени в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Обединяването в „%1“ е неуспешно: pdftk съобщи за успех, но не остави там нов файл.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Обединяването в „%1“ е неуспешно: pdftk завърши с код %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Обединяването в „%1“ е неуспешно: pdftk завърши с код %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Обединяването в „%1“ е неуспешно: pdftk беше спрян от сигнал %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Обединяването в „%1“ е неуспешно: pdftk беше спрян от сигнал %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk съобщи:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>В местоназначението не е създаден файл.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Файлът в местоназначението е този, който беше там и преди, непроменен: той не е резултат от това обединяване.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Файлът в местоназначението може да е непълен.</translation>
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
        <translation>системата не може да го наблюдава (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(не е зададено)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex се нуждае от работна среда (X11 или Wayland), но не беше открита такава.
Опитано с %1, %2, %3.
За да го стартирате без работна среда, използвайте Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Замяна</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>и още %n</numerusform>
            <numerusform>и още %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n от поставените файлове не беше добавен: името му не е валиден UTF-8.</numerusform>
            <numerusform>%n от поставените файлове не бяха добавени: имената им не са валиден UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n от пуснатите файлове не беше добавен: името му не е валиден UTF-8.</numerusform>
            <numerusform>%n от пуснатите файлове не бяха добавени: имената им не са валиден UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n от поставените файлове не беше добавен: списъкът побира най-много %1 файла.</numerusform>
            <numerusform>%n от поставените файлове не бяха добавени: списъкът побира най-много %1 файла.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n от пуснатите файлове не беше добавен: списъкът побира най-много %1 файла.</numerusform>
            <numerusform>%n от пуснатите файлове не бяха добавени: списъкът побира най-много %1 файла.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n от поставените елементи не беше добавен: той не е файл на този компютър.</numerusform>
            <numerusform>%n от поставените елементи не бяха добавени: те не са файлове на този компютър.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n от пуснатите елементи не беше добавен: той не е файл на този компютър.</numerusform>
            <numerusform>%n от пуснатите елементи не бяха добавени: те не са файлове на този компютър.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>PDF файлове за обединяване (пуснете файловете тук)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Местоназначение:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Обедини</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Горе</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Долу</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Пуснете тук файлове от файловия мениджър или ги копирайте там и ги поставете тук с Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>В буфера няма файлове. Изберете ги във файловия мениджър и ги копирайте с Ctrl+C, след това ги поставете тук с Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Добавен е %1; в списъка има %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Добавен е %n файл; в списъка има %1.</numerusform>
            <numerusform>Добавени са %n файла; в списъка има %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
