<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>la línea de comandos está vacía</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>no existe tal programa en la carpeta del programa ni en el PATH</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>Carpe&amp;ta de salida:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>Dónde escriben Decodificar y Codificar sus archivos: junto a cada archivo o en una carpeta que usted elija.</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>Junto a cada archivo</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Elegir una carpeta…</translation>
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
        <translation>%1 ya existe en %2 y todos sus números de copia de seguridad están ocupados, por lo que la herramienta se negaría a reemplazarlo. Mueva o elimine sus copias de seguridad (%1.~N~), o el propio archivo, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>%1 ya existe en %2. ¿Reemplazarlo? Si el archivo nuevo es distinto, el anterior se conservará a su lado como %3; si son iguales, se deja como está.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>El archivo %1 ya existe en %2. ¿Reemplazarlo? Si es distinto del nuevo, el archivo anterior se conservará a su lado como NOMBRE.~N~; si es igual, se deja como está.</numerusform>
            <numerusform>Los %Ln archivos %1 ya existen todos en %2. ¿Reemplazarlos? Los archivos anteriores que sean distintos de los nuevos se conservarán a su lado como NOMBRE.~N~; los que sean iguales se dejan como están.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>%L1 de los %Ln archivos %2 ya existen en %3. ¿Reemplazarlos, u omitirlos y crear solo los demás? Los archivos anteriores que sean distintos de los nuevos se conservarán a su lado como NOMBRE.~N~; los que sean iguales se dejan como están.</numerusform>
            <numerusform>%L1 de los %Ln archivos %2 ya existen en %3. ¿Reemplazarlos, u omitirlos y crear solo los demás? Los archivos anteriores que sean distintos de los nuevos se conservarán a su lado como NOMBRE.~N~; los que sean iguales se dejan como están.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>&amp;Omitir los existentes</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>«%1» es una carpeta: elija en ella un archivo WSS con «Seleccionar WSS» o escriba su nombre.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>«%1» es una carpeta: elija en ella un archivo WAV con «Seleccionar WAV» o escriba su nombre.</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>No se encontró el archivo «%1»</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>Escriba la ruta de un archivo WSS o elija uno con «Seleccionar WSS».</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>Escriba la ruta de un archivo WAV o elija uno con «Seleccionar WAV».</translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>No se pudo decodificar %1: no se pudo iniciar %2.</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>No se pudo codificar %1: no se pudo iniciar %2.</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>No se pudo decodificar %1.</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>No se pudo codificar %1.</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>La decodificación de %1 terminó de forma inesperada.</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>La codificación de %1 terminó de forma inesperada.</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>Línea de órdenes: %1</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>Código de salida: %1</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>Terminado por la señal %1</translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>Se detuvo la decodificación de %1. Archivos que fallaron antes de la detención: %Ln.</numerusform>
            <numerusform>Se detuvo la decodificación de %1. Archivos que fallaron antes de la detención: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>Se detuvo la codificación de %1. Archivos que fallaron antes de la detención: %Ln.</numerusform>
            <numerusform>Se detuvo la codificación de %1. Archivos que fallaron antes de la detención: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>… y %Ln más</numerusform>
            <numerusform>… y %Ln más</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>&amp;Elegir otra carpeta…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>Decodificando el archivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>Codificando el archivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>Decodificando %1…</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>Codificando %1…</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>Decodificación de %1 detenida</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>Codificación de %1 detenida</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>Falló la decodificación de %1</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>Falló la codificación de %1</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>Decodificación de %1 terminada</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>Codificación de %1 terminada</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>%1 en %2 ya contenía este sonido; se deja como estaba</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>%1 escrito en %2</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>El archivo anterior %1 se conserva como %2</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>%1 de %2 archivos decodificados en %3; %4 fallaron</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>%1 de %2 archivos codificados en %3; %4 fallaron</translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>Deteniendo la decodificación de %1…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>Deteniendo la codificación de %1…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>La ventana se cerrará cuando terminen la decodificación y la codificación…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>La ventana se cerrará cuando termine la decodificación de %1…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>La ventana se cerrará cuando termine la codificación de %1…</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>Archivos que fallaron antes de la detención: %Ln</numerusform>
            <numerusform>Archivos que fallaron antes de la detención: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>Detenido tras %L1 de %Ln archivo</numerusform>
            <numerusform>Detenido tras %L1 de %Ln archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>%Ln archivo decodificado en %1</numerusform>
            <numerusform>%Ln archivos decodificados en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>%Ln archivo codificado en %1</numerusform>
            <numerusform>%Ln archivos codificados en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>%Ln archivo reemplazado conservado como copia de seguridad (NOMBRE.~N~)</numerusform>
            <numerusform>%Ln archivos reemplazados conservados como copias de seguridad (NOMBRE.~N~)</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>Ningún archivo decodificado en %1</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>Ningún archivo codificado en %1</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>Archivos que ya tenían el mismo sonido, dejados como estaban: %Ln</numerusform>
            <numerusform>Archivos que ya tenían el mismo sonido, dejados como estaban: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>Archivos omitidos porque su salida ya existía: %Ln</numerusform>
            <numerusform>Archivos omitidos porque su salida ya existía: %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>Detener la herramienta en curso (Esc). Los archivos ya escritos se conservan.</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>&amp;Forzar la detención</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>Forzar la detención</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>Terminar la herramienta de inmediato: no se detuvo cuando se le pidió.</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>&amp;Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>Abrir la carpeta con los archivos escritos seleccionados.</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>Archivo WSS</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>Seleccionar archivo WSS</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>Archivo WAV</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>Seleccionar archivo WAV</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound – Decodificador / Codificador</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Decodificar</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>Decodificar el archivo WSS seleccionado.</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;Codificar</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>Codificar el archivo WAV seleccionado.</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>Archivo WAV que codificar</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>Archivo WSS que decodificar</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>Seleccionar W&amp;AV</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>Buscar el archivo WAV que quiere codificar</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>&amp;Seleccionar WSS</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>Buscar el archivo WSS que quiere decodificar</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>Estos archivos no se abrieron:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>«%1»: no es un archivo .wss ni .wav</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>«%1»: no existe el archivo</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>«%1»: su fila admite un solo archivo, el primero indicado: «%2»</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>Este escritorio no tiene gestor de archivos ni ningún programa que abra carpetas, así que la carpeta no se puede mostrar. Los archivos están en:
%1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>«%1»: una carpeta; elija en ella un archivo WSS o WAV con «Seleccionar WSS» o «Seleccionar WAV»</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>La ruta del archivo WAV que se va a codificar. Para codificar muchos archivos a la vez, use en el nombre * para cualquier serie de caracteres y ? para un solo carácter, como en /home/ann/Sounds/*.wav.</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>La ruta del archivo WSS que se va a decodificar. Para decodificar muchos archivos a la vez, use en el nombre * para cualquier serie de caracteres y ? para un solo carácter, como en /home/ann/Sounds/*.wss.</translation>
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
        <translation>Convierte archivos de audio entre WSS y WAV con las herramientas WSSdec.exe y WSSCod.exe.</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>Archivos WSS o WAV que mostrar en la ventana, cada uno en su fila.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>no hay ninguna pantalla en la que abrir la ventana (DISPLAY y WAYLAND_DISPLAY no están definidas).</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>ARCHIVO</translation>
    </message>
</context>
</TS>
