<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>병합할 파일의 경로에는 &quot;=&quot;가 들어갈 수 없습니다.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>대상이 비어 있습니다. 만들 파일의 전체 경로를 모든 폴더와 함께 입력하십시오.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>대상 &quot;%1&quot;은(는) 전체 경로가 아닙니다. 만들 파일의 전체 경로를 모든 폴더와 함께 입력하십시오.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>대상 &quot;%1&quot;은(는) 폴더입니다. 그 안에 있을 파일의 전체 경로를 파일 이름까지 입력하십시오.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>Windows의 pdftk는 &quot;%1&quot;에 쓸 수 없습니다: 일부 문자가 이 시스템의 코드 페이지에 없습니다. 간단한 이름의 대상을 선택하십시오.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>Windows의 pdftk는 이름 &quot;%1&quot;을(를) 읽을 수 없습니다: 일부 문자가 이 시스템의 코드 페이지에 없습니다. 파일이나 그 폴더의 이름을 바꾸거나, 간단한 이름으로 복사하십시오.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>대상 &quot;%1&quot;은(는) 파일이 아니라 장치, 파이프 또는 소켓입니다. 다른 대상을 선택하십시오.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>대상이 병합할 파일 중 하나입니다. 다른 대상을 선택하십시오.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>진행 중인 병합이 아직 &quot;%1&quot;을(를) 사용하고 있습니다. 병합이 끝난 뒤에 다시 병합하십시오.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>&quot;%1&quot;에 이미 파일이 있습니다. 이 병합의 결과로 바꾸시겠습니까? 지금 있는 파일은 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>병합 도구 &quot;%1&quot;을(를) 시작할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>파일 %n개를 %1(으)로 병합했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>&quot;%1&quot;(으)로 병합하지 못했습니다: pdftk가 성공했다고 알렸지만 그곳에 새 파일을 남기지 않았습니다.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>&quot;%1&quot;(으)로 병합하지 못했습니다: pdftk가 상태 %2(으)로 끝났습니다.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>&quot;%1&quot;(으)로 병합하지 못했습니다: pdftk가 상태 %2 (%3)(으)로 끝났습니다.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>&quot;%1&quot;(으)로 병합하지 못했습니다: pdftk가 시그널 %2(으)로 중지되었습니다.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>&quot;%1&quot;(으)로 병합하지 못했습니다: pdftk가 시그널 %2 (%3)(으)로 중지되었습니다.</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>pdftk 메시지:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>대상에 파일이 만들어지지 않았습니다.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>대상의 파일은 전부터 있던 파일이며 바뀌지 않았습니다. 이 병합의 결과가 아닙니다.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>대상의 파일이 불완전할 수 있습니다.</translation>
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
        <translation>이 시스템에서 감시할 수 없습니다 (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(설정되지 않음)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex를 실행하려면 데스크톱(X11 또는 Wayland)이 필요하지만 연결할 수 있는 것이 없습니다.
시도한 설정: %1, %2, %3.
데스크톱 없이 실행하려면 Xvfb에서 시작하십시오: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>바꾸기(&amp;R)</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>외 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>붙여넣은 파일 중 %n개를 추가하지 않았습니다: 이름이 올바른 UTF-8이 아닙니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>끌어다 놓은 파일 중 %n개를 추가하지 않았습니다: 이름이 올바른 UTF-8이 아닙니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>붙여넣은 파일 중 %n개를 추가하지 않았습니다: 목록에는 파일을 최대 %1개까지 넣을 수 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>끌어다 놓은 파일 중 %n개를 추가하지 않았습니다: 목록에는 파일을 최대 %1개까지 넣을 수 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>붙여넣은 항목 중 %n개를 추가하지 않았습니다: 이 컴퓨터에 있는 파일이 아닙니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>끌어다 놓은 항목 중 %n개를 추가하지 않았습니다: 이 컴퓨터에 있는 파일이 아닙니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>병합할 PDF 파일 목록 (여기에 파일을 끌어다 놓으십시오)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>대상:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>병합(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>위로(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>아래로(&amp;D)</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>파일 관리자에서 파일을 여기로 끌어다 놓거나, 그곳에서 복사한 뒤 여기에 Ctrl+V로 붙여넣으십시오.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>클립보드에 파일이 없습니다. 파일 관리자에서 파일을 선택하고 Ctrl+C로 복사한 다음, 여기에 Ctrl+V로 붙여넣으십시오.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>%1을(를) 추가했습니다. 목록에 %2개가 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>파일 %n개를 추가했습니다. 목록에 %1개가 있습니다.</numerusform>
        </translation>
    </message>
</context>
</TS>
