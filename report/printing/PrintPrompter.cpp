// The windows of printing. None of them asks the print service anything:
// what they show comes from the job, which asked off the window's thread.

#include "PrintPrompter.h"

#include "LocalFileColumns.h"
#include "OwnModule.h"
#include "SettingsElsewhere.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace lumenta::report {

namespace {

const QString kTitle = QStringLiteral("印刷");
constexpr int kMostCopies = 99;

// Buttons with the program's own Japanese captions.
QDialogButtonBox* buttons(QDialog* dialog, const QString& ok)
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    box->button(QDialogButtonBox::Ok)->setText(ok);
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

// The preview's page comes from a module of its own (SheetPreview): null
// when the module is missing or cannot read the document.
QWidget* sheetPreview(const QByteArray& sheet, QWidget* parent)
{
    using Entry = QWidget* (*)(const QByteArray*, QWidget*);
    static const auto entry = reinterpret_cast<Entry>(
        ownModuleEntry(LUMENTA_PREVIEW_MODULE_BUILT, LUMENTA_PREVIEW_MODULE_INSTALLED, "lumenta_sheet_preview"));
    return entry ? entry(&sheet, parent) : nullptr;
}

} // namespace

bool PrintPrompter::ask(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, kTitle, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

void PrintPrompter::tell(QWidget* parent, const QString& message) { QMessageBox::warning(parent, kTitle, message); }

// Opened with open(), not exec(): the window's own event loop serves it.
void PrintPrompter::chooseSaveFile(QWidget* parent, const QString& suggestedPath,
                                   std::function<void(const QString&)> chosen)
{
    auto settings = std::make_shared<SettingsElsewhere>();
    auto* dialog = new QFileDialog(parent, QStringLiteral("見積書をPDFファイルとして保存"), suggestedPath,
                                   QStringLiteral("PDFファイル (*.pdf)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setProxyModel(new LocalFileColumns(dialog));
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, chosen = std::move(chosen)](int result) {
        const QStringList files = dialog->selectedFiles();
        chosen(result == QDialog::Accepted && !files.isEmpty() ? files.constFirst() : QString());
    });
    // The dialog writes its settings as it goes, and then the user's are put back.
    QObject::connect(dialog, &QObject::destroyed, [settings] {});
    dialog->open();
}

bool PrintPrompter::openFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

// The service's printers, the default one chosen, and the number of copies.
// Without a default printer the window says so; it prints once a printer
// is chosen.
std::optional<PrinterChoice> PrintPrompter::choosePrinter(QWidget* parent, const std::vector<PrinterEntry>& printers)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrinterChoice"));
    dialog.setWindowTitle(QStringLiteral("プリンタを選んで印刷"));
    auto* form = new QFormLayout(&dialog);
    form->setSizeConstraint(QLayout::SetFixedSize);
    auto* list = new QComboBox(&dialog);
    for (const PrinterEntry& printer : printers)
        list->addItem(printer.stopped ? QStringLiteral("%1（停止中）").arg(printer.name) : printer.name);
    // The default printer is chosen, else the only one; among several the user chooses.
    const auto preset = std::find_if(printers.begin(), printers.end(), [](const auto& p) { return p.isDefault; });
    list->setCurrentIndex(preset != printers.end() ? int(preset - printers.begin()) : printers.size() == 1 ? 0 : -1);
    auto* copies = new QSpinBox(&dialog);
    copies->setRange(1, kMostCopies);
    if (preset == printers.end()) {
        auto* noDefault = new QLabel(
            QStringLiteral("既定のプリンタが設定されていません。印刷するプリンタを選んでください。"), &dialog);
        noDefault->setObjectName(QStringLiteral("NoDefaultPrinter"));
        form->addRow(noDefault);
    }
    form->addRow(QStringLiteral("プリンタ(&P):"), list);
    form->addRow(QStringLiteral("部数(&C):"), copies);
    QDialogButtonBox* box = buttons(&dialog, QStringLiteral("印刷"));
    form->addRow(box);
    QPushButton* print = box->button(QDialogButtonBox::Ok);
    print->setEnabled(list->currentIndex() >= 0);
    QObject::connect(list, &QComboBox::currentIndexChanged, print,
                     [print](int index) { print->setEnabled(index >= 0); });
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || list->currentIndex() < 0)
        return std::nullopt;
    return PrinterChoice{printers[std::size_t(list->currentIndex())], copies->value()};
}

// The PDF document that prints, shown by Qt PDF; nothing here asks the print
// service. Every button and the page are reached by Tab and named.
bool PrintPrompter::preview(QWidget* parent, const QByteArray& sheet)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* tools = new QToolBar(&dialog);
    tools->setAccessibleName(QStringLiteral("プレビューの操作"));
    QWidget* view = sheetPreview(sheet, &dialog);
    if (!view) {
        tell(parent, QStringLiteral("印刷プレビューを表示できませんでした。"));
        return false;
    }
    // The view passes its focus to its viewport, which a screen reader
    // then finds focused: both are the page.
    view->setAccessibleName(QStringLiteral("見積書のページ"));
    if (auto* area = qobject_cast<QAbstractScrollArea*>(view))
        area->viewport()->setAccessibleName(view->accessibleName());
    const auto zoom = [view](const char* how) { return [view, how] { QMetaObject::invokeMethod(view, how); }; };
    const std::pair<const char*, std::function<void()>> actions[] = {
        {"ページ全体", zoom("fitInView")},
        {"幅に合わせる", zoom("fitToWidth")},
        {"拡大", zoom("zoomIn")},
        {"縮小", zoom("zoomOut")},
        {"印刷…", [&dialog] { dialog.accept(); }},
        {"閉じる", [&dialog] { dialog.reject(); }},
    };
    for (const auto& [text, act] : actions) {
        QAction* action = tools->addAction(QString::fromUtf8(text));
        QObject::connect(action, &QAction::triggered, &dialog, act);
        tools->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
    }
    layout->addWidget(tools);
    layout->addWidget(view);
    view->setFocus();
    // A page's proportions, within the screen.
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int height = std::min(900, screen.height() * 9 / 10);
    dialog.resize(std::min(height * 4 / 5, screen.width()), height);
    return dialog.exec() == QDialog::Accepted;
}

QWidget* PrintPrompter::askSignIn(QWidget* parent, const QString& user, bool refused,
                                  std::function<void(std::optional<SignIn>)> answer)
{
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("PrintSignIn"));
    dialog->setWindowTitle(QStringLiteral("印刷機能へのサインイン"));
    dialog->setWindowModality(Qt::WindowModal);
    auto* form = new QFormLayout(dialog);
    form->setSizeConstraint(QLayout::SetFixedSize);
    form->addRow(new QLabel(refused ? QStringLiteral("ユーザー名またはパスワードが違います。もう一度入力してください。")
                                    : QStringLiteral("印刷するには、パソコンの印刷機能にサインインしてください。"),
                            dialog));
    auto* name = new QLineEdit(user, dialog);
    auto* password = new QLineEdit(dialog);
    password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("ユーザー名(&U):"), name);
    form->addRow(QStringLiteral("パスワード(&P):"), password);
    form->addRow(buttons(dialog, QStringLiteral("サインイン")));
    QObject::connect(dialog, &QDialog::finished, dialog, [name, password, answer = std::move(answer)](int result) {
        answer(result == QDialog::Accepted ? std::optional(SignIn{name->text(), password->text()}) : std::nullopt);
    });
    (user.isEmpty() ? name : password)->setFocus();
    dialog->open();
    return dialog;
}

} // namespace lumenta::report
