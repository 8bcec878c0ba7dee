<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>командная строка пуста</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>такой программы нет ни в папке программы, ни в PATH</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>Папка для &amp;результатов:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Папка для результатов</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>Куда «Декодировать» и «Кодировать» записывают файлы: рядом с каждым файлом или в выбранную вами папку.</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Выбор папки для результатов</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>Рядом с каждым файлом</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Выбрать папку…</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as &quot;LTR&quot; in a left-to-right language, &quot;RTL&quot; in a right-to-left one (Arabic, Hebrew).</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ReplaceQuestion</name>
    <message>
        <source>%1 already exists in %2, and every backup number for it is taken, so the tool would refuse to replace it. Move or remove its backups (%1.~N~), or the file itself, and try again.</source>
        <translation>%1 уже существует в %2, и все номера резервных копий для него заняты, поэтому утилита откажется его заменять. Переместите или удалите его резервные копии (%1.~N~) либо сам файл и повторите попытку.</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>%1 уже существует в %2. Заменить? Если новый файл отличается, прежний будет сохранён рядом под именем %3; если они одинаковы, он останется как есть.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>Все файлы %1 (%Ln) уже существуют в %2. Заменить их? Прежние файлы, отличающиеся от новых, будут сохранены рядом под именами ИМЯ.~N~; одинаковые останутся как есть.</numerusform>
            <numerusform>Все %Ln файла %1 уже существуют в %2. Заменить их? Прежние файлы, отличающиеся от новых, будут сохранены рядом под именами ИМЯ.~N~; одинаковые останутся как есть.</numerusform>
            <numerusform>Все %Ln файлов %1 уже существуют в %2. Заменить их? Прежние файлы, отличающиеся от новых, будут сохранены рядом под именами ИМЯ.~N~; одинаковые останутся как есть.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>Уже существуют в %3 файлы %2: %L1 из %Ln. Заменить их или пропустить и создать только остальные? Прежние файлы, отличающиеся от новых, будут сохранены рядом под именами ИМЯ.~N~; одинаковые останутся как есть.</numerusform>
            <numerusform>Уже существуют в %3 файлы %2: %L1 из %Ln. Заменить их или пропустить и создать только остальные? Прежние файлы, отличающиеся от новых, будут сохранены рядом под именами ИМЯ.~N~; одинаковые останутся как есть.</numerusform>
            <numerusform>Уже существуют в %3 файлы %2: %L1 из %Ln. Заменить их или пропустить и создать только остальные? Прежние файлы, отличающиеся от новых, будут сохранены рядом под именами ИМЯ.~N~; одинаковые останутся как есть.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>&amp;Пропустить существующие</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>«%1» — это папка: выберите в ней WSS-файл кнопкой «Выбрать WSS» или введите его имя.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>«%1» — это папка: выберите в ней WAV-файл кнопкой «Выбрать WAV» или введите его имя.</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>Не удалось найти файл «%1»</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>Введите путь к WSS-файлу или выберите его кнопкой «Выбрать WSS».</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>Введите путь к WAV-файлу или выберите его кнопкой «Выбрать WAV».</translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>…и ещё %Ln</numerusform>
            <numerusform>…и ещё %Ln</numerusform>
            <numerusform>…и ещё %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>Декодирование %1 остановлено. Файлов с ошибкой до остановки: %Ln.</numerusform>
            <numerusform>Декодирование %1 остановлено. Файлов с ошибкой до остановки: %Ln.</numerusform>
            <numerusform>Декодирование %1 остановлено. Файлов с ошибкой до остановки: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>Кодирование %1 остановлено. Файлов с ошибкой до остановки: %Ln.</numerusform>
            <numerusform>Кодирование %1 остановлено. Файлов с ошибкой до остановки: %Ln.</numerusform>
            <numerusform>Кодирование %1 остановлено. Файлов с ошибкой до остановки: %Ln.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>Не удалось декодировать %1: не удалось запустить %2.</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>Не удалось закодировать %1: не удалось запустить %2.</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>Не удалось декодировать %1.</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>Не удалось закодировать %1.</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>Декодирование %1 неожиданно прервалось.</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>Кодирование %1 неожиданно прервалось.</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>Командная строка: %1</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>Код выхода: %1</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>Завершено сигналом %1</translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>&amp;Выбрать другую папку…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>Декодирование файла %1 из %2: %3</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>Кодирование файла %1 из %2: %3</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>Декодирование %1…</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>Кодирование %1…</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>Декодирование %1 остановлено</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>Кодирование %1 остановлено</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>Не удалось декодировать %1</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>Не удалось закодировать %1</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>Декодирование %1 завершено</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>Кодирование %1 завершено</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>%1 в %2 уже содержал этот звук; он оставлен без изменений</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>%1 записан в %2</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>Прежний файл %1 сохранён как %2</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>Файлов с ошибкой до остановки: %Ln</numerusform>
            <numerusform>Файлов с ошибкой до остановки: %Ln</numerusform>
            <numerusform>Файлов с ошибкой до остановки: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>Остановлено после %L1 из %Ln файла</numerusform>
            <numerusform>Остановлено после %L1 из %Ln файлов</numerusform>
            <numerusform>Остановлено после %L1 из %Ln файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>Декодирован %Ln файл в %1</numerusform>
            <numerusform>Декодировано %Ln файла в %1</numerusform>
            <numerusform>Декодировано %Ln файлов в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>Закодирован %Ln файл в %1</numerusform>
            <numerusform>Закодировано %Ln файла в %1</numerusform>
            <numerusform>Закодировано %Ln файлов в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>Остановка декодирования %1…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>Остановка кодирования %1…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>Окно закроется, когда декодирование и кодирование завершатся…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>Окно закроется, когда декодирование %1 завершится…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>Окно закроется, когда кодирование %1 завершится…</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>Декодировано %1 из %2 файлов в %3; с ошибкой: %4</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>Закодировано %1 из %2 файлов в %3; с ошибкой: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>%Ln заменённый файл сохранён как резервная копия (ИМЯ.~N~)</numerusform>
            <numerusform>%Ln заменённых файла сохранены как резервные копии (ИМЯ.~N~)</numerusform>
            <numerusform>%Ln заменённых файлов сохранены как резервные копии (ИМЯ.~N~)</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>Ни один файл не декодирован в %1</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>Ни один файл не закодирован в %1</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>Файлов, уже содержавших тот же звук и оставленных как есть: %Ln</numerusform>
            <numerusform>Файлов, уже содержавших тот же звук и оставленных как есть: %Ln</numerusform>
            <numerusform>Файлов, уже содержавших тот же звук и оставленных как есть: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>Пропущено файлов, потому что результат уже существовал: %Ln</numerusform>
            <numerusform>Пропущено файлов, потому что результат уже существовал: %Ln</numerusform>
            <numerusform>Пропущено файлов, потому что результат уже существовал: %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>Остановить работающую утилиту (Esc). Уже записанные файлы сохранятся.</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>&amp;Завершить принудительно</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>Завершить принудительно</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>Немедленно завершить утилиту: она не остановилась по запросу.</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Показать в &amp;папке</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>Открыть папку, выделив записанные файлы.</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>WSS-файл</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>Выбор WSS-файла</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>WAV-файл</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>Выбор WAV-файла</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>Эти файлы не были открыты:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>«%1»: не файл .wss или .wav</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>«%1»: нет такого файла</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>«%1»: в строку помещается только один файл — первый указанный: «%2»</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound — декодер / кодер</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Декодировать</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>Декодировать выбранный WSS-файл.</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;Кодировать</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>Закодировать выбранный WAV-файл.</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>WAV-файл для кодирования</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>WSS-файл для декодирования</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>Выбрать W&amp;AV</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>Найти WAV-файл, который нужно закодировать</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>&amp;Выбрать WSS</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>Найти WSS-файл, который нужно декодировать</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>«%1»: папка; выберите в ней WSS- или WAV-файл кнопкой «Выбрать WSS» или «Выбрать WAV»</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>В этой среде нет файлового менеджера и программы, открывающей папки, поэтому папку показать нельзя. Файлы находятся в:
%1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>Путь к WAV-файлу, который нужно закодировать. Чтобы закодировать сразу много файлов, используйте в имени * вместо любых символов и ? вместо одного символа, например /home/ann/Sounds/*.wav.</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>Путь к WSS-файлу, который нужно декодировать. Чтобы декодировать сразу много файлов, используйте в имени * вместо любых символов и ? вместо одного символа, например /home/ann/Sounds/*.wss.</translation>
    </message>
    <message>
        <source>%1 % – %2</source>
        <comment>the title while minimised: the batch&apos;s progress in percent, the title</comment>
        <translation>%1 % – %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Converts sound files between WSS and WAV with the WSSdec.exe and WSSCod.exe tools.</source>
        <translation>Преобразует звуковые файлы между WSS и WAV с помощью утилит WSSdec.exe и WSSCod.exe.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>WSS- или WAV-файлы, которые нужно показать в окне, каждый в своей строке.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Попробуйте «%1 --help».</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>нет дисплея, на котором можно открыть окно (DISPLAY и WAYLAND_DISPLAY не заданы).</translation>
    </message>
</context>
</TS>
