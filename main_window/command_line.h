#pragma once

#include "os_util/run_and_wait.h"

#include <QString>

// The tools' command lines and what the user is told about a run. Pure functions of text.

// The tool's command line: prefix (the tool's name and one blank) followed by the name quoted
// with OSUtil::QuoteArgument.
QString BuildCommandLine(const QString &prefix, const QString &fileName);

// The message for a run that did not succeed, or "" when it did.
QString FailureMessage(const QString &commandLine, const OSUtil::RunResult &result);
