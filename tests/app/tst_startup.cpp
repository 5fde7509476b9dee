// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as it happens on a user's machine: the region a bare system gets,
// and translations found where the install puts them.
#include "app/numbers/region.h"
#include "app/startup.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

using namespace tillora;
using namespace tillora::test;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    // The tests run with LANG=C, as on a server or in a container: figures
    // and dates come out as in the United Kingdom, for which the captions are written.
    void bareSystemGetsTheUnitedKingdom()
    {
        adoptSystemRegion();
        auto till = shown<TillWindow>();
        act(till.get(), {"txtFloat=0", "txtTill_11=21"});
        QCOMPARE(child<QLineEdit>(till.get(), "txtCashBank")->text(), QStringLiteral("1,050.00"));
        QCOMPARE(child<QLineEdit>(till.get(), "txtDate")->text(), QDate::currentDate().toString("dd/MM/yyyy"));
    }

    void translationsWhereInstalled_data()
    {
        QTest::addColumn<QString>("folder"); // where the translation lies, from the program's folder
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("exitCaption");
        QTest::addColumn<QString>("yesButton"); // Qt's own text, in the same language
        QTest::newRow("beside the program") << "translations"
                                            << "de_DE"
                                            << "TLR beenden"
                                            << "&Ja";
        QTest::newRow("installed") << "../share/tillora/translations"
                                   << "de_DE"
                                   << "TLR beenden"
                                   << "&Ja";
        QTest::newRow("a region of the language") << "translations"
                                                  << "de_AT"
                                                  << "TLR beenden"
                                                  << "&Ja";
        QTest::newRow("no translation: all English") << "translations"
                                                     << "fr_FR"
                                                     << "Exit TLR"
                                                     << "&Yes";
    }

    void translationsWhereInstalled()
    {
        QFETCH(QString, folder);
        QFETCH(QString, language);
        QFETCH(QString, exitCaption);
        QFETCH(QString, yesButton);
        const QTemporaryDir root;
        const QString program = root.filePath("bin");
        QVERIFY(QDir().mkpath(program + u'/' + folder));
        QVERIFY(QFile::copy(TEST_TRANSLATION, program + u'/' + folder + "/tillora_de.qm"));
        installTranslations(QLocale(language), program);
        const TillWindow till;
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
        const QString caption = child<QPushButton>(&till, "cmdExit")->text();
        const QString yes = box.button(QMessageBox::Yes)->text();
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        QCOMPARE(caption, exitCaption);
        QCOMPARE(yes, yesButton);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
