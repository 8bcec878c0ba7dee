<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>命令行为空</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>在程序所在文件夹和 PATH 中都找不到该程序</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>输出文件夹(&amp;T):</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>“解码”和“编码”写入文件的位置：每个文件旁边，或您选择的文件夹。</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>每个文件旁边</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>选择文件夹…</translation>
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
        <translation>%2 中已存在 %1，且它的备份编号已全部用完，因此工具会拒绝替换它。请移走或删除它的备份（%1.~N~）或该文件本身，然后重试。</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>%2 中已存在 %1。要替换吗？如果新文件与它不同，原有文件将保留在旁边，名为 %3；如果两者相同，则保持原样。</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>全部 %Ln 个 %1 文件都已存在于 %2 中。要替换吗？与新文件不同的原有文件将保留在旁边，名为 名称.~N~；相同的则保持原样。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>%Ln 个 %2 文件中有 %L1 个已存在于 %3 中。要替换它们，还是跳过它们、只生成其余文件？与新文件不同的原有文件将保留在旁边，名为 名称.~N~；相同的则保持原样。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>跳过已有文件(&amp;S)</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>“%1”是文件夹：请用“选择 WSS”在其中选择一个 WSS 文件，或输入文件名。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>“%1”是文件夹：请用“选择 WAV”在其中选择一个 WAV 文件，或输入文件名。</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>找不到文件“%1”</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>请输入 WSS 文件的路径，或用“选择 WSS”选择一个。</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>请输入 WAV 文件的路径，或用“选择 WAV”选择一个。</translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>……以及另外 %Ln 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>%1 的解码已停止。停止前失败的文件：%Ln 个。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>%1 的编码已停止。停止前失败的文件：%Ln 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>无法解码 %1：无法启动 %2。</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>无法编码 %1：无法启动 %2。</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>无法解码 %1。</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>无法编码 %1。</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>%1 的解码意外结束。</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>%1 的编码意外结束。</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>命令行：%1</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>退出代码：%1</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>被信号 %1 终止</translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>选择其他文件夹(&amp;C)…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>正在解码第 %1 个，共 %2 个：%3</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>正在编码第 %1 个，共 %2 个：%3</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>正在解码 %1…</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>正在编码 %1…</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>%1 的解码已停止</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>%1 的编码已停止</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>%1 解码失败</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>%1 编码失败</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>%1 解码完成</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>%1 编码完成</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>%2 中的 %1 已包含此声音；保持原样</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>已在 %2 中写入 %1</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>原有的 %1 已保留为 %2</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>停止前失败的文件：%Ln 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>已在第 %L1 个文件后停止，共 %Ln 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>已在 %1 中解码 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>已在 %1 中编码 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>正在停止 %1 的解码…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>正在停止 %1 的编码…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>解码和编码结束后窗口将关闭…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>%1 的解码结束后窗口将关闭…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>%1 的编码结束后窗口将关闭…</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>已在 %3 中解码 %1 个文件（共 %2 个）；%4 个失败</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>已在 %3 中编码 %1 个文件（共 %2 个）；%4 个失败</translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>%Ln 个被替换的文件已保留为备份（名称.~N~）</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>未在 %1 中解码任何文件</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>未在 %1 中编码任何文件</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>已含相同声音、保持原样的文件：%Ln 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>因输出已存在而跳过的文件：%Ln 个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>停止正在运行的工具（Esc）。已写入的文件会保留。</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>强制停止(&amp;O)</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>强制停止</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>立即结束工具：请求停止后它没有停止。</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>在文件夹中显示(&amp;F)</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>打开文件夹并选中已写入的文件。</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>WSS 文件</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>选择 WSS 文件</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>WAV 文件</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>选择 WAV 文件</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>以下文件未打开：</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>“%1”：不是 .wss 或 .wav 文件</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>“%1”：没有这个文件</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>“%1”：这一行只能放一个文件，即第一个给出的：“%2”</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound 解码器 / 编码器</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>解码(&amp;D)</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>解码所选的 WSS 文件。</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>编码(&amp;E)</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>编码所选的 WAV 文件。</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>要编码的 WAV 文件</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>要解码的 WSS 文件</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>选择 WAV(&amp;A)</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>浏览要编码的 WAV 文件</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>选择 WSS(&amp;S)</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>浏览要解码的 WSS 文件</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>“%1”：这是文件夹；请用“选择 WSS”或“选择 WAV”在其中选择一个 WSS 或 WAV 文件</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>此桌面没有文件管理器，也没有能打开文件夹的程序，因此无法显示该文件夹。文件位于：
%1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>要编码的 WAV 文件的路径。要一次编码多个文件，请在文件名中用 * 表示任意字符、用 ? 表示单个字符，例如 /home/ann/Sounds/*.wav。</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>要解码的 WSS 文件的路径。要一次解码多个文件，请在文件名中用 * 表示任意字符、用 ? 表示单个字符，例如 /home/ann/Sounds/*.wss。</translation>
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
        <translation>使用 WSSdec.exe 和 WSSCod.exe 工具在 WSS 和 WAV 之间转换声音文件。</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>要在窗口中显示的 WSS 或 WAV 文件，每个放在各自的行中。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>请尝试“%1 --help”。</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>没有可以打开窗口的显示器（未设置 DISPLAY 和 WAYLAND_DISPLAY）。</translation>
    </message>
</context>
</TS>
