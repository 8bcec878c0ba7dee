<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>הודעה</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>שורת הפקודה ריקה</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>אין תוכנית כזאת בתיקיית התוכנית או ב־PATH</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>תיקיית הפ&amp;לט:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>תיקיית הפלט</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>היכן “פענוח” ו“קידוד” כותבים את הקבצים: ליד כל קובץ, או בתיקייה שבחרת.</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>בחירת תיקיית הפלט</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>ליד כל קובץ</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>בחירת תיקייה…</translation>
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
        <translation>⁨%1⁩ כבר קיים בתוך ⁨%2⁩, וכל מספרי הגיבוי שלו תפוסים, ולכן הכלי יסרב להחליף אותו. יש להעביר או למחוק את הגיבויים שלו (⁨%1⁩.~N~), או את הקובץ עצמו, ולנסות שוב.</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>⁨%1⁩ כבר קיים בתוך ⁨%2⁩. להחליף אותו? אם הקובץ החדש שונה ממנו, הקובץ הקודם יישמר לצדו בשם ⁨%3⁩; אם הם זהים, הוא יישאר כמו שהוא.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>הקובץ ⁨%1⁩ כבר קיים בתוך ⁨%2⁩. להחליף אותו? אם הוא שונה מהחדש, הקובץ הקודם יישמר לצדו בשם NAME.~N~; אם הוא זהה, הוא יישאר כמו שהוא.</numerusform>
            <numerusform>כל ⁨%Ln⁩ קובצי ⁨%1⁩ כבר קיימים בתוך ⁨%2⁩. להחליף אותם? קבצים קודמים השונים מהחדשים יישמרו לצדם בשם NAME.~N~; הזהים יישארו כמו שהם.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>⁨%L1⁩ מתוך ⁨%Ln⁩ קובצי ⁨%2⁩ כבר קיימים בתוך ⁨%3⁩. להחליף אותם, או לדלג עליהם וליצור רק את השאר? קבצים קודמים השונים מהחדשים יישמרו לצדם בשם NAME.~N~; הזהים יישארו כמו שהם.</numerusform>
            <numerusform>⁨%L1⁩ מתוך ⁨%Ln⁩ קובצי ⁨%2⁩ כבר קיימים בתוך ⁨%3⁩. להחליף אותם, או לדלג עליהם וליצור רק את השאר? קבצים קודמים השונים מהחדשים יישמרו לצדם בשם NAME.~N~; הזהים יישארו כמו שהם.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>ה&amp;חלפה</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>&amp;דילוג על הקיימים</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>“⁨%1⁩” היא תיקייה: יש לבחור בה קובץ WSS עם “בחירת WSS”, או להקליד את שמו.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>“⁨%1⁩” היא תיקייה: יש לבחור בה קובץ WAV עם “בחירת WAV”, או להקליד את שמו.</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>לא ניתן למצוא את הקובץ “⁨%1⁩”</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>יש להקליד נתיב של קובץ WSS, או לבחור קובץ עם “בחירת WSS”.</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>יש להקליד נתיב של קובץ WAV, או לבחור קובץ עם “בחירת WAV”.</translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>…ועוד אחד</numerusform>
            <numerusform>…ועוד ⁨%Ln⁩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>הפענוח של ⁨%1⁩ נעצר. קבצים שנכשלו לפני העצירה: ⁨%Ln⁩.</numerusform>
            <numerusform>הפענוח של ⁨%1⁩ נעצר. קבצים שנכשלו לפני העצירה: ⁨%Ln⁩.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>הקידוד של ⁨%1⁩ נעצר. קבצים שנכשלו לפני העצירה: ⁨%Ln⁩.</numerusform>
            <numerusform>הקידוד של ⁨%1⁩ נעצר. קבצים שנכשלו לפני העצירה: ⁨%Ln⁩.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>לא ניתן לפענח את ⁨%1⁩: לא ניתן להפעיל את ⁨%2⁩.</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>לא ניתן לקודד את ⁨%1⁩: לא ניתן להפעיל את ⁨%2⁩.</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>לא ניתן לפענח את ⁨%1⁩.</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>לא ניתן לקודד את ⁨%1⁩.</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>הפענוח של ⁨%1⁩ הסתיים באופן בלתי צפוי.</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>הקידוד של ⁨%1⁩ הסתיים באופן בלתי צפוי.</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>שורת פקודה: ⁨%1⁩</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>קוד יציאה: ⁨%1⁩</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>הסתיים על ידי האות ⁨%1⁩</translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>&amp;בחירת תיקייה אחרת…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>מפענח את ⁨%1⁩ מתוך ⁨%2⁩: ⁨%3⁩</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>מקודד את ⁨%1⁩ מתוך ⁨%2⁩: ⁨%3⁩</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>מפענח את ⁨%1⁩…</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>מקודד את ⁨%1⁩…</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>פענוח ⁨%1⁩ נעצר</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>קידוד ⁨%1⁩ נעצר</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>פענוח ⁨%1⁩ נכשל</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>קידוד ⁨%1⁩ נכשל</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>פענוח ⁨%1⁩ הסתיים</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>קידוד ⁨%1⁩ הסתיים</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>⁨%1⁩ בתוך ⁨%2⁩ כבר הכיל את הצליל הזה; הוא נשאר כפי שהיה</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>⁨%1⁩ נכתב בתוך ⁨%2⁩</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>הקובץ הקודם ⁨%1⁩ נשמר בשם ⁨%2⁩</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>קבצים שנכשלו לפני העצירה: ⁨%Ln⁩</numerusform>
            <numerusform>קבצים שנכשלו לפני העצירה: ⁨%Ln⁩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>נעצר אחרי ⁨%L1⁩ מתוך קובץ אחד</numerusform>
            <numerusform>נעצר אחרי ⁨%L1⁩ מתוך ⁨%Ln⁩ קבצים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>פוענח קובץ אחד בתוך ⁨%1⁩</numerusform>
            <numerusform>פוענחו ⁨%Ln⁩ קבצים בתוך ⁨%1⁩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>קודד קובץ אחד בתוך ⁨%1⁩</numerusform>
            <numerusform>קודדו ⁨%Ln⁩ קבצים בתוך ⁨%1⁩</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>עוצר את הפענוח של ⁨%1⁩…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>עוצר את הקידוד של ⁨%1⁩…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>החלון ייסגר כשהפענוח והקידוד יסתיימו…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>החלון ייסגר כשהפענוח של ⁨%1⁩ יסתיים…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>החלון ייסגר כשהקידוד של ⁨%1⁩ יסתיים…</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>פוענחו ⁨%1⁩ מתוך ⁨%2⁩ קבצים בתוך ⁨%3⁩; נכשלו: ⁨%4⁩</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>קודדו ⁨%1⁩ מתוך ⁨%2⁩ קבצים בתוך ⁨%3⁩; נכשלו: ⁨%4⁩</translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>קובץ מוחלף אחד נשמר כגיבוי (NAME.~N~)</numerusform>
            <numerusform>⁨%Ln⁩ קבצים מוחלפים נשמרו כגיבויים (NAME.~N~)</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>לא פוענח אף קובץ בתוך ⁨%1⁩</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>לא קודד אף קובץ בתוך ⁨%1⁩</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>קבצים שכבר הכילו את אותו צליל ונשארו כמו שהם: ⁨%Ln⁩</numerusform>
            <numerusform>קבצים שכבר הכילו את אותו צליל ונשארו כמו שהם: ⁨%Ln⁩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>קבצים שדולגו כי הפלט שלהם כבר היה קיים: ⁨%Ln⁩</numerusform>
            <numerusform>קבצים שדולגו כי הפלט שלהם כבר היה קיים: ⁨%Ln⁩</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>התקדמות</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>עצירה</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>עצירת הכלי שפועל (Esc). קבצים שכבר נכתבו נשמרים.</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>עצירה &amp;כפויה</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>עצירה כפויה</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>סיום הכלי מיד: הוא לא נעצר כשהתבקש.</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>הצגה ב&amp;תיקייה</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>הצגה בתיקייה</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>פתיחת התיקייה כשהקבצים שנכתבו מסומנים.</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>קובץ WSS</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>בחירת קובץ WSS</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>קובץ WAV</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>בחירת קובץ WAV</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>הקבצים האלה לא נפתחו:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>“⁨%1⁩”: אינו קובץ ‎.wss או ‎.wav</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>“⁨%1⁩”: אין קובץ כזה</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>“⁨%1⁩”: השורה שלו מקבלת קובץ אחד בלבד, הראשון שצוין: “⁨%2⁩”</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound – מפענח / מקודד</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;פענוח</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>פענוח קובץ ה־WSS שנבחר.</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;קידוד</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>קידוד קובץ ה־WAV שנבחר.</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>קובץ WAV לקידוד</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>קובץ WSS לפענוח</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>בחירת W&amp;AV</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>עיון אחר קובץ ה־WAV שברצונך לקודד</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>בחירת &amp;WSS</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>עיון אחר קובץ ה־WSS שברצונך לפענח</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>“⁨%1⁩”: תיקייה; יש לבחור בה קובץ WSS או WAV עם “בחירת WSS” או “בחירת WAV”</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>בשולחן העבודה הזה אין מנהל קבצים ואין תוכנית שפותחת תיקיות, ולכן אי אפשר להציג את התיקייה. הקבצים נמצאים בתוך:
