// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/windows.h"

#include "app/widgets/layout.h"

namespace tillora {

// The product name, its version and copyright, and the banner.
class AboutWindow : public FixedWindow {
    Q_OBJECT
public:
    AboutWindow();

    // Shown here and at the foot of the till, and printed on its report.
    static constexpr const char* copyright = QT_TR_NOOP("© 2026 Tillora developers");

private:
    static std::span<const ControlRow> controlTable();
};

} // namespace tillora
