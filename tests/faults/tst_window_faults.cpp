// The window when the platform lacks a browser or a printer.

#include "MessageBoxAnswerer.h"
#include "KeyDriver.h"
#include "PrintFakes.h"
#include "PrintPrompter.h"
#include "Program.h"
#include "UnitMain.h"
#include "UnitPrint.h"
#include "plButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDrag>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

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
        QVERIFY(memo->textCursor().hasSelection());  // a new selection, from the press on
        QVERIFY(memo->textCursor().selectedText().size() < memo->toPlainText().size());
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
        keydriver::press(&form, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(noteShown());
        auto* printButton = form.findChild<TplButton*>(QStringLiteral("plBtnPrint"));
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), printButton->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(printButton, &rightClick);
        QVERIFY(noteShown());
        QVERIFY(printButton->toolTip().contains(QStringLiteral("PDFとして保存")));

        QCOMPARE(keydriver::completeEstimate(&form), QString());
        QVERIFY(form.findChild<TplButton*>(QStringLiteral("plBtnPrint"))->isEnabled());
        keydriver::press(&form, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(prompter.questions,
                 QStringList{QStringLiteral("プリンタが見つかりません。見積書をPDFファイルとして保存しますか？")});
        QCOMPARE(progress.started, 0);
        // The sheet was filled before the printer was looked for.
        QVERIFY(program.formPrint().sheet().text(QStringLiteral("QRLblGokei")).startsWith(QChar(u'¥')));
        // Ctrl+S goes straight to the save dialog, without the question.
        keydriver::press(&form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(prompter.suggestions.size(), 1);
        QCOMPARE(prompter.questions.size(), 1);
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
        lumenta::report::DialogPrintPrompter prompter;
        QVERIFY(!prompter.choosePrinter(nullptr, printers));
        QCOMPARE(shown, chosen);
        QCOMPARE(said, saysNoDefault);
        QCOMPARE(printable, chosen >= 0);
    }

    // Qt's own buttons and dialogs speak Japanese too: the PDF question and
    // the save dialog.
    void qtDialogsAreJapanese()
    {
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
            QSKIP("Qt's Japanese catalogue (qt6-translations-l10n) is not installed");
        Program program;
        lumenta::report::DialogPrintPrompter prompter;
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
