<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>die Befehlszeile ist leer</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>kein solches Programm im Ordner des Programms oder im PATH</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>&amp;Ausgabeordner:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>Wohin Dekodieren und Kodieren ihre Dateien schreiben: neben jede Datei oder in einen Ordner Ihrer Wahl.</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>Neben jeder Datei</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Ordner wählen…</translation>
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
        <translation>%1 ist in %2 bereits vorhanden, und alle Sicherungsnummern dafür sind vergeben; das Werkzeug würde sich daher weigern, die Datei zu ersetzen. Verschieben oder entfernen Sie ihre Sicherungen (%1.~N~) oder die Datei selbst und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>%1 ist in %2 bereits vorhanden. Ersetzen? Unterscheidet sich die neue Datei davon, wird die bisherige daneben als %3 aufbewahrt; sind beide gleich, bleibt sie unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>Die %Ln %1-Datei ist in %2 bereits vorhanden. Ersetzen? Unterscheidet sich die neue Datei davon, wird die bisherige daneben als NAME.~N~ aufbewahrt; sind beide gleich, bleibt sie unverändert.</numerusform>
            <numerusform>Alle %Ln %1-Dateien sind in %2 bereits vorhanden. Ersetzen? Bisherige Dateien, die sich von den neuen unterscheiden, werden daneben als NAME.~N~ aufbewahrt; gleiche bleiben unverändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>%L1 der %Ln %2-Dateien sind in %3 bereits vorhanden. Ersetzen, oder überspringen und nur die übrigen erstellen? Bisherige Dateien, die sich von den neuen unterscheiden, werden daneben als NAME.~N~ aufbewahrt; gleiche bleiben unverändert.</numerusform>
            <numerusform>%L1 der %Ln %2-Dateien sind in %3 bereits vorhanden. Ersetzen, oder überspringen und nur die übrigen erstellen? Bisherige Dateien, die sich von den neuen unterscheiden, werden daneben als NAME.~N~ aufbewahrt; gleiche bleiben unverändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>&amp;Vorhandene überspringen</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>„%1“ ist ein Ordner: Wählen Sie darin mit „WSS auswählen“ eine WSS-Datei aus, oder geben Sie ihren Namen ein.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>„%1“ ist ein Ordner: Wählen Sie darin mit „WAV auswählen“ eine WAV-Datei aus, oder geben Sie ihren Namen ein.</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>Die Datei „%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>Geben Sie den Pfad einer WSS-Datei ein oder wählen Sie eine mit „WSS auswählen“ aus.</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>Geben Sie den Pfad einer WAV-Datei ein oder wählen Sie eine mit „WAV auswählen“ aus.</translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>%1 konnte nicht dekodiert werden: %2 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>%1 konnte nicht kodiert werden: %2 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>%1 konnte nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>%1 konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>Das Dekodieren von %1 wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>Das Kodieren von %1 wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>Befehlszeile: %1</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>Exit-Code: %1</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>Durch Signal %1 beendet</translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>Das Dekodieren von %1 wurde angehalten. Vor dem Anhalten fehlgeschlagene Dateien: %Ln.</numerusform>
            <numerusform>Das Dekodieren von %1 wurde angehalten. Vor dem Anhalten fehlgeschlagene Dateien: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>Das Kodieren von %1 wurde angehalten. Vor dem Anhalten fehlgeschlagene Dateien: %Ln.</numerusform>
            <numerusform>Das Kodieren von %1 wurde angehalten. Vor dem Anhalten fehlgeschlagene Dateien: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>… und %Ln weitere</numerusform>
            <numerusform>… und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>&amp;Anderen Ordner wählen…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>Datei %1 von %2 wird dekodiert: %3</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>Datei %1 von %2 wird kodiert: %3</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>%1 wird dekodiert …</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>%1 wird kodiert …</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>Dekodieren von %1 angehalten</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>Kodieren von %1 angehalten</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>Dekodieren von %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>Kodieren von %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>Dekodieren von %1 abgeschlossen</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>Kodieren von %1 abgeschlossen</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>%1 in %2 enthielt diesen Klang bereits und bleibt unverändert</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>%1 in %2 geschrieben</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>Die bisherige Datei %1 wird als %2 aufbewahrt</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>%1 von %2 Dateien in %3 dekodiert; %4 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>%1 von %2 Dateien in %3 kodiert; %4 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>Das Dekodieren von %1 wird angehalten …</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>Das Kodieren von %1 wird angehalten …</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>Das Fenster wird geschlossen, sobald Dekodieren und Kodieren fertig sind …</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>Das Fenster wird geschlossen, sobald das Dekodieren von %1 fertig ist …</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>Das Fenster wird geschlossen, sobald das Kodieren von %1 fertig ist …</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>Vor dem Anhalten fehlgeschlagene Dateien: %Ln</numerusform>
            <numerusform>Vor dem Anhalten fehlgeschlagene Dateien: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>Nach %L1 von %Ln Datei angehalten</numerusform>
            <numerusform>Nach %L1 von %Ln Dateien angehalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>%Ln Datei in %1 dekodiert</numerusform>
            <numerusform>%Ln Dateien in %1 dekodiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>%Ln Datei in %1 kodiert</numerusform>
            <numerusform>%Ln Dateien in %1 kodiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>%Ln ersetzte Datei als Sicherung aufbewahrt (NAME.~N~)</numerusform>
            <numerusform>%Ln ersetzte Dateien als Sicherungen aufbewahrt (NAME.~N~)</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>Keine Datei in %1 dekodiert</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>Keine Datei in %1 kodiert</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>Dateien, die schon denselben Klang enthielten und unverändert blieben: %Ln</numerusform>
            <numerusform>Dateien, die schon denselben Klang enthielten und unverändert blieben: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>Übersprungene Dateien, deren Ausgabe schon vorhanden war: %Ln</numerusform>
            <numerusform>Übersprungene Dateien, deren Ausgabe schon vorhanden war: %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>Das laufende Werkzeug anhalten (Esc). Bereits geschriebene Dateien bleiben erhalten.</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>Abbruch &amp;erzwingen</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>Abbruch erzwingen</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>Das Werkzeug sofort beenden: Es hat auf die Aufforderung nicht angehalten.</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>Den Ordner öffnen, mit den geschriebenen Dateien ausgewählt.</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>WSS-Datei</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>WSS-Datei auswählen</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>WAV-Datei</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>WAV-Datei auswählen</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound – Dekodierer / Kodierer</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Dekodieren</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>Die gewählte WSS-Datei dekodieren.</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;Kodieren</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>Die gewählte WAV-Datei kodieren.</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>Zu kodierende WAV-Datei</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>Zu dekodierende WSS-Datei</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>WA&amp;V auswählen</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>Die WAV-Datei suchen, die Sie kodieren möchten</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>&amp;WSS auswählen</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>Die WSS-Datei suchen, die Sie dekodieren möchten</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>Diese Dateien wurden nicht geöffnet:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>„%1“: keine .wss- oder .wav-Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>„%1“: keine solche Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>„%1“: Die Zeile nimmt nur eine Datei auf, die zuerst angegebene: „%2“</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>Dieser Desktop hat keinen Dateimanager und kein Programm, das Ordner öffnet; der Ordner kann daher nicht angezeigt werden. Die Dateien liegen in:
%1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>„%1“: ein Ordner; wählen Sie darin mit „WSS auswählen“ oder „WAV auswählen“ eine WSS- oder WAV-Datei aus</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>Der Pfad der WAV-Datei, die kodiert werden soll. Um viele Dateien auf einmal zu kodieren, verwenden Sie im Namen * für beliebige Zeichen und ? für ein einzelnes Zeichen, etwa /home/ann/Sounds/*.wav.</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>Der Pfad der WSS-Datei, die dekodiert werden soll. Um viele Dateien auf einmal zu dekodieren, verwenden Sie im Namen * für beliebige Zeichen und ? für ein einzelnes Zeichen, etwa /home/ann/Sounds/*.wss.</translation>
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
        <translation>Wandelt Audiodateien mit den Werkzeugen WSSdec.exe und WSSCod.exe zwischen WSS und WAV um.</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>WSS- oder WAV-Dateien, die das Fenster zeigt, jede in ihrer Zeile.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>„%1 --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>keine Anzeige, auf der sich das Fenster öffnen ließe (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt).</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>DATEI</translation>
    </message>
</context>
</TS>
