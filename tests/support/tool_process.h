#pragma once

// Running the real WSS tools from a test: each in a folder of the test's own, with syscall_shim.cpp
// between it and the C library where a test asks, and what it left behind. For the tools' test
// programs, each with HOME and the XDG folders in a temporary folder.

#include "build_path.h"
#include "test_sound.h"
#include "wav_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <functional>
#include <vector>

#include <sys/stat.h>

namespace tool_process {

inline const QString kEncoder = buildPath(WSSCOD);
inline const QString kDecoder = buildPath(WSSDEC);

struct Result
{
    int code;
    QProcess::ExitStatus status;
    QStringList errorLines;
    QStringList outputLines; // the progress lines, with WSS_PROGRESS=1 in the environment
};

// The environment of a tool run with the shim loaded, set as `settings` ("TALVEN_SHIM_...=...")
// say. (AddressSanitizer would refuse a library loaded before it; and it leaves the faults to the
// tools' own handler.)
inline QStringList shim(const QStringList &settings)
{
    return QStringList{QStringLiteral("LD_PRELOAD=") + buildPath(SYSCALL_SHIM),
               QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0:handle_segv=0:use_sigaltstack=0")}
    + settings;
}

// This process's environment with `settings` ("NAME=value") added, or, with `inherit` false,
// `settings` alone.
inline QProcessEnvironment environmentWith(const QStringList &settings, bool inherit = true)
{
    QProcessEnvironment e = inherit ? QProcessEnvironment::systemEnvironment() : QProcessEnvironment();
    for (const QString &setting : settings)
        e.insert(setting.section('=', 0, 0), setting.section('=', 1));
    return e;
}

// Starts `tool` in `dir` with `env` ("NAME=value") added to this process's environment, or, with
// `inherit` false, with `env` alone.
inline void start(QProcess &p, const QString &tool, const QString &dir, const QStringList &args,
    const std::function<void()> &childSetup = {}, const QStringList &env = {}, bool inherit = true)
{
    p.setProcessEnvironment(environmentWith(env, inherit));
    p.setWorkingDirectory(dir);
    if (childSetup)
        p.setChildProcessModifier(childSetup);
    p.start(tool, args);
    p.closeWriteChannel();
}

inline Result finish(QProcess &p)
{
    if (!p.waitForFinished(120000))
        qFatal("%s did not finish", qPrintable(p.program()));
    return {p.exitCode(), p.exitStatus(),
        QString::fromLocal8Bit(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts),
        QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)};
}

inline Result run(const QString &tool, const QString &dir, const QStringList &args,
    const std::function<void()> &childSetup = {}, const QStringList &env = {}, bool inherit = true)
{
    QProcess p;
    start(p, tool, dir, args, childSetup, env, inherit);
    return finish(p);
}

// The temporary files in a folder: hidden names with a six-character ending.
inline QStringList temporaryFiles(const QString &dir)
{
    return QDir(dir)
        .entryList(QDir::Hidden | QDir::Files | QDir::System)
        .filter(QRegularExpression("^\\..*\\.[^.]{6}$"));
}

// Every entry in a folder, hidden ones too, with the contents of the regular files.
inline QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo &fi :
        QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        QFile f(fi.filePath());
        files[fi.fileName()] = fi.isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<not a file>");
    }
    return files;
}

inline bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A 16-bit WAV file of `seconds` of a low sine, made a second at a time.
inline bool writeWav(const QString &path, int channels, int rate, int seconds)
{
    const std::vector<double> second = test_sound::makeSound("low sine", channels, rate, std::size_t(rate));
    SNDFILE *f = wav_file::create(path, channels, rate);
    if (!f)
        return false;
    bool ok = true;
    for (int i = 0; i < seconds; ++i)
        ok = ok && sf_writef_double(f, second.data(), rate) == rate;
    return sf_close(f) == 0 && ok;
}

} // namespace tool_process

// A main() for a tool test: HOME and the XDG folders in a temporary folder, the tools' English.
#define TALVEN_TOOL_TEST_MAIN(TestObject)                                                                              \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        const QTemporaryDir home;                                                                                      \
        qputenv("HOME", QFile::encodeName(home.path()));                                                               \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));                                       \
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/.local/share"));                                    \
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + "/.cache"));                                         \
        qputenv("LC_ALL", "C.UTF-8");                                                                                  \
        qunsetenv("LANGUAGE");                                                                                         \
        QCoreApplication app(argc, argv);                                                                              \
        TestObject tc;                                                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
