// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/numbers/region.h"
#include "app/version.h"
#include "till/tillwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <algorithm>
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

void installTranslations(const QLocale& language, const QString& programFolder)
{
    auto* own = new QTranslator(QCoreApplication::instance());
    const QStringList folders{programFolder + QStringLiteral("/translations"),
                              programFolder + QStringLiteral("/../share/tillora/translations")};
    const bool found = std::any_of(folders.begin(), folders.end(), [&](const QString& folder) {
        return own->load(language, QStringLiteral("tillora"), QStringLiteral("_"), folder);
    });
    if (!found) {
        // Qt's texts stay in English with the program's, rather than mixing.
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(own);
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
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
    installTranslations(QLocale::system(), QCoreApplication::applicationDirPath());

    auto* till = new TillWindow;
    till->setAttribute(Qt::WA_DeleteOnClose);
    till->show();
    const int status = QApplication::exec();
    // Windows that endProgram() scheduled for deletion go now, not at exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace tillora
