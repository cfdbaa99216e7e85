// The window when the platform lacks a browser or a printer, and when the
// file it is asked to open is not a saved estimate.

#include "ControlStates.h"
#include "CupsOutput.h"
#include "Estimate.h"
#include "EstimateOpener.h"
#include "KeyDriver.h"
#include "MessageBoxAnswerer.h"
#include "PdfDocument.h"
#include "PdfRecord.h"
#include "PrintFakes.h"
#include "PrintPrompter.h"
#include "Program.h"
#include "UnitMain.h"
#include "UnitPrint.h"
#include "plButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDrag>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// A record as the program writes it, with a total.
const QByteArray kRecord = R"({
  "format": "lumenta-estimate",
  "version": 1,
  "program": "1.00",
  "hall": 3,
  "distance": 2,
  "storage": 1,
  "procedures": true,
  "coffin": 4,
  "altar": 2,
  "makeup": false,
  "portrait": true,
  "giftKind": 1,
  "giftCount": 5,
  "letterCount": 6,
  "chrysanthemums": 2,
  "westernFlowers": 1,
  "reception": true,
  "wakeFood": 1,
  "premiumNigiri": true,
  "ceremonyDish": 2,
  "ceremonyParty": 3,
  "hearse": 2,
  "afterAltar": false,
  "discount": true,
  "total": 1257310
}
)";

// A one-page PDF carrying a record, as the program saves it.
QByteArray pdfWith(const QByteArray& record)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        painter.drawText(100, 100, QStringLiteral("見積書"));
    }
    return lumenta::report::withInfo(buffer.data(),
                                     {QStringLiteral("見積書"), {}, {}, QStringLiteral("Lumenta"), record});
}