⁨%1⁩</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>הצגה בתיקייה</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>הנתיב של קובץ ה־WAV לקידוד. כדי לקודד קבצים רבים בבת אחת, אפשר להשתמש בשם ב־* לכל רצף תווים וב־? לתו אחד, כמו ב־‎/home/ann/Sounds/*.wav‎.</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>הנתיב של קובץ ה־WSS לפענוח. כדי לפענח קבצים רבים בבת אחת, אפשר להשתמש בשם ב־* לכל רצף תווים וב־? לתו אחד, כמו ב־‎/home/ann/Sounds/*.wss‎.</translation>
    </message>
    <message>
        <source>%1 % – %2</source>
        <comment>the title while minimised: the batch&apos;s progress in percent, the title</comment>
        <translation>%1% – %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Converts sound files between WSS and WAV with the WSSdec.exe and WSSCod.exe tools.</source>
        <translation>ממיר קובצי צליל בין WSS ל־WAV בעזרת הכלים WSSdec.exe ו־WSSCod.exe.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>קובץ</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>קובצי WSS או WAV להצגה בחלון, כל אחד בשורה שלו.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>אפשר לנסות “⁨%1⁩ --help”.</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>אין תצוגה שעליה אפשר לפתוח את החלון (DISPLAY ו־WAYLAND_DISPLAY אינם מוגדרים).</translation>
    </message>
</context>
</TS>
