<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>MergeCommand</name>
    <message>
        <source>Only ASCI Characters in Inputfilenames allowed! (&apos;=&apos; is not valid)</source>
        <extracomment>The design&apos;s own words, typos included. They mean: the name of a file to merge, or of its folder, must not hold &quot;=&quot;.</extracomment>
        <translation>مسیر پرونده‌ای که باید ادغام شود نباید «=» داشته باشد.</translation>
    </message>
    <message>
        <source>The destination is empty. Type the whole path of the file to make, with all its folders.</source>
        <translation>مقصد خالی است. مسیر کامل پرونده‌ای را که باید ساخته شود، با همهٔ پوشه‌هایش، بنویسید.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a full path. Type the whole path of the file to make, with all its folders.</source>
        <translation>مقصد «%1» مسیر کامل نیست. مسیر کامل پرونده‌ای را که باید ساخته شود، با همهٔ پوشه‌هایش، بنویسید.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is a folder. Type the whole path of a file in it, with the file&apos;s name at the end.</source>
        <translation>مقصد «%1» یک پوشه است. مسیر کامل پرونده‌ای درون آن را، با نام پرونده در انتها، بنویسید.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot write to &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Choose a destination with a plain name.</source>
        <translation>در Windows، pdftk نمی‌تواند در «%1» بنویسد: برخی از نویسه‌های آن در صفحهٔ کد این سیستم نیستند. مقصدی با نام ساده انتخاب کنید.</translation>
    </message>
    <message>
        <source>pdftk on Windows cannot read the name &quot;%1&quot;: some of its characters are not in this system&apos;s code page. Rename the file or its folder, or copy it under a plain name.</source>
        <translation>در Windows، pdftk نمی‌تواند نام «%1» را بخواند: برخی از نویسه‌های آن در صفحهٔ کد این سیستم نیستند. نام پرونده یا پوشهٔ آن را تغییر دهید، یا آن را با نامی ساده رونوشت کنید.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; is not a file but a device, a pipe or a socket. Choose another destination.</source>
        <translation>مقصد «%1» پرونده نیست، بلکه دستگاه، لوله یا سوکت است. مقصد دیگری انتخاب کنید.</translation>
    </message>
    <message>
        <source>The destination is one of the files to merge. Choose another destination.</source>
        <translation>مقصد یکی از پرونده‌هایی است که باید ادغام شوند. مقصد دیگری انتخاب کنید.</translation>
    </message>
    <message>
        <source>A merge is still working on &quot;%1&quot;. Merge again once it has ended.</source>
        <translation>ادغامی که هنوز در جریان است با «%1» کار می‌کند. پس از پایان آن دوباره ادغام کنید.</translation>
    </message>
    <message>
        <source>There is already a file at &quot;%1&quot;. Replace it with this merge? The file there now cannot be brought back.</source>
        <translation>در «%1» از قبل پرونده‌ای هست. آیا با نتیجهٔ این ادغام جایگزین شود؟ پروندهٔ کنونی دیگر برنمی‌گردد.</translation>
    </message>
    <message>
        <source>The merge tool &quot;%1&quot; could not be started: %2</source>
        <extracomment>%2 is the system&apos;s own words for why.</extracomment>
        <translation>ابزار ادغام «%1» اجرا نشد: %2</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message numerus="yes">
        <source>Merged %n file(s) into %1.</source>
        <extracomment>For screen readers. %1 is the name of the file made.</extracomment>
        <translation>
            <numerusform>%n پرونده در %1 ادغام شد.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk reported success, but left no new file there.</source>
        <translation>ادغام در «%1» ناموفق بود: pdftk موفقیت را گزارش کرد، اما پروندهٔ تازه‌ای در آنجا نگذاشت.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2.</source>
        <translation>ادغام در «%1» ناموفق بود: pdftk با وضعیت %2 پایان یافت.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk ended with status %2 (%3).</source>
        <extracomment>%3 is the system&apos;s words for the status.</extracomment>
        <translation>ادغام در «%1» ناموفق بود: pdftk با وضعیت %2 (%3) پایان یافت.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2.</source>
        <translation>ادغام در «%1» ناموفق بود: pdftk با سیگنال %2 متوقف شد.</translation>
    </message>
    <message>
        <source>The merge into &quot;%1&quot; failed: pdftk was ended by signal %2 (%3).</source>
        <extracomment>%3 is the system&apos;s name for the signal.</extracomment>
        <translation>ادغام در «%1» ناموفق بود: pdftk با سیگنال %2 (%3) متوقف شد.</translation>
    </message>
    <message>
        <source>pdftk said:</source>
        <extracomment>What follows are pdftk&apos;s own last lines, as it wrote them.</extracomment>
        <translation>پیام pdftk:</translation>
    </message>
    <message>
        <source>No file was made at the destination.</source>
        <translation>هیچ پرونده‌ای در مقصد ساخته نشد.</translation>
    </message>
    <message>
        <source>The file at the destination is the one that was there before, unchanged: it is not the result of this merge.</source>
        <translation>پروندهٔ مقصد همانی است که پیش‌تر آنجا بود، بدون تغییر: نتیجهٔ این ادغام نیست.</translation>
    </message>
    <message>
        <source>The file at the destination may be incomplete.</source>
        <translation>شاید پروندهٔ مقصد ناقص باشد.</translation>
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
        <translation>این سیستم نمی‌تواند آن را زیر نظر بگیرد (%1)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>(unset)</source>
        <extracomment>Where a setting has no value.</extracomment>
        <translation>(تنظیم‌نشده)</translation>
    </message>
    <message>
        <source>Ordanex needs a desktop (X11 or Wayland), and none could be reached.
