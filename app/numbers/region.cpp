// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numbers/region.h"

namespace tillora {

QLocale systemRegion()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return system;
}

void adoptSystemRegion()
{
    QLocale::setDefault(systemRegion());
}

} // namespace tillora
