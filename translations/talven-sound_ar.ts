<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>رسالة</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>سطر الأوامر فارغ</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>لا يوجد برنامج بهذا الاسم في مجلد البرنامج ولا في PATH</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>مجلد المُخرَ&amp;جات:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>مجلد المُخرَجات</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>المكان الذي يكتب فيه «فك الترميز» و«رمّز» ملفاتهما: بجانب كل ملف، أو في مجلد تختاره.</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>اختر مجلد المُخرَجات</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>بجانب كل ملف</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>اختر مجلدًا…</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as &quot;LTR&quot; in a left-to-right language, &quot;RTL&quot; in a right-to-left one (Arabic, Hebrew).</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ReplaceQuestion</name>
    <message>
        <source>%1 already exists in %2, and every backup number for it is taken, so the tool would refuse to replace it. Move or remove its backups (%1.~N~), or the file itself, and try again.</source>
        <translation>⁨%1⁩ موجود مسبقًا في ⁨%2⁩، وكل أرقام النسخ الاحتياطية له مستخدمة، لذا سترفض الأداة استبداله. انقل نسخه الاحتياطية (⁨%1⁩.~N~) أو احذفها، أو انقل الملف نفسه أو احذفه، ثم أعد المحاولة.</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>⁨%1⁩ موجود مسبقًا في ⁨%2⁩. أتريد استبداله؟ إن اختلف الملف الجديد عنه فسيُحتفظ بالملف السابق بجواره باسم ⁨%3⁩؛ وإن تطابقا فسيبقى كما هو.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>كل ملفات ⁨%1⁩ موجودة مسبقًا في ⁨%2⁩. أتريد استبدالها؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>كل ملفات ⁨%1⁩ موجودة مسبقًا في ⁨%2⁩. أتريد استبدالها؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>كل ملفات ⁨%1⁩ موجودة مسبقًا في ⁨%2⁩. أتريد استبدالها؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>كل ملفات ⁨%1⁩ موجودة مسبقًا في ⁨%2⁩. أتريد استبدالها؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>كل ملفات ⁨%1⁩ موجودة مسبقًا في ⁨%2⁩. أتريد استبدالها؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>كل ملفات ⁨%1⁩ موجودة مسبقًا في ⁨%2⁩. أتريد استبدالها؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>⁨%L1⁩ من ملفات ⁨%2⁩ البالغ عددها ⁨%Ln⁩ موجودة مسبقًا في ⁨%3⁩. أتريد استبدالها، أم تخطيها وإنشاء الباقي فقط؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>⁨%L1⁩ من ملفات ⁨%2⁩ البالغ عددها ⁨%Ln⁩ موجودة مسبقًا في ⁨%3⁩. أتريد استبدالها، أم تخطيها وإنشاء الباقي فقط؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>⁨%L1⁩ من ملفات ⁨%2⁩ البالغ عددها ⁨%Ln⁩ موجودة مسبقًا في ⁨%3⁩. أتريد استبدالها، أم تخطيها وإنشاء الباقي فقط؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>⁨%L1⁩ من ملفات ⁨%2⁩ البالغ عددها ⁨%Ln⁩ موجودة مسبقًا في ⁨%3⁩. أتريد استبدالها، أم تخطيها وإنشاء الباقي فقط؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>⁨%L1⁩ من ملفات ⁨%2⁩ البالغ عددها ⁨%Ln⁩ موجودة مسبقًا في ⁨%3⁩. أتريد استبدالها، أم تخطيها وإنشاء الباقي فقط؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
            <numerusform>⁨%L1⁩ من ملفات ⁨%2⁩ البالغ عددها ⁨%Ln⁩ موجودة مسبقًا في ⁨%3⁩. أتريد استبدالها، أم تخطيها وإنشاء الباقي فقط؟ سيُحتفظ بالملفات السابقة المختلفة عن الجديدة بجوارها باسم NAME.~N~؛ وتبقى المطابقة كما هي.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>ا&amp;ستبدل</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>&amp;تخطَّ الموجودة</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>«⁨%1⁩» مجلد: اختر ملف WSS داخله بزر «اختر WSS»، أو اكتب اسمه.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>«⁨%1⁩» مجلد: اختر ملف WAV داخله بزر «اختر WAV»، أو اكتب اسمه.</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>تعذّر العثور على الملف «⁨%1⁩»</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>اكتب مسار ملف WSS، أو اختر واحدًا بزر «اختر WSS».</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>اكتب مسار ملف WAV، أو اختر واحدًا بزر «اختر WAV».</translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>…و⁨%Ln⁩ غيرها</numerusform>
            <numerusform>…وواحد آخر</numerusform>
            <numerusform>…واثنان آخران</numerusform>
            <numerusform>…و⁨%Ln⁩ أخرى</numerusform>
            <numerusform>…و⁨%Ln⁩ أخرى</numerusform>
            <numerusform>…و⁨%Ln⁩ أخرى</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>أُوقف فك ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف فك ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف فك ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف فك ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف فك ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف فك ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>أُوقف ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
            <numerusform>أُوقف ترميز ⁨%1⁩. الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>تعذّر فك ترميز ⁨%1⁩: تعذّر تشغيل ⁨%2⁩.</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>تعذّر ترميز ⁨%1⁩: تعذّر تشغيل ⁨%2⁩.</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>تعذّر فك ترميز ⁨%1⁩.</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>تعذّر ترميز ⁨%1⁩.</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>انتهى فك ترميز ⁨%1⁩ على نحو غير متوقع.</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>انتهى ترميز ⁨%1⁩ على نحو غير متوقع.</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>سطر الأوامر: ⁨%1⁩</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>رمز الخروج: ⁨%1⁩</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>أُنهي بالإشارة ⁨%1⁩</translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>ا&amp;ختر مجلدًا آخر…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>يجري فك ترميز ⁨%1⁩ من ⁨%2⁩: ⁨%3⁩</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>يجري ترميز ⁨%1⁩ من ⁨%2⁩: ⁨%3⁩</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>يجري فك ترميز ⁨%1⁩…</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>يجري ترميز ⁨%1⁩…</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>أُوقف فك ترميز ⁨%1⁩</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>أُوقف ترميز ⁨%1⁩</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>فشل فك ترميز ⁨%1⁩</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>فشل ترميز ⁨%1⁩</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>اكتمل فك ترميز ⁨%1⁩</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>اكتمل ترميز ⁨%1⁩</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>⁨%1⁩ في ⁨%2⁩ يحوي هذا الصوت مسبقًا؛ تُرك كما هو</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>كُتب ⁨%1⁩ في ⁨%2⁩</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>حُفظ الملف السابق ⁨%1⁩ باسم ⁨%2⁩</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي فشلت قبل الإيقاف: ⁨%Ln⁩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>أُوقف بعد ⁨%L1⁩ من ⁨%Ln⁩ ملف</numerusform>
            <numerusform>أُوقف بعد ⁨%L1⁩ من ملف واحد</numerusform>
            <numerusform>أُوقف بعد ⁨%L1⁩ من ملفين</numerusform>
            <numerusform>أُوقف بعد ⁨%L1⁩ من ⁨%Ln⁩ ملفات</numerusform>
            <numerusform>أُوقف بعد ⁨%L1⁩ من ⁨%Ln⁩ ملفًا</numerusform>
            <numerusform>أُوقف بعد ⁨%L1⁩ من ⁨%Ln⁩ ملف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>لم يُفك ترميز أي ملف في ⁨%1⁩</numerusform>
            <numerusform>فُكّ ترميز ملف واحد في ⁨%1⁩</numerusform>
            <numerusform>فُكّ ترميز ملفين في ⁨%1⁩</numerusform>
            <numerusform>فُكّ ترميز ⁨%Ln⁩ ملفات في ⁨%1⁩</numerusform>
            <numerusform>فُكّ ترميز ⁨%Ln⁩ ملفًا في ⁨%1⁩</numerusform>
            <numerusform>فُكّ ترميز ⁨%Ln⁩ ملف في ⁨%1⁩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>لم يُرمَّز أي ملف في ⁨%1⁩</numerusform>
            <numerusform>رُمِّز ملف واحد في ⁨%1⁩</numerusform>
            <numerusform>رُمِّز ملفان في ⁨%1⁩</numerusform>
            <numerusform>رُمِّزت ⁨%Ln⁩ ملفات في ⁨%1⁩</numerusform>
            <numerusform>رُمِّز ⁨%Ln⁩ ملفًا في ⁨%1⁩</numerusform>
            <numerusform>رُمِّز ⁨%Ln⁩ ملف في ⁨%1⁩</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>يجري إيقاف فك ترميز ⁨%1⁩…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>يجري إيقاف ترميز ⁨%1⁩…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>ستُغلق النافذة عند انتهاء فك الترميز والترميز…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>ستُغلق النافذة عند انتهاء فك ترميز ⁨%1⁩…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>ستُغلق النافذة عند انتهاء ترميز ⁨%1⁩…</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>فُكّ ترميز ⁨%1⁩ من ⁨%2⁩ ملفات في ⁨%3⁩؛ فشل ⁨%4⁩</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>رُمِّز ⁨%1⁩ من ⁨%2⁩ ملفات في ⁨%3⁩؛ فشل ⁨%4⁩</translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>لم يُحفظ أي ملف مستبدَل كنسخة احتياطية (NAME.~N~)</numerusform>
            <numerusform>حُفظ ملف مستبدَل واحد كنسخة احتياطية (NAME.~N~)</numerusform>
            <numerusform>حُفظ ملفان مستبدَلان كنسختين احتياطيتين (NAME.~N~)</numerusform>
            <numerusform>حُفظت ⁨%Ln⁩ ملفات مستبدَلة كنسخ احتياطية (NAME.~N~)</numerusform>
            <numerusform>حُفظ ⁨%Ln⁩ ملفًا مستبدَلًا كنسخ احتياطية (NAME.~N~)</numerusform>
            <numerusform>حُفظ ⁨%Ln⁩ ملف مستبدَل كنسخ احتياطية (NAME.~N~)</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>لم يُفك ترميز أي ملف في ⁨%1⁩</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>لم يُرمَّز أي ملف في ⁨%1⁩</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>الملفات التي كانت تحمل الصوت نفسه وبقيت كما هي: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي كانت تحمل الصوت نفسه وبقيت كما هي: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي كانت تحمل الصوت نفسه وبقيت كما هي: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي كانت تحمل الصوت نفسه وبقيت كما هي: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي كانت تحمل الصوت نفسه وبقيت كما هي: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات التي كانت تحمل الصوت نفسه وبقيت كما هي: ⁨%Ln⁩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>الملفات المتخطاة لأن مخرجاتها موجودة مسبقًا: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات المتخطاة لأن مخرجاتها موجودة مسبقًا: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات المتخطاة لأن مخرجاتها موجودة مسبقًا: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات المتخطاة لأن مخرجاتها موجودة مسبقًا: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات المتخطاة لأن مخرجاتها موجودة مسبقًا: ⁨%Ln⁩</numerusform>
            <numerusform>الملفات المتخطاة لأن مخرجاتها موجودة مسبقًا: ⁨%Ln⁩</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>التقدّم</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>أوقف</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>أوقف الأداة العاملة (Esc). يُحتفظ بالملفات المكتوبة.</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>أوقف &amp;قسرًا</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>أوقف قسرًا</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>أنهِ الأداة فورًا: لم تتوقف عند طلب ذلك.</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>أظهر في ال&amp;مجلد</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>أظهر في المجلد</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>افتح المجلد مع تحديد الملفات المكتوبة.</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>ملف WSS</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>اختر ملف WSS</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>ملف WAV</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>اختر ملف WAV</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>لم تُفتح هذه الملفات:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>«⁨%1⁩»: ليس ملف ‎.wss أو ‎.wav</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>«⁨%1⁩»: لا يوجد ملف بهذا الاسم</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>«⁨%1⁩»: صفّه يقبل ملفًا واحدًا، أول ما حُدِّد: «⁨%2⁩»</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound – فاكّ الترميز / المرمّز</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;فك الترميز</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>فك ترميز ملف WSS المحدد.</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;رمّز</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>رمّز ملف WAV المحدد.</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>ملف WAV المراد ترميزه</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>ملف WSS المراد فك ترميزه</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>اختر W&amp;AV</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>تصفّح بحثًا عن ملف WAV الذي تريد ترميزه</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>اختر &amp;WSS</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>تصفّح بحثًا عن ملف WSS الذي تريد فك ترميزه</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>«⁨%1⁩»: مجلد؛ اختر ملف WSS أو WAV داخله بزر «اختر WSS» أو «اختر WAV»</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>لا يوجد في سطح المكتب هذا مدير ملفات ولا برنامج يفتح المجلدات، لذا لا يمكن عرض المجلد. الملفات موجودة في:
⁨%1⁩</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>أظهر في المجلد</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>مسار ملف WAV المراد ترميزه. لترميز ملفات كثيرة دفعة واحدة استخدم في الاسم * لأي محارف و? لمحرف واحد، كما في ‎/home/ann/Sounds/*.wav‎.</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>مسار ملف WSS المراد فك ترميزه. لفك ترميز ملفات كثيرة دفعة واحدة استخدم في الاسم * لأي محارف و? لمحرف واحد، كما في ‎/home/ann/Sounds/*.wss‎.</translation>
    </message>
    <message>
        <source>%1 % – %2</source>
        <comment>the title while minimised: the batch&apos;s progress in percent, the title</comment>
        <translation>%1٪ – %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Converts sound files between WSS and WAV with the WSSdec.exe and WSSCod.exe tools.</source>
        <translation>يحوّل ملفات الصوت بين WSS وWAV بالأداتين WSSdec.exe وWSSCod.exe.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>ملف</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>ملفات WSS أو WAV لعرضها في النافذة، كل منها في صفه.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>جرّب «⁨%1⁩ --help».</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>لا توجد شاشة لفتح النافذة عليها (DISPLAY وWAYLAND_DISPLAY غير معيّنين).</translation>
    </message>
</context>
</TS>
