<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Chan fhaod “=” a bhith ann an slighe faidhle a thèid a cho-aonadh.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>Tha an ceann-uidhe falamh. Sgrìobh slighe shlàn an fhaidhle a thèid a chruthachadh, le a pasganan uile.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>Chan e slighe shlàn a tha sa cheann-uidhe “%1”. Sgrìobh slighe shlàn an fhaidhle a thèid a chruthachadh, le a pasganan uile.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>’S e pasgan a th’ anns a’ cheann-uidhe “%1”. Sgrìobh slighe shlàn faidhle na bhroinn, le ainm an fhaidhle aig an deireadh.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>Chan urrainn do pdftk air Windows sgrìobhadh gu “%1”: chan eil cuid dhe na caractaran aige ann an duilleag-chòd an t-siostaim seo. Tagh ceann-uidhe le ainm sìmplidh.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>Chan urrainn do pdftk air Windows an t-ainm “%1” a leughadh: chan eil cuid dhe na caractaran aige ann an duilleag-chòd an t-siostaim seo. Thoir ainm ùr air an fhaidhle no air a phasgan no dèan lethbhreac dheth le ainm sìmplidh.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>Chan e faidhle a th’ anns a’ cheann-uidhe “%1” ach uidheam, pìob no socaid. Tagh ceann-uidhe eile.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>Tha an ceann-uidhe am measg nam faidhlichean a thèid a cho-aonadh. Tagh ceann-uidhe eile.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Tha co-aonadh a’ dol air adhart fhathast le “%1”. Co-aonaich a-rithist nuair a bhios e deiseil.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Tha faidhle aig “%1” mu thràth. A bheil thu airson toradh a’ cho-aonaidh seo a chur na àite? Cha ghabh am faidhle a th’ ann an-dràsta aiseag an uairsin.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Cha b’ urrainn dhuinn an t-inneal co-aonaidh “%1” a thòiseachadh: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>Chaidh %n fhaidhle a cho-aonadh gu %1.</numerusform>
            <numerusform>Chaidh %n fhaidhle a cho-aonadh gu %1.</numerusform>
            <numerusform>Chaidh %n faidhlichean a cho-aonadh gu %1.</numerusform>
            <numerusform>Chaidh %n faidhle a cho-aonadh gu %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Dh’fhàillig an co-aonadh gu “%1”: dh’innis pdftk gun do shoirbhich leis ach cha do dh’fhàg e faidhle ùr ann.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Dh’fhàillig an co-aonadh gu “%1”: thàinig pdftk gu crìoch le staid %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Dh’fhàillig an co-aonadh gu “%1”: thàinig pdftk gu crìoch le staid %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Dh’fhàillig an co-aonadh gu “%1”: chaidh pdftk a stad le siognail %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Dh’fhàillig an co-aonadh gu “%1”: chaidh pdftk a stad le siognail %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>Thuirt pdftk:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Cha deach faidhle a chruthachadh aig a’ cheann-uidhe.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>’S e am faidhle a bha ann roimhe a th’ aig a’ cheann-uidhe, gun atharrachadh: chan e toradh a’ cho-aonaidh seo a th’ ann.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Dh’fhaoidte nach eil am faidhle aig a’ cheann-uidhe coileanta.</translation>
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
        <translation>chan urrainn dhan t-siostam seo sùil a chumail air (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(gun suidheachadh)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Feumaidh Ordanex deasg (X11 no Wayland) ach cha b’ urrainn dhuinn gin a ruigsinn.
Feuchte le %1, %2, %3.
Gus a ruith às aonais deasga, tòisich e fo Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Cuir na àite</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>agus %n eile</numerusform>
            <numerusform>agus %n eile</numerusform>
            <numerusform>agus %n eile</numerusform>
            <numerusform>agus %n eile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a chur ann a chur ris: chan eil ainm dligheach ann an UTF-8.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a chur ann a chur ris: chan eil na h-ainmean dligheach ann an UTF-8.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a chur ann a chur ris: chan eil na h-ainmean dligheach ann an UTF-8.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a chur ann a chur ris: chan eil na h-ainmean dligheach ann an UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a leigeil às a chur ris: chan eil ainm dligheach ann an UTF-8.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a leigeil às a chur ris: chan eil na h-ainmean dligheach ann an UTF-8.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a leigeil às a chur ris: chan eil na h-ainmean dligheach ann an UTF-8.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a leigeil às a chur ris: chan eil na h-ainmean dligheach ann an UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a chur ann a chur ris: cha ghabh an liosta ach %1 faidhle air a’ char as motha.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a chur ann a chur ris: cha ghabh an liosta ach %1 faidhle air a’ char as motha.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a chur ann a chur ris: cha ghabh an liosta ach %1 faidhle air a’ char as motha.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a chur ann a chur ris: cha ghabh an liosta ach %1 faidhle air a’ char as motha.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a leigeil às a chur ris: cha ghabh an liosta ach %1 faidhle air a’ char as motha.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a leigeil às a chur ris: cha ghabh an liosta ach %1 faidhle air a’ char as motha.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a leigeil às a chur ris: cha ghabh an liosta ach %1 faidhle air a’ char as motha.</numerusform>
            <numerusform>Cha deach %n dhe na faidhlichean a chaidh a leigeil às a chur ris: cha ghabh an liosta ach %1 faidhle air a’ char as motha.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>Cha deach %n dhe na nithean a chaidh a chur ann a chur ris: chan e faidhle air a’ choimpiutair seo a th’ ann.</numerusform>
            <numerusform>Cha deach %n dhe na nithean a chaidh a chur ann a chur ris: chan e faidhlichean air a’ choimpiutair seo a th’ annta.</numerusform>
            <numerusform>Cha deach %n dhe na nithean a chaidh a chur ann a chur ris: chan e faidhlichean air a’ choimpiutair seo a th’ annta.</numerusform>
            <numerusform>Cha deach %n dhe na nithean a chaidh a chur ann a chur ris: chan e faidhlichean air a’ choimpiutair seo a th’ annta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>Cha deach %n dhe na nithean a chaidh a leigeil às a chur ris: chan e faidhle air a’ choimpiutair seo a th’ ann.</numerusform>
            <numerusform>Cha deach %n dhe na nithean a chaidh a leigeil às a chur ris: chan e faidhlichean air a’ choimpiutair seo a th’ annta.</numerusform>
            <numerusform>Cha deach %n dhe na nithean a chaidh a leigeil às a chur ris: chan e faidhlichean air a’ choimpiutair seo a th’ annta.</numerusform>
            <numerusform>Cha deach %n dhe na nithean a chaidh a leigeil às a chur ris: chan e faidhlichean air a’ choimpiutair seo a th’ annta.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Liosta nam faidhlichean PDF a thèid a cho-aonadh (leig às faidhlichean an-seo)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Ceann-uidhe:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Co-aonaich</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>S&amp;uas</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>Sìo&amp;s</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Leig às faidhlichean an-seo on mhanaidsear fhaidhlichean no dèan lethbhreac dhiubh an-sin is cuir an-seo iad le Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Chan eil faidhle air an stòr-bhòrd. Tagh iad sa mhanaidsear fhaidhlichean agad is dèan lethbhreac dhiubh le Ctrl+C, an uairsin cuir an-seo iad le Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Chaidh %1 a chur ris; tha %2 air an liosta.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Chaidh %n fhaidhle a chur ris; tha %1 air an liosta.</numerusform>
            <numerusform>Chaidh %n fhaidhle a chur ris; tha %1 air an liosta.</numerusform>
            <numerusform>Chaidh %n faidhlichean a chur ris; tha %1 air an liosta.</numerusform>
            <numerusform>Chaidh %n faidhle a chur ris; tha %1 air an liosta.</numerusform>
        </translation>
    </message>
</context>
</TS>
