// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"

#include "app/version.h"
#include "app/widgets/fonts.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace tillora {

std::span<const ControlRow> AboutWindow::controlTable()
{
    using enum ControlKind;
    using enum ControlFlag;
    // clang-format off
    static const ControlRow controls[] = {
        // name      kind     container caption                                    left   top  width height tab flags
        {"Label1",   Label,   nullptr,  QT_TR_NOOP("Tillora"),                      120,   120,  3615,   255,  1, AlignCenter},
        {"Label2",   Label,   nullptr,  nullptr,                                    120,   600,  3615,   255,  2, AlignCenter},
        {"Label3",   Label,   nullptr,  copyright,                                 120,  1080,  3615,   255,  3, AlignCenter},
        {"Picture1", Picture, nullptr,  "",                                         120,  1560,  3615,   495,  0},
        {"Command1", Button,  nullptr,  QT_TR_NOOP("Close Window"),                 120,  2280,  3615,   375,  4},
    };
    // clang-format on
    return controls;
}

AboutWindow::AboutWindow()
    : FixedWindow(staticMetaObject, {"frmAbout", QT_TR_NOOP("About"), 3915, 2865, false, false}, controlTable())
{
    setFittedCaption(control<QLabel>(QStringLiteral("Label2")), tr("Version %1").arg(QLatin1String(tilloraRelease)));
    auto* banner = control<QLabel>(QStringLiteral("Picture1"));
    QPalette palette = banner->palette();
    palette.setColor(QPalette::Window, QColor(0, 192, 192)); // teal, around the banner
    banner->setPalette(palette);
    banner->setAutoFillBackground(true);
    banner->setPixmap(QPixmap(QStringLiteral(":/tillora/banner.jpg")));
    banner->setAccessibleName(tr("Tillora banner"));
    connect(control<QPushButton>(QStringLiteral("Command1")), &QPushButton::clicked, this, &QWidget::close);
}

} // namespace tillora
