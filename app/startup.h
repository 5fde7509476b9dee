#pragma once

namespace tillora {

// Creates the application, loads and shows the main window, and runs the
// event loop until the program ends.
int run(int argc, char** argv);

} // namespace tillora
