<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>a linha de comando está vazia</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>não há programa com esse nome na pasta do programa nem no PATH</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>Pas&amp;ta de saída:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>Onde Decodificar e Codificar gravam seus arquivos: ao lado de cada arquivo ou em uma pasta que você escolher.</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>Ao lado de cada arquivo</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>Escolher uma pasta…</translation>
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
        <translation>%1 já existe em %2, e todos os números de backup dele estão ocupados, então a ferramenta se recusaria a substituí-lo. Mova ou remova os backups (%1.~N~), ou o próprio arquivo, e tente novamente.</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>%1 já existe em %2. Substituí-lo? Se o novo arquivo for diferente, o anterior será mantido ao lado como %3; se forem iguais, ele fica como está.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>O arquivo %1 já existe em %2. Substituí-lo? Se for diferente do novo, o arquivo anterior será mantido ao lado como NOME.~N~; se for igual, fica como está.</numerusform>
            <numerusform>Todos os %Ln arquivos %1 já existem em %2. Substituí-los? Os arquivos anteriores diferentes dos novos serão mantidos ao lado como NOME.~N~; os iguais ficam como estão.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>%L1 dos %Ln arquivos %2 já existem em %3. Substituí-los, ou pulá-los e criar só os demais? Os arquivos anteriores diferentes dos novos serão mantidos ao lado como NOME.~N~; os iguais ficam como estão.</numerusform>
            <numerusform>%L1 dos %Ln arquivos %2 já existem em %3. Substituí-los, ou pulá-los e criar só os demais? Os arquivos anteriores diferentes dos novos serão mantidos ao lado como NOME.~N~; os iguais ficam como estão.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>&amp;Pular existentes</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>“%1” é uma pasta: escolha um arquivo WSS dentro dela com “Selecionar WSS” ou digite o nome dele.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>“%1” é uma pasta: escolha um arquivo WAV dentro dela com “Selecionar WAV” ou digite o nome dele.</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>Não foi possível localizar o arquivo “%1”</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>Digite o caminho de um arquivo WSS ou escolha um com “Selecionar WSS”.</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>Digite o caminho de um arquivo WAV ou escolha um com “Selecionar WAV”.</translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>…e mais %Ln</numerusform>
            <numerusform>…e mais %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>A decodificação de %1 foi parada. Arquivos que falharam antes da parada: %Ln.</numerusform>
            <numerusform>A decodificação de %1 foi parada. Arquivos que falharam antes da parada: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>A codificação de %1 foi parada. Arquivos que falharam antes da parada: %Ln.</numerusform>
            <numerusform>A codificação de %1 foi parada. Arquivos que falharam antes da parada: %Ln.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>Não foi possível decodificar %1: não foi possível iniciar %2.</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>Não foi possível codificar %1: não foi possível iniciar %2.</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>Não foi possível decodificar %1.</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>Não foi possível codificar %1.</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>A decodificação de %1 terminou inesperadamente.</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>A codificação de %1 terminou inesperadamente.</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>Linha de comando: %1</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>Código de saída: %1</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>Encerrado pelo sinal %1</translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>&amp;Escolher outra pasta…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>Decodificando %1 de %2: %3</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>Codificando %1 de %2: %3</translation>
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
        <translation>Decodificação de %1 parada</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>Codificação de %1 parada</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>Falha ao decodificar %1</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>Falha ao codificar %1</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>Decodificação de %1 concluída</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>Codificação de %1 concluída</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>%1 em %2 já continha este som; foi deixado como estava</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>%1 gravado em %2</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>O arquivo anterior %1 foi mantido como %2</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>Arquivos que falharam antes da parada: %Ln</numerusform>
            <numerusform>Arquivos que falharam antes da parada: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>Parado após %L1 de %Ln arquivo</numerusform>
            <numerusform>Parado após %L1 de %Ln arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>%Ln arquivo decodificado em %1</numerusform>
            <numerusform>%Ln arquivos decodificados em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>%Ln arquivo codificado em %1</numerusform>
            <numerusform>%Ln arquivos codificados em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>Parando a decodificação de %1…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>Parando a codificação de %1…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>A janela será fechada quando a decodificação e a codificação terminarem…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>A janela será fechada quando a decodificação de %1 terminar…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>A janela será fechada quando a codificação de %1 terminar…</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>%1 de %2 arquivos decodificados em %3; %4 com falha</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>%1 de %2 arquivos codificados em %3; %4 com falha</translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>%Ln arquivo substituído mantido como backup (NOME.~N~)</numerusform>
            <numerusform>%Ln arquivos substituídos mantidos como backups (NOME.~N~)</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>Nenhum arquivo decodificado em %1</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>Nenhum arquivo codificado em %1</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>Arquivos que já tinham o mesmo som, deixados como estavam: %Ln</numerusform>
            <numerusform>Arquivos que já tinham o mesmo som, deixados como estavam: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>Arquivos pulados porque a saída deles já existia: %Ln</numerusform>
            <numerusform>Arquivos pulados porque a saída deles já existia: %Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>Parar a ferramenta em execução (Esc). Os arquivos já gravados são mantidos.</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>&amp;Forçar parada</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>Forçar parada</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>Encerrar a ferramenta imediatamente: ela não parou quando solicitado.</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Mostrar na &amp;pasta</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>Abrir a pasta com os arquivos gravados selecionados.</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>Arquivo WSS</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>Selecionar arquivo WSS</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>Arquivo WAV</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>Selecionar arquivo WAV</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>Estes arquivos não foram abertos:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>“%1”: não é um arquivo .wss nem .wav</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>“%1”: arquivo inexistente</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>“%1”: a linha dele aceita um só arquivo, o primeiro informado: “%2”</translation>
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
        <translation>Decodificar o arquivo WSS selecionado.</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>&amp;Codificar</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>Codificar o arquivo WAV selecionado.</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>Arquivo WAV a codificar</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>Arquivo WSS a decodificar</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>Selecionar W&amp;AV</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>Procurar o arquivo WAV que você quer codificar</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>&amp;Selecionar WSS</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>Procurar o arquivo WSS que você quer decodificar</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>“%1”: uma pasta; escolha um arquivo WSS ou WAV dentro dela com “Selecionar WSS” ou “Selecionar WAV”</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>Este ambiente não tem gerenciador de arquivos nem programa que abra pastas, então a pasta não pode ser mostrada. Os arquivos estão em:
%1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>O caminho do arquivo WAV a codificar. Para codificar vários arquivos de uma vez, use no nome * para quaisquer caracteres e ? para um único caractere, como em /home/ann/Sounds/*.wav.</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>O caminho do arquivo WSS a decodificar. Para decodificar vários arquivos de uma vez, use no nome * para quaisquer caracteres e ? para um único caractere, como em /home/ann/Sounds/*.wss.</translation>
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
        <translation>Converte arquivos de áudio entre WSS e WAV com as ferramentas WSSdec.exe e WSSCod.exe.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>Arquivos WSS ou WAV a mostrar na janela, cada um na sua linha.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Experimente “%1 --help”.</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>nenhuma tela onde abrir a janela (DISPLAY e WAYLAND_DISPLAY não estão definidas).</translation>
    </message>
</context>
</TS>
