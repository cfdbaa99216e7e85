// End to end on the platform's default printer. Runs only where that
// printer writes PDF files (tools/cups-pdf-printer.sh sets one up), so that
// no test ever prints on paper.

#include "PdfInspection.h"
#include "PrintFakes.h"
#include "SheetSamples.h"
#include "UnitPrint.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

using lumenta::report::PrintOutcome;

namespace {

// Where the PDF printer puts its files: the submitting user's ~/PDF, or the
// spool folders for anonymous and named users.
QStringList outputFolders()
{
    const QString user = qEnvironmentVariable("USER", QStringLiteral("root"));
    return {QDir::home().filePath(QStringLiteral("PDF")), QStringLiteral("/var/spool/cups-pdf/ANONYMOUS"),
            QStringLiteral("/var/spool/cups-pdf/") + user};
}

QSet<QString> printedFiles()
{
    QSet<QString> files;
    for (const QString& folder : outputFolders()) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.pdf")}, QDir::Files))
            files.insert(dir.filePath(name));
    }
    return files;
}

int completedJobs(const QString& printer)
{
    const QString list = pdf::run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"),
                                                             QStringLiteral("-o"), printer});
    return int(list.split(u'\n', Qt::SkipEmptyParts).size());
}

// New files once the queue has finished with them.
QStringList waitForNewFiles(const QSet<QString>& before, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QStringList fresh;
    do {
        QTest::qWait(250);
        fresh = QStringList((printedFiles() - before).values());
        const bool idle = pdf::run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty();
        if (!fresh.isEmpty() && idle)
            break;
    } while (clock.elapsed() < timeoutMs);
    return fresh;
}

} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

private:
    QString printer_;

private Q_SLOTS:
    void initTestCase()
    {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull())
            QSKIP("no default printer: run tools/cups-pdf-printer.sh as root to add a PDF printer");
        if (!printer.makeAndModel().contains(QStringLiteral("PDF"), Qt::CaseInsensitive))
            QSKIP("the default printer is not a PDF printer; not printing on paper");
        if (!pdf::toolsInstalled())
            QSKIP("poppler-utils is not installed");
        printer_ = printer.printerName();
        samples::registerFontSubstitutes();
    }

    // One press: one job of one A4 page, without a question.
    void printsOneA4Page()
    {
        TFormPrint form;
        fakes::Prompter prompter;
        form.setPrintServices(nullptr, &prompter, nullptr);
        const QSet<QString> before = printedFiles();
        const int jobsBefore = completedJobs(printer_);

        QCOMPARE(form.printEstimate(samples::discountedEstimate(), nullptr), PrintOutcome::Printed);
        QVERIFY(prompter.silent());

        const QStringList fresh = waitForNewFiles(before, 60000);
        QCOMPARE(fresh.size(), 1);
        QCOMPARE(completedJobs(printer_), jobsBefore + 1);
        QCOMPARE(pdf::pages(fresh.first()), 1);
        const QSizeF size = pdf::pageSizeMm(fresh.first());
        QVERIFY2(std::abs(size.width() - 210) < 1 && std::abs(size.height() - 297) < 1,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(size.width()).arg(size.height())));
        QFile::remove(fresh.first());
    }

    // With the printer list empty the user is asked about a PDF file, and
    // the installed printer receives nothing.
    void noPrinterMakesNoJob()
    {
        TFormPrint form;
        fakes::Printers none;
        fakes::Prompter prompter;
        form.setPrintServices(&none, &prompter, nullptr);
        const int jobsBefore = completedJobs(printer_);
        QCOMPARE(form.printEstimate(samples::plainEstimate(), nullptr), PrintOutcome::NotSaved);
        QCOMPARE(prompter.questions.size(), 1);
        QTest::qWait(2000);
        QCOMPARE(completedJobs(printer_), jobsBefore);
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
        const QSet<QString> before = printedFiles();
        const int jobsBefore = completedJobs(printer_);

        QCOMPARE(form.printEstimate(samples::plainEstimate(), nullptr), PrintOutcome::Cancelled);
        QCOMPARE(progress.finished, 1);
        QVERIFY(prompter.silent());
        QVERIFY(waitForNewFiles(before, 3000).isEmpty());
        QCOMPARE(completedJobs(printer_), jobsBefore);
    }

    // The real window's button, pressed as soon as it shows.
    void cancelButtonLeavesNoJob()
    {
        TFormPrint form;
        fakes::Prompter prompter;
        form.setPrintServices(nullptr, &prompter, nullptr);
        const int jobsBefore = completedJobs(printer_);
        QTimer::singleShot(0, &form, [&form] {
            auto* window = form.findChild<QDialog*>(QStringLiteral("PrintProgress"));
            QVERIFY(window && window->isVisible());
            QCOMPARE(window->windowTitle(), QStringLiteral("印刷中"));
            window->findChild<QPushButton*>()->click();
        });
        QCOMPARE(form.printEstimate(samples::plainEstimate(), nullptr), PrintOutcome::Cancelled);
        QTest::qWait(2000);
        QCOMPARE(completedJobs(printer_), jobsBefore);
    }
};

QTEST_MAIN(CupsPrintTest)
#include "tst_cups_print.moc"
