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

// The JPEG markers before the image data, each with its segment.
struct Segment {
    quint8 marker;
    QByteArray body;
};

QList<Segment> segmentsOf(const QByteArray& jpeg)
{
    QList<Segment> segments;
    qsizetype at = 2; // past the start-of-image marker
    while (at + 4 <= jpeg.size() && quint8(jpeg[at]) == 0xFF) {
        const quint8 marker = quint8(jpeg[at + 1]);
        const int length = quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]);
        segments.push_back({marker, jpeg.mid(at + 4, length - 2)});
        if (marker == 0xDA) // start of scan: image data follows
            break;
        at += 2 + length;
    }
    return segments;
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void bannerIsABaselineJfifJpeg();
    void bannerAtNaturalSizeOnTeal_data();
    void bannerAtNaturalSizeOnTeal();
    void textsAndWindow();
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

    QFile file(bannerPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<Segment> segments = segmentsOf(file.readAll());
    QList<quint8> markers;
    for (const Segment& s : segments)
        markers << s.marker;
    QVERIFY(markers.contains(0xC0));  // baseline frame
    QVERIFY(!markers.contains(0xC2)); // no progressive frame
    QCOMPARE(markers.value(0), quint8(0xE0));
    const QByteArray jfif = segments.value(0).body;
    QVERIFY(jfif.startsWith(QByteArray("JFIF", 5)));
    QCOMPARE(int(jfif[7]), 1); // dots per inch
    QCOMPARE(quint8(jfif[8]) << 8 | quint8(jfif[9]), 72);
    QCOMPARE(quint8(jfif[10]) << 8 | quint8(jfif[11]), 72);
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

void TestAbout::textsAndWindow()
{
    QStringList texts;
    for (const char* name : {"Label1", "Label2", "Label3"})
        texts << window().findChild<QLabel*>(name)->text();
    QCOMPARE(texts, QStringList({"Tillora", "Version 1.0.3", "© 2026 Tillora developers"}));
    QCOMPARE(clippedCaptions(&window()), QStringList());
    QCOMPARE(window().size(), QSize(261, 191));
    QCOMPARE(window().windowTitle(), QStringLiteral("About"));
    QVERIFY(!(window().windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window().windowFlags() & Qt::WindowCloseButtonHint);
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
