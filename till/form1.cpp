#include "till/form1.h"

namespace tillora {

namespace {

const FormSpec form1Spec{"Form1", "Tillora", 11400, 6960, TitleButtons::MinimiseAndClose, true};

} // namespace

Form1::Form1()
    : Form(form1Spec, {})
{
}

} // namespace tillora
