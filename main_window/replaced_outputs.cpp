#include "main_window/replaced_outputs.h"

#include <QSet>

QString OutputName(const QString &input, const QString &suffix)
{
    // As std::filesystem::path::replace_extension in the tools: the extension starts at the last
    // "." of the name, unless that is its first character (".take" has none).
    const qsizetype dot = input.lastIndexOf(u'.');
    return (dot > 0 ? input.left(dot) : input) + suffix;
}

QList<ReplacedOutput> ReplacedOutputs(
    const QStringList &inputs, const QString &suffix, const QList<OSUtil::FolderEntry> &folder)
{
    QStringList names;
    QSet<QString> files;
    for (const OSUtil::FolderEntry &entry : folder) {
        names << entry.name;
        if (entry.isFile)
            files.insert(entry.name);
    }
    QList<ReplacedOutput> replaced;
    QSet<QString> seen;
    for (const QString &input : inputs) {
        const QString output = OutputName(input, suffix);
        if (output == input || !files.contains(output) || seen.contains(output))
            continue;
        seen.insert(output);
        replaced.append({output, OSUtil::NextBackupName(output, names)});
    }
    return replaced;
}

QString ReplaceQuestion::text(
    const QList<ReplacedOutput> &replaced, qsizetype inputCount, const QString &outputKind, const QString &folder)
{
    if (replaced.size() == 1) {
        return tr("%1 already exists in %2. Replace it? The earlier file will be kept beside it as %3.")
            .arg(replaced.first().output, folder, replaced.first().backup);
    }
    return tr("%1 of the %2 %3 files already exist in %4. Replace them? The earlier files will be kept beside them "
              "as NAME.~N~.")
        .arg(QString::number(replaced.size()), QString::number(inputCount), outputKind, folder);
}
