<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>O caminho de um arquivo a mesclar não pode conter &quot;=&quot;.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>O destino &quot;%1&quot; não é um caminho completo. Digite o caminho inteiro do arquivo a criar, com todas as suas pastas.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>O destino é um dos arquivos a mesclar. Escolha outro destino.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>Uma mesclagem em andamento ainda está usando &quot;%1&quot;. Mescle de novo quando ela terminar.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>Já existe um arquivo em &quot;%1&quot;. Substituí-lo por esta mesclagem? O arquivo atual não poderá ser recuperado.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>Não foi possível iniciar a ferramenta de mesclagem &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>O destino &quot;%1&quot; é uma pasta. Digite o caminho inteiro de um arquivo dentro dela, com o nome do arquivo no final.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>O pdftk no Windows não consegue gravar em &quot;%1&quot;: alguns de seus caracteres não estão na página de código deste sistema. Escolha um destino com um nome simples.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>O pdftk no Windows não consegue ler o nome &quot;%1&quot;: alguns de seus caracteres não estão na página de código deste sistema. Renomeie o arquivo ou a pasta dele, ou copie-o com um nome simples.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>O destino &quot;%1&quot; não é um arquivo, mas um dispositivo, um pipe ou um socket. Escolha outro destino.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>O destino está vazio. Digite o caminho inteiro do arquivo a criar, com todas as suas pastas.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n arquivo mesclado em %1.</numerusform>
            <numerusform>%n arquivos mesclados em %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>A mesclagem em &quot;%1&quot; falhou: o pdftk informou sucesso, mas não deixou nenhum arquivo novo lá.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>A mesclagem em &quot;%1&quot; falhou: o pdftk terminou com o status %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>A mesclagem em &quot;%1&quot; falhou: o pdftk foi encerrado pelo sinal %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>A mesclagem em &quot;%1&quot; falhou: o pdftk foi encerrado pelo sinal %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>O pdftk disse:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>Nenhum arquivo foi criado no destino.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>O arquivo no destino é o que já estava lá, sem alterações: não é o resultado desta mesclagem.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>O arquivo no destino pode estar incompleto.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>A mesclagem em &quot;%1&quot; falhou: o pdftk terminou com o status %2 (%3).</translation>
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
        <translation>o sistema não consegue acompanhá-la (%1)</translation>
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
        <translation>O Ordanex precisa de uma área de trabalho (X11 ou Wayland), e nenhuma pôde ser acessada.
Tentativa com %1, %2, %3.
Para executá-lo sem uma, inicie-o com o Xvfb: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(não definido)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;Substituir</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n dos arquivos colados não foi adicionado: o nome dele não é UTF-8 válido.</numerusform>
            <numerusform>%n dos arquivos colados não foram adicionados: os nomes deles não são UTF-8 válido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n dos arquivos soltos não foi adicionado: o nome dele não é UTF-8 válido.</numerusform>
            <numerusform>%n dos arquivos soltos não foram adicionados: os nomes deles não são UTF-8 válido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n dos arquivos colados não foi adicionado: a lista comporta no máximo %1 arquivos.</numerusform>
            <numerusform>%n dos arquivos colados não foram adicionados: a lista comporta no máximo %1 arquivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n dos arquivos soltos não foi adicionado: a lista comporta no máximo %1 arquivos.</numerusform>
            <numerusform>%n dos arquivos soltos não foram adicionados: a lista comporta no máximo %1 arquivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n dos itens colados não foi adicionado: não é um arquivo deste computador.</numerusform>
            <numerusform>%n dos itens colados não foram adicionados: não são arquivos deste computador.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n dos itens soltos não foi adicionado: não é um arquivo deste computador.</numerusform>
            <numerusform>%n dos itens soltos não foram adicionados: não são arquivos deste computador.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>Lista de arquivos PDF para mesclar (solte os arquivos aqui)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;Mesclar</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>Solte aqui arquivos do gerenciador de arquivos, ou copie-os lá e cole-os aqui com Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>A área de transferência não contém arquivos. Selecione-os no seu gerenciador de arquivos e copie-os com Ctrl+C; depois cole-os aqui com Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>%1 adicionado; a lista tem %2 arquivos.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>%n arquivo adicionado; a lista tem %1 arquivos.</numerusform>
            <numerusform>%n arquivos adicionados; a lista tem %1 arquivos.</numerusform>
        </translation>
    </message>
</context>
</TS>
