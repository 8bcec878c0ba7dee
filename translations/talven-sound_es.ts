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
    <name>RunReport</name>
    <message>
        <source>Could not start &apos;%1&apos;: %2</source>
        <translation>No se pudo iniciar &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; failed with exit code %2.</source>
        <translation>&apos;%1&apos; falló con el código de salida %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was stopped by signal %2.</source>
        <translation>&apos;%1&apos; fue detenido por la señal %2.</translation>
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
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>No se encontró el archivo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Only .wss and .wav files can be opened. Not opened:
%1</source>
        <translation>Solo se pueden abrir archivos .wss y .wav. No se abrieron:
%1</translation>
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
        <translation>Pruebe &apos;%1 --help&apos; para más información.</translation>
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
