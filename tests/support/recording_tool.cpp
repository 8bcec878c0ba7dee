// A stand-in for the WSS tools. Copied into a test folder under a tool's name (say WSSdec.exe),
// it reads what to do from "<its path>.conf" (key=value lines) and, when it ends normally,
// appends one JSON line to "<its path>.log" with its arguments and working folder.
//
//   exit=N         exit with code N (default 0)
//   sleep_ms=N     sleep this long first
//   stderr_lines=N write N numbered lines to the error output
//   flood_bytes=N  write N bytes to the standard output and to the error output
//   signal=N       stop by this signal instead of exiting
//   ignore_term=1  go on when asked to stop (SIGTERM)
//
// Then, when "<its path>.script" exists, it works through it line by line, as a WSS tool writes
// its progress lines:
//   @sleep N       sleep N milliseconds
//   @stderr TEXT   write TEXT as a line to the error output
//   anything else  a progress line: written to the standard output and flushed, but only when
//                  WSS_PROGRESS=1 asks for progress lines, as the WSS tools do

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QThread>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    const QString self = QFile::decodeName(argv[0]);
    QMap<QByteArray, int> conf;
    QFile confFile(self + QStringLiteral(".conf"));
    if (confFile.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : confFile.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0)
                conf.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed().toInt());
        }
    }

    if (conf.value("ignore_term") > 0)
        std::signal(SIGTERM, SIG_IGN);
    if (conf.value("sleep_ms") > 0)
        QThread::msleep(ulong(conf.value("sleep_ms")));
    for (int i = 1; i <= conf.value("stderr_lines"); ++i)
        std::fprintf(stderr, "error line %d\n", i);
    if (const int flood = conf.value("flood_bytes"); flood > 0) {
        const QByteArray chunk(4096, 'x');
        for (int written = 0; written < flood; written += int(chunk.size())) {
            std::fwrite(chunk.constData(), 1, size_t(chunk.size()), stdout);
            std::fwrite(chunk.constData(), 1, size_t(chunk.size()), stderr);
        }
        std::fputs("\nflood done\n", stderr);
    }
    std::fflush(stdout);
    std::fflush(stderr);
    QFile script(self + QStringLiteral(".script"));
    if (script.open(QIODevice::ReadOnly)) {
        const bool progress = qgetenv("WSS_PROGRESS") == "1";
        for (const QByteArray &line : script.readAll().split('\n')) {
            if (line.startsWith("@sleep ")) {
                QThread::msleep(ulong(line.mid(7).toInt()));
            } else if (line.startsWith("@stderr ")) {
                std::fprintf(stderr, "%s\n", line.mid(8).constData());
                std::fflush(stderr);
            } else if (progress && !line.isEmpty()) {
                std::printf("%s\n", line.constData());
                std::fflush(stdout);
            }
        }
    }
    if (conf.value("signal") > 0)
        std::raise(conf.value("signal"));

    QJsonArray args;
    for (int i = 1; i < argc; ++i)
        args.append(QFile::decodeName(argv[i]));
    const QJsonObject record{{QStringLiteral("args"), args}, {QStringLiteral("cwd"), QDir::currentPath()}};
    QFile log(self + QStringLiteral(".log"));
    if (log.open(QIODevice::Append))
        log.write(QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n');
    return conf.value("exit");
}
