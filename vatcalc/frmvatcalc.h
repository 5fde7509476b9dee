#pragma once

#include "app/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tillora {

// Adds VAT to a net amount, or finds the VAT contained in a gross amount,
// at the rate the user types.
class frmVATCalc : public Form {
    Q_OBJECT
public:
    frmVATCalc();

protected:
    void showRuntimeError(const RuntimeError& error) override;

private slots:
    void cmdVATOn_Click();
    void cmdVATOff_Click();
    void cmdClose_Click();

private:
    QLineEdit* txtPrice;
    QLineEdit* txtCurrentVATRate;
    QPushButton* cmdVATOn;
    QPushButton* cmdVATOff;
    QPushButton* cmdClose;
    QLabel* lblResult;
};

} // namespace tillora
