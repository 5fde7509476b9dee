#include "about/frmabout.h"

#include "app/fittedcaption.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace tillora {

namespace {

using enum ControlKind;
using namespace ControlFlag;

const FormLayout aboutLayout{"frmAbout", "About", 3915, 2865, TitleButtons::Close, false};

// clang-format off
const ControlRow aboutControls[] = {
    // name       kind     container caption                          left  top   width height tab flags
    {"Label1",   Label,   nullptr, "Tillora",                         120,  120, 3615, 255, 1, AlignCenter},
    {"Label2",   Label,   nullptr, "Version 1.0.3",                   120,  600, 3615, 255, 2, AlignCenter},
    {"Label3",   Label,   nullptr, "\u00a9 2026 Tillora developers",  120, 1080, 3615, 255, 3, AlignCenter},
    {"Picture1", Picture, nullptr, "",                                120, 1560, 3615, 495, 0},
    {"Command1", Button,  nullptr, "Close Window",                    120, 2280, 3615, 375, 4},
};
// clang-format on

const QColor bannerBackground(0, 192, 192);

} // namespace

frmAbout::frmAbout()
    : Form(aboutLayout, aboutControls)
    , Picture1(control<QLabel>(QStringLiteral("Picture1")))
    , Command1(control<QPushButton>(QStringLiteral("Command1")))
{
    QPalette palette = Picture1->palette();
    palette.setColor(QPalette::Window, bannerBackground);
    Picture1->setPalette(palette);
    Picture1->setAutoFillBackground(true);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/tillora/banner.jpg")));
    Picture1->setAccessibleName(QStringLiteral("Tillora banner"));
    fitLabelCaptions(this);
    onEvent(Command1, &QPushButton::clicked, [this] { Command1_Click(); });
}

void frmAbout::Command1_Click()
{
    close();
}

} // namespace tillora
