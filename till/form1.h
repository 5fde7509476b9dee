#pragma once

#include "app/form.h"

namespace tillora {

// The till: counts of notes and coins, the float and the cheques, with
// every total kept current as the user types.
class Form1 : public Form {
    Q_OBJECT
public:
    Form1();
};

} // namespace tillora