Tried with %1, %2, %3.
To run it without one, start it under Xvfb: xvfb-run -a ordanex
</source>
        <extracomment>Printed where Ordanex is started with no desktop. %1, %2 and %3 are the settings it went by, as NAME=value.</extracomment>
        <translation>Ordanex به یک میزکار (X11 یا Wayland) نیاز دارد، اما به هیچ‌کدام دسترسی نبود.
آزموده با %1، %2، %3.
برای اجرا بدون میزکار، آن را با Xvfb اجرا کنید: xvfb-run -a ordanex
</translation>
    </message>
</context>
<context>
    <name>ordanex::MessageBoxes</name>
    <message>
        <source>&amp;Replace</source>
        <extracomment>The button that replaces the file at the destination with the merge.</extracomment>
        <translation>&amp;جایگزینی</translation>
    </message>
</context>
<context>
    <name>ordanex::NotAdded</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>After the names of the first few files left out.</extracomment>
        <translation>
            <numerusform>و %n مورد دیگر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n پرونده از پرونده‌های چسبانده‌شده افزوده نشد: نام آن‌ها UTF-8 معتبر نیست.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n پرونده از پرونده‌های رهاشده افزوده نشد: نام آن‌ها UTF-8 معتبر نیست.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n پرونده از پرونده‌های چسبانده‌شده افزوده نشد: فهرست حداکثر %1 پرونده جا دارد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped files were not added: the list holds at most %1 files.</source>
        <translation>
            <numerusform>%n پرونده از پرونده‌های رهاشده افزوده نشد: فهرست حداکثر %1 پرونده جا دارد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the pasted items were not added: they are not files on this computer.</source>
        <extracomment>Such as web addresses, dropped or pasted along with files.</extracomment>
        <translation>
            <numerusform>%n مورد از موارد چسبانده‌شده افزوده نشد: پرونده‌ای روی این رایانه نیستند.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the dropped items were not added: they are not files on this computer.</source>
        <translation>
            <numerusform>%n مورد از موارد رهاشده افزوده نشد: پرونده‌ای روی این رایانه نیستند.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ordanex::frmMain</name>
    <message>
        <source>List of PDF Files to Merge (Drop Files here)</source>
        <extracomment>The caption above the list of files to merge.</extracomment>
        <translation>فهرست پرونده‌های PDF برای ادغام (پرونده‌ها را اینجا رها کنید)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <extracomment>The label of the field that holds the path of the file to make.</extracomment>
        <translation>مقصد:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <extracomment>A button. The letters after &quot;&amp;&quot; are access keys (Alt+letter); keep them apart among Merge, Up and Down.</extracomment>
        <translation>ا&amp;دغام</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <extracomment>A button that moves the selected file one place up the list.</extracomment>
        <translation>&amp;بالا</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <extracomment>A button that moves the selected file one place down the list.</extracomment>
        <translation>&amp;پایین</translation>
    </message>
    <message>
        <source>Drop files here from the file manager, or copy them there and paste them here with Ctrl+V.</source>
        <extracomment>Read by screen readers for the list.</extracomment>
        <translation>پرونده‌ها را از مدیر پرونده اینجا رها کنید، یا آن‌ها را آنجا رونوشت کنید و اینجا با Ctrl+V بچسبانید.</translation>
    </message>
    <message>
        <source>The clipboard holds no files. Select them in your file manager and copy them with Ctrl+C, then paste them here with Ctrl+V.</source>
        <translation>تخته‌گیره هیچ پرونده‌ای ندارد. آن‌ها را در مدیر پرونده انتخاب و با Ctrl+C رونوشت کنید، سپس اینجا با Ctrl+V بچسبانید.</translation>
    </message>
    <message>
        <source>Added %1; the list holds %2.</source>
        <extracomment>For screen readers, after a paste: %1 is the name of the file pasted, %2 the number of files now in the list.</extracomment>
        <translation>%1 افزوده شد؛ فهرست %2 پرونده دارد.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n file(s); the list holds %1.</source>
        <translation>
            <numerusform>%n پرونده افزوده شد؛ فهرست %1 پرونده دارد.</numerusform>
        </translation>
    </message>
</context>
</TS>
