// What the window works out from names and progress lines: the status texts, the outputs a run
// would replace and the question about them, the files handed to the program.

#include "file_names/output_name.h"
#include "main_window/dropped_file.h"
#include "main_window/replaced_outputs.h"
#include "main_window/run_status.h"
#include "os_util/os_util.h"
#include "os_util/progress_line.h"
#include "test_main.h"

#include <QTest>

#include <filesystem>
#include <string>
#include <string_view>

using OSUtil::ProgressEvent;
using OSUtil::RunResult;
using Kind = ProgressEvent::Kind;

Q_DECLARE_METATYPE(OSUtil::RunResult)

namespace {

RunResult exited(int code, bool stopRequested = false)
{
    RunResult result;
    result.status = RunResult::Status::Exited;
    result.exitCode = code;
    result.stopRequested = stopRequested;
    return result;
}

RunResult signalled(int signal, bool stopRequested)
{
    RunResult result;
    result.status = RunResult::Status::Signalled;
    result.signal = signal;
    result.stopRequested = stopRequested;
    return result;
}

// The lines of a batch of n files, take1.wav ... takeN.wav, each written.
QStringList batchLines(int n)
{
    QStringList lines{QStringLiteral("files\t%1").arg(n)};
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("start\t%1\ttake%1.wav").arg(i) << QStringLiteral("wrote\t%1\ttake%1.wss").arg(i);
    return lines;
}

RunProgress progressOf(const QStringList &lines)
{
    RunProgress progress;
    for (const QString &line : lines) {
        if (const auto event = OSUtil::ParseProgressLine(line.toUtf8()))
            progress.add(*event);
    }
    return progress;
}

} // namespace

