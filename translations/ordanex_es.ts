<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>La ruta de un archivo que se va a combinar no puede contener «=».</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>El destino «%1» no es una ruta completa. Escriba la ruta entera del archivo que se va a crear, con todas sus carpetas.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>El destino es uno de los archivos que se van a combinar. Elija otro destino.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Una combinación en curso todavía usa «%1». Vuelva a combinar cuando haya terminado.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Ya existe un archivo en «%1». ¿Quiere reemplazarlo con esta combinación? El archivo actual no se podrá recuperar.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>No se pudo iniciar la herramienta de combinación «%1»: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>El destino «%1» es una carpeta. Escriba la ruta entera de un archivo dentro de ella, con el nombre del archivo al final.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk en Windows no puede escribir en «%1»: algunos de sus caracteres no están en la página de códigos de este sistema. Elija un destino con un nombre sencillo.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk en Windows no puede leer el nombre «%1»: algunos de sus caracteres no están en la página de códigos de este sistema. Cambie el nombre del archivo o de su carpeta, o cópielo con un nombre sencillo.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>El destino «%1» no es un archivo sino un dispositivo, una tubería o un socket. Elija otro destino.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>El destino está vacío. Escriba la ruta entera del archivo que se va a crear, con todas sus carpetas.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>Se combinó %n archivo en %1.</numerusform>
            <numerusform>Se combinaron %n archivos en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>Falló la combinación en «%1»: pdftk informó de que todo fue bien, pero no dejó allí ningún archivo nuevo.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>Falló la combinación en «%1»: pdftk terminó con el estado %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>Falló la combinación en «%1»: pdftk fue detenido por la señal %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>Falló la combinación en «%1»: pdftk fue detenido por la señal %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk dijo:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>No se creó ningún archivo en el destino.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>El archivo del destino es el que ya estaba, sin cambios: no es el resultado de esta combinación.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Puede que el archivo del destino esté incompleto.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>Falló la combinación en «%1»: pdftk terminó con el estado %2 (%3).</translation>
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
        <translation>el sistema no puede vigilarla (%1)</translation>
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
        <translation>Ordanex necesita un escritorio (X11 o Wayland) y no se pudo acceder a ninguno.
Se probó con %1, %2, %3.
Para ejecutarlo sin escritorio, inícielo con Xvfb: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(sin definir)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Reemplazar</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n de los archivos pegados no se añadió: su nombre no es UTF-8 válido.</numerusform>
            <numerusform>%n de los archivos pegados no se añadieron: sus nombres no son UTF-8 válido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n de los archivos soltados no se añadió: su nombre no es UTF-8 válido.</numerusform>
            <numerusform>%n de los archivos soltados no se añadieron: sus nombres no son UTF-8 válido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n de los archivos pegados no se añadió: la lista admite como máximo %1 archivos.</numerusform>
            <numerusform>%n de los archivos pegados no se añadieron: la lista admite como máximo %1 archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n de los archivos soltados no se añadió: la lista admite como máximo %1 archivos.</numerusform>
            <numerusform>%n de los archivos soltados no se añadieron: la lista admite como máximo %1 archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n de los elementos pegados no se añadió: no es un archivo de este equipo.</numerusform>
            <numerusform>%n de los elementos pegados no se añadieron: no son archivos de este equipo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n de los elementos soltados no se añadió: no es un archivo de este equipo.</numerusform>
            <numerusform>%n de los elementos soltados no se añadieron: no son archivos de este equipo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Lista de archivos PDF para combinar (suelte aquí los archivos)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Combinar</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Suelte aquí archivos desde el gestor de archivos, o cópielos allí y péguelos aquí con Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>El portapapeles no contiene archivos. Selecciónelos en su gestor de archivos y cópielos con Ctrl+C; luego péguelos aquí con Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>Se añadió %1; la lista tiene %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Se añadió %n archivo; la lista tiene %1.</numerusform>
            <numerusform>Se añadieron %n archivos; la lista tiene %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
