<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Yhdistettävän tiedoston polussa ei saa olla merkkiä ”=”.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Kohde on tyhjä. Kirjoita luotavan tiedoston koko polku kaikkine kansioineen.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Kohde ”%1” ei ole täydellinen polku. Kirjoita luotavan tiedoston koko polku kaikkine kansioineen.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Kohde ”%1” on kansio. Kirjoita sen sisällä olevan tiedoston koko polku, tiedoston nimi lopussa.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>Windowsin pdftk ei voi kirjoittaa kohteeseen ”%1”: osa sen merkeistä puuttuu tämän järjestelmän merkistöstä. Valitse kohde, jolla on yksinkertainen nimi.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>Windowsin pdftk ei voi lukea nimeä ”%1”: osa sen merkeistä puuttuu tämän järjestelmän merkistöstä. Nimeä tiedosto tai sen kansio uudelleen tai kopioi se yksinkertaisella nimellä.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Kohde ”%1” ei ole tiedosto vaan laite, putki tai pistoke. Valitse toinen kohde.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Kohde on yksi yhdistettävistä tiedostoista. Valitse toinen kohde.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Käynnissä oleva yhdistäminen käyttää yhä kohdetta ”%1”. Yhdistä uudelleen, kun se on päättynyt.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Kohteessa ”%1” on jo tiedosto. Korvataanko se tämän yhdistämisen tuloksella? Nykyistä tiedostoa ei voi palauttaa.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Yhdistämistyökalua ”%1” ei voitu käynnistää: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n tiedosto yhdistettiin tiedostoon %1.</numerusform>
            <numerusform>%n tiedostoa yhdistettiin tiedostoon %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Yhdistäminen kohteeseen ”%1” epäonnistui: pdftk ilmoitti onnistuneensa, mutta ei jättänyt sinne uutta tiedostoa.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Yhdistäminen kohteeseen ”%1” epäonnistui: pdftk päättyi tilaan %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Yhdistäminen kohteeseen ”%1” epäonnistui: pdftk päättyi tilaan %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Yhdistäminen kohteeseen ”%1” epäonnistui: signaali %2 pysäytti pdftk:n.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Yhdistäminen kohteeseen ”%1” epäonnistui: signaali %2 (%3) pysäytti pdftk:n.</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk ilmoitti:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Kohteeseen ei luotu tiedostoa.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Kohteessa oleva tiedosto on sama, joka siellä oli ennestään, muuttumattomana: se ei ole tämän yhdistämisen tulos.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Kohteessa oleva tiedosto voi olla keskeneräinen.</translation>
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
        <translation>järjestelmä ei voi valvoa sitä (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(ei asetettu)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex tarvitsee työpöydän (X11 tai Wayland), mutta yhteyttä ei saatu kumpaankaan.
Yritettiin asetuksilla %1, %2, %3.
Käynnistä se ilman työpöytää Xvfb:n avulla: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Korvaa</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>ja %n muu</numerusform>
            <numerusform>ja %n muuta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n liitetyistä tiedostoista jäi lisäämättä: sen nimi ei ole kelvollista UTF-8:aa.</numerusform>
            <numerusform>%n liitetyistä tiedostoista jäi lisäämättä: niiden nimet eivät ole kelvollista UTF-8:aa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n pudotetuista tiedostoista jäi lisäämättä: sen nimi ei ole kelvollista UTF-8:aa.</numerusform>
            <numerusform>%n pudotetuista tiedostoista jäi lisäämättä: niiden nimet eivät ole kelvollista UTF-8:aa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n liitetyistä tiedostoista jäi lisäämättä: luetteloon mahtuu enintään %1 tiedostoa.</numerusform>
            <numerusform>%n liitetyistä tiedostoista jäi lisäämättä: luetteloon mahtuu enintään %1 tiedostoa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n pudotetuista tiedostoista jäi lisäämättä: luetteloon mahtuu enintään %1 tiedostoa.</numerusform>
            <numerusform>%n pudotetuista tiedostoista jäi lisäämättä: luetteloon mahtuu enintään %1 tiedostoa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n liitetyistä kohteista jäi lisäämättä: se ei ole tämän tietokoneen tiedosto.</numerusform>
            <numerusform>%n liitetyistä kohteista jäi lisäämättä: ne eivät ole tämän tietokoneen tiedostoja.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n pudotetuista kohteista jäi lisäämättä: se ei ole tämän tietokoneen tiedosto.</numerusform>
            <numerusform>%n pudotetuista kohteista jäi lisäämättä: ne eivät ole tämän tietokoneen tiedostoja.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Yhdistettävät PDF-tiedostot (pudota tiedostot tähän)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Kohde:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Yhdistä</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Ylös</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Alas</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Pudota tiedostoja tähän tiedostonhallinnasta, tai kopioi ne siellä ja liitä ne tähän näppäimillä Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Leikepöydällä ei ole tiedostoja. Valitse ne tiedostonhallinnassa ja kopioi ne näppäimillä Ctrl+C, ja liitä ne sitten tähän näppäimillä Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Lisättiin %1; luettelossa on %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Lisättiin %n tiedosto; luettelossa on %1.</numerusform>
            <numerusform>Lisättiin %n tiedostoa; luettelossa on %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
