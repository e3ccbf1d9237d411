<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Az egyesítendő fájl elérési útja nem tartalmazhat „=” jelet.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>A cél üres. Írja be a létrehozandó fájl teljes elérési útját, minden mappájával együtt.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>A(z) „%1” cél nem teljes elérési út. Írja be a létrehozandó fájl teljes elérési útját, minden mappájával együtt.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>A(z) „%1” cél egy mappa. Írja be egy benne lévő fájl teljes elérési útját, a végén a fájl nevével.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>A Windowsos pdftk nem tud írni ide: „%1”: néhány karaktere nincs benne a rendszer kódlapjában. Válasszon egyszerű nevű célt.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>A Windowsos pdftk nem tudja beolvasni ezt a nevet: „%1”: néhány karaktere nincs benne a rendszer kódlapjában. Nevezze át a fájlt vagy a mappáját, vagy másolja egyszerű néven.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>A(z) „%1” cél nem fájl, hanem eszköz, csővezeték vagy foglalat. Válasszon másik célt.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>A cél az egyesítendő fájlok egyike. Válasszon másik célt.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Egy még futó egyesítés használja ezt: „%1”. Egyesítsen újra, ha az befejeződött.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Már van egy fájl itt: „%1”. Lecseréli ennek az egyesítésnek az eredményére? A mostani fájl ezután nem hozható vissza.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Nem sikerült elindítani a(z) „%1” egyesítőeszközt: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n fájl egyesítve ide: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Az egyesítés ide nem sikerült: „%1”: a pdftk sikert jelzett, de nem hagyott ott új fájlt.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Az egyesítés ide nem sikerült: „%1”: a pdftk %2 állapottal fejeződött be.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Az egyesítés ide nem sikerült: „%1”: a pdftk %2 állapottal fejeződött be (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Az egyesítés ide nem sikerült: „%1”: a pdftk-t a(z) %2 jelzés állította le.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Az egyesítés ide nem sikerült: „%1”: a pdftk-t a(z) %2 (%3) jelzés állította le.</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>A pdftk üzenete:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>A célban nem jött létre fájl.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>A célban lévő fájl az, amely korábban is ott volt, változatlanul: nem ennek az egyesítésnek az eredménye.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>A célban lévő fájl hiányos lehet.</translation>
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
        <translation>a rendszer nem tudja figyelni (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(nincs beállítva)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Az Ordanexnek asztali környezet kell (X11 vagy Wayland), de egyik sem érhető el.
Próbálva ezekkel: %1, %2, %3.
Ha asztal nélkül futtatná, indítsa Xvfb alatt: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Csere</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>és még %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>A beillesztett fájlok közül %n nem lett hozzáadva: a neve nem érvényes UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>A behúzott fájlok közül %n nem lett hozzáadva: a neve nem érvényes UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>A beillesztett fájlok közül %n nem lett hozzáadva: a lista legfeljebb %1 fájlt tartalmazhat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>A behúzott fájlok közül %n nem lett hozzáadva: a lista legfeljebb %1 fájlt tartalmazhat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>A beillesztett elemek közül %n nem lett hozzáadva: nem ezen a számítógépen lévő fájl.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>A behúzott elemek közül %n nem lett hozzáadva: nem ezen a számítógépen lévő fájl.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Egyesítendő PDF-fájlok listája (ide húzza a fájlokat)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Cél:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Egyesítés</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Fel</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Le</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Húzzon ide fájlokat a fájlkezelőből, vagy másolja ki őket ott, és illessze be ide a Ctrl+V billentyűkkel.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>A vágólapon nincsenek fájlok. Jelölje ki őket a fájlkezelőben, másolja ki őket a Ctrl+C billentyűkkel, majd illessze be ide a Ctrl+V billentyűkkel.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Hozzáadva: %1; a listában %2 fájl van.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>%n fájl hozzáadva; a listában %1 fájl van.</numerusform>
        </translation>
    </message>
</context>
</TS>
