// End to end on the default printer of the tests' own print service, which
// keeps every document it is given. The print action hands its job over
// before it ends: a job that is not in the service's list then never comes.

#include "CupsOutput.h"
#include "PdfReader.h"
#include "PrintFakes.h"
#include "SheetSamples.h"
#include "UnitPrint.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTimer>

using lumenta::report::PrintOutcome;
using lumenta::report::PrintWay;

using namespace cups_output;

namespace {

// The held queue, named by PRINTER as lp reads it, while the case runs.
auto printOnHeldQueue()
{
    qputenv("PRINTER", kHeldQueue.toUtf8());
    return qScopeGuard([] { qunsetenv("PRINTER"); });
}

} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

private:
    QString printer_;

private Q_SLOTS:
    void initTestCase()
    {
        if (const QString why = unavailable(); !why.isEmpty())
            QSKIP(qPrintable(why));
        printer_ = kPrinter;
        japanese_fonts::registerSubstitutes();
    }

    void init() { pdf::run(QStringLiteral("cancel"), {QStringLiteral("-a"), kHeldQueue}); }

    // Each way of printing: one job of one A4 page on the default printer,
    // without a question; the printer choice lists the service's printers
    // and prints the copies chosen there.
    // The preview prints the document it showed, not one made again later
    // (which would carry a later time).
    void printsOneA4Page_data()
    {
        QTest::addColumn<PrintWay>("way");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("previewWindow");
        QTest::newRow("印 刷") << PrintWay::DefaultPrinter << 1 << false;
        QTest::newRow("プリンタを選んで印刷, 3部") << PrintWay::ChoosePrinter << 3 << false;
        QTest::newRow("印刷プレビュー") << PrintWay::Preview << 1 << false;
        QTest::newRow("印刷プレビュー, its 印刷… button") << PrintWay::Preview << 1 << true;
    }

    void printsOneA4Page()
    {
        QFETCH(PrintWay, way);
        QFETCH(int, copies);
        QFETCH(bool, previewWindow);
        TFormPrint form;
        fakes::Prompter prompter;
        prompter.copies = copies;
        prompter.printFromPreview = true;
        prompter.previewWindow = previewWindow;
        prompter.previewMs = 1100;
        form.setPrintServices(&prompter, nullptr);
        const int newest = newestJob(printer_);

        QCOMPARE(fakes::outcome(form.sendEstimate(way, samples::discountedEstimate(), nullptr)), PrintOutcome::Printed);
        QVERIFY(prompter.silent());
        QCOMPARE(prompter.previews, way == PrintWay::Preview ? 1 : 0);
        if (way != PrintWay::DefaultPrinter) {
            QCOMPARE(prompter.printerLists.size(), 1);
            QStringList names;
            for (const auto& printer : prompter.printerLists.first())
                names << printer.name + (printer.isDefault ? QStringLiteral(" (default)") : QString());
            QCOMPARE(names, (QStringList{kHeldQueue, printer_ + QStringLiteral(" (default)")}));
        }

        const QList<int> made = jobsAfter(printer_, newest);
        QCOMPARE(made.size(), 1);
        QVERIFY(waitUntilCompleted(printer_, made.first(), 60000));
        QCOMPARE(copiesOf(made.first()), copies);
        const QString printed = keptDocument(made.first());
        QCOMPARE(pdf::pages(printed), 1);
        if (way == PrintWay::Preview) {
            QFile kept(printed);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QVERIFY(kept.readAll() == prompter.previewed);
        }
        const QSizeF size = pdf::pageSizeMm(printed);
        QVERIFY2(std::abs(size.width() - 210) < 1 && std::abs(size.height() - 297) < 1,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(size.width()).arg(size.height())));
    }

    // With the print service the user's settings name out of reach, the
    // user is asked about a PDF file, and no other service (the one the
    // environment names) receives the sheet.
    void noPrinterMakesNoJob()
    {
        TFormPrint form;
        fakes::Prompter prompter;
        form.setPrintServices(&prompter, nullptr);
        const int newest = newestJob(printer_);
        pointServiceAt(kNoService);
        const PrintOutcome outcome =
            fakes::outcome(form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), nullptr));
        pointServiceAt(nullptr);
        QCOMPARE(outcome, PrintOutcome::NotSaved);
        QCOMPARE(prompter.questions.size(), 1);
        QVERIFY(prompter.questions.first().startsWith(QStringLiteral("プリンタが見つかりません。")));
        QCOMPARE(jobsAfter(printer_, newest), QList<int>());
    }

    // Cancelling in the progress window at any phase leaves no job on the
    // service, and nothing is said.
    void cancelLeavesNoJob_data()
    {
        QTest::addColumn<int>("phase");
        QTest::newRow("connecting") << 1;
        QTest::newRow("laying out") << 2;
        QTest::newRow("sending") << 3;
        QTest::newRow("sheet sent") << 4;
    }

    void cancelLeavesNoJob()
    {
        QFETCH(int, phase);
        TFormPrint form;
        const auto held = printOnHeldQueue();
        fakes::Prompter prompter;
        fakes::Progress progress(phase);
        form.setPrintServices(&prompter, &progress);

        QCOMPARE(fakes::outcome(form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), nullptr)),
                 PrintOutcome::Cancelled);
        QCOMPARE(progress.finished, 1);
        QVERIFY(prompter.silent());
        QCOMPARE(jobsWaiting(kHeldQueue), QList<int>());
    }

    // The real window's button, pressed as soon as it shows.
    void cancelButtonLeavesNoJob()
    {
        TFormPrint form;
        QWidget owner;
        const auto held = printOnHeldQueue();
        fakes::Prompter prompter;
        form.setPrintServices(&prompter, nullptr);
        QTimer::singleShot(0, &owner, [&owner] {
            auto* window = owner.findChild<QDialog*>(QStringLiteral("PrintProgress"));
            QVERIFY(window && window->isVisible());
            QCOMPARE(window->windowTitle(), QStringLiteral("印刷中"));
            window->findChild<QPushButton*>()->click();
        });
        QCOMPARE(fakes::outcome(form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), &owner)),
                 PrintOutcome::Cancelled);
        QVERIFY(prompter.silent());
        QCOMPARE(jobsWaiting(kHeldQueue), QList<int>());
    }
};

QTEST_MAIN(CupsPrintTest)
#include "tst_cups_print.moc"