class TestRunTexts : public QObject
{
    Q_OBJECT

private slots:
    void progressLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number"); // the count of "files", else the index
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("backup");
        QTest::addColumn<int>("code");
        QTest::newRow("files") << QByteArray("files\t500") << true << int(Kind::Files) << 500 << ""
                               << "" << 0;
        QTest::newRow("start") << QByteArray("start\t37\ttake37.wav") << true << int(Kind::Start) << 37 << "take37.wav"
                               << "" << 0;
        QTest::newRow("kept") << QByteArray("kept\t1\tgun.wav\tgun.wav.~1~") << true << int(Kind::Kept) << 1
                              << "gun.wav"
                              << "gun.wav.~1~" << 0;
        QTest::newRow("wrote, UTF-8") << QByteArray("wrote\t2\tsch\xc3\xbc\x73s.wav") << true << int(Kind::Wrote) << 2
                                      << QString::fromUtf8("schüss.wav") << "" << 0;
        QTest::newRow("skipped") << QByteArray("skipped\t3\tc.wss") << true << int(Kind::Skipped) << 3 << "c.wss"
                                 << "" << 0;
        QTest::newRow("failed") << QByteArray("failed\t4\tb.wav\t1") << true << int(Kind::Failed) << 4 << "b.wav"
                                << "" << 1;
        QTest::newRow("escapes") << QByteArray(R"(wrote	1	a\tb\nc\\d\x01e\r.wav)") << true << int(Kind::Wrote)
                                 << 1
                                 << "a\tb\nc\\d\x01"
                                    "e\r.wav"
                                 << "" << 0;
        QTest::newRow("unknown kind") << QByteArray("progress\t5\t10") << false << 0 << 0 << ""
                                      << "" << 0;
        QTest::newRow("a field short") << QByteArray("kept\t1\tgun.wav") << false << 0 << 0 << ""
                                       << "" << 0;
        QTest::newRow("not a number") << QByteArray("start\tx\ta.wav") << false << 0 << 0 << ""
                                      << "" << 0;
        QTest::newRow("index 0") << QByteArray("start\t0\ta.wav") << false << 0 << 0 << ""
                                 << "" << 0;
        QTest::newRow("bad escape") << QByteArray(R"(wrote	1	a\q.wav)") << false << 0 << 0 << ""
                                    << "" << 0;
        QTest::newRow("short hex escape") << QByteArray(R"(wrote	1	a\x1)") << false << 0 << 0 << ""
                                          << "" << 0;
    }
    void progressLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, valid);
        const std::optional<ProgressEvent> event = OSUtil::ParseProgressLine(line);
        QCOMPARE(event.has_value(), valid);
        if (!valid)
            return;
        QFETCH(int, kind);
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, backup);
        QFETCH(int, code);
        QCOMPARE(int(event->kind), kind);
        QCOMPARE(event->kind == Kind::Files ? event->count : event->index, number);
        QCOMPARE(event->name, name);
        QCOMPARE(event->backup, backup);
        QCOMPARE(event->code, code);
    }

    void statusTexts_data()
    {
        QTest::addColumn<bool>("decode");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<RunResult>("result");
        QTest::addColumn<QString>("expected");
        const QStringList none;
        const RunResult ok = exited(0);
        QStringList midBatch = batchLines(500).mid(0, 1 + 2 * 36);
        midBatch << "start\t37\ttake37.wav";
        QTest::newRow("running a batch") << false << "*.wav" << midBatch << false << ok
                                         << "Encoding 37 of 500: take37.wav";
        QTest::newRow("a batch before its first file")
            << false << "*.wav" << QStringList{"files\t500"} << false << ok << "Encoding *.wav…";
        QTest::newRow("wrote one file") << true << "gun.wss"
                                        << QStringList{"files\t1", "start\t1\tgun.wss", "wrote\t1\tgun.wav"} << true
                                        << ok << "Wrote gun.wav in /home/ann/Sounds";
        QTest::newRow("kept the earlier file")
            << true << "gun.wss"
            << QStringList{"files\t1", "start\t1\tgun.wss", "kept\t1\tgun.wav\tgun.wav.~1~", "wrote\t1\tgun.wav"}
            << true << ok << "Wrote gun.wav in /home/ann/Sounds. The earlier gun.wav is kept as gun.wav.~1~";
        // Into an output folder (-o): the lines name it, the text names the folder once.
        QTest::newRow("into the output folder")
            << true << "gun.wss"
            << QStringList{"files\t1", "start\t1\tgun.wss", "kept\t1\t/home/ann/Out/gun.wav\t/home/ann/Out/gun.wav.~1~",
                   "wrote\t1\t/home/ann/Out/gun.wav"}
            << true << ok << "Wrote gun.wav in /home/ann/Out. The earlier gun.wav is kept as gun.wav.~1~";
        QTest::newRow("already up to date")
            << true << "gun.wss" << QStringList{"files\t1", "start\t1\tgun.wss", "same\t1\tgun.wav"} << true << ok
            << "gun.wav in /home/ann/Sounds already held this sound; it is left as it was";
        QStringList keptThree = batchLines(500);
        for (int i = 1; i <= 3; ++i)
            keptThree << QStringLiteral("kept\t%1\ttake%1.wss\ttake%1.wss.~1~").arg(i);
        QTest::newRow("a batch")
            << false << "*.wav" << keptThree << true << ok
            << "Encoded 500 files in /home/ann/Sounds. 3 replaced files kept as backups (NAME.~N~)";
        // Skip existing (-n): what was skipped, and the files' count without them.
        QStringList skippedTwo{"files\t3", "start\t1\ta.wav", "skipped\t1\ta.wss", "start\t2\tb.wav",
            "skipped\t2\tb.wss", "start\t3\tc.wav", "wrote\t3\tc.wss"};
        QTest::newRow("skipped existing")
            << false << "*.wav" << skippedTwo << true << ok
            << "Wrote c.wss in /home/ann/Sounds. Files skipped because their output already existed: 2";
        QStringList skippedTwoOfFour = skippedTwo;
        skippedTwoOfFour[0] = QStringLiteral("files\t4");
        skippedTwoOfFour << "start\t4\td.wav";
        QTest::newRow("skipped existing, one failed")
            << false << "*.wav" << (QStringList(skippedTwoOfFour) << "failed\t4\td.wav\t1") << true << exited(1)
            << "Encoded 1 of 4 files in /home/ann/Sounds; 1 failed. Files skipped because their output already "
               "existed: 2";
        QTest::newRow("skipped existing, stopped")
            << false << "*.wav" << skippedTwoOfFour << true << signalled(15, true)
            << "Stopped after 3 of 4 files. Files skipped because their output already existed: 2";
        QTest::newRow("every output there")
            << false << "*.wav" << QStringList{"files\t2", "skipped\t1\ta.wss", "skipped\t2\tb.wss"} << true << ok
            << "Encoded no file in /home/ann/Sounds. Files skipped because their output already existed: 2";
        // A second run over the same outputs keeps no backup, and says none was kept.
        QStringList sameThree{"files\t3"};
        for (int i = 1; i <= 3; ++i)
            sameThree << QStringLiteral("same\t%1\ttake%1.wss").arg(i);
        QTest::newRow("a batch that changed nothing")
            << false << "*.wav" << sameThree << true << ok
            << "Encoded 3 files in /home/ann/Sounds. Files that already held the same sound, left as they were: 3";
        QTest::newRow("a tool that says nothing")
            << true << "gun.wss" << none << true << ok << "Decoding gun.wss finished";
        QTest::newRow("failed") << true << "gun.wss" << none << true << exited(1) << "Decoding gun.wss failed";
        QTest::newRow("a folder path failed")
            << true << "" << none << true << exited(2) << "Decoding /home/ann/Sounds/ failed";
        QTest::newRow("stopped mid-batch")
            << false << "*.wav" << midBatch << true << signalled(15, true) << "Stopped after 36 of 500 files";
        QTest::newRow("stopped, one file")
            << true << "gun.wss" << none << true << signalled(9, true) << "Decoding gun.wss stopped";
        QTest::newRow("signalled without Stop")
            << true << "gun.wss" << none << true << signalled(15, false) << "Decoding gun.wss failed";
        QTest::newRow("ended just as Stop came")
            << false << "*.wav" << batchLines(2) << true << exited(0, true) << "Encoded 2 files in /home/ann/Sounds";
    }
    void statusTexts()
    {
        QFETCH(bool, decode);
        QFETCH(QString, argument);
        QFETCH(QStringList, lines);
        QFETCH(bool, ended);
        QFETCH(RunResult, result);
        QFETCH(QString, expected);
        RunSubject subject;
        subject.action = decode ? RunSubject::Action::Decode : RunSubject::Action::Encode;
        subject.tool = decode ? QStringLiteral("WSSdec.exe") : QStringLiteral("WSSCod.exe");
        subject.argument = argument;
        subject.path = QStringLiteral("/home/ann/Sounds/") + argument;
        subject.folder = QStringLiteral("/home/ann/Sounds");
        if (!lines.filter(QStringLiteral("/home/ann/Out/")).isEmpty())
            subject.outputFolder = QStringLiteral("/home/ann/Out");
        const RunProgress progress = progressOf(lines);
        QCOMPARE(ended ? RunStatus::ended(subject, progress, result) : RunStatus::running(subject, progress), expected);
    }

    void progressCountsFinishedFiles()
    {
        // Outputs are placed in batches: file 3 has started while none is written yet.
        QStringList lines{"files\t4", "start\t1\ta", "start\t2\tb", "start\t3\tc"};
        QCOMPARE(progressOf(lines).finished(), 2);
        lines << "wrote\t1\ta"
              << "wrote\t2\tb"
              << "failed\t3\tc\t1"
              << "start\t4\td"
              << "same\t4\td";
        QCOMPARE(progressOf(lines).finished(), 4);
        lines << "start\t5\te"
              << "skipped\t5\te";
        QCOMPARE(progressOf(lines).finished(), 5);
    }

    void existingOutputs_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("files"); // in the folder
        QTest::addColumn<QStringList>("others"); // in the folder, not files
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing there") << QStringList{"gun.wss"} << ".wav" << QStringList{"gun.wss"} << QStringList{}
                                       << QStringList{};
        QTest::newRow("one there") << QStringList{"gun.wss"} << ".wav" << QStringList{"gun.wss", "gun.wav"}
                                   << QStringList{} << QStringList{"gun.wav"};
        QTest::newRow("a folder of that name is not a file")
            << QStringList{"gun.wss"} << ".wav" << QStringList{} << QStringList{"gun.wav"} << QStringList{};
        QTest::newRow("extension replaced, not added")
            << QStringList{"take.1.WAV", "noext", ".hidden"} << ".wss"
            << QStringList{"take.1.wss", "noext.wss", ".hidden.wss", "take.1.WAV.wss"} << QStringList{}
            << QStringList{"take.1.wss", "noext.wss", ".hidden.wss"};
        QTest::newRow("the input itself is not replaced")
            << QStringList{"a.wav"} << ".wav" << QStringList{"a.wav"} << QStringList{} << QStringList{};
        QTest::newRow("two inputs, one output")
            << QStringList{"a.wss", "a.WSS"} << ".wav" << QStringList{"a.wav"} << QStringList{} << QStringList{"a.wav"};
    }
    void existingOutputs()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, suffix);
        QFETCH(QStringList, files);
        QFETCH(QStringList, others);
        QFETCH(QStringList, expected);
        QList<OSUtil::FolderEntry> folder;
        for (const QString &name : files)
            folder.append({name, true});
        for (const QString &name : others)
            folder.append({name, false});
        QCOMPARE(ExistingOutputs(inputs, suffix, folder), expected);
    }

    // The one rule (file_names/output_name.h), as bytes for the tools and as UTF-16 for the
    // window, names the output as std::filesystem::path::replace_extension does.
    void outputNamesFollowTheFilesystemRule_data()
    {
        QTest::addColumn<QString>("input");
        for (const char *name : {"gun.wss", "take.1.WAV", "noext", ".hidden", ".hidden.wav", "..x", "a.", "a..b", "-h",
                 "--version", "ünï 音.wav"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void outputNamesFollowTheFilesystemRule()
    {
        QFETCH(QString, input);
        const std::string bytes = input.toStdString();
        std::filesystem::path expected(bytes);
        expected.replace_extension(".wss");
        QCOMPARE(file_names::outputName(std::string_view(bytes), std::string_view(".wss")), expected.native());
        QCOMPARE(OutputName(input, QStringLiteral(".wss")), QString::fromStdString(expected.native()));
    }

    // As the tools name a backup: one more than the highest plain number, whatever the entry.
    void backupNames_data()
    {
        QTest::addColumn<QStringList>("siblings");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << QStringList{"gun.wav"} << "gun.wav.~1~";
        QTest::newRow("after earlier ones") << QStringList{"gun.wav", "gun.wav.~1~", "gun.wav.~7~"} << "gun.wav.~8~";
        QTest::newRow("not plain numbers")
            << QStringList{"gun.wav.~08~", "gun.wav.~x~", "gun.wav.~-3~", "gun.wav.~~"} << "gun.wav.~1~";
        QTest::newRow("another file's") << QStringList{"gun.wav2.~5~", "gun.wa.~5~"} << "gun.wav.~1~";
    }
    void backupNames()
    {
        QFETCH(QStringList, siblings);
        QFETCH(QString, expected);
        QCOMPARE(OSUtil::NextBackupName(QStringLiteral("gun.wav"), siblings), expected);
    }

    // The question promises a backup only of an earlier file that differs; Skip existing is offered
    // where some outputs are missing.
    void replaceQuestion_data()
    {
        QTest::addColumn<int>("existing");
        QTest::addColumn<int>("inputs");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("answers");
        const QStringList replaceOnly{"&Replace"}, both{"&Replace", "&Skip existing"};
        QTest::newRow("one file") << 1 << 1
                                  << "gun.wav already exists in /home/ann/Sounds. Replace it? If the new file differs "
                                     "from it, the earlier file will be kept beside it as gun.wav.~1~; if they are "
                                     "the same, it is left as it is."
                                  << replaceOnly;
        QTest::newRow("one of a batch")
            << 1 << 3
            << "gun.wav already exists in /home/ann/Sounds. Replace it? If the new file differs from it, the earlier "
               "file will be kept beside it as gun.wav.~1~; if they are the same, it is left as it is."
            << both;
        QTest::newRow("a batch") << 12 << 500
                                 << "12 of the 500 WAV files already exist in /home/ann/Sounds. Replace them, or "
                                    "skip them and make only the others? Earlier files that differ from the new ones "
                                    "will be kept beside them as NAME.~N~; those that are the same are left as they "
                                    "are."
                                 << both;
        QTest::newRow("a whole batch") << 500 << 500
                                       << "All 500 WAV files already exist in /home/ann/Sounds. Replace them? Earlier "
                                          "files that differ from the new ones will be kept beside them as NAME.~N~; "
                                          "those that are the same are left as they are."
                                       << replaceOnly;
    }
    void replaceQuestion()
    {
        QFETCH(int, existing);
        QFETCH(int, inputs);
        QFETCH(QString, expected);
        QFETCH(QStringList, answers);
        const QStringList outputs(existing, QStringLiteral("gun.wav"));
        QCOMPARE(ReplaceQuestion::text(outputs, inputs, "WAV", "/home/ann/Sounds", "gun.wav.~1~"), expected);
        QCOMPARE(ReplaceQuestion::answers(outputs, inputs), answers);
    }

    void filesToOpen_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("wss");
        QTest::addColumn<QString>("wav");
        QTest::addColumn<QStringList>("refused"); // path: why
        QTest::newRow("one of each") << QStringList{"a.wss", "b.WAV"} << QStringList{"a.wss", "b.WAV"} << "a.wss"
                                     << "b.WAV" << QStringList{};
        QTest::newRow("a missing file never wins")
            << QStringList{"tone.wss", "/tmp/nope.wss"} << QStringList{"tone.wss"} << "tone.wss"
            << "" << QStringList{"/tmp/nope.wss: missing"};
        QTest::newRow("first existing wins")
            << QStringList{"a.wss", "b.wss", "notes.txt"} << QStringList{"a.wss", "b.wss", "notes.txt"} << "a.wss"
            << "" << QStringList{"b.wss: taken by a.wss", "notes.txt: not a sound file"};
        QTest::newRow("none exists") << QStringList{"x.wav"} << QStringList{} << ""
                                     << "" << QStringList{"x.wav: missing"};
        // The rows' folders below are "/snd" and "takes.wav".
        QTest::newRow("a folder is a folder, whatever its name")
            << QStringList{"/snd", "takes.wav", "a.wss"} << QStringList{"a.wss"} << "a.wss"
            << "" << QStringList{"/snd: folder", "takes.wav: folder"};
    }
    void filesToOpen()
    {
        QFETCH(QStringList, paths);
        QFETCH(QStringList, existing);
        QFETCH(QString, wss);
        QFETCH(QString, wav);
        QFETCH(QStringList, refused);
        using Why = FilesToOpen::Refused::Why;
        const FilesToOpen chosen = ChooseFilesToOpen(
            paths, [&](const QString &path) { return existing.contains(path); },
            [](const QString &path) { return path == QLatin1String("/snd") || path == QLatin1String("takes.wav"); });
        QCOMPARE(chosen.wss, wss);
        QCOMPARE(chosen.wav, wav);
        QStringList why;
        for (const FilesToOpen::Refused &file : chosen.refused) {
            why << file.path + ": "
                    + (file.why == Why::Missing         ? QStringLiteral("missing")
                            : file.why == Why::NotSound ? QStringLiteral("not a sound file")
                            : file.why == Why::Folder   ? QStringLiteral("folder")
                                                        : QStringLiteral("taken by ") + file.taken);
        }
        QCOMPARE(why, refused);
    }
};

TALVEN_TEST_MAIN(TestRunTexts)
#include "tst_run_texts.moc"
