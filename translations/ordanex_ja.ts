<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>結合するファイルのパスに「=」を含めることはできません。</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>出力先「%1」はフルパスではありません。作成するファイルのパスを、すべてのフォルダーを含めて入力してください。</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>出力先が結合するファイルの一つになっています。別の出力先を選んでください。</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>実行中の結合が「%1」をまだ使っています。その結合が終わってから、もう一度結合してください。</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>「%1」にはすでにファイルがあります。この結合の結果で置き換えますか? 今あるファイルは元に戻せません。</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>結合ツール「%1」を起動できませんでした: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>出力先「%1」はフォルダーです。その中のファイルのパスを、最後にファイル名を付けて入力してください。</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>Windows の pdftk は「%1」に書き込めません: 一部の文字がこのシステムのコードページにありません。簡単な名前の出力先を選んでください。</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>Windows の pdftk は名前「%1」を読み取れません: 一部の文字がこのシステムのコードページにありません。ファイルまたはそのフォルダーの名前を変更するか、簡単な名前でコピーしてください。</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>出力先「%1」はファイルではなく、デバイス、パイプ、またはソケットです。別の出力先を選んでください。</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>出力先が空です。作成するファイルのパスを、すべてのフォルダーを含めて入力してください。</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n 個のファイルを %1 に結合しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>「%1」への結合に失敗しました: pdftk は成功を報告しましたが、新しいファイルを残していません。</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>「%1」への結合に失敗しました: pdftk は状態 %2 で終了しました。</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>「%1」への結合に失敗しました: pdftk はシグナル %2 で終了させられました。</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>「%1」への結合に失敗しました: pdftk はシグナル %2 (%3) で終了させられました。</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk の出力:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>出力先にファイルは作成されませんでした。</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>出力先のファイルは以前からあったもので、変更されていません。この結合の結果ではありません。</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>出力先のファイルは不完全な可能性があります。</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>「%1」への結合に失敗しました: pdftk は状態 %2 (%3) で終了しました。</translation>
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
        <translation>システムが監視できません (%1)</translation>
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
        <translation>Ordanex にはデスクトップ (X11 または Wayland) が必要ですが、どれにも接続できませんでした。
試した設定: %1、%2、%3。
デスクトップなしで実行するには、Xvfb で起動してください: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(未設定)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>置き換え(&amp;R)</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>ほか %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>貼り付けたファイルのうち %n 個は追加されませんでした: 名前が正しい UTF-8 ではありません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>ドロップしたファイルのうち %n 個は追加されませんでした: 名前が正しい UTF-8 ではありません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>貼り付けたファイルのうち %n 個は追加されませんでした: 一覧に入るのは最大 %1 個です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>ドロップしたファイルのうち %n 個は追加されませんでした: 一覧に入るのは最大 %1 個です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>貼り付けた項目のうち %n 個は追加されませんでした: このコンピューター上のファイルではありません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>ドロップした項目のうち %n 個は追加されませんでした: このコンピューター上のファイルではありません。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>結合する PDF ファイルの一覧 (ここにファイルをドロップ)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>出力先:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>結合(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>ファイルマネージャーからここにファイルをドロップするか、そこでコピーして Ctrl+V でここに貼り付けてください。</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>クリップボードにファイルがありません。ファイルマネージャーでファイルを選んで Ctrl+C でコピーし、ここで Ctrl+V で貼り付けてください。</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>%1 を追加しました。一覧のファイル数: %2。</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>%n 個のファイルを追加しました。一覧のファイル数: %1。</numerusform>
        </translation>
    </message>
</context>
</TS>
