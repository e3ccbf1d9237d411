<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>הנתיב של קובץ למיזוג לא יכול להכיל „=”.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>היעד ריק. יש להקליד את הנתיב המלא של הקובץ שייווצר, עם כל התיקיות שלו.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>היעד „%1” אינו נתיב מלא. יש להקליד את הנתיב המלא של הקובץ שייווצר, עם כל התיקיות שלו.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>היעד „%1” הוא תיקייה. יש להקליד את הנתיב המלא של קובץ בתוכה, עם שם הקובץ בסוף.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>ב־Windows, pdftk לא יכול לכתוב אל „%1”: חלק מהתווים שבו אינם בדף הקוד של המערכת הזאת. יש לבחור יעד בעל שם פשוט.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>ב־Windows, pdftk לא יכול לקרוא את השם „%1”: חלק מהתווים שבו אינם בדף הקוד של המערכת הזאת. יש לשנות את שם הקובץ או התיקייה שלו, או להעתיק אותו בשם פשוט.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>היעד „%1” אינו קובץ אלא התקן, צינור או שקע. יש לבחור יעד אחר.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>היעד הוא אחד הקבצים למיזוג. יש לבחור יעד אחר.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>מיזוג שעדיין פועל משתמש ב־„%1”. יש למזג שוב אחרי שיסתיים.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>כבר קיים קובץ ב־„%1”. להחליף אותו בתוצאת המיזוג הזה? לא יהיה אפשר לשחזר את הקובץ הנוכחי.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>לא ניתן היה להפעיל את כלי המיזוג „%1”: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>קובץ %n מוזג אל %1.</numerusform>
            <numerusform>%n קבצים מוזגו אל %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>המיזוג אל „%1” נכשל: pdftk דיווח על הצלחה, אבל לא השאיר שם קובץ חדש.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>המיזוג אל „%1” נכשל: pdftk הסתיים במצב %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>המיזוג אל „%1” נכשל: pdftk הסתיים במצב %2 (%3).</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>המיזוג אל „%1” נכשל: pdftk נעצר על ידי האות %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>המיזוג אל „%1” נכשל: pdftk נעצר על ידי האות %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>הודעת pdftk:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>לא נוצר קובץ ביעד.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>הקובץ ביעד הוא זה שהיה שם קודם, ללא שינוי: הוא אינו התוצאה של המיזוג הזה.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>ייתכן שהקובץ ביעד אינו שלם.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ToolStarter</name>
    <message>
        <source>this system cannot watch it (%1)</source>
        <extracomment>Why the merge tool could not be started; %1 is the system&apos;s words.</extracomment>
        <translation>המערכת הזאת לא יכולה לעקוב אחריו (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(לא מוגדר)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex זקוק לשולחן עבודה (X11 או Wayland), ולא נמצא אף אחד.
נוסה עם %1, %2, %3.
כדי להפעיל אותו בלי שולחן עבודה, יש להפעיל אותו תחת Xvfb: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>ה&amp;חלפה</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>ועוד %n</numerusform>
            <numerusform>ועוד %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n מהקבצים שהודבקו לא נוסף: שמו אינו UTF-8 תקין.</numerusform>
            <numerusform>%n מהקבצים שהודבקו לא נוספו: שמותיהם אינם UTF-8 תקין.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n מהקבצים שנגררו לא נוסף: שמו אינו UTF-8 תקין.</numerusform>
            <numerusform>%n מהקבצים שנגררו לא נוספו: שמותיהם אינם UTF-8 תקין.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n מהקבצים שהודבקו לא נוסף: הרשימה מכילה לכל היותר %1 קבצים.</numerusform>
            <numerusform>%n מהקבצים שהודבקו לא נוספו: הרשימה מכילה לכל היותר %1 קבצים.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n מהקבצים שנגררו לא נוסף: הרשימה מכילה לכל היותר %1 קבצים.</numerusform>
            <numerusform>%n מהקבצים שנגררו לא נוספו: הרשימה מכילה לכל היותר %1 קבצים.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n מהפריטים שהודבקו לא נוסף: הוא אינו קובץ במחשב הזה.</numerusform>
            <numerusform>%n מהפריטים שהודבקו לא נוספו: הם אינם קבצים במחשב הזה.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n מהפריטים שנגררו לא נוסף: הוא אינו קובץ במחשב הזה.</numerusform>
            <numerusform>%n מהפריטים שנגררו לא נוספו: הם אינם קבצים במחשב הזה.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>רשימת קובצי PDF למיזוג (יש לגרור קבצים לכאן)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>יעד:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;מיזוג</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>למ&amp;עלה</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>למ&amp;טה</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>יש לגרור לכאן קבצים ממנהל הקבצים, או להעתיק אותם שם ולהדביק אותם כאן עם Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>אין קבצים בלוח הגזירים. יש לבחור אותם במנהל הקבצים ולהעתיק אותם עם Ctrl+C, ואז להדביק אותם כאן עם Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>נוסף %1; ברשימה יש %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>נוסף קובץ %n; ברשימה יש %1.</numerusform>
            <numerusform>נוספו %n קבצים; ברשימה יש %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
