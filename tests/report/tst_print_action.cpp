// The print action's ways out that need no printer: no printer at all, a
// printer that is not there, and the progress window itself.

#include "CupsOutput.h"
#include "EstimateSheet.h"
#include "JapaneseDate.h"
#include "PdfReader.h"
#include "PrintAction.h"
#include "PrintFakes.h"
#include "PrintProgress.h"
#include "SheetSamples.h"
#include "UnitPrint.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <sys/xattr.h>

using lumenta::report::PrintAction;
using lumenta::report::PrintOutcome;
using lumenta::report::PrintWay;
namespace sheet = lumenta::report::estimate_sheet;

namespace {

// Runs the current case again in a copy of this test, in a mount namespace
// of its own where a tmpfs with these options is mounted on folder.
void runMounted(const QString& options, const QString& folder)
{
    const QString unshare = QStringLiteral("unshare");
    // As anyone, in a user namespace of its own; where the system allows
    // none, as root, in a mount namespace alone.
    QStringList isolated{QStringLiteral("--user"), QStringLiteral("--map-root-user"), QStringLiteral("--mount")};
    if (QProcess::execute(unshare, isolated + QStringList{QStringLiteral("true")}) != 0)
        isolated = {QStringLiteral("--mount")};
    if (QProcess::execute(unshare, isolated + QStringList{QStringLiteral("true")}) != 0)
        QSKIP("no mount namespace of its own for the test (unshare)");
    QProcess copy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMENTA_MOUNTED_AT"), folder);
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString theCase = QStringLiteral("%1:%2").arg(QString::fromLatin1(QTest::currentTestFunction()),
                                                        QString::fromUtf8(QTest::currentDataTag()));
    copy.start(unshare,
               isolated + QStringList{QStringLiteral("sh"), QStringLiteral("-c"),
                                      QStringLiteral("mount -t tmpfs -o \"$1\" tmpfs \"$2\" && exec \"$3\" \"$4\""),
                                      QStringLiteral("sh"), options, folder, QCoreApplication::applicationFilePath(),
                                      theCase});
    QVERIFY(copy.waitForFinished(60000));
    QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy.exitCode(), 0);
}

// The documents folder as the desktop names it (user-dirs.dirs), a new
// folder elsewhere than the home, while it lives.
struct DocumentsFolder {
    DocumentsFolder()
    {
        QFile names(config.filePath(QStringLiteral("user-dirs.dirs")));
        if (QDir().mkpath(path) && names.open(QIODevice::WriteOnly))
            names.write("XDG_DOCUMENTS_DIR=\"" + path.toUtf8() + "\"\n");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }
    ~DocumentsFolder() { qunsetenv("XDG_CONFIG_HOME"); }
    QTemporaryDir config;
    const QString path = config.filePath(QStringLiteral("書類"));
};

// No print service at all, and so no printer, while it lives.
struct NoPrintService {
    NoPrintService() { cups_output::pointServiceAt(cups_output::kNoService); }
    ~NoPrintService() { cups_output::pointServiceAt(nullptr); }
};

// Gives the folder a default access list under which a file made in it
// may be read and written by everyone; false where the file system keeps none.
bool giveEveryoneNewFiles(const QString& folder)
{
    struct Entry {
        quint16 tag;
        quint16 permissions;
        quint32 id;
    };
    constexpr quint16 kReadWrite = 6;
    constexpr quint32 kNoId = ~0u;
    const struct {
        quint32 version = 2;
        Entry entries[3] = {{0x01, kReadWrite, kNoId}, {0x04, kReadWrite, kNoId}, {0x20, kReadWrite, kNoId}};
    } list; // the owner, the group, the others
    return setxattr(QFile::encodeName(folder).constData(), "system.posix_acl_default", &list, sizeof list, 0) == 0;
}

const QString kNoServiceQuestion =
    QStringLiteral("プリンタが見つかりません。パソコンの印刷機能（CUPS）が動いていません。\n"
                   "見積書をPDFファイルとして保存しますか？");

// The sheet sent to the default printer, with these stand-ins.
PrintOutcome printWith(fakes::Prompter& prompter, fakes::Progress& progress)
{
    PrintAction action;
    action.setServices(&prompter, &progress);
    return fakes::outcome(action.send(PrintWay::DefaultPrinter, sheet::build(), {}, nullptr));
}

} // namespace

class PrintActionTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private Q_SLOTS:
    void initTestCase() { japanese_fonts::registerSubstitutes(); }

    // No printer (no print service at all): the user is asked, and on "yes" the sheet is saved where
    // the user chooses, starting from 見積書_<today>.pdf in the documents
    // folder; the file names itself, and the user may open it.
    void noPrinterOffersPdf()
    {
        TFormPrint form;
        const NoPrintService none;
        fakes::Prompter prompter;
        fakes::Progress progress;
        prompter.answer = true;
        prompter.fileToChoose = dir_.filePath(QStringLiteral("見積書.pdf"));
        form.setPrintServices(&prompter, &progress);
        const DocumentsFolder documents;

        QCOMPARE(fakes::outcome(form.sendEstimate(PrintWay::DefaultPrinter, samples::plainEstimate(), nullptr)),
                 PrintOutcome::SavedAsPdf);
        QCOMPARE(prompter.questions.size(), 2);
        QCOMPARE(prompter.questions.first(), kNoServiceQuestion);
        QVERIFY(prompter.questions.last().contains(QDir::toNativeSeparators(prompter.fileToChoose)));
        QCOMPARE(prompter.opened, QStringList{prompter.fileToChoose});
        QCOMPARE(prompter.suggestions.size(), 1);
        QCOMPARE(QFileInfo(prompter.suggestions.first()).absolutePath(), documents.path);
        QVERIFY2(prompter.suggestions.first().contains(
                     QRegularExpression(QStringLiteral("/見積書_%1_堀之内斎場(\\(\\d+\\))?\\.pdf$")
                                            .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))))),
                 qPrintable(prompter.suggestions.first()));
        QVERIFY(prompter.messages.isEmpty());
        QCOMPARE(progress.finished, 1);
        const QString date = QString::fromStdString(lumenta::japaneseToday());
        QCOMPARE(form.sheet().text(sheet::kDateField), date);
        QVERIFY(QFileInfo(prompter.fileToChoose).size() > 0);
        if (!pdf::toolsInstalled())
            QSKIP("poppler-utils is not installed: the file's own names are not read");
        QCOMPARE(pdf::pages(prompter.fileToChoose), 1);
        QMap<QString, QString> info;
        for (const QString& line : pdf::run(QStringLiteral("pdfinfo"), {prompter.fileToChoose}).split(u'\n'))
            info.insert(line.section(u':', 0, 0), line.section(u':', 1).trimmed());
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("見積書"));
        QCOMPARE(info.value(QStringLiteral("Subject")), QStringLiteral("葬儀費用のお見積り　") + date);
        QCOMPARE(info.value(QStringLiteral("Author")), QStringLiteral("家族葬のヴェルモラ"));
        QCOMPARE(info.value(QStringLiteral("Creator")), QStringLiteral("Lumenta " LUMENTA_VERSION));
    }

    // "No", or no file chosen: nothing is written and nothing else is said.
    void noPrinterDeclined()
    {
        const NoPrintService none;
        fakes::Progress progress;

        fakes::Prompter no;
        QCOMPARE(printWith(no, progress), PrintOutcome::NotSaved);
        QCOMPARE(no.questions, QStringList{kNoServiceQuestion});
        QVERIFY(no.suggestions.isEmpty() && no.messages.isEmpty());

        fakes::Prompter noFile;
        noFile.answer = true;
        QCOMPARE(printWith(noFile, progress), PrintOutcome::NotSaved);
        QVERIFY(noFile.messages.isEmpty());
        QCOMPARE(progress.finished, 2);
    }

    // A file that cannot be written whole is not written at all: the user
    // hears why, and no file, whole or partial, is left under any name.
    // The full and the read-only disk are small file systems, mounted where
    // only a copy of the test sees them: in a mount namespace of its own,
    // which needs no root and leaves nothing behind.
    void pdfThatCannotBeWrittenIsReported_data()
    {
        QTest::addColumn<QString>("mount");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder gone") << QString() << QStringLiteral("保存先のフォルダがありません。");
        QTest::newRow("disk full") << QStringLiteral("size=20k")
                                   << QStringLiteral("保存先のディスクに空きがありません。");
        QTest::newRow("read-only") << QStringLiteral("ro")
                                   << QStringLiteral("保存先は読み取り専用で、書き込めません。");
        // Not replaced, not even by its owner, whom the folder would let.
        QTest::newRow("read-only file") << QStringLiteral("file")
                                        << QStringLiteral("このファイルは読み取り専用のため、上書きできません。");
    }

    void pdfThatCannotBeWrittenIsReported()
    {
        QFETCH(QString, mount);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("gone"));
        QStringList before;
        if (mount == QLatin1String("file")) {
            folder = dir.path();
            QFile old(dir.filePath(QStringLiteral("見積書.pdf")));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            before << old.fileName().section(u'/', -1);
        } else if (!mount.isEmpty()) {
            folder = qEnvironmentVariable("LUMENTA_MOUNTED_AT");
            if (folder.isEmpty())
                return runMounted(mount, dir.path());
        }
        const NoPrintService none;
        fakes::Progress progress;
        fakes::Prompter prompter;
        prompter.answer = true;
        prompter.fileToChoose = QDir(folder).filePath(QStringLiteral("見積書.pdf"));
        QCOMPARE(printWith(prompter, progress), PrintOutcome::SaveFailed);
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY(prompter.messages.first().startsWith(QStringLiteral("PDFファイルを保存できませんでした。")));
        QVERIFY2(prompter.messages.first().endsWith(reason), qPrintable(prompter.messages.first()));
        QVERIFY(prompter.opened.isEmpty());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System), before);
        if (!before.isEmpty())
            QCOMPARE(pdf::run(QStringLiteral("cat"), {prompter.fileToChoose}), QStringLiteral("old"));
    }

    // After saving, the file opens at the user's wish; where no program
    // opens it, the folder that holds it does, at the user's wish.
    void savedFileOrItsFolderOpens_data()
    {
        QTest::addColumn<QList<bool>>("opens");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("told");
        QTest::newRow("viewer") << QList<bool>{true} << 1 << QString();
        QTest::newRow("no viewer, file manager") << QList<bool>{false, true} << 2 << QString();
        QTest::newRow("neither") << QList<bool>{false, false} << 2 << QStringLiteral("フォルダを開けませんでした。");
    }

    void savedFileOrItsFolderOpens()
    {
        QFETCH(QList<bool>, opens);
        QFETCH(int, questions);
        QFETCH(QString, told);
        QTemporaryDir dir;
        fakes::Prompter prompter;
        prompter.answer = true;
        prompter.opens = opens;
        prompter.fileToChoose = dir.filePath(QStringLiteral("見積書.pdf"));
        PrintAction action;
        fakes::Progress progress;
        action.setServices(&prompter, &progress);
        QCOMPARE(fakes::outcome(action.send(PrintWay::Pdf, sheet::build(), {}, nullptr)), PrintOutcome::SavedAsPdf);
        QCOMPARE(prompter.questions.size(), questions);
        if (questions > 1)
            QVERIFY(prompter.questions.last().startsWith(
                QStringLiteral("PDFファイルを開くプログラムが見つかりませんでした。")));
        QStringList opened{prompter.fileToChoose};
        if (opens.size() > 1)
            opened << dir.path();
        QCOMPARE(prompter.opened, opened);
        QCOMPARE(prompter.messages.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
            QVERIFY(prompter.messages.first().startsWith(told));
    }

    // The file offered carries the day and the hall, and never the name of
    // a file that is there: a second estimate of the day does not run into
    // the first.
    void offeredFileIsNeverThere_data()
    {
        QTest::addColumn<QStringList>("there");
        QTest::addColumn<QString>("offered");
        QTest::newRow("none there") << QStringList{} << QStringLiteral("見積書_20261209_町屋斎場.pdf");
        QTest::newRow("another hall's") << QStringList{QStringLiteral("見積書_20261209_落合斎場.pdf")}
                                        << QStringLiteral("見積書_20261209_町屋斎場.pdf");
        QTest::newRow("same hall's") << QStringList{QStringLiteral("見積書_20261209_町屋斎場.pdf")}
                                     << QStringLiteral("見積書_20261209_町屋斎場(2).pdf");
        QTest::newRow("two of them") << QStringList{QStringLiteral("見積書_20261209_町屋斎場.pdf"),
                                                    QStringLiteral("見積書_20261209_町屋斎場(2).pdf")}
                                     << QStringLiteral("見積書_20261209_町屋斎場(3).pdf");
    }

    void offeredFileIsNeverThere()
    {
        QFETCH(QStringList, there);
        QFETCH(QString, offered);
        const DocumentsFolder documents;
        const QDir dir(documents.path);
        for (const QString& name : there) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(PrintAction::suggestedPdfPath(QDate(2026, 12, 9), QStringLiteral("町屋斎場")), dir.filePath(offered));
    }

    // A save over a file keeps what the user gave it: a private file stays
    // private, a link's target receives the document (the link stays), and
    // a long name that the system allows is not refused. A new file gets
    // what its folder gives new files: here read and write for everyone,
    // which the umask alone would not give.
    void saveKeepsTheFilesPlace_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("private file") << QStringLiteral("private");
        QTest::newRow("link") << QStringLiteral("link");
        QTest::newRow("name of 250 bytes") << QStringLiteral("long");
        QTest::newRow("new file, folder's default access list") << QStringLiteral("acl");
    }

    void saveKeepsTheFilesPlace()
    {
        constexpr QFile::Permissions kOwnerGroupOther = QFile::Permissions::fromInt(0x7077);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString target = dir.filePath(kind == QLatin1String("long") ? QString(246, u'a') + QStringLiteral(".pdf")
                                                                          : QStringLiteral("見積書.pdf"));
        QString chosen = target;
        const bool fileThere = kind == QLatin1String("private") || kind == QLatin1String("link");
        const mode_t umaskBefore = umask(022);
        const auto restore = qScopeGuard([umaskBefore] { umask(umaskBefore); });
        if (kind == QLatin1String("acl") && !giveEveryoneNewFiles(dir.path()))
            QSKIP("the file system keeps no access lists");
        if (fileThere) {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        }
        if (kind == QLatin1String("link")) {
            chosen = dir.filePath(QStringLiteral("link.pdf"));
            QVERIFY(QFile::link(target, chosen));
        }
        fakes::Prompter prompter;
        prompter.fileToChoose = chosen;
        PrintAction action;
        fakes::Progress progress;
        action.setServices(&prompter, &progress);
        QCOMPARE(fakes::outcome(action.send(PrintWay::Pdf, sheet::build(), {}, nullptr)), PrintOutcome::SavedAsPdf);
        QVERIFY2(prompter.messages.isEmpty(), qPrintable(prompter.messages.join(u'|')));
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.read(5) == "%PDF-");
        if (kind == QLatin1String("link"))
            QCOMPARE(QFileInfo(chosen).symLinkTarget(), target);
        if (fileThere)
            QCOMPARE(saved.permissions() & kOwnerGroupOther, QFile::ReadOwner | QFile::WriteOwner);
        if (kind == QLatin1String("acl"))
            QCOMPARE(saved.permissions() & kOwnerGroupOther, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                                 QFile::WriteGroup | QFile::ReadOther |
                                                                 QFile::WriteOther);
    }

    // A printer named by LPDEST that the print service (the tests' own)
    // doesn't know is not silently replaced by another printer, not even by
    // the one PRINTER names, which LPDEST goes before: the user hears that
    // it is not there.
    void unknownPrinterIsReported()
    {
        qputenv("LPDEST", "NoSuchPrinter-Lumenta");
        qputenv("PRINTER", cups_output::kHeldQueue.toUtf8());
        const auto restore = qScopeGuard([] {
            qunsetenv("LPDEST");
            qunsetenv("PRINTER");
        });
        fakes::Prompter prompter;
        fakes::Progress progress;
        QCOMPARE(printWith(prompter, progress), PrintOutcome::PrinterFailed);
        QCOMPARE(
            prompter.messages,
            QStringList{QStringLiteral("印刷できませんでした。\nプリンタ「NoSuchPrinter-Lumenta」が見つかりません。")});
        QVERIFY(prompter.questions.isEmpty());
        QCOMPARE(progress.finished, progress.started);
    }

    // The progress dialog titled "印刷中" over the window that prints, not
    // modal: it says what the job is doing and its bar moves with each phase. The
    // button, Escape and the close box cancel the job once and close it at once, for good.
    void progressWindowCancels()
    {
        QWidget owner;
        owner.show();
        lumenta::report::PrintProgress window;
        int cancels = 0;
        window.start(&owner, 4, [&cancels] { ++cancels; });
        const auto shown = [&owner] { return owner.findChild<QProgressDialog*>(QStringLiteral("PrintProgress")); };
        QProgressDialog* dialog = shown();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->parentWidget(), &owner);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("印刷中"));
        QCOMPARE(dialog->accessibleName(), QStringLiteral("印刷中"));
        QCOMPARE(dialog->findChild<QPushButton*>()->text(), QStringLiteral("キャンセル"));
        // It blocks no window: closing the main window ends the program.
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
        auto* bar = dialog->findChild<QProgressBar*>();
        const QString connecting = dialog->labelText();
        QVERIFY2(bar->value() > bar->minimum(), "the bar never stands at its start");
        window.reach(3);
        QCOMPARE(bar->value(), 3);
        QVERIFY(dialog->labelText() != connecting);
        QVERIFY(!dialog->accessibleDescription().isEmpty());

        dialog->findChild<QPushButton*>()->click();
        QCOMPARE(cancels, 1);
        QVERIFY(!dialog->isVisible());
        QTest::qWait(100);
        QVERIFY2(!dialog->isVisible(), "a cancelled job's window does not come back");
        window.finish();
        QTRY_VERIFY(!shown());

        window.start(&owner, 4, [&cancels] { ++cancels; });
        QTest::keyClick(shown(), Qt::Key_Escape);
        QCOMPARE(cancels, 2);
        QVERIFY(!shown()->isVisible());
        window.finish();
        QTRY_VERIFY(!shown());

        window.start(&owner, 4, [&cancels] { ++cancels; }); // its close box
        QVERIFY(shown()->close());
        QCOMPARE(cancels, 3);
        QVERIFY(!shown()->isVisible());
        window.finish();
    }
};

QTEST_MAIN(PrintActionTest)
#include "tst_print_action.moc"
