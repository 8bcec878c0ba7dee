#include "main_window/replaced_outputs.h"

#include "file_names/output_name.h"

#include <QSet>

QString OutputName(const QString &input, const QString &suffix)
{
    const auto view
        = [](const QString &text) { return std::u16string_view(QStringView(text).utf16(), size_t(text.size())); };
    return QString::fromStdU16String(file_names::outputName(view(input), view(suffix)));
}

QStringList ExistingOutputs(const QStringList &inputs, const QString &suffix, const QList<OSUtil::FolderEntry> &folder)
{
    QSet<QString> files;
    for (const OSUtil::FolderEntry &entry : folder) {
        if (entry.isFile)
            files.insert(entry.name);
    }
    QStringList existing;
    QSet<QString> seen;
    for (const QString &input : inputs) {
        const QString output = OutputName(input, suffix);
        if (output == input || !files.contains(output) || seen.contains(output))
            continue;
        seen.insert(output);
        existing << output;
    }
    return existing;
}

QString ReplaceQuestion::text(const QStringList &existing, qsizetype inputCount, const QString &outputKind,
    const QString &folder, const QString &backup)
{
    // The tools keep no backup of an output that already holds the new bytes: only what will
    // happen is promised.
    if (existing.size() == 1) {
        return tr("%1 already exists in %2. Replace it? If the new file differs from it, the earlier file will be "
                  "kept beside it as %3; if they are the same, it is left as it is.")
            .arg(existing.first(), folder, backup);
    }
    // Counts in the user's numbers (%L1, %Ln: "2.500" in German), and in the plural form the count takes.
    if (existing.size() == inputCount) {
        return tr("All %Ln %1 files already exist in %2. Replace them? Earlier files that differ from the new ones "
                  "will be kept beside them as NAME.~N~; those that are the same are left as they are.",
            nullptr, int(inputCount))
            .arg(outputKind, folder);
    }
    return tr("%L1 of the %Ln %2 files already exist in %3. Replace them, or skip them and make only the others? "
              "Earlier files that differ from the new ones will be kept beside them as NAME.~N~; those that are the "
              "same are left as they are.",
        nullptr, int(inputCount))
        .arg(existing.size())
        .arg(outputKind, folder);
}

QStringList ReplaceQuestion::answers(const QStringList &existing, qsizetype inputCount)
{
    QStringList captions{tr("&Replace")};
    // Skipping every existing output would leave nothing to do.
    if (existing.size() < inputCount)
        captions << tr("&Skip existing");
    return captions;
}

QString ReplaceQuestion::noBackupLeft(const QString &existing, const QString &folder)
{
    return tr("%1 already exists in %2, and every backup number for it is taken, so the tool would refuse to "
              "replace it. Move or remove its backups (%1.~N~), or the file itself, and try again.")
        .arg(existing, folder);
}
