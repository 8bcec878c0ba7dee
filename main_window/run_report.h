#pragma once

#include "os_util/run_and_wait.h"

#include <QString>

// What the user is told about a run of a tool. Pure functions of text.

// The message for a run that did not succeed, or "" when it did.
QString FailureMessage(const QString &commandLine, const OSUtil::RunResult &result);
