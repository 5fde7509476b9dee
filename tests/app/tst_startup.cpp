// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as it happens on a user's machine: the region a bare system gets,
// and translations found where the install puts them.
#include "app/numbers/region.h"
#include "app/startup.h"
#include "support/rows.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

using namespace tillora;
using namespace tillora::test;

struct Installed {
    const char* name;
    QString folder; // where the translation lies, from the program's folder
    const char* language;
    QString exitCaption, yesButton; // the latter Qt's own text, in the same language
};

Q_DECLARE_METATYPE(Installed)

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
        QCOMPARE(texts(till.get(), {"txtCashBank", "txtDate"}),
                 QStringList({"1,050.00", QDate::currentDate().toString("dd/MM/yyyy")}));
    }

    void translationsWhereInstalled_data()
    {
        rows<Installed>({
            {"beside the program", "translations", "de_DE", "TLR beenden", "&Ja"},
            {"where the package puts it", "../share/tillora/translations", "de_DE", "TLR beenden", "&Ja"},
            {"no translation of the language", "translations", "fr_FR", "Exit TLR", "&Yes"}, // all English
        });
    }

    void translationsWhereInstalled()
    {
        QFETCH(Installed, row);
        const QTemporaryDir root;
        const QString folder = root.filePath("bin/" + row.folder);
        QVERIFY(QDir().mkpath(folder) && QFile::copy(TEST_TRANSLATION, folder + "/tillora_de.qm"));
        installTranslations(QLocale(row.language), root.filePath("bin"));
        const TillWindow till;
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
        const QStringList captions{child<QPushButton>(&till, "cmdExit")->text(), box.button(QMessageBox::Yes)->text()};
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        QCOMPARE(captions, QStringList({row.exitCaption, row.yesButton}));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
