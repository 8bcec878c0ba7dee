#pragma once

#include "os_util/os_util.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Which existing files a run would replace, worked out before it starts so that the user can be
// asked first. Pure functions of names: the files the tool would convert and what the folder
// holds.

// The output the WSS tools write for input: beside it, its extension replaced by suffix (".wav"
// for a WSS file, ".wss" for a WAV file), or suffix added when it has none.
QString OutputName(const QString &input, const QString &suffix);

// The outputs of inputs (names in folder) that already exist in folder as files, each once; an
// output that is the input itself is left out (the tools refuse to write it).
QStringList ExistingOutputs(const QStringList &inputs, const QString &suffix, const QList<OSUtil::FolderEntry> &folder);

class ReplaceQuestion
{
    Q_DECLARE_TR_FUNCTIONS(ReplaceQuestion)

public:
    // What the question's buttons do, beside Cancel.
    enum class Answer {
        Replace, // the tool replaces the existing outputs, keeping each earlier file that differs
        SkipExisting, // the tool converts only the files whose output is not there (-n)
    };

    // "gun.wav already exists in /home/ann/Sounds. Replace it? If the new file differs from it,
    // the earlier file will be kept beside it as gun.wav.~1~; ..." (backup names the one output's
    // backup), or, for several, "12 of the 500 WSS files already exist in /snd. Replace them, or
    // skip them ...?". outputKind is "WSS" or "WAV"; inputCount is how many files the run converts.
    static QString text(const QStringList &existing, qsizetype inputCount, const QString &outputKind,
        const QString &folder, const QString &backup);
    // The captions of the question's buttons besides Cancel, in the order of Answer: Replace, and
    // Skip existing where some outputs are missing.
    static QStringList answers(const QStringList &existing, qsizetype inputCount);
    // Instead of the question, when the one existing output has no backup number left: the tool
    // would refuse to replace it.
    static QString noBackupLeft(const QString &existing, const QString &folder);
};
