// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/core/region.h"
#include "app/core/version.h"
#include "till/tillwindow.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

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

void installTranslation(QCoreApplication& application)
{
    const QString home = QCoreApplication::applicationDirPath();
    auto* translator = new QTranslator(&application);
    for (const QString& folder :
         {home + QStringLiteral("/translations"), home + QStringLiteral("/../share/tillora/translations")}) {
        if (translator->load(QLocale::system(), QStringLiteral("tillora"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
}

int run(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "Tillora needs a display; without one, start it as: xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "tillora");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tillora"));
    QApplication::setApplicationVersion(QLatin1String(tilloraVersion));
    // Lets the desktop match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tillora.Tillora"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    adoptSystemRegion();
    installTranslation(application);

    auto* till = new TillWindow;
    till->setAttribute(Qt::WA_DeleteOnClose);
    till->show();
    const int status = QApplication::exec();
    // Windows that endProgram() scheduled for deletion go now, not at exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace tillora
