// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for bench/startup-time.sh: what any Qt Widgets program pays to
// show a window like Tillora's, set up as app/startup.cpp sets up the
// application, with nothing in the window. startup_time compares the
// program's start-up with this one's.
#include "app/version.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
protected:
    // startup_time counts a window as drawn once it shows three colours;
    // a plain background alone would never count. Two small squares cost
    // next to nothing and need no fonts.
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(8, 8, 16, 16, palette().dark());
        painter.fillRect(32, 8, 16, 16, palette().highlight());
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tillora"));
    QApplication::setApplicationVersion(QLatin1String(tillora::tilloraVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tillora.Tillora"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    BareWindow window;
    window.setWindowTitle(QStringLiteral("Tillora"));
    // Tillora's main window: 11400 x 6960 twips.
    window.setFixedSize(760, 464);
    window.show();
    return QApplication::exec();
}
