// Path splitting, command lines and messages: the pure text routines.

#include "file_names/wildcard_match.h"
#include "main_window/run_report.h"
#include "os_util/command_line_text.h"
#include "os_util/os_util.h"
#include "test_main.h"

#include <QTest>

using OSUtil::RunResult;

Q_DECLARE_METATYPE(OSUtil::RunResult)

class TestTextRoutines : public QObject
{
    Q_OBJECT

private slots:
    void lastPosition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");
        QTest::newRow("last of several") << "a/b/c"
                                         << "/" << 1 << 4;
        QTest::newRow("none") << "abc"
                              << "/" << 1 << 0;
        QTest::newRow("only character") << "/"
                                        << "/" << 1 << 1;
        QTest::newRow("overlapping find") << "aaa"
                                          << "aa" << 1 << 2;
        QTest::newRow("case-sensitive") << "aBc"
                                        << "b" << 1 << 0;
        QTest::newRow("at the start position") << "a/b/c"
                                               << "/" << 4 << 4;
        QTest::newRow("before the start position") << "a/b"
                                                   << "/" << 3 << 0;
        QTest::newRow("empty text") << ""
                                    << "/" << 1 << 0;
    }
    void lastPosition()
    {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(int, start);
        QFETCH(int, expected);
        QCOMPARE(OSUtil::LastPosition(text, find, start), expected);
    }

    void pathParts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("full path") << "/snd/a.wss"
                                   << "/snd/"
                                   << "a.wss";
        QTest::newRow("root") << "/"
                              << "/"
                              << "";
        QTest::newRow("bare name") << "a.wss"
                                   << ""
                                   << "a.wss";
        QTest::newRow("folder") << "/home/ann/"
                                << "/home/ann/"
                                << "";
        QTest::newRow("relative") << "snd/x y.wav"
                                  << "snd/"
                                  << "x y.wav";
        QTest::newRow("backslash is a plain character") << "c:\\snd\\a.wss"
                                                        << ""
                                                        << "c:\\snd\\a.wss";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void pathParts()
    {
        QFETCH(QString, path);
        QFETCH(QString, directory);
        QFETCH(QString, fileName);
        QCOMPARE(OSUtil::DirectoryPart(path), directory);
        QCOMPARE(OSUtil::FileNamePart(path), fileName);
        QCOMPARE(OSUtil::DirectoryPart(path) + OSUtil::FileNamePart(path), path);
    }

    void plainNamesAreNotQuoted()
    {
        QCOMPARE(OSUtil::BuildCommandLine(QStringLiteral("WSSdec.exe "), QStringLiteral("gun.wss")),
            QStringLiteral("WSSdec.exe gun.wss"));
        QCOMPARE(OSUtil::BuildCommandLine(QStringLiteral("WSSCod.exe "), QStringLiteral("a\\b;c$d.wav")),
            QStringLiteral("WSSCod.exe a\\b;c$d.wav"));
        // A folder path gives an empty name: the prefix alone, ending in its blank.
        QCOMPARE(OSUtil::BuildCommandLine(QStringLiteral("WSSdec.exe "), QString()), QStringLiteral("WSSdec.exe "));
        QCOMPARE(OSUtil::SplitCommandLine(QStringLiteral("WSSdec.exe ")), QStringList{"WSSdec.exe"});
    }

    void awkwardNamesReachTheToolAsOneArgument_data()
    {
        QTest::addColumn<QString>("name");
        const char *names[] = {
            "gun shot.wss",
            " lead.wss",
            "trail.wav ",
            "two  blanks",
            "tab\there",
            "line\nbreak",
            "\"quoted\"",
            "a\"b",
            "\"",
            "\"\"",
            "\"\"\"",
            "x\"\"\"y",
            "\" \"",
            "back\\slash\\",
            "semi;colon",
            "$HOME",
            "`id`",
            "a|b&c",
            "*.wss",
            "?.wav",
            "it's.wav",
            "100%.wav",
            "ünïcødé 音.wss",
            "-n",
            "--help",
        };
        for (const char *name : names)
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void awkwardNamesReachTheToolAsOneArgument()
    {
        QFETCH(QString, name);
        const QString commandLine = OSUtil::BuildCommandLine(QStringLiteral("WSSdec.exe "), name);
        QCOMPARE(OSUtil::SplitCommandLine(commandLine), (QStringList{QStringLiteral("WSSdec.exe"), name}));
    }

    // The first line says what the failure means for the user, the tool's words follow; the
    // command line and how it ended are in the details.
    void failureMessages_data()
    {
        QTest::addColumn<QString>("argument"); // "" for a folder path
        QTest::addColumn<RunResult>("result");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("details");
        RunResult ok;
        ok.status = RunResult::Status::Exited;
        ok.exitCode = 0;
        QTest::newRow("success says nothing") << "50%2.wss" << ok << ""
                                              << "";

        RunResult failed = ok;
        failed.exitCode = 3;
        const QString how = QStringLiteral("Command line: WSSdec.exe 50%2.wss\nExit code: 3");
        QTest::newRow("exit code") << "50%2.wss" << failed << "Could not decode 50%2.wss." << how;
        failed.errorLines = QStringList{"first", "second"};
        QTest::newRow("exit code with error output")
            << "50%2.wss" << failed << "Could not decode 50%2.wss.\n\nfirst\nsecond" << how + "\n\nfirst\nsecond";

        RunResult stopped = failed;
        stopped.stopRequested = true;
        QTest::newRow("stopped by the user says nothing") << "50%2.wss" << stopped << ""
                                                          << "";

        // 60 failures and the summary: the first nine, a count of the rest, and the summary.
        RunResult batch = failed;
        batch.errorLines.clear();
        for (int i = 1; i <= 60; ++i)
            batch.errorLines << QStringLiteral("WSSdec.exe: 'f%1.wss' is damaged").arg(i);
        batch.errorLines << QStringLiteral("WSSdec.exe: 0 of 60 files decoded; 60 failed");
        QStringList shown = batch.errorLines.mid(0, 9);
        shown << QStringLiteral("…and 51 more") << batch.errorLines.last();
        QTest::newRow("lines left out are counted")
            << "50%2.wss" << batch << "Could not decode 50%2.wss.\n\n" + shown.join(u'\n')
            << how + "\n\n" + batch.errorLines.join(u'\n');

        RunResult usage = failed;
        usage.exitCode = 2;
        usage.errorLines = QStringList{"WSSdec.exe: no file named", "usage: WSSdec.exe [-f] FILE..."};
        QTest::newRow("a folder path says what to do")
            << "" << usage << "'/snd/' is a folder: choose a WSS file in it with Select WSS, or type its name."
            << "";

        RunResult killed;
        killed.status = RunResult::Status::Signalled;
        killed.signal = 9;
        QTest::newRow("signal") << "50%2.wss" << killed << "Decoding 50%2.wss ended unexpectedly."
                                << "Command line: WSSdec.exe 50%2.wss\nEnded by signal 9";

        RunResult notStarted;
        notStarted.program = QStringLiteral("WSSdec.exe");
        notStarted.error = QStringLiteral("Permission denied");
        QTest::newRow("not started")
            << "50%2.wss" << notStarted
            << "Could not decode 50%2.wss: WSSdec.exe could not be started.\n\nPermission denied"
            << "";
    }
    void failureMessages()
    {
        QFETCH(QString, argument);
        QFETCH(RunResult, result);
        QFETCH(QString, expected);
        QFETCH(QString, details);
        RunSubject subject;
        subject.tool = QStringLiteral("WSSdec.exe");
        subject.argument = argument;
        subject.path = QStringLiteral("/snd/") + argument;
        const QString commandLine = QStringLiteral("WSSdec.exe ") + argument;
        const RunReport report = RunReports::failure(subject, commandLine, result);
        QCOMPARE(report.text, expected);
        QCOMPARE(report.details, details);
    }

    void missingFileMessages_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a path") << int(RunSubject::Action::Decode) << "/snd/gun.wss"
                                << "Could not locate the file '/snd/gun.wss'";
        QTest::newRow("empty WSS field")
            << int(RunSubject::Action::Decode) << ""
            << "Could not locate the file ''\nType the path of a WSS file, or choose one with Select WSS.";
        QTest::newRow("empty WAV field")
            << int(RunSubject::Action::Encode) << ""
            << "Could not locate the file ''\nType the path of a WAV file, or choose one with Select WAV.";
    }
    void missingFileMessages()
    {
        QFETCH(int, action);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(RunReports::missingFile(RunSubject::Action(action), path), expected);
    }

    void wildcards_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        QTest::newRow("exact") << "a.wss"
                               << "a.wss" << true;
        QTest::newRow("case-sensitive") << "a.wss"
                                        << "A.wss" << false;
        QTest::newRow("star") << "*.wss"
                              << "gun.wss" << true;
        QTest::newRow("star matches nothing") << "*.wss"
                                              << ".wss" << true;
        QTest::newRow("star wrong ending") << "*.wss"
                                           << "gun.wav" << false;
        QTest::newRow("star in the middle") << "g*n.wss"
                                            << "gun.wss" << true;
        QTest::newRow("star backtracks") << "*a*b"
                                         << "xaxaxb" << true;
        QTest::newRow("question mark") << "?.wav"
                                       << "a.wav" << true;
        QTest::newRow("question mark needs one") << "?.wav"
                                                 << ".wav" << false;
        QTest::newRow("brackets are plain") << "take [2].wav"
                                            << "take [2].wav" << true;
        QTest::newRow("brackets are not a set") << "take [2].wav"
                                                << "take 2.wav" << false;
        QTest::newRow("empty pattern") << ""
                                       << "a" << false;
        QTest::newRow("only star") << "*"
                                   << "" << true;
        // "?" is one character as the user sees it; the WSS tools match the same way.
        QTest::newRow("question mark takes an accented letter") << "?.wav"
                                                                << "\u00e9.wav" << true;
        QTest::newRow("question mark takes a character beyond 16 bits") << "?.wav"
                                                                        << "\U0001F50A.wav" << true;
        QTest::newRow("star in the name") << "*"
                                          << "*x.wss" << true;
    }
    void wildcards()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(file_names::wildcardMatch(pattern.toUcs4(), name.toUcs4()), matches);
    }
};

TALVEN_TEST_MAIN(TestTextRoutines)
#include "tst_text_routines.moc"
