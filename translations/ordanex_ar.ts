<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>يجب ألا يحتوي مسار ملف مراد دمجه على «=».</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>الوجهة «%1» ليست مسارًا كاملًا. اكتب المسار الكامل للملف المراد إنشاؤه، بكل مجلداته.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>الوجهة هي أحد الملفات المراد دمجها. اختر وجهة أخرى.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>ما زالت عملية دمج جارية تستخدم «%1». ادمج مرة أخرى بعد انتهائها.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>يوجد ملف بالفعل في «%1». هل تريد استبداله بنتيجة هذا الدمج؟ لا يمكن استرجاع الملف الحالي بعد ذلك.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>تعذّر تشغيل أداة الدمج «%1»: %2</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>الوجهة «%1» مجلد. اكتب المسار الكامل لملف داخله، واسم الملف في آخره.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>لا يستطيع pdftk على Windows الكتابة في «%1»: بعض أحرفه ليست في صفحة الترميز لهذا النظام. اختر وجهة باسم بسيط.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>لا يستطيع pdftk على Windows قراءة الاسم «%1»: بعض أحرفه ليست في صفحة الترميز لهذا النظام. غيّر اسم الملف أو مجلده، أو انسخه باسم بسيط.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>الوجهة «%1» ليست ملفًا بل جهاز أو أنبوب أو مقبس. اختر وجهة أخرى.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>الوجهة فارغة. اكتب المسار الكامل للملف المراد إنشاؤه، بكل مجلداته.</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>تم دمج %n ملف في %1.</numerusform>
            <numerusform>تم دمج %n ملف في %1.</numerusform>
            <numerusform>تم دمج %n ملفين في %1.</numerusform>
            <numerusform>تم دمج %n ملفات في %1.</numerusform>
            <numerusform>تم دمج %n ملفًا في %1.</numerusform>
            <numerusform>تم دمج %n ملف في %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>فشل الدمج في «%1»: أبلغ pdftk عن النجاح، لكنه لم يترك هناك أي ملف جديد.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>فشل الدمج في «%1»: انتهى pdftk بالحالة %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>فشل الدمج في «%1»: أُنهي pdftk بالإشارة %2.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>فشل الدمج في «%1»: أُنهي pdftk بالإشارة %2 (%3).</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>قال pdftk:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>لم يُنشأ أي ملف في الوجهة.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>الملف الموجود في الوجهة هو الذي كان هناك من قبل، دون تغيير: ليس نتيجة هذا الدمج.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>قد يكون الملف الموجود في الوجهة غير مكتمل.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>فشل الدمج في «%1»: انتهى pdftk بالحالة %2 (%3).</translation>
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
        <translation>لا يستطيع النظام مراقبتها (%1)</translation>
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
        <translation>يحتاج Ordanex إلى سطح مكتب (X11 أو Wayland)، ولم يمكن الوصول إلى أي منهما.
جُرّب باستخدام %1، %2، %3.
لتشغيله دون سطح مكتب، شغّله تحت Xvfb: xvfb-run -a ordanex
</translation>
    </message>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(غير معيّن)</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;استبدال</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>و%n أخرى</numerusform>
            <numerusform>و%n أخرى</numerusform>
            <numerusform>و%n أخرى</numerusform>
            <numerusform>و%n أخرى</numerusform>
            <numerusform>و%n أخرى</numerusform>
            <numerusform>و%n أخرى</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>لم يُضَف %n من الملفات الملصقة: أسماؤها ليست UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: اسمه ليس UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: اسماهما ليسا UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: أسماؤها ليست UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: أسماؤها ليست UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: أسماؤها ليست UTF-8 صالحًا.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: أسماؤها ليست UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: اسمه ليس UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: اسماهما ليسا UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: أسماؤها ليست UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: أسماؤها ليست UTF-8 صالحًا.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: أسماؤها ليست UTF-8 صالحًا.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>لم يُضَف %n من الملفات الملصقة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات الملصقة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
            <numerusform>لم يُضَف %n من الملفات المُفلَتة: تتسع القائمة لـ %1 ملف على الأكثر.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>لم يُضَف %n من العناصر الملصقة: ليست ملفات على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر الملصقة: ليس ملفًا على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر الملصقة: ليسا ملفين على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر الملصقة: ليست ملفات على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر الملصقة: ليست ملفات على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر الملصقة: ليست ملفات على هذا الحاسوب.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>لم يُضَف %n من العناصر المُفلَتة: ليست ملفات على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر المُفلَتة: ليس ملفًا على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر المُفلَتة: ليسا ملفين على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر المُفلَتة: ليست ملفات على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر المُفلَتة: ليست ملفات على هذا الحاسوب.</numerusform>
            <numerusform>لم يُضَف %n من العناصر المُفلَتة: ليست ملفات على هذا الحاسوب.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>قائمة ملفات PDF المراد دمجها (أفلت الملفات هنا)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>الوجهة:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>&amp;دمج</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;فوق</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;تحت</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>أفلت الملفات هنا من مدير الملفات، أو انسخها هناك والصقها هنا باستخدام Ctrl+V.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>لا تحتوي الحافظة على ملفات. حدّدها في مدير الملفات وانسخها باستخدام Ctrl+C، ثم الصقها هنا باستخدام Ctrl+V.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>أُضيف %1؛ عدد الملفات في القائمة الآن: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>أُضيف %n ملف؛ عدد الملفات في القائمة الآن: %1.</numerusform>
            <numerusform>أُضيف %n ملف؛ عدد الملفات في القائمة الآن: %1.</numerusform>
            <numerusform>أُضيف %n ملفان؛ عدد الملفات في القائمة الآن: %1.</numerusform>
            <numerusform>أُضيفت %n ملفات؛ عدد الملفات في القائمة الآن: %1.</numerusform>
            <numerusform>أُضيف %n ملفًا؛ عدد الملفات في القائمة الآن: %1.</numerusform>
            <numerusform>أُضيف %n ملف؛ عدد الملفات في القائمة الآن: %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
