<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Putanja datoteke za spajanje ne smije sadržavati „=”.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Odredište je prazno. Upišite cijelu putanju datoteke koju treba stvoriti, sa svim njezinim mapama.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Odredište „%1” nije potpuna putanja. Upišite cijelu putanju datoteke koju treba stvoriti, sa svim njezinim mapama.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Odredište „%1” je mapa. Upišite cijelu putanju datoteke u njoj, s imenom datoteke na kraju.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk na Windowsima ne može pisati u „%1”: neki njegovi znakovi nisu u kodnoj stranici ovog sustava. Odaberite odredište s jednostavnim imenom.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk na Windowsima ne može pročitati ime „%1”: neki njegovi znakovi nisu u kodnoj stranici ovog sustava. Preimenujte datoteku ili njezinu mapu ili je kopirajte pod jednostavnim imenom.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Odredište „%1” nije datoteka, nego uređaj, cijev ili utičnica. Odaberite drugo odredište.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Odredište je jedna od datoteka za spajanje. Odaberite drugo odredište.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Spajanje koje je u tijeku još radi s „%1”. Spojite ponovo kad ono završi.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Na „%1” već postoji datoteka. Zamijeniti je rezultatom ovog spajanja? Sadašnju datoteku tada neće biti moguće vratiti.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Alat za spajanje „%1” nije se mogao pokrenuti: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n datoteka spojena je u %1.</numerusform>
            <numerusform>%n datoteke spojene su u %1.</numerusform>
            <numerusform>%n datoteka spojeno je u %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Spajanje u „%1” nije uspjelo: pdftk je javio uspjeh, ali ondje nije ostavio novu datoteku.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Spajanje u „%1” nije uspjelo: pdftk je završio sa stanjem %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Spajanje u „%1” nije uspjelo: pdftk je završio sa stanjem %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Spajanje u „%1” nije uspjelo: pdftk je zaustavljen signalom %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Spajanje u „%1” nije uspjelo: pdftk je zaustavljen signalom %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk je javio:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Na odredištu nije stvorena nijedna datoteka.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Datoteka na odredištu ona je koja je ondje bila i prije, nepromijenjena: nije rezultat ovog spajanja.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Datoteka na odredištu možda je nepotpuna.</translation>
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
        <translation>ovaj ga sustav ne može nadzirati (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(nije postavljeno)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex treba radnu površinu (X11 ili Wayland), a nijedna nije dostupna.
Pokušano s %1, %2, %3.
Da biste ga pokrenuli bez nje, pokrenite ga pod Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Zamijeni</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>i još %n</numerusform>
            <numerusform>i još %n</numerusform>
            <numerusform>i još %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n od zalijepljenih datoteka nije dodana: njezino ime nije valjan UTF-8.</numerusform>
            <numerusform>%n od zalijepljenih datoteka nisu dodane: njihova imena nisu valjan UTF-8.</numerusform>
            <numerusform>%n od zalijepljenih datoteka nije dodano: njihova imena nisu valjan UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n od ispuštenih datoteka nije dodana: njezino ime nije valjan UTF-8.</numerusform>
            <numerusform>%n od ispuštenih datoteka nisu dodane: njihova imena nisu valjan UTF-8.</numerusform>
            <numerusform>%n od ispuštenih datoteka nije dodano: njihova imena nisu valjan UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n od zalijepljenih datoteka nije dodana: popis prima najviše %1 datoteka.</numerusform>
            <numerusform>%n od zalijepljenih datoteka nisu dodane: popis prima najviše %1 datoteka.</numerusform>
            <numerusform>%n od zalijepljenih datoteka nije dodano: popis prima najviše %1 datoteka.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n od ispuštenih datoteka nije dodana: popis prima najviše %1 datoteka.</numerusform>
            <numerusform>%n od ispuštenih datoteka nisu dodane: popis prima najviše %1 datoteka.</numerusform>
            <numerusform>%n od ispuštenih datoteka nije dodano: popis prima najviše %1 datoteka.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n od zalijepljenih stavki nije dodana: nije datoteka na ovom računalu.</numerusform>
            <numerusform>%n od zalijepljenih stavki nisu dodane: nisu datoteke na ovom računalu.</numerusform>
            <numerusform>%n od zalijepljenih stavki nije dodano: nisu datoteke na ovom računalu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n od ispuštenih stavki nije dodana: nije datoteka na ovom računalu.</numerusform>
            <numerusform>%n od ispuštenih stavki nisu dodane: nisu datoteke na ovom računalu.</numerusform>
            <numerusform>%n od ispuštenih stavki nije dodano: nisu datoteke na ovom računalu.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Popis PDF datoteka za spajanje (ispustite datoteke ovdje)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Odredište:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Spoji</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Gore</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Dolje</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Ispustite ovdje datoteke iz upravitelja datoteka ili ih ondje kopirajte i zalijepite ih ovdje s Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>U međuspremniku nema datoteka. Odaberite ih u upravitelju datoteka i kopirajte ih s Ctrl+C, zatim ih zalijepite ovdje s Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Dodano: %1; popis sadrži %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Dodana %n datoteka; popis sadrži %1.</numerusform>
            <numerusform>Dodane %n datoteke; popis sadrži %1.</numerusform>
            <numerusform>Dodano %n datoteka; popis sadrži %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
