// A stand-in for the WSS tools. Copied into a test folder under a tool's name (say WSSdec.exe),
// it reads what to do from "<its path>.conf" (key=value lines) and, when it ends normally,
// appends one JSON line to "<its path>.log" with its arguments and working folder.
//
//   exit=N         exit with code N (default 0)
//   sleep_ms=N     sleep this long first
//   stderr_lines=N write N numbered lines to the error output
//   flood_bytes=N  write N bytes to the standard output and to the error output
//   signal=N       stop by this signal instead of exiting

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
