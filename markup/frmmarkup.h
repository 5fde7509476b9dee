#pragma once

#include "app/form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tillora {

// The selling price of an item for a markup picked from 5 % to 95 % plus
// VAT at the rate typed, and the VAT that price contains.
class frmMarkup : public Form {
    Q_OBJECT
public:
    frmMarkup();

protected:
    void showRuntimeError(const RuntimeError& error) override;

private slots:
    void cmdCalcSell_Click();
    void cmdClose_Click();

private:
    void Form_Load() override;

    QLineEdit* txtPrice;
    QLineEdit* txtCurrentVat;
    QComboBox* cboMarkupRates;
    QPushButton* cmdCalcSell;
    QPushButton* cmdClose;
    QLabel* lblResult2;
};

} // namespace tillora
