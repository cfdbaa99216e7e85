// The windows of printing beside the message boxes and the save dialog.
// None of them asks the print service anything: what they show comes from
// the job, which asked off the window's thread.

#include "PrintPrompter.h"

#include "CupsClient.h"
#include "ReportRenderer.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace lumenta::report {

namespace {

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

// Qt's printer, even one set to write PDF, asks the print service for the
// default printer and the printer list as it is made, on this thread and
// with no time limit. While the preview's printer is made, the client
// library on this thread is pointed at a service that is not there, so it
// finds no printer at once; then it is pointed back.
class NoPrintServiceHere {
public:
    NoPrintServiceHere()
    {
        if (!cups().loaded)
            return;
        server_ = cups().cupsServer();
        port_ = cups().ippPort();
        cups().cupsSetServer("/nonexistent/lumenta-preview.sock");
    }
    ~NoPrintServiceHere()
    {
        if (!cups().loaded)
            return;
        cups().cupsSetServer(server_.constData());
        cups().ippSetPort(port_);
    }
    NoPrintServiceHere(const NoPrintServiceHere&) = delete;
    NoPrintServiceHere& operator=(const NoPrintServiceHere&) = delete;

private:
    QByteArray server_;
    int port_ = 0;
};

std::unique_ptr<QPrinter> pdfPrinter(const ReportPage& page)
{
    const NoPrintServiceHere noService;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    // Laid out as the PDF document is, so that the preview shows its page.
    printer->setResolution(ReportRenderer::kPdfResolution);
    printer->setFullPage(true);
    ReportRenderer::preparePage(page, *printer);
    return printer;
}

} // namespace

int preselectedPrinter(const std::vector<PrinterEntry>& printers)
{
    const auto chosen = std::find_if(printers.begin(), printers.end(), [](const auto& p) { return p.isDefault; });
    if (chosen != printers.end())
        return int(chosen - printers.begin());
    return printers.size() == 1 ? 0 : -1;
}

// The service's printers, the default one chosen, and the number of copies.
// Without a default printer the window says so; it prints once a printer
// is chosen.
std::optional<PrinterChoice> DialogPrintPrompter::choosePrinter(QWidget* parent,
                                                                const std::vector<PrinterEntry>& printers)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrinterChoice"));
    dialog.setWindowTitle(QStringLiteral("プリンタを選んで印刷"));
    auto* form = new QFormLayout(&dialog);
    form->setSizeConstraint(QLayout::SetFixedSize);
    auto* list = new QComboBox(&dialog);
    for (const PrinterEntry& printer : printers)
        list->addItem(printer.stopped ? QStringLiteral("%1（停止中）").arg(printer.name) : printer.name);
    list->setCurrentIndex(preselectedPrinter(printers));
    auto* copies = new QSpinBox(&dialog);
    copies->setRange(1, kMostCopies);
    if (std::none_of(printers.begin(), printers.end(), [](const auto& p) { return p.isDefault; })) {
        auto* noDefault = new QLabel(QStringLiteral("既定のプリンタが設定されていません。印刷するプリンタを選んでください。"), &dialog);
        noDefault->setObjectName(QStringLiteral("NoDefaultPrinter"));
        form->addRow(noDefault);
    }
    form->addRow(QStringLiteral("プリンタ(&P):"), list);
    form->addRow(QStringLiteral("部数(&C):"), copies);
    QDialogButtonBox* box = buttons(&dialog, QStringLiteral("印刷"));
    form->addRow(box);
    QPushButton* print = box->button(QDialogButtonBox::Ok);
    print->setEnabled(list->currentIndex() >= 0);
    QObject::connect(list, &QComboBox::currentIndexChanged, print, [print](int index) { print->setEnabled(index >= 0); });
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || list->currentIndex() < 0)
        return std::nullopt;
    return PrinterChoice{printers[std::size_t(list->currentIndex())], copies->value()};
}

// Qt's preview of the page, drawn by the PDF document's renderer at its size.
bool DialogPrintPrompter::preview(QWidget* parent, const ReportPage& page)
{
    const std::unique_ptr<QPrinter> printer = pdfPrinter(page);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* tools = new QToolBar(&dialog);
    auto* view = new QPrintPreviewWidget(printer.get(), &dialog);
    QObject::connect(view, &QPrintPreviewWidget::paintRequested, view, [&page](QPrinter* target) {
        QPainter painter(target);
        ReportRenderer::paint(page, painter);
    });
    const std::pair<const char*, std::function<void()>> actions[] = {
        {"ページ全体", [view] { view->fitInView(); }}, {"幅に合わせる", [view] { view->fitToWidth(); }},
        {"拡大", [view] { view->zoomIn(); }},         {"縮小", [view] { view->zoomOut(); }},
        {"印刷…", [&dialog] { dialog.accept(); }},    {"閉じる", [&dialog] { dialog.reject(); }},
    };
    for (const auto& [text, act] : actions)
        QObject::connect(tools->addAction(QString::fromUtf8(text)), &QAction::triggered, &dialog, act);
    layout->addWidget(tools);
    layout->addWidget(view);
    // A page's proportions, within the screen.
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int height = std::min(900, screen.height() * 9 / 10);
    dialog.resize(std::min(height * 4 / 5, screen.width()), height);
    return dialog.exec() == QDialog::Accepted;
}

QWidget* DialogPrintPrompter::askSignIn(QWidget* parent, const QString& user, bool refused,
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
        if (result == QDialog::Accepted)
            answer(SignIn{name->text(), password->text()});
        else
            answer(std::nullopt);
    });
    (user.isEmpty() ? name : password)->setFocus();
    dialog->open();
    return dialog;
}

} // namespace lumenta::report
