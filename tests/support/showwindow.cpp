// Opens one tool window, types figures into it and presses its buttons, so
// that it can be looked at (and photographed) as a user would see it:
//
//   showwindow vat txtPrice=1234.5 txtCurrentVATRate=20 cmdVATOn
//   showwindow markup txtPrice=12.5 txtCurrentVat=17.5 cboMarkupRates=2 cmdCalcSell
//   showwindow about
//
// name=text fills an entry box (or picks a list position), a bare name
// clicks a button. The window stands at (10, 10) on the screen.
#include "about/frmabout.h"
#include "app/region.h"
#include "markup/frmmarkup.h"
#include "vatcalc/frmvatcalc.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>

#include <cstdio>

using namespace tillora;

namespace {

QWidget* open(const QString& which)
{
    Form* window = which == u"vat"      ? static_cast<Form*>(new frmVATCalc)
                 : which == u"markup" ? static_cast<Form*>(new frmMarkup)
                 : which == u"about"  ? static_cast<Form*>(new frmAbout)
                                      : nullptr;
    if (window) {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->load();
        window->show();
    }
    return window;
}

bool apply(QWidget* window, const QString& step)
{
    const QString name = step.section(u'=', 0, 0);
    if (!step.contains(u'=')) {
        auto* button = window->findChild<QPushButton*>(name);
        if (button)
            button->click();
        return button;
    }
    if (auto* box = window->findChild<QLineEdit*>(name))
        box->setText(step.section(u'=', 1));
    else if (auto* list = window->findChild<QComboBox*>(name))
        list->setCurrentIndex(step.section(u'=', 1).toInt());
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    adoptSystemRegion();
    const QStringList args = QApplication::arguments().mid(1);
    QWidget* window = args.isEmpty() ? nullptr : open(args.first());
    if (!window) {
        std::fputs("usage: showwindow vat|markup|about [name=text | button]...\n", stderr);
        return 2;
    }
    window->move(10, 10);
    for (const QString& step : args.mid(1)) {
        if (!apply(window, step)) {
            std::fprintf(stderr, "showwindow: no control for %s\n", qPrintable(step));
            return 2;
        }
    }
    return QApplication::exec();
}
