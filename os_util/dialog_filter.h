#pragma once

#include <QString>

// The open-file dialog's filter, both halves of its format in one place: the short form the
// window writes ("WAV file,*.WAV"), the dialog request's form (description, NUL, pattern, NUL),
// and the name filter Qt's dialog shows. Pure functions of text.
namespace OSUtil {

// "description,pattern" to "description\0pattern\0": the comma becomes a NUL (ReplaceText), and
// one more NUL ends the list.
QString DialogFilter(const QString &shortForm);

struct DialogFilterParts
{
    QString description;
    QString pattern;
};

// The description and pattern of a "description\0pattern\0" filter.
DialogFilterParts SplitDialogFilter(const QString &dialogFilter);

// The filter as Qt's dialog takes it: "description (pattern)", the pattern spelled so that it
// matches in any case ("*.WSS" becomes "*.[wW][sS][sS]"); the description alone when there is
// no pattern.
QString NameFilter(const QString &dialogFilter);

} // namespace OSUtil