QByteArray written(const QByteArray& path, const QByteArray& bytes)
{
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QByteArray inDir(const QTemporaryDir& dir, const char* name) { return QFile::encodeName(dir.path()) + '/' + name; }

QByteArray estimateWhere(const QTemporaryDir& dir, const char* from, const char* to)
{
    QByteArray record = kRecord;
    return written(inDir(dir, "estimate.pdf"), pdfWith(record.replace(from, to)));
}

// Reading as an ordinary user, also when the tests run as root: the
// capabilities that let root read any file are off while it lives, on this
// thread and on the threads it starts.
class WithoutReadingAnyFile {
public:
    WithoutReadingAnyFile()
    {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, reduced);
    }
    ~WithoutReadingAnyFile() { syscall(SYS_capset, &header_, saved_); }
    WithoutReadingAnyFile(const WithoutReadingAnyFile&) = delete;
    WithoutReadingAnyFile& operator=(const WithoutReadingAnyFile&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

// How each bad file is made, and the cause its message names.
enum class Way { CommandLine, RemovedWhileChosen, Unreadable };
struct BadFile {
    const char* row;
    std::function<QByteArray(const QTemporaryDir&)> make; // the file's name as the system spells it
    const char* cause;
    Way way = Way::CommandLine;
};
const BadFile kBadFiles[] = {
    {"not a PDF", [](const QTemporaryDir& d) { return written(inDir(d, "note.pdf"), "見積り\n"); },
     "PDFファイルではありません。"},
    {"a PDF of another program", [](const QTemporaryDir& d) { return written(inDir(d, "other.pdf"), pdfWith({})); },
     "このPDFファイルには見積りが入っていません。"},
    {"cut short",
     [](const QTemporaryDir& d) {
         const QByteArray pdf = pdfWith(kRecord);
         return written(inDir(d, "cut.pdf"), pdf.left(pdf.size() / 2));
     },
     "PDFファイルが壊れているか、途中で切れています。"},
    {"encrypted",
     [](const QTemporaryDir& d) {
         const QByteArray plain = written(inDir(d, "plain.pdf"), pdfWith(kRecord));
         const QByteArray locked = inDir(d, "locked.pdf");
         QProcess::execute(QStringLiteral("qpdf"), {QStringLiteral("--encrypt"), QStringLiteral("u"),
                                                    QStringLiteral("o"), QStringLiteral("256"), QStringLiteral("--"),
                                                    QFile::decodeName(plain), QFile::decodeName(locked)});
         return locked;
     },
     "PDFファイルが暗号化されているため、読めません。"},
    {"newer format", [](const QTemporaryDir& d) { return estimateWhere(d, "\"version\": 1", "\"version\": 2"); },
     "新しい版のLumentaで保存されています（記録の版 2）"},
    {"unknown entry", [](const QTemporaryDir& d) { return estimateWhere(d, "\"hall\"", "\"name\": \"x\", \"hall\""); },
     "知らない項目「name」"},
    {"out of range", [](const QTemporaryDir& d) { return estimateWhere(d, "\"coffin\": 4", "\"coffin\": 6"); },
     "項目「coffin」の値が範囲外です。"},
    {"wrong type", [](const QTemporaryDir& d) { return estimateWhere(d, "\"makeup\": false", "\"makeup\": 0"); },
     "項目「makeup」の値の種類が違います。"},
    {"duplicate key",
     [](const QTemporaryDir& d) { return estimateWhere(d, "\"altar\": 2,", "\"altar\": 2, \"altar\": 3,"); },
     "項目「altar」が二度書かれています。"},
    {"combination the window cannot make",
     [](const QTemporaryDir& d) { return estimateWhere(d, "\"hearse\": 2", "\"hearse\": 1"); },
     "項目「hearse」は、画面では選べない組み合わせです。"},
    {"over the size limit",
     [](const QTemporaryDir& d) {
         return written(inDir(d, "large.pdf"),
                        "%PDF-1.4\n" + QByteArray(qsizetype(lumenta::report::kPdfMaxBytes), ' '));
     },
     "ファイルが大きすぎます"},
    {"folder", [](const QTemporaryDir& d) { return QFile::encodeName(d.path()); }, "フォルダは開けません。"},
    {"FIFO",
     [](const QTemporaryDir& d) {
         const QByteArray fifo = inDir(d, "pipe.pdf");
         return ::mkfifo(fifo.constData(), 0600) == 0 ? fifo : QByteArray();
     },
     "通常のファイルではありません"},
    {"device", [](const QTemporaryDir&) { return QByteArray("/dev/zero"); }, "通常のファイルではありません"},
    {"no permission to read",
     [](const QTemporaryDir& d) {
         const QByteArray path = written(inDir(d, "locked-away.pdf"), pdfWith(kRecord));
         return ::chmod(path.constData(), 0) == 0 ? path : QByteArray();
     },
     "ファイルを読む権限がありません。", Way::Unreadable},
    {"removed between choosing and reading",
     [](const QTemporaryDir& d) { return written(inDir(d, "gone.pdf"), pdfWith(kRecord)); },
     "ファイルが見つかりません。", Way::RemovedWhileChosen},
    {"name not UTF-8", [](const QTemporaryDir& d) { return written(inDir(d, "\xFF\xFE.pdf"), pdfWith(kRecord)); },
     "UTF-8 ではない名前"},
};

std::vector<QWidget*> stepPanels(QWidget* form)
{
    std::vector<QWidget*> panels;
    for (const char* name : {"PnlMainBasho", "PnlMainJunbi", "PnlMainTuya", "PnlMainKoku", "PnlMainKaso"})
        panels.push_back(form->findChild<QWidget*>(QString::fromLatin1(name)));
    return panels;
}

// What the open file dialog shows: its button and field captions.
QStringList fileDialogTexts()
{
    QStringList texts;
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog)
        return texts;
    for (auto* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    for (auto* button : dialog->findChild<QDialogButtonBox*>()->buttons())
        texts << button->text();
    for (auto* tool : dialog->findChildren<QToolButton*>())
        texts << tool->toolTip();
    dialog->reject();
    return texts;
}

} // namespace

class WindowFaultsTest : public QObject {
    Q_OBJECT

private slots:
    // Starting costs nothing for the PDF files: qpdf, and the libraries it
    // brings, are loaded at the first save or opening, not with the window.
    void startingLoadsNoPdfLibrary()
    {
        Program program;
        program.formMain().show();
        QTRY_VERIFY(program.formMain().stepsBuilt());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(!mapped.contains("libqpdf"));
        QVERIFY(!mapped.contains("liblumenta_qpdf"));
    }

    // No browser takes the page: one calm message names the address, and
    // nothing else changes.
    void noBrowserIsReported_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::newRow("banner") << "LblCM2"
                                << "https://vermora.example/";
        QTest::newRow("software page") << "plButton1"
                                       << "https://vermora.example/lumenta/";
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
        QList<QUrl> asked;
        form.setUrlOpener([&asked](const QUrl& url) {
            asked << url;
            return true;
        });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.stepsBuilt());
        MessageBoxAnswerer boxes;
        // A box would open before the click returns, or from an event it
        // posted: both are answered and counted here.
        const auto seen = boxes.during([&] {
            form.plButton1Click();
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        });
        QCOMPARE(asked.size(), 1);
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

    // A description box's selected text is not dragged away: a press in the
    // selection and a move start a new selection, never a drag, whose own
    // event loop under the save dialog's once ended in a crash in Qt.
    void descriptionTextStaysInPlace()
    {
        TFormMain form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* memo = form.findChild<QTextEdit*>(QStringLiteral("Memo1"));
        QVERIFY(memo);
        memo->selectAll();
        QTextCursor inside(memo->document());
        inside.setPosition(4);
        const QPoint from = memo->cursorRect(inside).center();
        // A drag is an object the box makes for the time it lasts.
        struct DragWatch : QObject {
            bool dragged = false;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::ChildAdded)
                    dragged = dragged || qobject_cast<QDrag*>(static_cast<QChildEvent*>(event)->child());
                return false;
            }
        } watch;
        QWidget* view = memo->viewport();
        memo->installEventFilter(&watch);
        view->installEventFilter(&watch);
        bool& dragged = watch.dragged;
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(view, from + QPoint(12 * step, 0), 20);
        QTest::mouseRelease(view, Qt::LeftButton, {}, from + QPoint(48, 0), 20);
        QVERIFY(!dragged);
        QVERIFY(memo->textCursor().hasSelection()); // a new selection, from the press on
        QVERIFY(memo->textCursor().selectedText().size() < memo->toPlainText().size());
    }

    // No printer (no print service at all): an estimate made at the
    // keyboard and printed with Ctrl+P through the window's print button
    // offers a PDF file.
    void noPrinterThroughThePrintButton()
    {
        Program program;
        cups_output::pointServiceAt(cups_output::kNoService);
        const auto restore = qScopeGuard([] { cups_output::pointServiceAt(nullptr); });
        fakes::Prompter prompter;
        fakes::Progress progress;
        program.formPrint().setPrintServices(&prompter, &progress);
        TFormMain& form = program.formMain();
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_VERIFY(form.stepsBuilt());
        // Saving as PDF waits, like printing, for a calculated total, and
        // says so in a passing note by the print button, in no box: for the
        // keys and for a right click on the greyed button.
        const auto noteShown = [&form] {
            auto* note = form.findChild<QLabel*>(QStringLiteral("PrintNotYet"));
            const bool shown = note && note->isVisible() && note->text().contains(QStringLiteral("「計算」"));
            if (note)
                note->hide();
            return shown && !QApplication::activeModalWidget();
        };
        keydriver::press(&form, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(prompter.suggestions.isEmpty());
        QVERIFY(noteShown());
        keydriver::press(&form, Qt::Key_Return); // on to step 1, where Ctrl+P acts
        const std::pair<Qt::Key, Qt::KeyboardModifiers> printKeys[] = {
            {Qt::Key_P, Qt::ControlModifier},
            {Qt::Key_P, Qt::AltModifier},
            {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier},
            {Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier},
        };
        for (const auto& [key, modifiers] : printKeys) {
            keydriver::press(&form, key, modifiers);
            QVERIFY2(noteShown(), qPrintable(QKeySequence(key | modifiers).toString()));
        }
        auto* printButton = form.findChild<TplButton*>(QStringLiteral("plBtnPrint"));
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), printButton->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(printButton, &rightClick);
        QVERIFY(noteShown());
        for (const char* entry : {"PDFとして保存", "印刷プレビュー", "プリンタを選んで印刷"})
            QVERIFY2(printButton->toolTip().contains(QString::fromUtf8(entry)), entry);

        QCOMPARE(keydriver::completeEstimate(&form), QString());
        QVERIFY(form.findChild<TplButton*>(QStringLiteral("plBtnPrint"))->isEnabled());
        keydriver::press(&form, Qt::Key_P, Qt::ControlModifier);
        QTRY_COMPARE(prompter.questions, QStringList{QStringLiteral(
                                             "プリンタが見つかりません。パソコンの印刷機能（CUPS）が動いていません。\n"
                                             "見積書をPDFファイルとして保存しますか？")});
        QCOMPARE(progress.finished, 1);
        // The sheet was filled before the printer was looked for.
        QVERIFY(program.formPrint().sheet().text(QStringLiteral("QRLblGokei")).startsWith(QChar(u'¥')));
        // Ctrl+S goes straight to the save dialog, without the question.
        keydriver::press(&form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(prompter.suggestions.size(), 1);
        QCOMPARE(prompter.questions.size(), 1);
    }

    // A file that holds no estimate the window can make is refused with its
    // cause, whichever way it came; the estimate on screen stays as it was.
    void badFilesLeaveTheEstimate_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < std::size(kBadFiles); ++i)
            QTest::newRow(kBadFiles[i].row) << int(i);
    }
    void badFilesLeaveTheEstimate()
    {
        QFETCH(int, index);
        const BadFile& bad = kBadFiles[index];
        QTemporaryDir dir;
        const QByteArray path = bad.make(dir);
        QVERIFY(!path.isEmpty());

        Program program;
        TFormMain& form = program.formMain();
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_VERIFY(form.stepsBuilt());
        QCOMPARE(keydriver::completeEstimate(&form), QString());
        const ControlStates before = ControlStates::take(stepPanels(&form), {});
        const lumenta::Choices choices = form.estimate().choices();
        const auto total = form.estimate().state().grandTotal;

        QSignalSpy ended(form.opener(), &EstimateOpener::ended);
        MessageBoxAnswerer boxes;
        const auto seen = boxes.during([&] {
            std::optional<WithoutReadingAnyFile> asAUser;
            if (bad.way == Way::Unreadable)
                asAUser.emplace();
            if (bad.way == Way::RemovedWhileChosen) {
                form.opener()->setChooser([&path](QWidget*, const QString&) {
                    QFile::remove(QFile::decodeName(path));
                    return QFile::decodeName(path);
                });
                keydriver::press(&form, Qt::Key_O, Qt::ControlModifier);
            } else {
                form.opener()->open(path);
            }
            QVERIFY(QTest::qWaitFor([&ended] { return !ended.isEmpty(); }, 10000));
        });
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, QStringLiteral("見積りを開く"));
        QVERIFY2(seen[0].text.contains(QString::fromUtf8(bad.cause)), qPrintable(seen[0].text));
        QVERIFY(seen[0].text.contains(QStringLiteral("画面の見積りはそのままです。")));
        const QStringList changed = ControlStates::take(stepPanels(&form), {}).differences(before);
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(u'\n')));
        QVERIFY(form.estimate().choices() == choices);
        QCOMPARE(form.estimate().state().grandTotal, total);
        QVERIFY(form.estimate().totalShown());
    }

    // Opening over an estimate asks first; its default answer (Enter) keeps
    // the estimate on screen, the other replaces it.
    void openingOverAnEstimateAsksFirst()
    {
        QTemporaryDir dir;
        const QByteArray path = written(inDir(dir, "saved.pdf"), pdfWith(kRecord));
        Program program;
        TFormMain& form = program.formMain();
        form.show();
        QTRY_VERIFY(form.stepsBuilt());
        QCOMPARE(keydriver::completeEstimate(&form), QString());
        const lumenta::Choices mine = form.estimate().choices();
        QSignalSpy ended(form.opener(), &EstimateOpener::ended);
        for (const bool replace : {false, true}) {
            QStringList asked;
            QTimer answer;
            answer.setInterval(20);
            QObject::connect(&answer, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                asked << box->text() << box->defaultButton()->text();
                if (replace)
                    box->buttons().constFirst()->click();
                else
                    QTest::keyClick(box, Qt::Key_Return);
            });
            answer.start();
            ended.clear();
            form.opener()->open(path);
            QVERIFY(QTest::qWaitFor([&ended] { return !ended.isEmpty(); }, 10000));
            answer.stop();
            QCOMPARE(asked.size(), 2);
            QVERIFY2(
                asked[0].startsWith(QStringLiteral("画面の見積りを、ファイル「saved.pdf」の見積りに置き換えますか？")),
                qPrintable(asked[0]));
            QCOMPARE(asked[1], QStringLiteral("今の見積りを残す"));
            QCOMPARE(form.estimate().choices() == mine, !replace);
        }
        QCOMPARE(form.estimate().choices().hall, 3);
        QCOMPARE(form.estimate().choices().coffin, 4);
    }

    // The printer choice starts from the default printer; without one it
    // says so, and starts from the only printer, or from none among several
    // (printing waits for a choice then).
    void printerChoiceStartsFromTheDefault_data()
    {
        using lumenta::report::PrinterEntry;
        QTest::addColumn<std::vector<PrinterEntry>>("printers");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("saysNoDefault");
        const PrinterEntry a{QStringLiteral("A"), false, false};
        const PrinterEntry b{QStringLiteral("B"), false, false};
        const PrinterEntry bDefault{QStringLiteral("B"), false, true};
        QTest::newRow("default printer") << std::vector<PrinterEntry>{a, bDefault} << 1 << false;
        QTest::newRow("no default, two printers") << std::vector<PrinterEntry>{a, b} << -1 << true;
        QTest::newRow("no default, one printer") << std::vector<PrinterEntry>{b} << 0 << true;
    }

    void printerChoiceStartsFromTheDefault()
    {
        QFETCH(std::vector<lumenta::report::PrinterEntry>, printers);
        QFETCH(int, chosen);
        QFETCH(bool, saysNoDefault);
        int shown = -2;
        bool said = false;
        bool printable = false;
        QTimer::singleShot(200, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            shown = dialog->findChild<QComboBox*>()->currentIndex();
            said = dialog->findChild<QLabel*>(QStringLiteral("NoDefaultPrinter")) != nullptr;
            printable = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
            dialog->close();
        });
        lumenta::report::PrintPrompter prompter;
        QVERIFY(!prompter.choosePrinter(nullptr, printers));
        QCOMPARE(shown, chosen);
        QCOMPARE(said, saysNoDefault);
        QCOMPARE(printable, chosen >= 0);
    }

    // Qt's own buttons and dialogs speak Japanese too: the PDF question, the
    // save dialog and the open dialog, which keep no settings.
    void qtDialogsAreJapanese()
    {
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
            QSKIP("Qt's Japanese catalogue (qt6-translations-l10n) is not installed");
        Program program;
        lumenta::report::PrintPrompter prompter;
        MessageBoxAnswerer boxes;
        const auto seen = boxes.during([&] { prompter.ask(nullptr, QStringLiteral("保存しますか？")); });
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().buttons, (QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")}));

        // The save dialog keeps no history in the user's settings.
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const auto restore = qScopeGuard([] { qunsetenv("XDG_CONFIG_HOME"); });
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());

        QStringList texts;
        QTimer::singleShot(200, [&texts] { texts = fileDialogTexts(); });
        // The dialog runs no event loop of its own: the choice comes later.
        QString chosen = QStringLiteral("?");
        const auto choose = [&chosen](const QString& path) { chosen = path; };
        prompter.chooseSaveFile(nullptr, QDir::temp().filePath(QStringLiteral("見積書.pdf")), choose);
        QCOMPARE(chosen, QStringLiteral("?"));
        QTRY_COMPARE(chosen, QString());
        // A name typed without ".pdf" gets it.
        QTemporaryDir folder;
        QTimer::singleShot(200, [] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("mitsumori"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        prompter.chooseSaveFile(nullptr, folder.filePath(QStringLiteral("見積書.pdf")), choose);
        QTRY_COMPARE(chosen, folder.filePath(QStringLiteral("mitsumori.pdf")));
        // The dialogs are gone, and have written what they keep.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QFileDialog*>(window));
        // The open dialog too, starting in the documents folder (or the home
        // folder where there is none).
        QString shownFolder;
        QStringList openTexts;
        QTimer::singleShot(200, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                shownFolder = dialog->directory().path();
            openTexts = fileDialogTexts();
        });
        program.formMain().opener()->chooseFile();
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(shownFolder, documents.exists() ? documents.path() : QDir::homePath());
        QVERIFY2(openTexts.contains(QStringLiteral("開く(&O)")), qPrintable(openTexts.join(u'|')));
        texts << openTexts;
        QCOMPARE(QDir(config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QVERIFY2(texts.contains(QStringLiteral("保存(&S)")), qPrintable(texts.join(u'|')));
        for (const QString& text : texts)
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}"))) ||
                         text.contains(QStringLiteral("PDF")),
                     qPrintable(text));
    }
};

QTEST_MAIN(WindowFaultsTest)
#include "tst_window_faults.moc"
