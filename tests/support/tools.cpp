#include "support/tools.h"

#include <QProcess>

namespace tillora::test {

namespace {

bool run(const QString& program, const QStringList& arguments, QString* output)
{
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (output)
        *output = ok ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
    return ok;
}

} // namespace

QString toolOutput(const QString& program, const QStringList& arguments)
{
    QString output;
    run(program, arguments, &output);
    return output;
}

bool toolSucceeds(const QString& program, const QStringList& arguments)
{
    return run(program, arguments, nullptr);
}

} // namespace tillora::test
