<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>MessageBox</name>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
</context>
<context>
    <name>OSUtil</name>
    <message>
        <source>the command line is empty</source>
        <translation>コマンドラインが空です</translation>
    </message>
    <message>
        <source>no such program in the program&apos;s folder or on the PATH</source>
        <translation>プログラムのフォルダにも PATH にもそのようなプログラムはありません</translation>
    </message>
</context>
<context>
    <name>OutputFolderChoice</name>
    <message>
        <source>Ou&amp;tput folder:</source>
        <translation>出力フォルダ(&amp;T):</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダ</translation>
    </message>
    <message>
        <source>Where Decode and Encode write their files: beside each file, or in a folder you choose.</source>
        <translation>「デコード」と「エンコード」がファイルを書き込む場所: 各ファイルの隣、または選んだフォルダ。</translation>
    </message>
    <message>
        <source>Choose the Output Folder</source>
        <translation>出力フォルダを選択</translation>
    </message>
    <message>
        <source>Beside each file</source>
        <translation>各ファイルの隣</translation>
    </message>
    <message>
        <source>Choose a folder…</source>
        <translation>フォルダを選択…</translation>
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
        <translation>%1 はすでに %2 にあり、バックアップ番号がすべて使われているため、ツールは置き換えを拒否します。バックアップ (%1.~N~) またはファイル自体を移動するか削除して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be kept beside it as %3; if they are the same, it is left as it is.</source>
        <translation>%1 はすでに %2 にあります。置き換えますか? 新しいファイルと異なる場合、以前のファイルは同じ場所に %3 として残します。同じ場合はそのままにします。</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>%Ln 個の %1 ファイルはすべてすでに %2 にあります。置き換えますか? 新しいファイルと異なる以前のファイルは同じ場所に 名前.~N~ として残し、同じものはそのままにします。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the same are left as they are.</source>
        <translation>
            <numerusform>%Ln 個の %2 ファイルのうち %L1 個がすでに %3 にあります。置き換えますか、それともスキップして残りだけを作成しますか? 新しいファイルと異なる以前のファイルは同じ場所に 名前.~N~ として残し、同じものはそのままにします。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換える(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Skip existing</source>
        <translation>既存のファイルをスキップ(&amp;S)</translation>
    </message>
</context>
<context>
    <name>RunReports</name>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WSS file in it with Select WSS, or type its name.</source>
        <translation>「%1」はフォルダです: 「WSS を選択」でその中の WSS ファイルを選ぶか、名前を入力してください。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder: choose a WAV file in it with Select WAV, or type its name.</source>
        <translation>「%1」はフォルダです: 「WAV を選択」でその中の WAV ファイルを選ぶか、名前を入力してください。</translation>
    </message>
    <message>
        <source>Could not locate the file &apos;%1&apos;</source>
        <translation>ファイル「%1」が見つかりませんでした</translation>
    </message>
    <message>
        <source>Type the path of a WSS file, or choose one with Select WSS.</source>
        <translation>WSS ファイルのパスを入力するか、「WSS を選択」で選んでください。</translation>
    </message>
    <message>
        <source>Type the path of a WAV file, or choose one with Select WAV.</source>
        <translation>WAV ファイルのパスを入力するか、「WAV を選択」で選んでください。</translation>
    </message>
    <message numerus="yes">
        <source>…and %Ln more</source>
        <translation>
            <numerusform>…ほか %Ln 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>%1 のデコードを停止しました。停止前に失敗したファイル: %Ln 個。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoding %1 was stopped. Files that failed before the stop: %Ln.</source>
        <translation>
            <numerusform>%1 のエンコードを停止しました。停止前に失敗したファイル: %Ln 個。</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not decode %1: %2 could not be started.</source>
        <translation>%1 をデコードできませんでした: %2 を起動できませんでした。</translation>
    </message>
    <message>
        <source>Could not encode %1: %2 could not be started.</source>
        <translation>%1 をエンコードできませんでした: %2 を起動できませんでした。</translation>
    </message>
    <message>
        <source>Could not decode %1.</source>
        <translation>%1 をデコードできませんでした。</translation>
    </message>
    <message>
        <source>Could not encode %1.</source>
        <translation>%1 をエンコードできませんでした。</translation>
    </message>
    <message>
        <source>Decoding %1 ended unexpectedly.</source>
        <translation>%1 のデコードが予期せず終了しました。</translation>
    </message>
    <message>
        <source>Encoding %1 ended unexpectedly.</source>
        <translation>%1 のエンコードが予期せず終了しました。</translation>
    </message>
    <message>
        <source>Command line: %1</source>
        <translation>コマンドライン: %1</translation>
    </message>
    <message>
        <source>Exit code: %1</source>
        <translation>終了コード: %1</translation>
    </message>
    <message>
        <source>Ended by signal %1</source>
        <translation>シグナル %1 で終了しました</translation>
    </message>
    <message>
        <source>&amp;Choose Another Folder…</source>
        <translation>別のフォルダを選択(&amp;C)…</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <source>Decoding %1 of %2: %3</source>
        <translation>デコード中 (%1/%2): %3</translation>
    </message>
    <message>
        <source>Encoding %1 of %2: %3</source>
        <translation>エンコード中 (%1/%2): %3</translation>
    </message>
    <message>
        <source>Decoding %1…</source>
        <translation>%1 をデコード中…</translation>
    </message>
    <message>
        <source>Encoding %1…</source>
        <translation>%1 をエンコード中…</translation>
    </message>
    <message>
        <source>Decoding %1 stopped</source>
        <translation>%1 のデコードを停止しました</translation>
    </message>
    <message>
        <source>Encoding %1 stopped</source>
        <translation>%1 のエンコードを停止しました</translation>
    </message>
    <message>
        <source>Decoding %1 failed</source>
        <translation>%1 のデコードに失敗しました</translation>
    </message>
    <message>
        <source>Encoding %1 failed</source>
        <translation>%1 のエンコードに失敗しました</translation>
    </message>
    <message>
        <source>Decoding %1 finished</source>
        <translation>%1 のデコードが完了しました</translation>
    </message>
    <message>
        <source>Encoding %1 finished</source>
        <translation>%1 のエンコードが完了しました</translation>
    </message>
    <message>
        <source>%1 in %2 already held this sound; it is left as it was</source>
        <translation>%2 の %1 にはすでにこの音声が入っています。そのままにしました</translation>
    </message>
    <message>
        <source>Wrote %1 in %2</source>
        <translation>%2 に %1 を書き込みました</translation>
    </message>
    <message>
        <source>The earlier %1 is kept as %2</source>
        <translation>以前の %1 を %2 として残しました</translation>
    </message>
    <message numerus="yes">
        <source>Files that failed before the stop: %Ln</source>
        <translation>
            <numerusform>停止前に失敗したファイル: %Ln 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %L1 of %Ln files</source>
        <translation>
            <numerusform>%Ln 個のファイルのうち %L1 個の後で停止しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Decoded %Ln files in %1</source>
        <translation>
            <numerusform>%1 に %Ln 個のファイルをデコードしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files in %1</source>
        <translation>
            <numerusform>%1 に %Ln 個のファイルをエンコードしました</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping the decoding of %1…</source>
        <translation>%1 のデコードを停止中…</translation>
    </message>
    <message>
        <source>Stopping the encoding of %1…</source>
        <translation>%1 のエンコードを停止中…</translation>
    </message>
    <message>
        <source>The window closes when decoding and encoding have finished…</source>
        <translation>デコードとエンコードが終わったらウィンドウを閉じます…</translation>
    </message>
    <message>
        <source>The window closes when decoding %1 has finished…</source>
        <translation>%1 のデコードが終わったらウィンドウを閉じます…</translation>
    </message>
    <message>
        <source>The window closes when encoding %1 has finished…</source>
        <translation>%1 のエンコードが終わったらウィンドウを閉じます…</translation>
    </message>
    <message>
        <source>Decoded %1 of %2 files in %3; %4 failed</source>
        <translation>%3 で %2 個のファイルのうち %1 個をデコードしました。%4 個は失敗しました</translation>
    </message>
    <message>
        <source>Encoded %1 of %2 files in %3; %4 failed</source>
        <translation>%3 で %2 個のファイルのうち %1 個をエンコードしました。%4 個は失敗しました</translation>
    </message>
    <message numerus="yes">
        <source>%Ln replaced files kept as backups (NAME.~N~)</source>
        <translation>
            <numerusform>置き換えたファイル %Ln 個をバックアップ (名前.~N~) として残しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Decoded no file in %1</source>
        <translation>%1 でデコードしたファイルはありません</translation>
    </message>
    <message>
        <source>Encoded no file in %1</source>
        <translation>%1 でエンコードしたファイルはありません</translation>
    </message>
    <message numerus="yes">
        <source>Files that already held the same sound, left as they were: %Ln</source>
        <translation>
            <numerusform>すでに同じ音声だったためそのままにしたファイル: %Ln 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files skipped because their output already existed: %Ln</source>
        <translation>
            <numerusform>出力がすでにあったためスキップしたファイル: %Ln 個</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop the running tool (Esc). Files already written are kept.</source>
        <translation>実行中のツールを停止します (Esc)。書き込み済みのファイルは残ります。</translation>
    </message>
    <message>
        <source>F&amp;orce stop</source>
        <translation>強制停止(&amp;O)</translation>
    </message>
    <message>
        <source>Force stop</source>
        <translation>強制停止</translation>
    </message>
    <message>
        <source>End the tool at once: it has not stopped when asked.</source>
        <translation>ツールをすぐに終了します: 停止を求めても止まりませんでした。</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>フォルダに表示(&amp;F)</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>フォルダに表示</translation>
    </message>
    <message>
        <source>Open the folder with the written files selected.</source>
        <translation>書き込んだファイルを選択した状態でフォルダを開きます。</translation>
    </message>
</context>
<context>
    <name>ZRNSoundEncodeDecode</name>
    <message>
        <source>WSS file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>WSS ファイル</translation>
    </message>
    <message>
        <source>Select WSS File</source>
        <translation>WSS ファイルを選択</translation>
    </message>
    <message>
        <source>WAV file</source>
        <extracomment>The file type the dialog lists; no comma.</extracomment>
        <translation>WAV ファイル</translation>
    </message>
    <message>
        <source>Select WAV File</source>
        <translation>WAV ファイルを選択</translation>
    </message>
    <message>
        <source>These files were not opened:</source>
        <translation>次のファイルは開きませんでした:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: not a .wss or .wav file</source>
        <translation>「%1」: .wss ファイルでも .wav ファイルでもありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no such file</source>
        <translation>「%1」: そのようなファイルはありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: its row takes one file, the first given: &apos;%2&apos;</source>
        <translation>「%1」: この行に入れられるファイルは 1 つだけで、最初に指定したものを使います: 「%2」</translation>
    </message>
    <message>
        <source>TALVEN Sound Decoder / Encoder</source>
        <translation>TALVEN Sound デコーダー / エンコーダー</translation>
    </message>
    <message>
        <source>&amp;Decode</source>
        <translation>デコード(&amp;D)</translation>
    </message>
    <message>
        <source>Decode the selected WSS file.</source>
        <translation>選択した WSS ファイルをデコードします。</translation>
    </message>
    <message>
        <source>&amp;Encode</source>
        <translation>エンコード(&amp;E)</translation>
    </message>
    <message>
        <source>Encode the selected WAV file.</source>
        <translation>選択した WAV ファイルをエンコードします。</translation>
    </message>
    <message>
        <source>WAV file to encode</source>
        <translation>エンコードする WAV ファイル</translation>
    </message>
    <message>
        <source>WSS file to decode</source>
        <translation>デコードする WSS ファイル</translation>
    </message>
    <message>
        <source>Select W&amp;AV</source>
        <translation>WAV を選択(&amp;A)</translation>
    </message>
    <message>
        <source>Browse for the WAV file that you want to encode</source>
        <translation>エンコードしたい WAV ファイルを参照します</translation>
    </message>
    <message>
        <source>&amp;Select WSS</source>
        <translation>WSS を選択(&amp;S)</translation>
    </message>
    <message>
        <source>Browse for the WSS file that you want to decode</source>
        <translation>デコードしたい WSS ファイルを参照します</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a folder; choose a WSS or WAV file in it with Select WSS or Select WAV</source>
        <translation>「%1」: フォルダです。「WSS を選択」または「WAV を選択」でその中の WSS または WAV ファイルを選んでください</translation>
    </message>
    <message>
        <source>This desktop has no file manager and no program that opens folders, so the folder cannot be shown. The files are in:
%1</source>
        <translation>このデスクトップにはファイルマネージャーもフォルダを開くプログラムもないため、フォルダを表示できません。ファイルの場所:
%1</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>フォルダに表示</translation>
    </message>
    <message>
        <source>The path of the WAV file to encode. To encode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wav.</source>
        <translation>エンコードする WAV ファイルのパスです。多くのファイルを一度にエンコードするには、名前の中で任意の文字列に *、任意の 1 文字に ? を使います (例: /home/ann/Sounds/*.wav)。</translation>
    </message>
    <message>
        <source>The path of the WSS file to decode. To decode many files at once, use * for any characters and ? for one character in the name, as in /home/ann/Sounds/*.wss.</source>
        <translation>デコードする WSS ファイルのパスです。多くのファイルを一度にデコードするには、名前の中で任意の文字列に *、任意の 1 文字に ? を使います (例: /home/ann/Sounds/*.wss)。</translation>
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
        <translation>WSSdec.exe と WSSCod.exe ツールで、サウンドファイルを WSS と WAV の間で変換します。</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>How --help names the files given on the command line (capitals, as in --help texts).</extracomment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>WSS or WAV files to show in the window, each in its row.</source>
        <translation>ウィンドウに表示する WSS または WAV ファイル (それぞれの行に表示)。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>「%1 --help」を試してください。</translation>
    </message>
    <message>
        <source>no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>ウィンドウを開くディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。</translation>
    </message>
</context>
</TS>
