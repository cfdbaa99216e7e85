// The print action's ways out that need no printer: no printer at all, a
// printer that is not there, and the progress window itself.

#include "EstimateSheet.h"
#include "JapaneseDate.h"
#include "PdfReader.h"
#include "PrintAction.h"
#include "PrintFakes.h"
#include "ProgressWindow.h"
#include "SheetSamples.h"
#include "UnitPrint.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using lumenta::report::PrintOutcome;
namespace sheet = lumenta::report::estimate_sheet;

class PrintActionTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private Q_SLOTS:
    void initTestCase() { japanese_fonts::registerSubstitutes(); }

    // No printer: the user is asked, and on "yes" the sheet is saved where
    // the user chooses, starting from 見積書_<today>.pdf in the home folder.
    void noPrinterOffersPdf()
    {
        TFormPrint form;
        fakes::Printers none;
        fakes::Prompter prompter;
        fakes::Progress progress;
        prompter.answer = true;
        prompter.fileToChoose = dir_.filePath(QStringLiteral("見積書.pdf"));
        form.setPrintServices(&none, &prompter, &progress);

        QCOMPARE(form.printEstimate(samples::plainEstimate(), nullptr), PrintOutcome::SavedAsPdf);
        QCOMPARE(prompter.questions,
                 QStringList{QStringLiteral("プリンタが見つかりません。見積書をPDFファイルとして保存しますか？")});
        const QString suggested = QDir::home().filePath(
            QStringLiteral("見積書_%1.pdf").arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))));
        QCOMPARE(prompter.suggestions, QStringList{suggested});
        QVERIFY(prompter.messages.isEmpty());
        QCOMPARE(progress.started, 0);
        QCOMPARE(form.sheet().text(sheet::kDateField), QString::fromStdString(lumenta::japaneseToday()));
        QVERIFY(QFileInfo(prompter.fileToChoose).size() > 0);
        if (pdf::toolsInstalled())
            QCOMPARE(pdf::pages(prompter.fileToChoose), 1);
    }

    // "No", or no file chosen: nothing is written and nothing else is said.
    void noPrinterDeclined()
    {
        lumenta::report::ReportPage page = sheet::build();
        fakes::Printers none;
        fakes::Progress progress;

        fakes::Prompter no;
        QCOMPARE(lumenta::report::PrintAction(none, no, progress).print(page, nullptr), PrintOutcome::NotSaved);
        QVERIFY(no.suggestions.isEmpty() && no.messages.isEmpty());

        fakes::Prompter noFile;
        noFile.answer = true;
        QCOMPARE(lumenta::report::PrintAction(none, noFile, progress).print(page, nullptr), PrintOutcome::NotSaved);
        QVERIFY(noFile.messages.isEmpty());
        QCOMPARE(progress.started, 0);
    }

    void pdfThatCannotBeWrittenIsReported()
    {
        lumenta::report::ReportPage page = sheet::build();
        fakes::Printers none;
        fakes::Progress progress;
        fakes::Prompter prompter;
        prompter.answer = true;
        prompter.fileToChoose = dir_.filePath(QStringLiteral("no/such/folder/見積書.pdf"));
        QCOMPARE(lumenta::report::PrintAction(none, prompter, progress).print(page, nullptr), PrintOutcome::SaveFailed);
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY(prompter.messages.first().startsWith(QStringLiteral("PDFファイルを保存できませんでした。")));
    }

    // A printer name the platform doesn't know is not silently replaced by
    // another printer.
    void unknownPrinterIsReported()
    {
        lumenta::report::ReportPage page = sheet::build();
        fakes::Printers missing(QStringLiteral("NoSuchPrinter-Lumenta"));
        fakes::Prompter prompter;
        fakes::Progress progress;
        QCOMPARE(lumenta::report::PrintAction(missing, prompter, progress).print(page, nullptr),
                 PrintOutcome::PrinterFailed);
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY(prompter.messages.first().startsWith(QStringLiteral("印刷できませんでした")));
        QVERIFY(prompter.messages.first().contains(QStringLiteral("NoSuchPrinter-Lumenta")));
        QVERIFY(prompter.questions.isEmpty());
        QCOMPARE(progress.finished, progress.started);
    }

    // The window titled "印刷中" with its bar and "キャンセル" button; a press
    // on the button, or Escape, is seen at the next phase.
    void progressWindowCancels()
    {
        QWidget owner;
        lumenta::report::ProgressWindow window(&owner);
        QCOMPARE(window.windowTitle(), QStringLiteral("印刷中"));
        QCOMPARE(window.cancelButton()->text(), QStringLiteral("キャンセル"));
        QVERIFY(window.isModal());

        window.start(nullptr, 3);
        QVERIFY(window.isVisible());
        QVERIFY(window.reach(1));
        QCOMPARE(window.bar()->value(), 1);
        QTimer::singleShot(0, window.cancelButton(), &QPushButton::click);
        QVERIFY(!window.reach(2));
        window.finish();
        QVERIFY(!window.isVisible());

        window.start(nullptr, 3);
        QVERIFY2(window.reach(1), "a new job starts uncancelled");
        QTimer::singleShot(0, &window, [&window] { QTest::keyClick(&window, Qt::Key_Escape); });
        QVERIFY(!window.reach(2));
        window.finish();
    }
};

QTEST_MAIN(PrintActionTest)
#include "tst_print_action.moc"
