#include "support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tillora::test {

void whenModalOpens(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, waited = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (++waited > 2000) { // 10 s: the box never came
                qWarning("whenModalOpens: no modal window opened");
                timer->deleteLater();
                timer->stop();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start();
}

void pressButton(QWidget* box, const QString& text)
{
    for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    qWarning("pressButton: no button %s", qPrintable(text));
}

SeenBox describe(QWidget* widget)
{
    SeenBox seen;
    seen.title = widget->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(widget)) {
        seen.text = box->text();
        seen.icon = box->icon();
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        seen.buttons.sort();
    }
    return seen;
}

void answerNextBox(const QString& buttonText, SeenBox* seen)
{
    whenModalOpens([buttonText, seen](QWidget* box) {
        if (seen)
            *seen = describe(box);
        pressButton(box, buttonText);
    });
}

UnexpectedModalGuard::UnexpectedModalGuard() : m_timer(std::make_unique<QTimer>())
{
    m_timer->setInterval(20);
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        const SeenBox box = describe(modal);
        m_seen << box.title + QStringLiteral(": ") + box.text;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    m_timer->start();
}

UnexpectedModalGuard::~UnexpectedModalGuard() = default;

} // namespace tillora::test
