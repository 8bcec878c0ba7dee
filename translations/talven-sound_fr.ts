<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>la ligne de commande est vide</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>programme introuvable dans le dossier du programme ou dans le PATH</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Could not start &apos;%1&apos;: %2</source>
        <translation>Impossible de lancer &apos;%1&apos;&#xa0;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; failed with exit code %2.</source>
        <translation>&apos;%1&apos; a échoué avec le code de sortie %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was stopped by signal %2.</source>
        <translation>&apos;%1&apos; a été arrêté par le signal %2.</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>Fichier WSS</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>Choisir le fichier WSS</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>Fichier WAV</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>Choisir le fichier WAV</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>Impossible de trouver le fichier &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Only .wss and .wav files can be opened. Not opened:
%1</source>
        <translation>Seuls les fichiers .wss et .wav peuvent être ouverts. Non ouverts&#xa0;:
%1</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound – Décodeur / Encodeur</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>&amp;Décoder</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>Décoder le fichier WSS choisi.</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;Encoder</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>Encoder le fichier WAV choisi.</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>Fichier WAV à encoder</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>Fichier WSS à décoder</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>Choisir le W&amp;AV</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>Rechercher le fichier WAV que vous voulez encoder</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>&amp;Choisir le WSS</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>Rechercher le fichier WSS que vous voulez décoder</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Converts sound files between WSS and WAV with the WSSdec.exe and WSSCod.exe tools.</source>
        <translation>Convertit des fichiers audio entre WSS et WAV avec les outils WSSdec.exe et WSSCod.exe.</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>Fichiers WSS ou WAV à afficher dans la fenêtre, chacun dans sa ligne.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Saisissez &apos;%1 --help&apos; pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>aucun affichage où ouvrir la fenêtre (DISPLAY et WAYLAND_DISPLAY ne sont pas définies).</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>FICHIER</translation>
    </message>
</context>
</TS>
