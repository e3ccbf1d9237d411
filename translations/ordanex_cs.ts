<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Cesta ke slučovanému souboru nesmí obsahovat „=“.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Cíl je prázdný. Zadejte celou cestu k souboru, který se má vytvořit, se všemi jeho složkami.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Cíl „%1“ není úplná cesta. Zadejte celou cestu k souboru, který se má vytvořit, se všemi jeho složkami.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Cíl „%1“ je složka. Zadejte celou cestu k souboru v ní, s názvem souboru na konci.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk ve Windows nemůže zapisovat do „%1“: některé jeho znaky nejsou v kódové stránce tohoto systému. Zvolte cíl s jednoduchým názvem.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk ve Windows nedokáže přečíst název „%1“: některé jeho znaky nejsou v kódové stránce tohoto systému. Přejmenujte soubor nebo jeho složku, nebo ho zkopírujte pod jednoduchým názvem.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Cíl „%1“ není soubor, ale zařízení, roura nebo socket. Zvolte jiný cíl.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Cíl je jedním ze slučovaných souborů. Zvolte jiný cíl.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Probíhající sloučení ještě pracuje s „%1“. Slučte znovu, až skončí.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>V „%1“ už je soubor. Nahradit ho výsledkem tohoto sloučení? Stávající soubor pak nepůjde obnovit.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Nástroj pro sloučení „%1“ se nepodařilo spustit: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n soubor byl sloučen do %1.</numerusform>
            <numerusform>%n soubory byly sloučeny do %1.</numerusform>
            <numerusform>%n souborů bylo sloučeno do %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Sloučení do „%1“ se nezdařilo: pdftk ohlásil úspěch, ale nový soubor tam nezanechal.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Sloučení do „%1“ se nezdařilo: pdftk skončil se stavem %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Sloučení do „%1“ se nezdařilo: pdftk skončil se stavem %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Sloučení do „%1“ se nezdařilo: pdftk byl ukončen signálem %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Sloučení do „%1“ se nezdařilo: pdftk byl ukončen signálem %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk ohlásil:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>V cíli nebyl vytvořen žádný soubor.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Soubor v cíli je ten, který tam byl předtím, beze změny: není výsledkem tohoto sloučení.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Soubor v cíli může být neúplný.</translation>
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
        <translation>tento systém ho nedokáže sledovat (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(nenastaveno)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex potřebuje pracovní prostředí (X11 nebo Wayland), ale žádné nebylo dostupné.
Zkoušeno s %1, %2, %3.
Chcete-li ho spustit bez něj, použijte Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Nahradit</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n z vložených souborů nebyl přidán: jeho název není platné UTF-8.</numerusform>
            <numerusform>%n z vložených souborů nebyly přidány: jejich názvy nejsou platné UTF-8.</numerusform>
            <numerusform>%n z vložených souborů nebylo přidáno: jejich názvy nejsou platné UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n z přetažených souborů nebyl přidán: jeho název není platné UTF-8.</numerusform>
            <numerusform>%n z přetažených souborů nebyly přidány: jejich názvy nejsou platné UTF-8.</numerusform>
            <numerusform>%n z přetažených souborů nebylo přidáno: jejich názvy nejsou platné UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n z vložených souborů nebyl přidán: seznam pojme nejvýše %1 souborů.</numerusform>
            <numerusform>%n z vložených souborů nebyly přidány: seznam pojme nejvýše %1 souborů.</numerusform>
            <numerusform>%n z vložených souborů nebylo přidáno: seznam pojme nejvýše %1 souborů.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n z přetažených souborů nebyl přidán: seznam pojme nejvýše %1 souborů.</numerusform>
            <numerusform>%n z přetažených souborů nebyly přidány: seznam pojme nejvýše %1 souborů.</numerusform>
            <numerusform>%n z přetažených souborů nebylo přidáno: seznam pojme nejvýše %1 souborů.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n z vložených položek nebyla přidána: není to soubor v tomto počítači.</numerusform>
            <numerusform>%n z vložených položek nebyly přidány: nejsou to soubory v tomto počítači.</numerusform>
            <numerusform>%n z vložených položek nebylo přidáno: nejsou to soubory v tomto počítači.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n z přetažených položek nebyla přidána: není to soubor v tomto počítači.</numerusform>
            <numerusform>%n z přetažených položek nebyly přidány: nejsou to soubory v tomto počítači.</numerusform>
            <numerusform>%n z přetažených položek nebylo přidáno: nejsou to soubory v tomto počítači.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Soubory PDF ke sloučení (přetáhněte je sem)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Cíl:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Sloučit</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>Na&amp;horu</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Dolů</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Přetáhněte sem soubory ze správce souborů, nebo je tam zkopírujte a vložte je sem pomocí Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Schránka neobsahuje žádné soubory. Vyberte je ve správci souborů a zkopírujte je pomocí Ctrl+C, potom je sem vložte pomocí Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Přidáno: %1; seznam obsahuje %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Přidán %n soubor; seznam obsahuje %1.</numerusform>
            <numerusform>Přidány %n soubory; seznam obsahuje %1.</numerusform>
            <numerusform>Přidáno %n souborů; seznam obsahuje %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
