<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Der Pfad einer zu verbindenden Datei darf kein „=“ enthalten.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Das Ziel „%1“ ist kein vollständiger Pfad. Geben Sie den ganzen Pfad der zu erstellenden Datei mit allen Ordnern ein.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Das Ziel ist eine der zu verbindenden Dateien. Wählen Sie ein anderes Ziel.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Ein laufender Vorgang verwendet „%1“ noch. Verbinden Sie erneut, sobald er beendet ist.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Unter „%1“ gibt es bereits eine Datei. Soll sie durch das Ergebnis ersetzt werden? Die vorhandene Datei lässt sich danach nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Das Werkzeug „%1“ zum Verbinden konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Das Ziel „%1“ ist ein Ordner. Geben Sie den ganzen Pfad einer Datei darin ein, mit dem Namen der Datei am Ende.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk unter Windows kann nicht nach „%1“ schreiben: Einige Zeichen des Namens fehlen in der Codepage dieses Systems. Wählen Sie ein Ziel mit einem einfachen Namen.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk unter Windows kann den Namen „%1“ nicht lesen: Einige seiner Zeichen fehlen in der Codepage dieses Systems. Benennen Sie die Datei oder ihren Ordner um, oder kopieren Sie sie unter einem einfachen Namen.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Das Ziel „%1“ ist keine Datei, sondern ein Gerät, eine Pipe oder ein Socket. Wählen Sie ein anderes Ziel.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Das Ziel ist leer. Geben Sie den ganzen Pfad der zu erstellenden Datei mit allen Ordnern ein.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n Datei wurde zu %1 verbunden.</numerusform>
            <numerusform>%n Dateien wurden zu %1 verbunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Die Dateien konnten nicht zu „%1“ verbunden werden: pdftk meldete Erfolg, hat dort aber keine neue Datei hinterlassen.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Die Dateien konnten nicht zu „%1“ verbunden werden: pdftk endete mit Status %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Die Dateien konnten nicht zu „%1“ verbunden werden: pdftk wurde durch Signal %2 beendet.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Die Dateien konnten nicht zu „%1“ verbunden werden: pdftk wurde durch Signal %2 (%3) beendet.</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk meldete:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Am Ziel wurde keine Datei erstellt.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Die Datei am Ziel ist die vorherige, unverändert: Sie ist nicht das Ergebnis dieses Vorgangs.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Die Datei am Ziel ist möglicherweise unvollständig.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Die Dateien konnten nicht zu „%1“ verbunden werden: pdftk endete mit Status %2 (%3).</translation>
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
        <translation>das System kann es nicht überwachen (%1)</translation>
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
        <translation>Ordanex braucht eine Arbeitsumgebung (X11 oder Wayland), aber keine war erreichbar.
Versucht mit %1, %2, %3.
Um es ohne eine zu starten, verwenden Sie Xvfb: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(nicht gesetzt)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Ersetzen</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n der eingefügten Dateien wurde nicht hinzugefügt: Ihr Name ist kein gültiges UTF-8.</numerusform>
            <numerusform>%n der eingefügten Dateien wurden nicht hinzugefügt: Ihre Namen sind kein gültiges UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n der abgelegten Dateien wurde nicht hinzugefügt: Ihr Name ist kein gültiges UTF-8.</numerusform>
            <numerusform>%n der abgelegten Dateien wurden nicht hinzugefügt: Ihre Namen sind kein gültiges UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n der eingefügten Dateien wurde nicht hinzugefügt: Die Liste fasst höchstens %1 Dateien.</numerusform>
            <numerusform>%n der eingefügten Dateien wurden nicht hinzugefügt: Die Liste fasst höchstens %1 Dateien.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n der abgelegten Dateien wurde nicht hinzugefügt: Die Liste fasst höchstens %1 Dateien.</numerusform>
            <numerusform>%n der abgelegten Dateien wurden nicht hinzugefügt: Die Liste fasst höchstens %1 Dateien.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n der eingefügten Einträge wurde nicht hinzugefügt: Er ist keine Datei auf diesem Rechner.</numerusform>
            <numerusform>%n der eingefügten Einträge wurden nicht hinzugefügt: Sie sind keine Dateien auf diesem Rechner.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n der abgelegten Einträge wurde nicht hinzugefügt: Er ist keine Datei auf diesem Rechner.</numerusform>
            <numerusform>%n der abgelegten Einträge wurden nicht hinzugefügt: Sie sind keine Dateien auf diesem Rechner.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Zu verbindende PDF-Dateien (Dateien hierher ziehen)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Auf</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>A&amp;b</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Ziehen Sie Dateien aus der Dateiverwaltung hierher, oder kopieren Sie sie dort und fügen Sie sie hier mit Strg+V ein.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Die Zwischenablage enthält keine Dateien. Wählen Sie sie in Ihrer Dateiverwaltung aus, kopieren Sie sie mit Strg+C und fügen Sie sie hier mit Strg+V ein.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>%1 hinzugefügt; die Liste enthält %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>%n Datei hinzugefügt; die Liste enthält %1.</numerusform>
            <numerusform>%n Dateien hinzugefügt; die Liste enthält %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
