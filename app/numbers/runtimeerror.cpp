// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numbers/runtimeerror.h"

namespace tillora {

RuntimeError::RuntimeError(Kind kind, const QString& message)
    : std::runtime_error(message.toStdString())
    , m_kind(kind)
    , m_message(message)
{
}

bool RuntimeError::isFloatingPointFault() const
{
    return m_kind == Kind::Overflow || m_kind == Kind::DivisionByZero || m_kind == Kind::InvalidOperation;
}

} // namespace tillora
