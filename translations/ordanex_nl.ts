<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Het pad van een samen te voegen bestand mag geen ‘=’ bevatten.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>De bestemming ‘%1’ is geen volledig pad. Typ het hele pad van het te maken bestand, met al zijn mappen.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>De bestemming is een van de samen te voegen bestanden. Kies een andere bestemming.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Een lopende samenvoeging gebruikt ‘%1’ nog. Voeg opnieuw samen zodra die klaar is.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Er staat al een bestand op ‘%1’. Vervangen door deze samenvoeging? Het huidige bestand kan daarna niet worden teruggehaald.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Het samenvoeghulpmiddel ‘%1’ kon niet worden gestart: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>De bestemming ‘%1’ is een map. Typ het hele pad van een bestand daarin, met de naam van het bestand aan het eind.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk op Windows kan niet naar ‘%1’ schrijven: sommige tekens ervan staan niet in de codetabel van dit systeem. Kies een bestemming met een eenvoudige naam.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk op Windows kan de naam ‘%1’ niet lezen: sommige tekens ervan staan niet in de codetabel van dit systeem. Geef het bestand of zijn map een andere naam, of kopieer het onder een eenvoudige naam.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>De bestemming ‘%1’ is geen bestand maar een apparaat, een pipe of een socket. Kies een andere bestemming.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>De bestemming is leeg. Typ het hele pad van het te maken bestand, met al zijn mappen.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n bestand samengevoegd tot %1.</numerusform>
            <numerusform>%n bestanden samengevoegd tot %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Het samenvoegen tot ‘%1’ is mislukt: pdftk meldde succes, maar liet daar geen nieuw bestand achter.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Het samenvoegen tot ‘%1’ is mislukt: pdftk stopte met status %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Het samenvoegen tot ‘%1’ is mislukt: pdftk werd gestopt door signaal %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Het samenvoegen tot ‘%1’ is mislukt: pdftk werd gestopt door signaal %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk meldde:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Er is geen bestand op de bestemming gemaakt.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Het bestand op de bestemming is het bestand dat er al stond, ongewijzigd: het is niet het resultaat van deze samenvoeging.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Het bestand op de bestemming is mogelijk onvolledig.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Het samenvoegen tot ‘%1’ is mislukt: pdftk stopte met status %2 (%3).</translation>
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
        <translation>het systeem kan het niet volgen (%1)</translation>
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
        <translation>Ordanex heeft een bureaublad nodig (X11 of Wayland), en er kon er geen worden bereikt.
Geprobeerd met %1, %2, %3.
Gebruik Xvfb om het zonder bureaublad te starten: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(niet ingesteld)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Vervangen</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n van de geplakte bestanden is niet toegevoegd: de naam is geen geldige UTF-8.</numerusform>
            <numerusform>%n van de geplakte bestanden zijn niet toegevoegd: de namen zijn geen geldige UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n van de neergezette bestanden is niet toegevoegd: de naam is geen geldige UTF-8.</numerusform>
            <numerusform>%n van de neergezette bestanden zijn niet toegevoegd: de namen zijn geen geldige UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n van de geplakte bestanden is niet toegevoegd: de lijst bevat hoogstens %1 bestanden.</numerusform>
            <numerusform>%n van de geplakte bestanden zijn niet toegevoegd: de lijst bevat hoogstens %1 bestanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n van de neergezette bestanden is niet toegevoegd: de lijst bevat hoogstens %1 bestanden.</numerusform>
            <numerusform>%n van de neergezette bestanden zijn niet toegevoegd: de lijst bevat hoogstens %1 bestanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n van de geplakte items is niet toegevoegd: het is geen bestand op deze computer.</numerusform>
            <numerusform>%n van de geplakte items zijn niet toegevoegd: het zijn geen bestanden op deze computer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n van de neergezette items is niet toegevoegd: het is geen bestand op deze computer.</numerusform>
            <numerusform>%n van de neergezette items zijn niet toegevoegd: het zijn geen bestanden op deze computer.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Samen te voegen PDF-bestanden (sleep bestanden hierheen)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Bestemming:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Samenvoegen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Op</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Neer</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Sleep hier bestanden naartoe vanuit het bestandsbeheer, of kopieer ze daar en plak ze hier met Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Het klembord bevat geen bestanden. Selecteer ze in uw bestandsbeheer en kopieer ze met Ctrl+C, en plak ze daarna hier met Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>%1 toegevoegd; de lijst bevat er %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>%n bestand toegevoegd; de lijst bevat er %1.</numerusform>
            <numerusform>%n bestanden toegevoegd; de lijst bevat er %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
