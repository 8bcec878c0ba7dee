#pragma once

// A D-Bus session bus of the test's own, which no other program uses and which starts no
// service: the desktop's services the test needs, it registers on it itself.

#include <QDir>
#include <QProcess>
#include <QString>
#include <QTemporaryFile>

class PrivateSessionBus
{
public:
    // Starts dbus-daemon (Debian: dbus-daemon) and returns its address; empty if it cannot start.
    QString start()
    {
        m_config.setFileTemplate(QDir::tempPath() + QStringLiteral("/talven-bus-XXXXXX.conf"));
        if (!m_config.open())
            return {};
        m_config.write("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                       "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                       "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        m_config.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
            {QStringLiteral("--config-file=") + m_config.fileName(), QStringLiteral("--print-address"),
                QStringLiteral("--nofork")});
        if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead())
            return {};
        return QString::fromUtf8(m_daemon.readLine().trimmed());
    }
    void stop()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

private:
    QTemporaryFile m_config;
    QProcess m_daemon;
};
