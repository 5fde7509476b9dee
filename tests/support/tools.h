#pragma once

#include <QString>
#include <QStringList>

namespace tillora::test {

// Runs a command-line tool (pdftotext, pdfinfo, lpstat ...) and gives what it
// printed, or an empty text when it failed or took over 30 s.
QString toolOutput(const QString& program, const QStringList& arguments);
bool toolSucceeds(const QString& program, const QStringList& arguments);

} // namespace tillora::test
