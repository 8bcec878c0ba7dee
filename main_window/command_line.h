#pragma once

#include "os_util/run_and_wait.h"

#include <QString>

// The tools' command lines and what the user is told about a run. Pure functions of text.

// The word as it must stand in a command line to reach the tool unchanged: as it is when it has
// no blank and no double quote, otherwise in double quotes with each quote tripled. An empty word
// stays empty, so it adds no argument.
QString QuoteArgument(const QString &word);

// The tool's command line: prefix (the tool's name and one blank) followed by the quoted name.
QString BuildCommandLine(const QString &prefix, const QString &fileName);

// The message for a run that did not succeed, or "" when it did.
QString FailureMessage(const QString &commandLine, const OSUtil::RunResult &result);
