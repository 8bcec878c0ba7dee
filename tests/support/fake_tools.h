#pragma once

// A temporary folder of stand-in tools (copies of recording_tool) put first on the PATH.

#include "build_path.h"
#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

struct ToolRecord
{
    QStringList args;
    QString cwd;
};

class FakeTools
{
public:
    FakeTools()
        : m_oldPath(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_oldPath);
    }
    ~FakeTools() { qputenv("PATH", m_oldPath); }
    FakeTools(const FakeTools &) = delete;
    FakeTools &operator=(const FakeTools &) = delete;

    QString folder() const { return m_dir.path(); }
    QString pathOf(const QString &name) const { return m_dir.filePath(name); }

    // Puts a stand-in called name in the folder, configured as recording_tool.cpp describes.
    void install(const QString &name, const QMap<QByteArray, int> &conf = {})
    {
        QFile::remove(pathOf(name));
        QVERIFY(QFile::copy(buildPath(RECORDING_TOOL), pathOf(name)));
        configure(name, conf);
    }

    void configure(const QString &name, const QMap<QByteArray, int> &conf)
    {
        QFile file(pathOf(name) + QStringLiteral(".conf"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (auto it = conf.cbegin(); it != conf.cend(); ++it)
            file.write(it.key() + '=' + QByteArray::number(it.value()) + '\n');
    }

    // Lines for the stand-in to work through (recording_tool.cpp): progress lines, "@sleep N",
    // "@stderr TEXT".
    void script(const QString &name, const QStringList &lines)
    {
        QFile file(pathOf(name) + QStringLiteral(".script"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join(u'\n').toUtf8() + '\n');
    }

    // Every run of the tool that ended normally, oldest first.
    QList<ToolRecord> records(const QString &name) const
    {
        QList<ToolRecord> result;
        QFile log(pathOf(name) + QStringLiteral(".log"));
        if (!log.open(QIODevice::ReadOnly))
            return result;
        for (const QByteArray &line : log.readAll().split('\n')) {
            if (line.isEmpty())
                continue;
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            ToolRecord record;
            for (const auto &arg : object.value(QStringLiteral("args")).toArray())
                record.args << arg.toString();
            record.cwd = object.value(QStringLiteral("cwd")).toString();
            result << record;
        }
        return result;
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};
