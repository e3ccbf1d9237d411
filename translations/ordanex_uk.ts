<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Шлях до файлу для об’єднання не повинен містити «=».</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Призначення «%1» не є повним шляхом. Введіть увесь шлях до файлу, який треба створити, з усіма теками.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Призначення — один із файлів для об’єднання. Виберіть інше призначення.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Поточне об’єднання ще використовує «%1». Об’єднайте знову, коли воно завершиться.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Файл «%1» уже існує. Замінити його результатом цього об’єднання? Поточний файл не можна буде відновити.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Не вдалося запустити засіб об’єднання «%1»: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Призначення «%1» є текою. Введіть увесь шлях до файлу в ній, з назвою файлу в кінці.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk у Windows не може записати до «%1»: деяких символів цієї назви немає в кодовій сторінці цієї системи. Виберіть призначення з простою назвою.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk у Windows не може прочитати назву «%1»: деяких її символів немає в кодовій сторінці цієї системи. Перейменуйте файл або його теку чи скопіюйте його під простою назвою.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Призначення «%1» — не файл, а пристрій, канал або сокет. Виберіть інше призначення.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Призначення порожнє. Введіть увесь шлях до файлу, який треба створити, з усіма теками.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n файл об’єднано в %1.</numerusform>
            <numerusform>%n файли об’єднано в %1.</numerusform>
            <numerusform>%n файлів об’єднано в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Об’єднання в «%1» не вдалося: pdftk повідомив про успіх, але не залишив там нового файлу.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Об’єднання в «%1» не вдалося: pdftk завершився з кодом %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Об’єднання в «%1» не вдалося: pdftk було зупинено сигналом %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Об’єднання в «%1» не вдалося: pdftk було зупинено сигналом %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>Вивід pdftk:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>У призначенні не створено файлу.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Файл у призначенні — той, що був там раніше, без змін: це не результат цього об’єднання.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Файл у призначенні може бути неповним.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Об’єднання в «%1» не вдалося: pdftk завершився з кодом %2 (%3).</translation>
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
        <translation>система не може за ним стежити (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex потребує робочого столу (X11 або Wayland), але жоден не доступний.
Перевірено: %1, %2, %3.
Щоб запустити без робочого столу, скористайтеся Xvfb: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(не задано)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Замінити</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>і ще %n</numerusform>
            <numerusform>і ще %n</numerusform>
            <numerusform>і ще %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n вставлений файл не додано: його назва — некоректний UTF-8.</numerusform>
            <numerusform>%n вставлені файли не додано: їхні назви — некоректний UTF-8.</numerusform>
            <numerusform>%n вставлених файлів не додано: їхні назви — некоректний UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n перетягнутий файл не додано: його назва — некоректний UTF-8.</numerusform>
            <numerusform>%n перетягнуті файли не додано: їхні назви — некоректний UTF-8.</numerusform>
            <numerusform>%n перетягнутих файлів не додано: їхні назви — некоректний UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n вставлений файл не додано: у списку може бути щонайбільше %1 файлів.</numerusform>
            <numerusform>%n вставлені файли не додано: у списку може бути щонайбільше %1 файлів.</numerusform>
            <numerusform>%n вставлених файлів не додано: у списку може бути щонайбільше %1 файлів.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n перетягнутий файл не додано: у списку може бути щонайбільше %1 файлів.</numerusform>
            <numerusform>%n перетягнуті файли не додано: у списку може бути щонайбільше %1 файлів.</numerusform>
            <numerusform>%n перетягнутих файлів не додано: у списку може бути щонайбільше %1 файлів.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n вставлений елемент не додано: це не файл на цьому комп’ютері.</numerusform>
            <numerusform>%n вставлені елементи не додано: це не файли на цьому комп’ютері.</numerusform>
            <numerusform>%n вставлених елементів не додано: це не файли на цьому комп’ютері.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n перетягнутий елемент не додано: це не файл на цьому комп’ютері.</numerusform>
            <numerusform>%n перетягнуті елементи не додано: це не файли на цьому комп’ютері.</numerusform>
            <numerusform>%n перетягнутих елементів не додано: це не файли на цьому комп’ютері.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Список PDF-файлів для об’єднання (перетягніть файли сюди)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Призначення:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Об’єднати</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Вище</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Нижче</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Перетягніть сюди файли з файлового менеджера або скопіюйте їх там і вставте сюди за допомогою Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>У буфері обміну немає файлів. Позначте їх у файловому менеджері й скопіюйте за допомогою Ctrl+C, а тоді вставте сюди за допомогою Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Додано %1; файлів у списку: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Додано %n файл; файлів у списку: %1.</numerusform>
            <numerusform>Додано %n файли; файлів у списку: %1.</numerusform>
            <numerusform>Додано %n файлів; файлів у списку: %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
