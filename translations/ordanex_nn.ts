<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Stien til ei fil som skal slåast saman, kan ikkje innehalde «=».</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Målet er tomt. Skriv heile stien til fila som skal lagast, med alle mappene hennar.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Målet «%1» er ikkje ein fullstendig sti. Skriv heile stien til fila som skal lagast, med alle mappene hennar.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Målet «%1» er ei mappe. Skriv heile stien til ei fil i henne, med namnet på fila til slutt.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk på Windows kan ikkje skrive til «%1»: nokre av teikna i namnet finst ikkje i teiknsettet til dette systemet. Vel eit mål med eit enkelt namn.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk på Windows kan ikkje lese namnet «%1»: nokre av teikna finst ikkje i teiknsettet til dette systemet. Gje fila eller mappa hennar nytt namn, eller kopier ho under eit enkelt namn.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Målet «%1» er ikkje ei fil, men ei eining, eit røyr eller ein sokkel. Vel eit anna mål.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Målet er ei av filene som skal slåast saman. Vel eit anna mål.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Ei samanslåing som framleis køyrer, arbeider med «%1». Slå saman på nytt når ho er ferdig.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Det finst alt ei fil på «%1». Vil du byte ho ut med resultatet av denne samanslåinga? Fila som er der no, kan ikkje hentast tilbake.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Klarte ikkje å starte samanslåingsverktøyet «%1»: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n fil vart slått saman til %1.</numerusform>
            <numerusform>%n filer vart slått saman til %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Samanslåinga til «%1» mislukkast: pdftk melde at det gjekk bra, men la ikkje att noka ny fil der.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Samanslåinga til «%1» mislukkast: pdftk slutta med status %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Samanslåinga til «%1» mislukkast: pdftk slutta med status %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Samanslåinga til «%1» mislukkast: pdftk vart stoppa av signal %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Samanslåinga til «%1» mislukkast: pdftk vart stoppa av signal %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk melde:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Det vart ikkje laga noka fil på målet.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Fila på målet er den som var der før, uendra: ho er ikkje resultatet av denne samanslåinga.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Fila på målet kan vere ufullstendig.</translation>
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
        <translation>dette systemet kan ikkje halde auge med det (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(ikkje sett)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex treng eit skrivebord (X11 eller Wayland), men fann ikkje noko.
Prøvde med %1, %2, %3.
For å køyre det utan skrivebord, start det under Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Byt ut</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>og %n til</numerusform>
            <numerusform>og %n til</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n av dei innlimte filene vart ikkje lagd til: namnet er ikkje gyldig UTF-8.</numerusform>
            <numerusform>%n av dei innlimte filene vart ikkje lagde til: namna er ikkje gyldig UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n av dei sleppte filene vart ikkje lagd til: namnet er ikkje gyldig UTF-8.</numerusform>
            <numerusform>%n av dei sleppte filene vart ikkje lagde til: namna er ikkje gyldig UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n av dei innlimte filene vart ikkje lagd til: lista har plass til høgst %1 filer.</numerusform>
            <numerusform>%n av dei innlimte filene vart ikkje lagde til: lista har plass til høgst %1 filer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n av dei sleppte filene vart ikkje lagd til: lista har plass til høgst %1 filer.</numerusform>
            <numerusform>%n av dei sleppte filene vart ikkje lagde til: lista har plass til høgst %1 filer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n av dei innlimte elementa vart ikkje lagt til: det er ikkje ei fil på denne datamaskina.</numerusform>
            <numerusform>%n av dei innlimte elementa vart ikkje lagde til: dei er ikkje filer på denne datamaskina.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n av dei sleppte elementa vart ikkje lagt til: det er ikkje ei fil på denne datamaskina.</numerusform>
            <numerusform>%n av dei sleppte elementa vart ikkje lagde til: dei er ikkje filer på denne datamaskina.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Liste over PDF-filer som skal slåast saman (slepp filer her)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Mål:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Slå saman</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Opp</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Ned</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Slepp filer her frå filhandsamaren, eller kopier dei der og lim dei inn her med Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Utklippstavla inneheld ingen filer. Merk dei i filhandsamaren og kopier dei med Ctrl+C, og lim dei så inn her med Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>La til %1; lista inneheld %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>La til %n fil; lista inneheld %1.</numerusform>
            <numerusform>La til %n filer; lista inneheld %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
