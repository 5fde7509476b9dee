#include "app/fittedcaption.h"
#include "app/form.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

using namespace tillora;

class TestFittedCaption : public QObject {
    Q_OBJECT
private slots:
    void fitsOrShortens_data();
    void fitsOrShortens();
    void shortTextAfterLongGetsItsFontBack();
};

void TestFittedCaption::fitsOrShortens_data()
{
    QTest::addColumn<bool>("wraps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize"); // 0: any size below the window's
    QTest::addColumn<bool>("cutShort");

    const QString line = QStringLiteral("Total : £1,234.50 + VAT (£246.90) = £1,481.40");
    const QString sentence = QStringLiteral("£1234.5 + a markup of 5% = a selling price of £1,523.06 - VAT on this item is £226.84");
    const QString digits = QStringLiteral("£") + QString(400, u'9');
    QTest::newRow("one line fits") << false << line << formFont().pixelSize() << false;
    QTest::newRow("one line, smaller font") << false << QStringLiteral("Total : £12,345,678.50 + VAT (£2,469,135.70) = £14,814,814.20") << 0 << false;
    QTest::newRow("one line cut short") << false << line + line << fittedCaptionFloor << true;
    QTest::newRow("wrapped, smaller font") << true << QStringLiteral("£1234567890123.45 + a markup of 95% = a selling price of £2,407,407,406,740.73 - VAT on this item is £401,234,567,790.12") << 0 << false;
    QTest::newRow("wrapped cut short") << true << sentence + u' ' + sentence << fittedCaptionFloor << true;
    QTest::newRow("one long word wrapped") << true << digits << fittedCaptionFloor << true;
    QTest::newRow("one long word, one line") << false << digits << fittedCaptionFloor << true;
}

void TestFittedCaption::fitsOrShortens()
{
    QFETCH(bool, wraps);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, cutShort);

    QLabel label;
    label.setFont(formFont());
    label.setWordWrap(wraps);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.resize(281, wraps ? 25 : 17);
    setFittedCaption(&label, text);

    const int size = label.font().pixelSize();
    if (pixelSize)
        QCOMPARE(size, pixelSize);
    else
        QVERIFY(size < formFont().pixelSize() && size >= fittedCaptionFloor);

    const QRect room = label.contentsRect();
    const QRect needed = QFontMetrics(label.font()).boundingRect(QRect(0, 0, room.width(), 1000),
                                                                int(label.alignment()) | (wraps ? Qt::TextWordWrap : 0),
                                                                label.text());
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(), qPrintable(label.text()));

    if (cutShort) {
        QVERIFY(label.text().endsWith(u'…'));
        QCOMPARE(label.toolTip(), text);
        QCOMPARE(label.accessibleName(), text);
        // What is shown is the start of the text, line breaks aside.
        QString shown = label.text().chopped(1);
        shown.replace(u'\n', QString());
        QString whole = text;
        whole.remove(u' ');
        QVERIFY(whole.startsWith(shown.remove(u' ')));
    } else {
        QCOMPARE(label.text(), text);
        QVERIFY(label.toolTip().isEmpty());
    }
}

void TestFittedCaption::shortTextAfterLongGetsItsFontBack()
{
    QLabel label;
    label.resize(281, 17);
    setFittedCaption(&label, QString(300, u'8'));
    setFittedCaption(&label, QStringLiteral("VAT Paid: £17.50"));
    QCOMPARE(label.font().pixelSize(), formFont().pixelSize());
    QCOMPARE(label.text(), QStringLiteral("VAT Paid: £17.50"));
    QVERIFY(label.toolTip().isEmpty());
    QVERIFY(label.accessibleName().isEmpty());
}

QTEST_MAIN(TestFittedCaption)
#include "tst_fittedcaption.moc"
