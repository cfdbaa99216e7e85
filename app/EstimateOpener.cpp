#include "EstimateOpener.h"

#include "EstimateFile.h"
#include "FileBytes.h"
#include "LocalFileColumns.h"
#include "PdfRecord.h"
#include "SettingsElsewhere.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QWidget>
#include <QtConcurrent>

namespace {

const QString kTitle = QStringLiteral("見積りを開く");
// A regular file of 1 MB is read in milliseconds; a file system that does
// not answer in this time is given up.
constexpr auto kReadDeadline = std::chrono::seconds(10);

QString documentsFolder()
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return documents.exists() ? documents.path() : QDir::homePath();
}

QString qtFileDialog(QWidget* parent, const QString& folder)
{
    const lumenta::report::SettingsElsewhere settings;
    QString chosen;
    {
        QFileDialog dialog(parent, kTitle, folder, QStringLiteral("PDFファイル (*.pdf)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setProxyModel(new lumenta::report::LocalFileColumns(&dialog));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    } // the dialog writes its settings here, as it goes
    return chosen;
}

// The one local file a drag carries, if it carries exactly one.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return {};
    return data->urls().constFirst().toLocalFile();
}

} // namespace

struct EstimateOpener::Outcome {
    lumenta::report::EstimateFile file;
    QString problem;
};

EstimateOpener::EstimateOpener(QWidget* window, Apply apply)
    : QObject(window), window_(window), apply_(std::move(apply)), choose_(qtFileDialog),
      action_(new QAction(QStringLiteral("見積りを開く…"), window))
{
    action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    action_->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action_);
    connect(action_, &QAction::triggered, this, &EstimateOpener::chooseFile);
    pool_.setMaxThreadCount(1);
    deadline_.setSingleShot(true);
    deadline_.setInterval(kReadDeadline);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        // The read is left to end by itself; its result is not used.
        watcher_.disconnect(this);
        refuse(shown_, QStringLiteral("ファイルを読み終わりませんでした（%1 秒待ちました）。")
                           .arg(std::chrono::seconds(kReadDeadline).count()));
    });
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

EstimateOpener::~EstimateOpener()
{
    watcher_.disconnect(this);
    pool_.waitForDone(1000);
}

void EstimateOpener::chooseFile()
{
    if (reading())
        return;
    const QString path = choose_(window_, documentsFolder());
    if (!path.isEmpty())
        open(path);
}

void EstimateOpener::open(const QString& path)
{
    // A name the system spells in bytes that are not UTF-8 reaches Qt with
    // replacement characters: it names no file.
    if (path.contains(QChar::ReplacementCharacter))
        return refuse(QDir::toNativeSeparators(path), invalidNameProblem());
    read(QFile::encodeName(path), path);
}

void EstimateOpener::open(const QByteArray& path) { read(path, QFile::decodeName(path)); }

void EstimateOpener::read(const QByteArray& path, const QString& shown)
{
    if (reading() || deadline_.isActive())
        return;
    shown_ = QDir::toNativeSeparators(shown);
    connect(&watcher_, &QFutureWatcher<std::shared_ptr<Outcome>>::finished, this, &EstimateOpener::finish,
            Qt::UniqueConnection);
    deadline_.start();
    watcher_.setFuture(QtConcurrent::run(&pool_, [path] {
        auto outcome = std::make_shared<Outcome>();
        const FileBytes bytes = readFileBytes(path, lumenta::report::kPdfMaxBytes);
        if (!bytes.problem.isEmpty())
            outcome->problem = bytes.problem;
        else
            outcome->file = lumenta::report::readEstimateFile(bytes.bytes);
        return outcome;
    }));
}

void EstimateOpener::finish()
{
    deadline_.stop();
    const std::shared_ptr<Outcome> outcome = watcher_.result();
    if (!outcome->problem.isEmpty())
        return refuse(shown_, outcome->problem);
    if (!outcome->file.record)
        return refuse(shown_, QString::fromStdString(outcome->file.problem));
    apply_(*outcome->file.record, QFileInfo(shown_).fileName());
    emit ended();
}

void EstimateOpener::refuse(const QString& shown, const QString& why)
{
    QMessageBox::warning(
        window_, kTitle,
        QStringLiteral("見積りを開けませんでした。\n%1\n\n%2\n\n画面の見積りはそのままです。").arg(shown, why));
    emit ended();
}

// A single local file dragged over the window may be dropped on it.
bool EstimateOpener::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!droppedFile(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = droppedFile(drop->mimeData());
        if (file.isEmpty())
            return true;
        drop->acceptProposedAction();
        // Opened once the drop has ended, so that the dragging program is not held.
        QTimer::singleShot(0, this, [this, file] { open(file); });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
