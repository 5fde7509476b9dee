// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace tillora {

// Installs the translation of the program's texts into the user's language,
// when one is found: in "translations" beside the program, or in
// "../share/tillora/translations" from it, as the install puts them.
void installTranslation(QCoreApplication& application);

// Creates the application, shows the till window, and runs the event loop
// until the program ends.
int run(int argc, char** argv);

} // namespace tillora
