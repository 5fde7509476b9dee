// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/startup.h"

class QLocale;
class QString;

namespace tillora {

// Installs the program's translation into `language` when one is found:
// in "translations" in `programFolder`, or in "../share/tillora/translations"
// from it, as the install puts them. Qt's own translation into the same
// language comes with it, so that standard buttons and the file dialog
// speak as the rest of the program does.
void installTranslations(const QLocale& language, const QString& programFolder);

// Creates the application, shows the till window, and runs the event loop
// until the program ends.
int run(int argc, char** argv);

} // namespace tillora
