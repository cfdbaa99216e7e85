// The window when the platform lacks a browser or a printer.

#include "MessageBoxAnswerer.h"
#include "KeyDriver.h"
#include "PrintFakes.h"
#include "Program.h"
#include "UnitMain.h"
#include "UnitPrint.h"
#include "plButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {


} // namespace

class WindowFaultsTest : public QObject {
    Q_OBJECT

private slots:
    // No browser takes the page: one calm message names the address, and
    // nothing else changes.
    void noBrowserIsReported_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::newRow("banner") << "LblCM2" << "https://vermora.example/";
        QTest::newRow("software page") << "plButton1" << "https://vermora.example/lumenta/";
    }

    void noBrowserIsReported()
    {
        QFETCH(QString, control);
        QFETCH(QString, address);
        TFormMain form;
        QList<QUrl> asked;
        form.setUrlOpener([&asked](const QUrl& url) {
            asked << url;
            return false;
        });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.stepsBuilt());
        MessageBoxAnswerer boxes;
        const auto seen = boxes.during(
            [&] { QTest::mouseClick(form.findChild<QWidget*>(control), Qt::LeftButton, {}, QPoint(3, 3)); });
        QCOMPARE(asked, QList<QUrl>{QUrl(address)});
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().text, QStringLiteral("ブラウザを開けませんでした。\n") + address);
        QVERIFY(form.findChild<QWidget*>(QStringLiteral("PnlMainTop"))->isVisible());
        QVERIFY(form.isVisible());
    }

    // A browser that takes the page: not a word.
    void openedPageSaysNothing()
    {
        TFormMain form;
        form.setUrlOpener([](const QUrl&) { return true; });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.stepsBuilt());
        MessageBoxAnswerer boxes;
        const auto seen = boxes.during([&] {
            form.plButton1Click();
            QTest::qWait(20);
        });
        QCOMPARE(seen.size(), 0);
    }

    // The platform's own opener on a platform that has no browser at all.
    void desktopWithoutBrowser()
    {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QSKIP("would open a real browser");
        TFormMain form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.stepsBuilt());
        MessageBoxAnswerer boxes;
        const auto seen = boxes.during([&] { form.plButton1Click(); });
        QCOMPARE(seen.size(), 1);
        QVERIFY(seen.first().text.startsWith(QStringLiteral("ブラウザを開けませんでした。")));
    }

    // No printer installed: an estimate made at the keyboard and printed
    // with Ctrl+P through the window's print button offers a PDF file.
    void noPrinterThroughThePrintButton()
    {
        Program program;
        fakes::Printers none;
        fakes::Prompter prompter;
        fakes::Progress progress;
        program.formPrint().setPrintServices(&none, &prompter, &progress);
        TFormMain& form = program.formMain();
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_VERIFY(form.stepsBuilt());

        QCOMPARE(keydriver::completeEstimate(&form), QString());
        QVERIFY(form.findChild<TplButton*>(QStringLiteral("plBtnPrint"))->isEnabled());
        keydriver::press(&form, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(prompter.questions,
                 QStringList{QStringLiteral("プリンタが見つかりません。見積書をPDFファイルとして保存しますか？")});
        QCOMPARE(progress.started, 0);
        // The sheet was filled before the printer was looked for.
        QVERIFY(program.formPrint().sheet().text(QStringLiteral("QRLblGokei")).startsWith(QChar(u'¥')));
    }
};

QTEST_MAIN(WindowFaultsTest)
#include "tst_window_faults.moc"
