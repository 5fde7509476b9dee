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

private:
    static std::span<const ControlRow> controlTable();
};

} // namespace tillora
