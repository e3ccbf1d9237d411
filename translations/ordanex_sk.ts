<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Cesta k zlučovanému súboru nesmie obsahovať „=“.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Cieľ je prázdny. Zadajte celú cestu k súboru, ktorý sa má vytvoriť, so všetkými jeho priečinkami.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Cieľ „%1“ nie je úplná cesta. Zadajte celú cestu k súboru, ktorý sa má vytvoriť, so všetkými jeho priečinkami.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Cieľ „%1“ je priečinok. Zadajte celú cestu k súboru v ňom, s názvom súboru na konci.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk vo Windows nemôže zapisovať do „%1“: niektoré jeho znaky nie sú v kódovej stránke tohto systému. Zvoľte cieľ s jednoduchým názvom.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk vo Windows nedokáže prečítať názov „%1“: niektoré jeho znaky nie sú v kódovej stránke tohto systému. Premenujte súbor alebo jeho priečinok, alebo ho skopírujte pod jednoduchým názvom.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Cieľ „%1“ nie je súbor, ale zariadenie, rúra alebo soket. Zvoľte iný cieľ.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Cieľ je jedným zo zlučovaných súborov. Zvoľte iný cieľ.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Prebiehajúce zlúčenie ešte pracuje s „%1“. Zlúčte znova, keď skončí.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>V „%1“ už je súbor. Nahradiť ho výsledkom tohto zlúčenia? Súčasný súbor potom nebude možné obnoviť.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Nástroj na zlúčenie „%1“ sa nepodarilo spustiť: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n súbor bol zlúčený do %1.</numerusform>
            <numerusform>%n súbory boli zlúčené do %1.</numerusform>
            <numerusform>%n súborov bolo zlúčených do %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Zlúčenie do „%1“ zlyhalo: pdftk ohlásil úspech, ale nový súbor tam nenechal.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Zlúčenie do „%1“ zlyhalo: pdftk skončil so stavom %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Zlúčenie do „%1“ zlyhalo: pdftk skončil so stavom %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Zlúčenie do „%1“ zlyhalo: pdftk bol ukončený signálom %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Zlúčenie do „%1“ zlyhalo: pdftk bol ukončený signálom %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk ohlásil:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>V cieli sa nevytvoril žiadny súbor.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Súbor v cieli je ten, ktorý tam bol predtým, bez zmeny: nie je výsledkom tohto zlúčenia.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Súbor v cieli môže byť neúplný.</translation>
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
        <translation>tento systém ho nedokáže sledovať (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(nenastavené)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex potrebuje pracovné prostredie (X11 alebo Wayland), ale žiadne nebolo dostupné.
Skúšané s %1, %2, %3.
Ak ho chcete spustiť bez neho, použite Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Nahradiť</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>a %n ďalší</numerusform>
            <numerusform>a %n ďalšie</numerusform>
            <numerusform>a %n ďalších</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n z vložených súborov nebol pridaný: jeho názov nie je platné UTF-8.</numerusform>
            <numerusform>%n z vložených súborov neboli pridané: ich názvy nie sú platné UTF-8.</numerusform>
            <numerusform>%n z vložených súborov nebolo pridaných: ich názvy nie sú platné UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n z pretiahnutých súborov nebol pridaný: jeho názov nie je platné UTF-8.</numerusform>
            <numerusform>%n z pretiahnutých súborov neboli pridané: ich názvy nie sú platné UTF-8.</numerusform>
            <numerusform>%n z pretiahnutých súborov nebolo pridaných: ich názvy nie sú platné UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n z vložených súborov nebol pridaný: zoznam pojme najviac %1 súborov.</numerusform>
            <numerusform>%n z vložených súborov neboli pridané: zoznam pojme najviac %1 súborov.</numerusform>
            <numerusform>%n z vložených súborov nebolo pridaných: zoznam pojme najviac %1 súborov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n z pretiahnutých súborov nebol pridaný: zoznam pojme najviac %1 súborov.</numerusform>
            <numerusform>%n z pretiahnutých súborov neboli pridané: zoznam pojme najviac %1 súborov.</numerusform>
            <numerusform>%n z pretiahnutých súborov nebolo pridaných: zoznam pojme najviac %1 súborov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n z vložených položiek nebola pridaná: nie je to súbor v tomto počítači.</numerusform>
            <numerusform>%n z vložených položiek neboli pridané: nie sú to súbory v tomto počítači.</numerusform>
            <numerusform>%n z vložených položiek nebolo pridaných: nie sú to súbory v tomto počítači.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n z pretiahnutých položiek nebola pridaná: nie je to súbor v tomto počítači.</numerusform>
            <numerusform>%n z pretiahnutých položiek neboli pridané: nie sú to súbory v tomto počítači.</numerusform>
            <numerusform>%n z pretiahnutých položiek nebolo pridaných: nie sú to súbory v tomto počítači.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Zoznam PDF súborov na zlúčenie (pretiahnite súbory sem)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Cieľ:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Zlúčiť</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Hore</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Dole</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Pretiahnite sem súbory zo správcu súborov, alebo ich tam skopírujte a vložte ich sem pomocou Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Schránka neobsahuje žiadne súbory. Vyberte ich v správcovi súborov a skopírujte ich pomocou Ctrl+C, potom ich sem vložte pomocou Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Pridané: %1; zoznam obsahuje %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Pridaný %n súbor; zoznam obsahuje %1.</numerusform>
            <numerusform>Pridané %n súbory; zoznam obsahuje %1.</numerusform>
            <numerusform>Pridaných %n súborov; zoznam obsahuje %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
