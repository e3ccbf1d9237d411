<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Ścieżka pliku do połączenia nie może zawierać znaku „=”.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Miejsce docelowe „%1” nie jest pełną ścieżką. Wpisz całą ścieżkę tworzonego pliku, ze wszystkimi folderami.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Miejsce docelowe jest jednym z plików do połączenia. Wybierz inne miejsce docelowe.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Trwające łączenie nadal używa pliku „%1”. Połącz ponownie, gdy się zakończy.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>W miejscu „%1” istnieje już plik. Zastąpić go wynikiem tego łączenia? Obecnego pliku nie będzie można odzyskać.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Nie można uruchomić narzędzia do łączenia „%1”: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Miejsce docelowe „%1” jest folderem. Wpisz całą ścieżkę pliku w tym folderze, z nazwą pliku na końcu.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk w systemie Windows nie może zapisać do „%1”: niektórych znaków tej nazwy nie ma w stronie kodowej tego systemu. Wybierz miejsce docelowe o prostej nazwie.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk w systemie Windows nie może odczytać nazwy „%1”: niektórych jej znaków nie ma w stronie kodowej tego systemu. Zmień nazwę pliku lub jego folderu albo skopiuj go pod prostą nazwą.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Miejsce docelowe „%1” nie jest plikiem, lecz urządzeniem, potokiem lub gniazdem. Wybierz inne miejsce docelowe.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Miejsce docelowe jest puste. Wpisz całą ścieżkę tworzonego pliku, ze wszystkimi folderami.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>Połączono %n plik w %1.</numerusform>
            <numerusform>Połączono %n pliki w %1.</numerusform>
            <numerusform>Połączono %n plików w %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Łączenie w „%1” nie powiodło się: pdftk zgłosił powodzenie, ale nie zostawił tam nowego pliku.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Łączenie w „%1” nie powiodło się: pdftk zakończył działanie ze stanem %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Łączenie w „%1” nie powiodło się: pdftk został zatrzymany sygnałem %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Łączenie w „%1” nie powiodło się: pdftk został zatrzymany sygnałem %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk zgłosił:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>W miejscu docelowym nie utworzono pliku.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Plik w miejscu docelowym jest tym, który był tam wcześniej, niezmieniony: nie jest wynikiem tego łączenia.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Plik w miejscu docelowym może być niekompletny.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Łączenie w „%1” nie powiodło się: pdftk zakończył działanie ze stanem %2 (%3).</translation>
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
        <translation>system nie może go nadzorować (%1)</translation>
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
        <translation>Ordanex wymaga środowiska graficznego (X11 lub Wayland), a żadne nie było dostępne.
Próbowano z %1, %2, %3.
Aby uruchomić go bez niego, użyj Xvfb: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(nieustawione)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Zastąp</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>i %n inny</numerusform>
            <numerusform>i %n inne</numerusform>
            <numerusform>i %n innych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n wklejony plik nie został dodany: jego nazwa nie jest poprawnym tekstem UTF-8.</numerusform>
            <numerusform>%n wklejone pliki nie zostały dodane: ich nazwy nie są poprawnym tekstem UTF-8.</numerusform>
            <numerusform>%n wklejonych plików nie zostało dodanych: ich nazwy nie są poprawnym tekstem UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n upuszczony plik nie został dodany: jego nazwa nie jest poprawnym tekstem UTF-8.</numerusform>
            <numerusform>%n upuszczone pliki nie zostały dodane: ich nazwy nie są poprawnym tekstem UTF-8.</numerusform>
            <numerusform>%n upuszczonych plików nie zostało dodanych: ich nazwy nie są poprawnym tekstem UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n wklejony plik nie został dodany: lista mieści najwyżej %1 plików.</numerusform>
            <numerusform>%n wklejone pliki nie zostały dodane: lista mieści najwyżej %1 plików.</numerusform>
            <numerusform>%n wklejonych plików nie zostało dodanych: lista mieści najwyżej %1 plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n upuszczony plik nie został dodany: lista mieści najwyżej %1 plików.</numerusform>
            <numerusform>%n upuszczone pliki nie zostały dodane: lista mieści najwyżej %1 plików.</numerusform>
            <numerusform>%n upuszczonych plików nie zostało dodanych: lista mieści najwyżej %1 plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n wklejony element nie został dodany: nie jest plikiem na tym komputerze.</numerusform>
            <numerusform>%n wklejone elementy nie zostały dodane: nie są plikami na tym komputerze.</numerusform>
            <numerusform>%n wklejonych elementów nie zostało dodanych: nie są plikami na tym komputerze.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n upuszczony element nie został dodany: nie jest plikiem na tym komputerze.</numerusform>
            <numerusform>%n upuszczone elementy nie zostały dodane: nie są plikami na tym komputerze.</numerusform>
            <numerusform>%n upuszczonych elementów nie zostało dodanych: nie są plikami na tym komputerze.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Lista plików PDF do połączenia (upuść pliki tutaj)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Miejsce docelowe:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Połącz</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Wyżej</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Niżej</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Upuść tutaj pliki z menedżera plików albo skopiuj je tam i wklej tutaj skrótem Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Schowek nie zawiera plików. Zaznacz je w menedżerze plików i skopiuj skrótem Ctrl+C, a następnie wklej tutaj skrótem Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Dodano %1; na liście jest plików: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Dodano %n plik; na liście jest plików: %1.</numerusform>
            <numerusform>Dodano %n pliki; na liście jest plików: %1.</numerusform>
            <numerusform>Dodano %n plików; na liście jest plików: %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
