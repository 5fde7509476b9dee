#pragma once

#include "app/form.h"

class QLabel;
class QPushButton;

namespace tillora {

// The product name, its version and copyright, and the banner.
class frmAbout : public Form {
    Q_OBJECT
public:
    frmAbout();

private slots:
    void Command1_Click();

private:
    QLabel* Picture1;
    QPushButton* Command1;
};

} // namespace tillora
