#pragma once

// A main() for test programs that keeps them away from the real user's files: HOME and the XDG
// folders point into a temporary folder made for this run, and the platform is headless (on the
// screen tests/CMakeLists.txt names) unless the environment already chose one.

#include "build_path.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifndef TALVEN_TEST_SCREEN
#define TALVEN_TEST_SCREEN "screens/desktop.json"
#endif

namespace TestEnv {

inline QTemporaryDir &home()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/talven-test-home-XXXXXX"));
    return dir;
}

inline void isolate()
{
    const QByteArray root = QFile::encodeName(home().path());
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_STATE_HOME", root + "/.local/state");
    qputenv("XDG_RUNTIME_DIR", root + "/.runtime");
    QDir().mkpath(home().path() + QStringLiteral("/.runtime"));
    QFile::setPermissions(home().path() + QStringLiteral("/.runtime"),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(buildPath(TALVEN_TEST_SCREEN)));
    QDir().mkpath(home().path() + QStringLiteral("/.config"));
}

} // namespace TestEnv

#define TALVEN_TEST_MAIN(TestObject)                                                                                   \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        TestEnv::isolate();                                                                                            \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_DontUseNativeDialogs);                                                                 \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
