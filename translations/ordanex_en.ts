<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>Merged %n file into %1.</numerusform>
            <numerusform>Merged %n files into %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n of the pasted files was not added: its name is not valid UTF-8.</numerusform>
            <numerusform>%n of the pasted files were not added: their names are not valid UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n of the dropped files was not added: its name is not valid UTF-8.</numerusform>
            <numerusform>%n of the dropped files were not added: their names are not valid UTF-8.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n of the pasted files was not added: the list holds at most %1 files.</numerusform>
            <numerusform>%n of the pasted files were not added: the list holds at most %1 files.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n of the dropped files was not added: the list holds at most %1 files.</numerusform>
            <numerusform>%n of the dropped files were not added: the list holds at most %1 files.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n of the pasted items was not added: it is not a file on this computer.</numerusform>
            <numerusform>%n of the pasted items were not added: they are not files on this computer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n of the dropped items was not added: it is not a file on this computer.</numerusform>
            <numerusform>%n of the dropped items were not added: they are not files on this computer.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>Added %n file; the list holds %1.</numerusform>
            <numerusform>Added %n files; the list holds %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
