<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>Le chemin d’un fichier à fusionner ne doit pas contenir «&#xa0;=&#xa0;».</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>La destination «&#xa0;%1&#xa0;» n’est pas un chemin complet. Saisissez le chemin entier du fichier à créer, avec tous ses dossiers.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>La destination est l’un des fichiers à fusionner. Choisissez une autre destination.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Une fusion en cours utilise encore «&#xa0;%1&#xa0;». Relancez la fusion une fois celle-ci terminée.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Un fichier existe déjà à l’emplacement «&#xa0;%1&#xa0;». Le remplacer par cette fusion&#xa0;? Le fichier actuel ne pourra pas être récupéré.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>L’outil de fusion «&#xa0;%1&#xa0;» n’a pas pu être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>La destination «&#xa0;%1&#xa0;» est un dossier. Saisissez le chemin entier d’un fichier dans ce dossier, avec le nom du fichier à la fin.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>pdftk sous Windows ne peut pas écrire dans «&#xa0;%1&#xa0;»&#xa0;: certains de ses caractères ne font pas partie de la page de code de ce système. Choisissez une destination au nom simple.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>pdftk sous Windows ne peut pas lire le nom «&#xa0;%1&#xa0;»&#xa0;: certains de ses caractères ne font pas partie de la page de code de ce système. Renommez le fichier ou son dossier, ou copiez-le sous un nom simple.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>La destination «&#xa0;%1&#xa0;» n’est pas un fichier mais un périphérique, un tube ou un socket. Choisissez une autre destination.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>La destination est vide. Saisissez le chemin entier du fichier à créer, avec tous ses dossiers.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n fichier fusionné dans %1.</numerusform>
            <numerusform>%n fichiers fusionnés dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>La fusion dans «&#xa0;%1&#xa0;» a échoué&#xa0;: pdftk a signalé un succès, mais n’y a laissé aucun nouveau fichier.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>La fusion dans «&#xa0;%1&#xa0;» a échoué&#xa0;: pdftk s’est terminé avec le code %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>La fusion dans «&#xa0;%1&#xa0;» a échoué&#xa0;: pdftk a été arrêté par le signal %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>La fusion dans «&#xa0;%1&#xa0;» a échoué&#xa0;: pdftk a été arrêté par le signal %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk a écrit&#xa0;:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Aucun fichier n’a été créé à la destination.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>Le fichier à la destination est celui qui s’y trouvait déjà, inchangé&#xa0;: ce n’est pas le résultat de cette fusion.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>Le fichier à la destination est peut-être incomplet.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>La fusion dans «&#xa0;%1&#xa0;» a échoué&#xa0;: pdftk s’est terminé avec le code %2 (%3).</translation>
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
        <translation>le système ne peut pas le surveiller (%1)</translation>
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
        <translation>Ordanex a besoin d’un bureau (X11 ou Wayland), et aucun n’a pu être joint.
Essayé avec %1, %2, %3.
Pour le lancer sans bureau, utilisez Xvfb&#xa0;: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(non défini)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Remplacer</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n des fichiers collés n’a pas été ajouté&#xa0;: son nom n’est pas en UTF-8 valide.</numerusform>
            <numerusform>%n des fichiers collés n’ont pas été ajoutés&#xa0;: leurs noms ne sont pas en UTF-8 valide.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n des fichiers déposés n’a pas été ajouté&#xa0;: son nom n’est pas en UTF-8 valide.</numerusform>
            <numerusform>%n des fichiers déposés n’ont pas été ajoutés&#xa0;: leurs noms ne sont pas en UTF-8 valide.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n des fichiers collés n’a pas été ajouté&#xa0;: la liste contient au plus %1 fichiers.</numerusform>
            <numerusform>%n des fichiers collés n’ont pas été ajoutés&#xa0;: la liste contient au plus %1 fichiers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n des fichiers déposés n’a pas été ajouté&#xa0;: la liste contient au plus %1 fichiers.</numerusform>
            <numerusform>%n des fichiers déposés n’ont pas été ajoutés&#xa0;: la liste contient au plus %1 fichiers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n des éléments collés n’a pas été ajouté&#xa0;: ce n’est pas un fichier de cet ordinateur.</numerusform>
            <numerusform>%n des éléments collés n’ont pas été ajoutés&#xa0;: ce ne sont pas des fichiers de cet ordinateur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n des éléments déposés n’a pas été ajouté&#xa0;: ce n’est pas un fichier de cet ordinateur.</numerusform>
            <numerusform>%n des éléments déposés n’ont pas été ajoutés&#xa0;: ce ne sont pas des fichiers de cet ordinateur.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Liste des fichiers PDF à fusionner (déposez les fichiers ici)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Destination&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Bas</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Déposez ici des fichiers depuis le gestionnaire de fichiers, ou copiez-les là-bas et collez-les ici avec Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>Le presse-papiers ne contient aucun fichier. Sélectionnez-les dans votre gestionnaire de fichiers et copiez-les avec Ctrl+C, puis collez-les ici avec Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>%1 ajouté&#xa0;; la liste en compte %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>%n fichier ajouté&#xa0;; la liste en compte %1.</numerusform>
            <numerusform>%n fichiers ajoutés&#xa0;; la liste en compte %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
