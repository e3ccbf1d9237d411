<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Apvienojamās datnes ceļā nedrīkst būt “=”.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Mērķis ir tukšs. Ierakstiet visu veidojamās datnes ceļu ar visām tās mapēm.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Mērķis “%1” nav pilns ceļš. Ierakstiet visu veidojamās datnes ceļu ar visām tās mapēm.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>Mērķis “%1” ir mape. Ierakstiet visu ceļu līdz datnei tajā, beigās ar datnes nosaukumu.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk operētājsistēmā Windows nevar rakstīt uz “%1”: dažu tā rakstzīmju nav šīs sistēmas kodu lapā. Izvēlieties mērķi ar vienkāršu nosaukumu.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk operētājsistēmā Windows nevar nolasīt nosaukumu “%1”: dažu tā rakstzīmju nav šīs sistēmas kodu lapā. Pārdēvējiet datni vai tās mapi vai nokopējiet to ar vienkāršu nosaukumu.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Mērķis “%1” nav datne, bet ierīce, kanāls vai ligzda. Izvēlieties citu mērķi.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Mērķis ir viena no apvienojamajām datnēm. Izvēlieties citu mērķi.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Vēl notiekoša apvienošana strādā ar “%1”. Apvienojiet vēlreiz, kad tā būs beigusies.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Vietā “%1” jau ir datne. Aizstāt to ar šīs apvienošanas rezultātu? Pašreizējo datni vairs nevarēs atjaunot.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Apvienošanas rīku “%1” neizdevās palaist: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n datne apvienota datnē %1.</numerusform>
            <numerusform>%n datnes apvienotas datnē %1.</numerusform>
            <numerusform>%n datņu apvienots datnē %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Apvienošana datnē “%1” neizdevās: pdftk ziņoja par panākumiem, bet tur neatstāja jaunu datni.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Apvienošana datnē “%1” neizdevās: pdftk beidza darbu ar statusu %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Apvienošana datnē “%1” neizdevās: pdftk beidza darbu ar statusu %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Apvienošana datnē “%1” neizdevās: pdftk apturēja signāls %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Apvienošana datnē “%1” neizdevās: pdftk apturēja signāls %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk ziņoja:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Mērķī netika izveidota neviena datne.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Datne mērķī ir tā, kas tur bija jau iepriekš, nemainīta: tā nav šīs apvienošanas rezultāts.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Datne mērķī var būt nepilnīga.</translation>
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
        <translation>šī sistēma to nevar uzraudzīt (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(nav iestatīts)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex vajag darbvirsmu (X11 vai Wayland), bet nevienu nevarēja sasniegt.
Mēģināts ar %1, %2, %3.
Lai to palaistu bez darbvirsmas, palaidiet to zem Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Aizstāt</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>un vēl %n</numerusform>
            <numerusform>un vēl %n</numerusform>
            <numerusform>un vēl %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n no ielīmētajām datnēm netika pievienota: tās nosaukums nav derīgs UTF-8.</numerusform>
            <numerusform>%n no ielīmētajām datnēm netika pievienotas: to nosaukumi nav derīgs UTF-8.</numerusform>
            <numerusform>%n no ielīmētajām datnēm netika pievienotas: to nosaukumi nav derīgs UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n no nomestajām datnēm netika pievienota: tās nosaukums nav derīgs UTF-8.</numerusform>
            <numerusform>%n no nomestajām datnēm netika pievienotas: to nosaukumi nav derīgs UTF-8.</numerusform>
            <numerusform>%n no nomestajām datnēm netika pievienotas: to nosaukumi nav derīgs UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n no ielīmētajām datnēm netika pievienota: sarakstā ietilpst ne vairāk kā %1 datņu.</numerusform>
            <numerusform>%n no ielīmētajām datnēm netika pievienotas: sarakstā ietilpst ne vairāk kā %1 datņu.</numerusform>
            <numerusform>%n no ielīmētajām datnēm netika pievienotas: sarakstā ietilpst ne vairāk kā %1 datņu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n no nomestajām datnēm netika pievienota: sarakstā ietilpst ne vairāk kā %1 datņu.</numerusform>
            <numerusform>%n no nomestajām datnēm netika pievienotas: sarakstā ietilpst ne vairāk kā %1 datņu.</numerusform>
            <numerusform>%n no nomestajām datnēm netika pievienotas: sarakstā ietilpst ne vairāk kā %1 datņu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n no ielīmētajiem vienumiem netika pievienots: tā nav datne šajā datorā.</numerusform>
            <numerusform>%n no ielīmētajiem vienumiem netika pievienoti: tās nav datnes šajā datorā.</numerusform>
            <numerusform>%n no ielīmētajiem vienumiem netika pievienoti: tās nav datnes šajā datorā.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n no nomestajiem vienumiem netika pievienots: tā nav datne šajā datorā.</numerusform>
            <numerusform>%n no nomestajiem vienumiem netika pievienoti: tās nav datnes šajā datorā.</numerusform>
            <numerusform>%n no nomestajiem vienumiem netika pievienoti: tās nav datnes šajā datorā.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Apvienojamās PDF datnes (nometiet tās šeit)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Mērķis:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>Ap&amp;vienot</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Augšup</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Lejup</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Nometiet šeit datnes no datņu pārvaldnieka vai nokopējiet tās tur un ielīmējiet šeit ar Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Starpliktuvē nav datņu. Atlasiet tās datņu pārvaldniekā un nokopējiet ar Ctrl+C, pēc tam ielīmējiet šeit ar Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Pievienota %1; sarakstā ir %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Pievienota %n datne; sarakstā ir %1.</numerusform>
            <numerusform>Pievienotas %n datnes; sarakstā ir %1.</numerusform>
            <numerusform>Pievienots %n datņu; sarakstā ir %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
