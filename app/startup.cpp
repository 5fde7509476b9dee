#include "app/startup.h"

#include "app/form.h"
#include "app/region.h"
#include "till/form1.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>

namespace tillora {

namespace {

// Without a display Qt aborts with a core dump; say what to do instead.
bool displayAvailable()
{
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int run(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "Tillora needs a display; without one, start it as: xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "tillora");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tillora"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.3"));
    // Lets the desktop match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tillora.Tillora"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    adoptSystemRegion();

    WindowSlot<Form1> mainWindow;
    mainWindow.show();
    const int status = QApplication::exec();
    // Windows that endProgram() scheduled for deletion go now, not at exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace tillora
