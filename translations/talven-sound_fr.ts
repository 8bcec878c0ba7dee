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
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>Dossier de &amp;sortie :</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>Où Décoder et Encoder écrivent leurs fichiers : à côté de chaque fichier, ou dans un dossier de votre choix.</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>À côté de chaque fichier</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Choisir un dossier…</translation>
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
        <translation>%1 existe déjà dans %2 et tous ses numéros de sauvegarde sont pris&#xa0;: l&apos;outil refuserait donc de le remplacer. Déplacez ou supprimez ses sauvegardes (%1.~N~), ou le fichier lui-même, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>%1 existe déjà dans %2. Le remplacer&#xa0;? Si le nouveau fichier en diffère, l&apos;ancien sera conservé à côté sous le nom %3&#xa0;; s&apos;ils sont identiques, il reste tel quel.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>Le fichier %1 existe déjà dans %2. Le remplacer&#xa0;? S&apos;il diffère du nouveau, l&apos;ancien fichier sera conservé à côté sous le nom NOM.~N~&#xa0;; s&apos;il est identique, il reste tel quel.</numerusform>
            <numerusform>Les %Ln fichiers %1 existent tous déjà dans %2. Les remplacer&#xa0;? Les anciens fichiers qui diffèrent des nouveaux seront conservés à côté sous le nom NOM.~N~&#xa0;; ceux qui sont identiques restent tels quels.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>%L1 des %Ln fichiers %2 existent déjà dans %3. Les remplacer, ou les ignorer et créer seulement les autres&#xa0;? Les anciens fichiers qui diffèrent des nouveaux seront conservés à côté sous le nom NOM.~N~&#xa0;; ceux qui sont identiques restent tels quels.</numerusform>
            <numerusform>%L1 des %Ln fichiers %2 existent déjà dans %3. Les remplacer, ou les ignorer et créer seulement les autres&#xa0;? Les anciens fichiers qui diffèrent des nouveaux seront conservés à côté sous le nom NOM.~N~&#xa0;; ceux qui sont identiques restent tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>&amp;Ignorer les existants</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier&#xa0;: choisissez-y un fichier WSS avec «&#xa0;Choisir le WSS&#xa0;», ou saisissez son nom.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier&#xa0;: choisissez-y un fichier WAV avec «&#xa0;Choisir le WAV&#xa0;», ou saisissez son nom.</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>Impossible de trouver le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>Saisissez le chemin d&apos;un fichier WSS, ou choisissez-en un avec «&#xa0;Choisir le WSS&#xa0;».</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>Saisissez le chemin d&apos;un fichier WAV, ou choisissez-en un avec «&#xa0;Choisir le WAV&#xa0;».</translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>Impossible de décoder %1&#xa0;: %2 n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>Impossible d’encoder %1&#xa0;: %2 n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>Impossible de décoder %1.</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>Impossible d’encoder %1.</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>Le décodage de %1 s’est arrêté de manière inattendue.</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>L’encodage de %1 s’est arrêté de manière inattendue.</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>Ligne de commande&#xa0;: %1</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>Code de sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>Terminé par le signal %1</translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>Le décodage de %1 a été arrêté. Fichiers en échec avant l’arrêt&#xa0;: %Ln.</numerusform>
            <numerusform>Le décodage de %1 a été arrêté. Fichiers en échec avant l’arrêt&#xa0;: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>L’encodage de %1 a été arrêté. Fichiers en échec avant l’arrêt&#xa0;: %Ln.</numerusform>
            <numerusform>L’encodage de %1 a été arrêté. Fichiers en échec avant l’arrêt&#xa0;: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>… et %Ln autre</numerusform>
            <numerusform>… et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>&amp;Choisir un autre dossier…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>Décodage du fichier %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>Encodage du fichier %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>Décodage de %1…</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>Encodage de %1…</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>Décodage de %1 arrêté</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>Encodage de %1 arrêté</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>Échec du décodage de %1</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>Échec de l&apos;encodage de %1</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>Décodage de %1 terminé</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>Encodage de %1 terminé</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>%1 dans %2 contenait déjà ce son&#xa0;; il reste tel quel</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>%1 écrit dans %2</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>L&apos;ancien fichier %1 est conservé sous le nom %2</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>%1 fichiers sur %2 décodés dans %3&#xa0;; %4 en échec</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>%1 fichiers sur %2 encodés dans %3&#xa0;; %4 en échec</translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>Arrêt du décodage de %1…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>Arrêt de l’encodage de %1…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>La fenêtre se fermera dès que le décodage et l’encodage seront terminés…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>La fenêtre se fermera dès que le décodage de %1 sera terminé…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>La fenêtre se fermera dès que l’encodage de %1 sera terminé…</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>Fichiers en échec avant l&apos;arrêt&#xa0;: %Ln</numerusform>
            <numerusform>Fichiers en échec avant l&apos;arrêt&#xa0;: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>Arrêté après %L1 fichier sur %Ln</numerusform>
            <numerusform>Arrêté après %L1 fichiers sur %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>%Ln fichier décodé dans %1</numerusform>
            <numerusform>%Ln fichiers décodés dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>%Ln fichier encodé dans %1</numerusform>
            <numerusform>%Ln fichiers encodés dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>%Ln fichier remplacé conservé en copie de sauvegarde (NOM.~N~)</numerusform>
            <numerusform>%Ln fichiers remplacés conservés en copies de sauvegarde (NOM.~N~)</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>Aucun fichier décodé dans %1</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>Aucun fichier encodé dans %1</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>Fichiers qui contenaient déjà le même son, laissés tels quels&#xa0;: %Ln</numerusform>
            <numerusform>Fichiers qui contenaient déjà le même son, laissés tels quels&#xa0;: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>Fichiers ignorés car leur sortie existait déjà&#xa0;: %Ln</numerusform>
            <numerusform>Fichiers ignorés car leur sortie existait déjà&#xa0;: %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>Arrêter l&apos;outil en cours (Échap). Les fichiers déjà écrits sont conservés.</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>&amp;Forcer l&apos;arrêt</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>Forcer l&apos;arrêt</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>Terminer l&apos;outil immédiatement&#xa0;: il ne s&apos;est pas arrêté quand on le lui a demandé.</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>Ouvrir le dossier avec les fichiers écrits sélectionnés.</translation>
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
    <message>
        <source>These files were not opened:</source>
        <translation>Ces fichiers n&apos;ont pas été ouverts&#xa0;:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: ni un fichier .wss ni un fichier .wav</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: fichier introuvable</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: sa ligne ne prend qu&apos;un fichier, le premier donné&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>Ce bureau n&apos;a ni gestionnaire de fichiers ni programme qui ouvre les dossiers&#xa0;: le dossier ne peut donc pas être affiché. Les fichiers se trouvent dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: un dossier&#xa0;; choisissez-y un fichier WSS ou WAV avec «&#xa0;Choisir le WSS&#xa0;» ou «&#xa0;Choisir le WAV&#xa0;»</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>Le chemin du fichier WAV à encoder. Pour encoder plusieurs fichiers à la fois, utilisez dans le nom * pour n’importe quels caractères et&#xa0;? pour un seul caractère, comme dans /home/ann/Sounds/*.wav.</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>Le chemin du fichier WSS à décoder. Pour décoder plusieurs fichiers à la fois, utilisez dans le nom * pour n’importe quels caractères et&#xa0;? pour un seul caractère, comme dans /home/ann/Sounds/*.wss.</translation>
    </message>
    <message>
        <source>%1 % – %2</source>
        <comment>the title while minimised: the batch&apos;s progress in percent, the title</comment>
        <translation>%1 % – %2</translation>
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
        <translation>Saisissez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.</translation>
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
