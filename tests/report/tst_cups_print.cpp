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
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

using lumenta::report::PrintOutcome;

using namespace cups_output;

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

    // One press: one job of one A4 page, without a question.
    void printsOneA4Page()
    {
        TFormPrint form;
        fakes::Prompter prompter;
        form.setPrintServices(nullptr, &prompter, nullptr);
        const int newest = newestJob(printer_);

        QCOMPARE(form.printEstimate(samples::discountedEstimate(), nullptr), PrintOutcome::Printed);
        QVERIFY(prompter.silent());

        const QList<int> made = jobsAfter(printer_, newest);
        QCOMPARE(made.size(), 1);
        QVERIFY(waitUntilCompleted(printer_, made.first(), 60000));
        const QString printed = keptDocument(made.first());
        QCOMPARE(pdf::pages(printed), 1);
        const QSizeF size = pdf::pageSizeMm(printed);
        QVERIFY2(std::abs(size.width() - 210) < 1 && std::abs(size.height() - 297) < 1,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(size.width()).arg(size.height())));
    }

    // With the printer list empty the user is asked about a PDF file, and
    // the installed printer receives nothing.
    void noPrinterMakesNoJob()
    {
        TFormPrint form;
        fakes::Printers none;
        fakes::Prompter prompter;
        form.setPrintServices(&none, &prompter, nullptr);
        const int newest = newestJob(printer_);
        QCOMPARE(form.printEstimate(samples::plainEstimate(), nullptr), PrintOutcome::NotSaved);
        QCOMPARE(prompter.questions.size(), 1);
        QCOMPARE(jobsAfter(printer_, newest), QList<int>());
    }

    // Cancelling in the progress window, at either phase before the job is
    // opened, leaves no job behind.
    void cancelLeavesNoJob_data()
    {
        QTest::addColumn<int>("phase");
        QTest::newRow("printer ready") << 1;
        QTest::newRow("page laid out") << 2;
    }

    void cancelLeavesNoJob()
    {
        QFETCH(int, phase);
        TFormPrint form;
        fakes::Prompter prompter;
        fakes::Progress progress(phase);
        form.setPrintServices(nullptr, &prompter, &progress);
        const int newest = newestJob(printer_);

        QCOMPARE(form.printEstimate(samples::plainEstimate(), nullptr), PrintOutcome::Cancelled);
        QCOMPARE(progress.finished, 1);
        QVERIFY(prompter.silent());
        QCOMPARE(jobsAfter(printer_, newest), QList<int>());
    }

    // The real window's button, pressed as soon as it shows.
    void cancelButtonLeavesNoJob()
    {
        TFormPrint form;
        QWidget owner;
        fakes::Prompter prompter;
        form.setPrintServices(nullptr, &prompter, nullptr);
        const int newest = newestJob(printer_);
        QTimer::singleShot(0, &owner, [&owner] {
            auto* window = owner.findChild<QDialog*>(QStringLiteral("PrintProgress"));
            QVERIFY(window && window->isVisible());
            QCOMPARE(window->windowTitle(), QStringLiteral("印刷中"));
            window->findChild<QPushButton*>()->click();
        });
        QCOMPARE(form.printEstimate(samples::plainEstimate(), &owner), PrintOutcome::Cancelled);
        QCOMPARE(jobsAfter(printer_, newest), QList<int>());
    }
};

QTEST_MAIN(CupsPrintTest)
#include "tst_cups_print.moc"
