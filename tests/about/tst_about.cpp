#include "about/frmabout.h"
#include "support/windowdriver.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tillora;
using namespace tillora::test;

namespace {
const QString bannerPath = QStringLiteral(":/tillora/banner.jpg");
}

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void bannerIsABaselineJfifJpeg();
    void bannerAtNaturalSizeOnTeal_data();
    void bannerAtNaturalSizeOnTeal();
    void textsFitAndNoIcon();
    void focusEnterAndEsc();
    void singleInstanceAndFreshAfterClose_data();
    void singleInstanceAndFreshAfterClose();

private:
    frmAbout& window() { return *m_slot.get(); }
    QLabel* picture() { return window().findChild<QLabel*>("Picture1"); }
    QPushButton* closeButton() { return window().findChild<QPushButton*>("Command1"); }

    WindowSlot<frmAbout> m_slot;
};

void TestAbout::init()
{
    m_slot.show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void TestAbout::cleanup()
{
    if (m_slot.get())
        closeWindow(m_slot.get());
}

void TestAbout::bannerIsABaselineJfifJpeg()
{
    QImageReader reader(bannerPath);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(234, 30));
    const QImage image = reader.read();
    QVERIFY(!image.isNull());
    QVERIFY(!image.allGray());

    // A JFIF file opens with its APP0 segment; 0xFF never starts a marker
    // inside the image data, so a marker found anywhere is a real one.
    QFile file(bannerPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.mid(2, 2), QByteArray("\xFF\xE0"));
    QCOMPARE(bytes.mid(6, 5), QByteArray("JFIF", 5));
    QCOMPARE(bytes.mid(13, 5), QByteArray("\x01\x00\x48\x00\x48", 5)); // 72 x 72 dots per inch
    QVERIFY(bytes.contains("\xFF\xC0"));  // a baseline frame
    QVERIFY(!bytes.contains("\xFF\xC2")); // and no progressive one
}

void TestAbout::bannerAtNaturalSizeOnTeal_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("onBanner");
    QTest::newRow("top-left corner") << QPoint(0, 0) << true;
    QTest::newRow("banner's last column") << QPoint(233, 15) << true;
    QTest::newRow("banner's last row") << QPoint(100, 29) << true;
    QTest::newRow("right of the banner") << QPoint(234, 15) << false;
    QTest::newRow("box's far corner") << QPoint(240, 32) << false;
    QTest::newRow("below the banner") << QPoint(100, 30) << false;
}

void TestAbout::bannerAtNaturalSizeOnTeal()
{
    QFETCH(QPoint, at);
    QFETCH(bool, onBanner);
    QCOMPARE(picture()->size(), QSize(241, 33));
    const QImage shown = picture()->grab().toImage();
    const QColor pixel = shown.pixelColor(at);
    if (onBanner) {
        const QColor expected = QImage(bannerPath).pixelColor(at);
        QCOMPARE(pixel, expected);
    } else {
        QCOMPARE(pixel, QColor(0, 192, 192));
    }
}

void TestAbout::textsFitAndNoIcon()
{
    QStringList texts;
    for (const char* name : {"Label1", "Label2", "Label3"})
        texts << window().findChild<QLabel*>(name)->text();
    QCOMPARE(texts, QStringList({"Tillora", "Version 1.0.3", "© 2026 Tillora developers"}));
    QCOMPARE(clippedCaptions(&window()), QStringList());
    QVERIFY(window().windowIcon().isNull());
}

// The banner holds the focus, so Enter there does nothing; one Tab
// reaches the button, and Space on it closes the window.
void TestAbout::focusEnterAndEsc()
{
    QCOMPARE(QApplication::focusWidget(), picture());
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(picture(), Qt::Key(key));
    QCOMPARE(tabCycle(2), QStringList({"Picture1", "Command1", "Picture1"}));

    QTest::keyClick(picture(), Qt::Key_Tab);
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(closeButton(), Qt::Key(key));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_slot.get() && window().isVisible());

    QTest::keyClick(closeButton(), Qt::Key_Space);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_slot.get());
}

void TestAbout::singleInstanceAndFreshAfterClose_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Close Window") << true;
    QTest::newRow("close box") << false;
}

void TestAbout::singleInstanceAndFreshAfterClose()
{
    QFETCH(bool, byButton);
    frmAbout* first = m_slot.get();
    closeButton()->setFocus();
    QCOMPARE(&m_slot.show(), first);
    QCOMPARE(QApplication::focusWidget(), closeButton());

    if (byButton) {
        click(closeButton());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
        closeWindow(first);
    }
    QVERIFY(!m_slot.get());

    m_slot.show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QCOMPARE(QApplication::focusWidget(), picture());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
