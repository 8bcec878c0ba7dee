#pragma once

#include <QString>
#include <QStringList>

// The command line format shared by the window, which writes a tool's command line, and the
// runner, which takes it apart again: both halves live here so that they cannot drift apart.
// Pure functions of text.
//
// Words are separated by blanks; a word in double quotes may hold blanks; three double quotes in
// a row stand for one literal quote. Every other character (";", "$", "`", "|", "&", "*", "\",
// ...) is plain text: no shell takes part.
namespace OSUtil {

// The word as it must stand in a command line to come back from SplitCommandLine unchanged: as
// it is when it has no blank and no double quote, otherwise in double quotes with each quote
// tripled. An empty word stays empty, so it adds no argument.
QString QuoteArgument(const QString &word);

// A tool's command line: prefix (the tool's name and one blank) followed by the name, quoted.
QString BuildCommandLine(const QString &prefix, const QString &fileName);

// Splits a command line into its words.
QStringList SplitCommandLine(const QString &commandLine);

} // namespace OSUtil
