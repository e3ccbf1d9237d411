<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Il percorso di un file da unire non può contenere «=».</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>La destinazione «%1» non è un percorso completo. Digita il percorso intero del file da creare, con tutte le sue cartelle.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>La destinazione è uno dei file da unire. Scegli un’altra destinazione.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Un’unione in corso sta ancora usando «%1». Riprova quando sarà terminata.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Esiste già un file in «%1». Sostituirlo con questa unione? Il file attuale non potrà essere recuperato.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Impossibile avviare lo strumento di unione «%1»: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>La destinazione «%1» è una cartella. Digita il percorso intero di un file al suo interno, con il nome del file alla fine.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk su Windows non può scrivere in «%1»: alcuni dei suoi caratteri non sono nella tabella codici di questo sistema. Scegli una destinazione con un nome semplice.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk su Windows non può leggere il nome «%1»: alcuni dei suoi caratteri non sono nella tabella codici di questo sistema. Rinomina il file o la sua cartella, oppure copialo con un nome semplice.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>La destinazione «%1» non è un file ma un dispositivo, una pipe o un socket. Scegli un’altra destinazione.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>La destinazione è vuota. Digita il percorso intero del file da creare, con tutte le sue cartelle.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n file unito in %1.</numerusform>
            <numerusform>%n file uniti in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>L’unione in «%1» non è riuscita: pdftk ha segnalato un successo, ma non vi ha lasciato alcun file nuovo.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>L’unione in «%1» non è riuscita: pdftk è terminato con lo stato %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>L’unione in «%1» non è riuscita: pdftk è stato terminato dal segnale %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>L’unione in «%1» non è riuscita: pdftk è stato terminato dal segnale %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk ha scritto:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Nessun file è stato creato nella destinazione.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Il file nella destinazione è quello che c’era già, invariato: non è il risultato di questa unione.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Il file nella destinazione potrebbe essere incompleto.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>L’unione in «%1» non è riuscita: pdftk è terminato con lo stato %2 (%3).</translation>
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
        <translation>il sistema non può sorvegliarlo (%1)</translation>
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
        <translation>Ordanex ha bisogno di un desktop (X11 o Wayland), ma non è stato possibile raggiungerne nessuno.
Tentativo con %1, %2, %3.
Per avviarlo senza desktop, usa Xvfb: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(non impostato)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Sostituisci</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n dei file incollati non è stato aggiunto: il suo nome non è UTF-8 valido.</numerusform>
            <numerusform>%n dei file incollati non sono stati aggiunti: i loro nomi non sono UTF-8 valido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n dei file trascinati non è stato aggiunto: il suo nome non è UTF-8 valido.</numerusform>
            <numerusform>%n dei file trascinati non sono stati aggiunti: i loro nomi non sono UTF-8 valido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n dei file incollati non è stato aggiunto: l’elenco contiene al massimo %1 file.</numerusform>
            <numerusform>%n dei file incollati non sono stati aggiunti: l’elenco contiene al massimo %1 file.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n dei file trascinati non è stato aggiunto: l’elenco contiene al massimo %1 file.</numerusform>
            <numerusform>%n dei file trascinati non sono stati aggiunti: l’elenco contiene al massimo %1 file.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n degli elementi incollati non è stato aggiunto: non è un file di questo computer.</numerusform>
            <numerusform>%n degli elementi incollati non sono stati aggiunti: non sono file di questo computer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n degli elementi trascinati non è stato aggiunto: non è un file di questo computer.</numerusform>
            <numerusform>%n degli elementi trascinati non sono stati aggiunti: non sono file di questo computer.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Elenco dei file PDF da unire (trascina qui i file)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Destinazione:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Unisci</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Su</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Trascina qui i file dal gestore dei file, oppure copiali lì e incollali qui con Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Gli appunti non contengono file. Selezionali nel gestore dei file e copiali con Ctrl+C, poi incollali qui con Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Aggiunto %1; l’elenco contiene %2 file.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Aggiunto %n file; l’elenco contiene %1 file.</numerusform>
            <numerusform>Aggiunti %n file; l’elenco contiene %1 file.</numerusform>
        </translation>
    </message>
</context>
</TS>
