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
    <name>RunReport</name>
    <message>
        <source>Could not start &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; failed with exit code %2.</source>
        <translation>&apos;%1&apos; ist mit dem Exit-Code %2 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was stopped by signal %2.</source>
        <translation>&apos;%1&apos; wurde durch das Signal %2 beendet.</translation>
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
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Only .wss and .wav files can be opened. Not opened:
%1</source>
        <translation>Nur .wss- und .wav-Dateien können geöffnet werden. Nicht geöffnet:
%1</translation>
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
        <translation>&apos;%1 --help&apos; liefert weitere Informationen.</translation>
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
