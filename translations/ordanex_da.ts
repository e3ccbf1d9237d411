<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Stien til en fil, der skal flettes, må ikke indeholde »=«.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Destinationen er tom. Skriv hele stien til filen, der skal oprettes, med alle dens mapper.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Destinationen »%1« er ikke en fuld sti. Skriv hele stien til filen, der skal oprettes, med alle dens mapper.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Destinationen »%1« er en mappe. Skriv hele stien til en fil i den, med filens navn til sidst.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk på Windows kan ikke skrive til »%1«: nogle af tegnene findes ikke i dette systems tegntabel. Vælg en destination med et enkelt navn.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk på Windows kan ikke læse navnet »%1«: nogle af tegnene findes ikke i dette systems tegntabel. Omdøb filen eller dens mappe, eller kopiér den under et enkelt navn.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Destinationen »%1« er ikke en fil, men en enhed, et rør eller en sokkel. Vælg en anden destination.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Destinationen er en af de filer, der skal flettes. Vælg en anden destination.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>En igangværende fletning arbejder stadig med »%1«. Flet igen, når den er færdig.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Der findes allerede en fil på »%1«. Skal den erstattes med denne fletning? Den nuværende fil kan ikke gendannes bagefter.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Fletteværktøjet »%1« kunne ikke startes: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n fil blev flettet til %1.</numerusform>
            <numerusform>%n filer blev flettet til %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Fletningen til »%1« mislykkedes: pdftk meldte, at det lykkedes, men efterlod ingen ny fil der.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Fletningen til »%1« mislykkedes: pdftk sluttede med status %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Fletningen til »%1« mislykkedes: pdftk sluttede med status %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Fletningen til »%1« mislykkedes: pdftk blev stoppet af signal %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Fletningen til »%1« mislykkedes: pdftk blev stoppet af signal %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk skrev:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Der blev ikke oprettet nogen fil på destinationen.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Filen på destinationen er den, der var der før, uændret: den er ikke resultatet af denne fletning.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Filen på destinationen er muligvis ufuldstændig.</translation>
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
        <translation>systemet kan ikke holde øje med det (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(ikke sat)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex har brug for et skrivebord (X11 eller Wayland), men der kunne ikke oprettes forbindelse til noget.
Forsøgt med %1, %2, %3.
For at køre det uden et skal du starte det under Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Erstat</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>og %n mere</numerusform>
            <numerusform>og %n mere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n af de indsatte filer blev ikke tilføjet: dens navn er ikke gyldig UTF-8.</numerusform>
            <numerusform>%n af de indsatte filer blev ikke tilføjet: deres navne er ikke gyldig UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n af de slupne filer blev ikke tilføjet: dens navn er ikke gyldig UTF-8.</numerusform>
            <numerusform>%n af de slupne filer blev ikke tilføjet: deres navne er ikke gyldig UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n af de indsatte filer blev ikke tilføjet: listen kan højst rumme %1 filer.</numerusform>
            <numerusform>%n af de indsatte filer blev ikke tilføjet: listen kan højst rumme %1 filer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n af de slupne filer blev ikke tilføjet: listen kan højst rumme %1 filer.</numerusform>
            <numerusform>%n af de slupne filer blev ikke tilføjet: listen kan højst rumme %1 filer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n af de indsatte elementer blev ikke tilføjet: det er ikke en fil på denne computer.</numerusform>
            <numerusform>%n af de indsatte elementer blev ikke tilføjet: de er ikke filer på denne computer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n af de slupne elementer blev ikke tilføjet: det er ikke en fil på denne computer.</numerusform>
            <numerusform>%n af de slupne elementer blev ikke tilføjet: de er ikke filer på denne computer.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>PDF-filer, der skal flettes (slip filer her)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Destination:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Flet</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Op</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Ned</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Slip filer her fra filhåndteringen, eller kopiér dem der og indsæt dem her med Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Udklipsholderen indeholder ingen filer. Markér dem i din filhåndtering og kopiér dem med Ctrl+C, og indsæt dem så her med Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Tilføjede %1; listen indeholder %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Tilføjede %n fil; listen indeholder %1.</numerusform>
            <numerusform>Tilføjede %n filer; listen indeholder %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
