<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>la riga di comando è vuota</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>nessun programma con questo nome nella cartella del programma o nel PATH</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>Cartella di des&amp;tinazione:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>Dove Decodifica e Codifica scrivono i loro file: accanto a ciascun file o in una cartella a tua scelta.</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>Accanto a ciascun file</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Scegli una cartella…</translation>
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
        <translation>%1 esiste già in %2 e tutti i suoi numeri di backup sono occupati, quindi lo strumento si rifiuterebbe di sostituirlo. Sposta o elimina i suoi backup (%1.~N~), oppure il file stesso, e riprova.</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>%1 esiste già in %2. Sostituirlo? Se il nuovo file è diverso, il file precedente verrà conservato accanto come %3; se sono uguali, resta com&apos;è.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>Il file %1 esiste già in %2. Sostituirlo? Se è diverso dal nuovo, il file precedente verrà conservato accanto come NOME.~N~; se è uguale, resta com&apos;è.</numerusform>
            <numerusform>Tutti i %Ln file %1 esistono già in %2. Sostituirli? I file precedenti diversi dai nuovi verranno conservati accanto come NOME.~N~; quelli uguali restano come sono.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>%L1 dei %Ln file %2 esistono già in %3. Sostituirli, oppure saltarli e creare solo gli altri? I file precedenti diversi dai nuovi verranno conservati accanto come NOME.~N~; quelli uguali restano come sono.</numerusform>
            <numerusform>%L1 dei %Ln file %2 esistono già in %3. Sostituirli, oppure saltarli e creare solo gli altri? I file precedenti diversi dai nuovi verranno conservati accanto come NOME.~N~; quelli uguali restano come sono.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>Salta &amp;esistenti</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>«%1» è una cartella: scegli al suo interno un file WSS con «Seleziona WSS» oppure digitane il nome.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>«%1» è una cartella: scegli al suo interno un file WAV con «Seleziona WAV» oppure digitane il nome.</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>Impossibile trovare il file «%1»</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>Digita il percorso di un file WSS oppure sceglilo con «Seleziona WSS».</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>Digita il percorso di un file WAV oppure sceglilo con «Seleziona WAV».</translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>…e %Ln altro</numerusform>
            <numerusform>…e altri %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>La decodifica di %1 è stata fermata. File non riusciti prima dell&apos;arresto: %Ln.</numerusform>
            <numerusform>La decodifica di %1 è stata fermata. File non riusciti prima dell&apos;arresto: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>La codifica di %1 è stata fermata. File non riusciti prima dell&apos;arresto: %Ln.</numerusform>
            <numerusform>La codifica di %1 è stata fermata. File non riusciti prima dell&apos;arresto: %Ln.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>Impossibile decodificare %1: non è stato possibile avviare %2.</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>Impossibile codificare %1: non è stato possibile avviare %2.</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>Impossibile decodificare %1.</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>Impossibile codificare %1.</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>La decodifica di %1 si è interrotta inaspettatamente.</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>La codifica di %1 si è interrotta inaspettatamente.</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>Riga di comando: %1</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>Codice di uscita: %1</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>Terminato dal segnale %1</translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>&amp;Scegli un&apos;altra cartella…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>Decodifica del file %1 di %2: %3</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>Codifica del file %1 di %2: %3</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>Decodifica di %1…</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>Codifica di %1…</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>Decodifica di %1 fermata</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>Codifica di %1 fermata</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>Decodifica di %1 non riuscita</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>Codifica di %1 non riuscita</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>Decodifica di %1 completata</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>Codifica di %1 completata</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>%1 in %2 conteneva già questo audio; è stato lasciato com&apos;era</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>Scritto %1 in %2</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>Il file precedente %1 è conservato come %2</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>File non riusciti prima dell&apos;arresto: %Ln</numerusform>
            <numerusform>File non riusciti prima dell&apos;arresto: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>Fermato dopo %L1 file su %Ln</numerusform>
            <numerusform>Fermato dopo %L1 file su %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>Decodificato %Ln file in %1</numerusform>
            <numerusform>Decodificati %Ln file in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>Codificato %Ln file in %1</numerusform>
            <numerusform>Codificati %Ln file in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>Arresto della decodifica di %1…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>Arresto della codifica di %1…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>La finestra si chiuderà al termine di decodifica e codifica…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>La finestra si chiuderà al termine della decodifica di %1…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>La finestra si chiuderà al termine della codifica di %1…</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>Decodificati %1 file su %2 in %3; non riusciti: %4</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>Codificati %1 file su %2 in %3; non riusciti: %4</translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>%Ln file sostituito conservato come backup (NOME.~N~)</numerusform>
            <numerusform>%Ln file sostituiti conservati come backup (NOME.~N~)</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>Nessun file decodificato in %1</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>Nessun file codificato in %1</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>File che contenevano già lo stesso suono, lasciati come erano: %Ln</numerusform>
            <numerusform>File che contenevano già lo stesso suono, lasciati come erano: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>File saltati perché il loro output esisteva già: %Ln</numerusform>
            <numerusform>File saltati perché il loro output esisteva già: %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>Ferma lo strumento in esecuzione (Esc). I file già scritti vengono conservati.</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>&amp;Forza l&apos;arresto</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>Forza l&apos;arresto</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>Termina subito lo strumento: non si è fermato quando richiesto.</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Mostra nella ca&amp;rtella</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>Apre la cartella con i file scritti selezionati.</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>File WSS</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>Seleziona il file WSS</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>File WAV</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>Seleziona il file WAV</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>Questi file non sono stati aperti:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>«%1»: non è un file .wss o .wav</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>«%1»: file inesistente</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>«%1»: la sua riga accetta un solo file, il primo indicato: «%2»</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound – Decodificatore / Codificatore</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Decodifica</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>Decodifica il file WSS selezionato.</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;Codifica</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>Codifica il file WAV selezionato.</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>File WAV da codificare</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>File WSS da decodificare</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>Seleziona W&amp;AV</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>Cerca il file WAV da codificare</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>&amp;Seleziona WSS</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>Cerca il file WSS da decodificare</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>«%1»: una cartella; scegli al suo interno un file WSS o WAV con «Seleziona WSS» o «Seleziona WAV»</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>Questo desktop non ha un gestore di file né un programma che apra le cartelle, quindi la cartella non può essere mostrata. I file si trovano in:
%1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>Il percorso del file WAV da codificare. Per codificare molti file in una volta, usa nel nome * per qualsiasi sequenza di caratteri e ? per un solo carattere, come in /home/ann/Sounds/*.wav.</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>Il percorso del file WSS da decodificare. Per decodificare molti file in una volta, usa nel nome * per qualsiasi sequenza di caratteri e ? per un solo carattere, come in /home/ann/Sounds/*.wss.</translation>
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
        <translation>Converte file audio tra WSS e WAV con gli strumenti WSSdec.exe e WSSCod.exe.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>File WSS o WAV da mostrare nella finestra, ciascuno nella sua riga.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Prova «%1 --help».</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>nessuno schermo su cui aprire la finestra (DISPLAY e WAYLAND_DISPLAY non sono impostate).</translation>
    </message>
</context>
</TS>
