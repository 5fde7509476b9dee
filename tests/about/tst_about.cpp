#include "about/frmabout.h"
#include "support/windowdriver.h"

#include <QFile>
#include <QImageReader>

using namespace tillora;
using namespace tillora::test;

namespace {
const QString bannerPath = QStringLiteral(":/tillora/banner.jpg");
}

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_window.load();
        m_window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }
    void bannerIsABaselineJfifJpeg();
    void window();

private:
    frmAbout m_window;
};

void TestAbout::bannerIsABaselineJfifJpeg()
{
    QImageReader reader(bannerPath);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(234, 30));
    QVERIFY(!reader.read().allGray());

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

// The banner is drawn from the box's top-left corner, not stretched, with
// teal beyond it; the texts fit, and the window has no icon.
void TestAbout::window()
{
    auto* picture = m_window.findChild<QLabel*>("Picture1");
    QCOMPARE(picture->size(), QSize(241, 33));
    const QImage banner(bannerPath);
    const QImage shown = picture->grab().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(233, 29), QPoint(234, 15), QPoint(100, 30), QPoint(240, 32)}) {
        const QColor expected = banner.rect().contains(at) ? banner.pixelColor(at) : QColor(0, 192, 192);
        QVERIFY2(shown.pixelColor(at) == expected, qPrintable(QStringLiteral("at %1,%2").arg(at.x()).arg(at.y())));
    }

    QStringList texts;
    for (const char* name : {"Label1", "Label2", "Label3"})
        texts << m_window.findChild<QLabel*>(name)->text();
    QCOMPARE(texts, QStringList({"Tillora", "Version 1.0.3", "© 2026 Tillora developers"}));
    const QStringList overflowing = overflowingCaptions(&m_window);
    QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(u'\n')));
    QVERIFY(m_window.windowIcon().isNull());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
