#pragma once

// Works a calculator window by keys and checks what its result shows.

#include "support/modal.h"
#include "support/windowdriver.h"

#include <QAccessible>
#include <QMessageBox>

#include <optional>

namespace tillora::test {

// Works `first`, so that a result is showing, then `steps`. With no
// `message`, the result then reads `expected`: whole, or cut short to fit
// with the whole in its tooltip and in what a screen reader hears. With
// one, a warning box with only OK says it, and the result and the boxes
// keep what they showed.
inline void checkCalculation(QWidget* window, const char* resultName, const QStringList& first,
                             const QStringList& steps, const QString& expected, const QString& message)
{
    auto* result = window->findChild<QLabel*>(resultName);
    const QSize size = result->size();
    fill(window, first);
    const QString before = result->text();
    SeenBox seen;
    std::optional<UnexpectedModalGuard> unexpected;
    if (message.isEmpty())
        unexpected.emplace();
    else
        answerNextBox(QStringLiteral("OK"), &seen);
    fill(window, steps);

    if (!message.isEmpty()) {
        QTRY_COMPARE(seen.text, message);
        QCOMPARE(seen.title, window->windowTitle());
        QCOMPARE(seen.icon, int(QMessageBox::Warning));
        QCOMPARE(seen.buttons, QStringList{"OK"});
        QCOMPARE(result->text(), before);
        for (const QString& step : steps) {
            if (auto* box = window->findChild<QLineEdit*>(step.section(u'=', 0, 0)))
                QCOMPARE(box->text(), step.section(u'=', 1));
        }
        return;
    }
    QCOMPARE(unexpected->seen(), QStringList());
    const bool cutShort = !result->toolTip().isEmpty();
    QCOMPARE(cutShort ? result->toolTip() : result->text(), expected);
    QCOMPARE(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name), expected);
    QCOMPARE(result->text().endsWith(u'…'), cutShort);
    QCOMPARE(result->size(), size);
    const QStringList overflowing = overflowingCaptions(window);
    QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(u'\n')));
}

} // namespace tillora::test
