<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>El camí d’un fitxer per fusionar no pot contenir «=».</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>La destinació és buida. Escriviu el camí sencer del fitxer que s’ha de crear, amb totes les seves carpetes.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>La destinació «%1» no és un camí complet. Escriviu el camí sencer del fitxer que s’ha de crear, amb totes les seves carpetes.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>La destinació «%1» és una carpeta. Escriviu el camí sencer d’un fitxer que hi hagi de ser, amb el nom del fitxer al final.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>El pdftk del Windows no pot escriure a «%1»: alguns dels seus caràcters no són a la pàgina de codis d’aquest sistema. Trieu una destinació amb un nom senzill.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>El pdftk del Windows no pot llegir el nom «%1»: alguns dels seus caràcters no són a la pàgina de codis d’aquest sistema. Canvieu el nom del fitxer o de la seva carpeta, o copieu-lo amb un nom senzill.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>La destinació «%1» no és un fitxer sinó un dispositiu, un conducte o un sòcol. Trieu una altra destinació.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>La destinació és un dels fitxers per fusionar. Trieu una altra destinació.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Una fusió en curs encara fa servir «%1». Torneu a fusionar quan hagi acabat.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Ja hi ha un fitxer a «%1». Voleu reemplaçar-lo amb aquesta fusió? El fitxer que hi ha ara no es podrà recuperar.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>No s’ha pogut iniciar l’eina de fusió «%1»: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>S’ha fusionat %n fitxer a %1.</numerusform>
            <numerusform>S’han fusionat %n fitxers a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Ha fallat la fusió a «%1»: el pdftk ha informat que tot ha anat bé, però no hi ha deixat cap fitxer nou.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Ha fallat la fusió a «%1»: el pdftk ha acabat amb l’estat %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Ha fallat la fusió a «%1»: el pdftk ha acabat amb l’estat %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Ha fallat la fusió a «%1»: el pdftk s’ha aturat pel senyal %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Ha fallat la fusió a «%1»: el pdftk s’ha aturat pel senyal %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>El pdftk ha dit:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>No s’ha creat cap fitxer a la destinació.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>El fitxer de la destinació és el que ja hi havia, sense canvis: no és el resultat d’aquesta fusió.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>És possible que el fitxer de la destinació estigui incomplet.</translation>
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
        <translation>aquest sistema no el pot vigilar (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(sense valor)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>L’Ordanex necessita un escriptori (X11 o Wayland) i no se n’ha trobat cap.
S’ha provat amb %1, %2, %3.
Per executar-lo sense escriptori, inicieu-lo amb Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Reemplaça</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>i %n més</numerusform>
            <numerusform>i %n més</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>No s’ha afegit %n dels fitxers enganxats: el seu nom no és UTF-8 vàlid.</numerusform>
            <numerusform>No s’han afegit %n dels fitxers enganxats: els seus noms no són UTF-8 vàlid.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>No s’ha afegit %n dels fitxers deixats anar: el seu nom no és UTF-8 vàlid.</numerusform>
            <numerusform>No s’han afegit %n dels fitxers deixats anar: els seus noms no són UTF-8 vàlid.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>No s’ha afegit %n dels fitxers enganxats: la llista admet com a màxim %1 fitxers.</numerusform>
            <numerusform>No s’han afegit %n dels fitxers enganxats: la llista admet com a màxim %1 fitxers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>No s’ha afegit %n dels fitxers deixats anar: la llista admet com a màxim %1 fitxers.</numerusform>
            <numerusform>No s’han afegit %n dels fitxers deixats anar: la llista admet com a màxim %1 fitxers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>No s’ha afegit %n dels elements enganxats: no és un fitxer d’aquest ordinador.</numerusform>
            <numerusform>No s’han afegit %n dels elements enganxats: no són fitxers d’aquest ordinador.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>No s’ha afegit %n dels elements deixats anar: no és un fitxer d’aquest ordinador.</numerusform>
            <numerusform>No s’han afegit %n dels elements deixats anar: no són fitxers d’aquest ordinador.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Llista de fitxers PDF per fusionar (deixeu anar els fitxers aquí)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Destinació:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Fusiona</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Amunt</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>A&amp;vall</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Deixeu anar aquí fitxers del gestor de fitxers, o copieu-los allà i enganxeu-los aquí amb Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>El porta-retalls no conté cap fitxer. Seleccioneu-los al gestor de fitxers i copieu-los amb Ctrl+C; després enganxeu-los aquí amb Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>S’ha afegit %1; la llista en conté %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>S’ha afegit %n fitxer; la llista en conté %1.</numerusform>
            <numerusform>S’han afegit %n fitxers; la llista en conté %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
