<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Путь к объединяемому файлу не должен содержать «=».</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Назначение «%1» не является полным путём. Введите путь к создаваемому файлу целиком, со всеми папками.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Назначение — один из объединяемых файлов. Выберите другое назначение.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Идущее объединение ещё использует «%1». Объедините снова, когда оно закончится.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Файл «%1» уже существует. Заменить его результатом объединения? Текущий файл нельзя будет вернуть.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Не удалось запустить инструмент объединения «%1»: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Назначение «%1» является папкой. Введите путь к файлу в ней целиком, с именем файла в конце.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk в Windows не может записать в «%1»: некоторых символов этого имени нет в кодовой странице этой системы. Выберите назначение с простым именем.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk в Windows не может прочитать имя «%1»: некоторых его символов нет в кодовой странице этой системы. Переименуйте файл или его папку либо скопируйте его под простым именем.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Назначение «%1» — не файл, а устройство, канал или сокет. Выберите другое назначение.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Назначение не указано. Введите путь к создаваемому файлу целиком, со всеми папками.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n файл объединён в %1.</numerusform>
            <numerusform>%n файла объединены в %1.</numerusform>
            <numerusform>%n файлов объединены в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Объединение в «%1» не удалось: pdftk сообщил об успехе, но не оставил там нового файла.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Объединение в «%1» не удалось: pdftk завершился с кодом %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Объединение в «%1» не удалось: pdftk был остановлен сигналом %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Объединение в «%1» не удалось: pdftk был остановлен сигналом %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>Вывод pdftk:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>В назначении не был создан файл.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Файл в назначении — тот, что был там раньше, без изменений: это не результат этого объединения.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Файл в назначении может быть неполным.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Объединение в «%1» не удалось: pdftk завершился с кодом %2 (%3).</translation>
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
        <translation>система не может за ним следить (%1)</translation>
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
        <translation>Ordanex требуется рабочий стол (X11 или Wayland), но ни один не доступен.
Проверено: %1, %2, %3.
Чтобы запустить без рабочего стола, используйте Xvfb: xvfb-run -a ordanex
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
        <translation>&amp;Заменить</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n вставленный файл не добавлен: его имя — недопустимый UTF-8.</numerusform>
            <numerusform>%n вставленных файла не добавлены: их имена — недопустимый UTF-8.</numerusform>
            <numerusform>%n вставленных файлов не добавлены: их имена — недопустимый UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n перетащенный файл не добавлен: его имя — недопустимый UTF-8.</numerusform>
            <numerusform>%n перетащенных файла не добавлены: их имена — недопустимый UTF-8.</numerusform>
            <numerusform>%n перетащенных файлов не добавлены: их имена — недопустимый UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n вставленный файл не добавлен: в списке может быть не больше %1 файлов.</numerusform>
            <numerusform>%n вставленных файла не добавлены: в списке может быть не больше %1 файлов.</numerusform>
            <numerusform>%n вставленных файлов не добавлены: в списке может быть не больше %1 файлов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n перетащенный файл не добавлен: в списке может быть не больше %1 файлов.</numerusform>
            <numerusform>%n перетащенных файла не добавлены: в списке может быть не больше %1 файлов.</numerusform>
            <numerusform>%n перетащенных файлов не добавлены: в списке может быть не больше %1 файлов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n вставленный элемент не добавлен: это не файл на этом компьютере.</numerusform>
            <numerusform>%n вставленных элемента не добавлены: это не файлы на этом компьютере.</numerusform>
            <numerusform>%n вставленных элементов не добавлены: это не файлы на этом компьютере.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n перетащенный элемент не добавлен: это не файл на этом компьютере.</numerusform>
            <numerusform>%n перетащенных элемента не добавлены: это не файлы на этом компьютере.</numerusform>
            <numerusform>%n перетащенных элементов не добавлены: это не файлы на этом компьютере.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Список PDF-файлов для объединения (перетащите файлы сюда)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Назначение:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Объединить</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Выше</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Ниже</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Перетащите сюда файлы из файлового менеджера или скопируйте их там и вставьте сюда сочетанием Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>В буфере обмена нет файлов. Выделите их в файловом менеджере и скопируйте сочетанием Ctrl+C, затем вставьте сюда сочетанием Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Добавлен %1; файлов в списке: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Добавлен %n файл; файлов в списке: %1.</numerusform>
            <numerusform>Добавлено %n файла; файлов в списке: %1.</numerusform>
            <numerusform>Добавлено %n файлов; файлов в списке: %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
