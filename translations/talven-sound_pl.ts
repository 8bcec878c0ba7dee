<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>wiersz poleceń jest pusty</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>brak takiego programu w katalogu programu ani w ścieżce PATH</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>Katalog wy&amp;jściowy:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Katalog wyjściowy</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>Gdzie Dekoduj i Koduj zapisują pliki: obok każdego pliku albo w wybranym katalogu.</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Wybierz katalog wyjściowy</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>Obok każdego pliku</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Wybierz katalog…</translation>
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
        <translation>%1 już istnieje w katalogu %2, a wszystkie numery kopii zapasowych tego pliku są zajęte, więc narzędzie odmówiłoby jego zastąpienia. Przenieś lub usuń jego kopie zapasowe (%1.~N~) albo sam plik i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>%1 już istnieje w katalogu %2. Zastąpić go? Jeśli nowy plik się od niego różni, wcześniejszy plik zostanie zachowany obok jako %3; jeśli są takie same, pozostanie bez zmian.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>Plik %1 już istnieje w katalogu %2. Zastąpić go? Jeśli różni się od nowego, wcześniejszy plik zostanie zachowany obok jako NAZWA.~N~; jeśli jest taki sam, pozostanie bez zmian.</numerusform>
            <numerusform>Wszystkie %Ln pliki %1 już istnieją w katalogu %2. Zastąpić je? Wcześniejsze pliki różniące się od nowych zostaną zachowane obok jako NAZWA.~N~; takie same pozostaną bez zmian.</numerusform>
            <numerusform>Wszystkie %Ln plików %1 już istnieje w katalogu %2. Zastąpić je? Wcześniejsze pliki różniące się od nowych zostaną zachowane obok jako NAZWA.~N~; takie same pozostaną bez zmian.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>Pliki %2 już istniejące w katalogu %3: %L1 z %Ln. Zastąpić je, czy pominąć je i utworzyć tylko pozostałe? Wcześniejsze pliki różniące się od nowych zostaną zachowane obok jako NAZWA.~N~; takie same pozostaną bez zmian.</numerusform>
            <numerusform>Pliki %2 już istniejące w katalogu %3: %L1 z %Ln. Zastąpić je, czy pominąć je i utworzyć tylko pozostałe? Wcześniejsze pliki różniące się od nowych zostaną zachowane obok jako NAZWA.~N~; takie same pozostaną bez zmian.</numerusform>
            <numerusform>Pliki %2 już istniejące w katalogu %3: %L1 z %Ln. Zastąpić je, czy pominąć je i utworzyć tylko pozostałe? Wcześniejsze pliki różniące się od nowych zostaną zachowane obok jako NAZWA.~N~; takie same pozostaną bez zmian.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Zastąp</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>&amp;Pomiń istniejące</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>„%1” to katalog: wybierz w nim plik WSS przyciskiem „Wybierz WSS” albo wpisz jego nazwę.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>„%1” to katalog: wybierz w nim plik WAV przyciskiem „Wybierz WAV” albo wpisz jego nazwę.</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>Nie można odnaleźć pliku „%1”</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>Wpisz ścieżkę pliku WSS albo wybierz go przyciskiem „Wybierz WSS”.</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>Wpisz ścieżkę pliku WAV albo wybierz go przyciskiem „Wybierz WAV”.</translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>…i jeszcze %Ln</numerusform>
            <numerusform>…i jeszcze %Ln</numerusform>
            <numerusform>…i jeszcze %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>Zatrzymano dekodowanie %1. Pliki, których nie udało się przetworzyć przed zatrzymaniem: %Ln.</numerusform>
            <numerusform>Zatrzymano dekodowanie %1. Pliki, których nie udało się przetworzyć przed zatrzymaniem: %Ln.</numerusform>
            <numerusform>Zatrzymano dekodowanie %1. Pliki, których nie udało się przetworzyć przed zatrzymaniem: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>Zatrzymano kodowanie %1. Pliki, których nie udało się przetworzyć przed zatrzymaniem: %Ln.</numerusform>
            <numerusform>Zatrzymano kodowanie %1. Pliki, których nie udało się przetworzyć przed zatrzymaniem: %Ln.</numerusform>
            <numerusform>Zatrzymano kodowanie %1. Pliki, których nie udało się przetworzyć przed zatrzymaniem: %Ln.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>Nie można zdekodować %1: nie można uruchomić %2.</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>Nie można zakodować %1: nie można uruchomić %2.</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>Nie można zdekodować %1.</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>Nie można zakodować %1.</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>Dekodowanie %1 zakończyło się nieoczekiwanie.</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>Kodowanie %1 zakończyło się nieoczekiwanie.</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>Wiersz poleceń: %1</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>Kod wyjścia: %1</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>Zakończono sygnałem %1</translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>&amp;Wybierz inny katalog…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>Dekodowanie pliku %1 z %2: %3</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>Kodowanie pliku %1 z %2: %3</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>Dekodowanie %1…</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>Kodowanie %1…</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>Zatrzymano dekodowanie %1</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>Zatrzymano kodowanie %1</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>Dekodowanie %1 nie powiodło się</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>Kodowanie %1 nie powiodło się</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>Zakończono dekodowanie %1</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>Zakończono kodowanie %1</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>%1 w katalogu %2 zawierał już ten dźwięk; pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>Zapisano %1 w katalogu %2</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>Wcześniejszy plik %1 zachowano jako %2</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>Pliki, których nie udało się przetworzyć przed zatrzymaniem: %Ln</numerusform>
            <numerusform>Pliki, których nie udało się przetworzyć przed zatrzymaniem: %Ln</numerusform>
            <numerusform>Pliki, których nie udało się przetworzyć przed zatrzymaniem: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>Zatrzymano po %L1 z %Ln pliku</numerusform>
            <numerusform>Zatrzymano po %L1 z %Ln plików</numerusform>
            <numerusform>Zatrzymano po %L1 z %Ln plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>Zdekodowano %Ln plik w katalogu %1</numerusform>
            <numerusform>Zdekodowano %Ln pliki w katalogu %1</numerusform>
            <numerusform>Zdekodowano %Ln plików w katalogu %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>Zakodowano %Ln plik w katalogu %1</numerusform>
            <numerusform>Zakodowano %Ln pliki w katalogu %1</numerusform>
            <numerusform>Zakodowano %Ln plików w katalogu %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>Zatrzymywanie dekodowania %1…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>Zatrzymywanie kodowania %1…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>Okno zostanie zamknięte po zakończeniu dekodowania i kodowania…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>Okno zostanie zamknięte po zakończeniu dekodowania %1…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>Okno zostanie zamknięte po zakończeniu kodowania %1…</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>Zdekodowano %1 z %2 plików w katalogu %3; nieudane: %4</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>Zakodowano %1 z %2 plików w katalogu %3; nieudane: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>%Ln zastąpiony plik zachowano jako kopię zapasową (NAZWA.~N~)</numerusform>
            <numerusform>%Ln zastąpione pliki zachowano jako kopie zapasowe (NAZWA.~N~)</numerusform>
            <numerusform>%Ln zastąpionych plików zachowano jako kopie zapasowe (NAZWA.~N~)</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>Nie zdekodowano żadnego pliku w katalogu %1</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>Nie zakodowano żadnego pliku w katalogu %1</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>Pliki, które już miały ten sam dźwięk, pozostawione bez zmian: %Ln</numerusform>
            <numerusform>Pliki, które już miały ten sam dźwięk, pozostawione bez zmian: %Ln</numerusform>
            <numerusform>Pliki, które już miały ten sam dźwięk, pozostawione bez zmian: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>Pliki pominięte, bo ich plik wynikowy już istniał: %Ln</numerusform>
            <numerusform>Pliki pominięte, bo ich plik wynikowy już istniał: %Ln</numerusform>
            <numerusform>Pliki pominięte, bo ich plik wynikowy już istniał: %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>Zatrzymuje działające narzędzie (Esc). Zapisane już pliki zostają zachowane.</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>Wymuś za&amp;trzymanie</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>Wymuś zatrzymanie</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>Natychmiast kończy narzędzie: nie zatrzymało się na żądanie.</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Pokaż w kata&amp;logu</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Pokaż w katalogu</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>Otwiera katalog z zaznaczonymi zapisanymi plikami.</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>Plik WSS</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>Wybierz plik WSS</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>Plik WAV</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>Wybierz plik WAV</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>Tych plików nie otwarto:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>„%1”: to nie jest plik .wss ani .wav</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>„%1”: nie ma takiego pliku</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>„%1”: jego wiersz przyjmuje tylko jeden plik, pierwszy podany: „%2”</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound – dekoder / koder</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Dekoduj</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>Dekoduje wybrany plik WSS.</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;Koduj</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>Koduje wybrany plik WAV.</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>Plik WAV do zakodowania</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>Plik WSS do zdekodowania</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>Wybierz W&amp;AV</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>Wskaż plik WAV, który chcesz zakodować</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>&amp;Wybierz WSS</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>Wskaż plik WSS, który chcesz zdekodować</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>„%1”: katalog; wybierz w nim plik WSS lub WAV przyciskiem „Wybierz WSS” albo „Wybierz WAV”</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>To środowisko nie ma menedżera plików ani programu otwierającego katalogi, więc nie można pokazać katalogu. Pliki znajdują się w:
%1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Pokaż w katalogu</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>Ścieżka pliku WAV do zakodowania. Aby zakodować wiele plików naraz, użyj w nazwie * zamiast dowolnych znaków i ? zamiast jednego znaku, np. /home/ann/Sounds/*.wav.</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>Ścieżka pliku WSS do zdekodowania. Aby zdekodować wiele plików naraz, użyj w nazwie * zamiast dowolnych znaków i ? zamiast jednego znaku, np. /home/ann/Sounds/*.wss.</translation>
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
        <translation>Konwertuje pliki dźwiękowe między formatami WSS i WAV za pomocą narzędzi WSSdec.exe i WSSCod.exe.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>Pliki WSS lub WAV do pokazania w oknie, każdy w swoim wierszu.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Spróbuj „%1 --help”.</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>brak ekranu, na którym można otworzyć okno (zmienne DISPLAY i WAYLAND_DISPLAY nie są ustawione).</translation>
    </message>
</context>
</TS>
