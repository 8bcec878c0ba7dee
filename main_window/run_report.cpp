#include "main_window/run_report.h"

#include <QCoreApplication>

QString FailureMessage(const QString &commandLine, const OSUtil::RunResult &result)
{
    using Status = OSUtil::RunResult::Status;
    // One arg() call with all values: a "%2" in a file name must stay as it is.
    QString message;
    switch (result.status) {
    case Status::NotStarted:
        return QCoreApplication::translate("RunReport", "Could not start '%1': %2").arg(result.program, result.error);
    case Status::Exited:
        if (result.exitCode == 0)
            return QString();
        message = QCoreApplication::translate("RunReport", "'%1' failed with exit code %2.")
                      .arg(commandLine, QString::number(result.exitCode));
        break;
    case Status::Signalled:
        message = QCoreApplication::translate("RunReport", "'%1' was stopped by signal %2.")
                      .arg(commandLine, QString::number(result.signal));
        break;
    }
    if (!result.errorTail.isEmpty())
        message += QLatin1String("\n\n") + result.errorTail.join(u'\n');
    return message;
}
