// Draws the start screen and the five step screens into PNG files, and
// writes every text they show, the summary grid and the estimate sheet's
// fixed texts into texts.txt, for a look by eye or a comparison:
//   screens_grab <folder> [picks]
// With "picks", options are chosen first so that prices, labels and
// pictures show, and the standard dialogs are drawn too: the warning of a
// refused calculation, the printing question and the save dialog.

#include "Estimate.h"
#include "EstimateSheet.h"
#include "SheetText.h"

#include "Panel.h"
#include "PrintPrompter.h"
#include "Program.h"
#include "RadioGroup.h"
#include "StrCGrid.h"
#include "UnitMain.h"
#include "plButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace {

QString textsOf(const QWidget* w)
{
    QStringList t;
    if (auto* l = qobject_cast<const QLabel*>(w))
        t << l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        t << b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        t << e->text();
    if (auto* c = qobject_cast<const QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i)
            t << c->itemText(i);
        t << QString::number(c->currentIndex());
    }
    if (auto* g = qobject_cast<const TRadioGroup*>(w))
        t << g->items() << g->title();
    if (auto* p = qobject_cast<const TPanel*>(w))
        t << p->caption();
    if (auto* p = qobject_cast<const TplButton*>(w))
        t << p->captionA() << p->captionB();
    if (auto* m = qobject_cast<const QTextEdit*>(w))
        t << m->toPlainText();
    return t.join(QStringLiteral(" | "));
}

void pick(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Runs an action that opens a modal dialog, draws the dialog into a file a
// moment later and closes it.
void grabDialog(const QString& file, const std::function<void()>& open)
{
    bool grabbed = false;
    QTimer::singleShot(300, [file, &grabbed] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->grab().save(file);
            dialog->close();
        }
        grabbed = true;
    });
    open();
    // A dialog opened without a loop of its own is served by this one.
    while (!grabbed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void grabDialogs(TFormMain& window, const QDir& folder)
{
    grabDialog(folder.filePath(QStringLiteral("dialog-warning.png")), [&window] { window.plBntCalClick(); });
    lumenta::report::PrintPrompter prompter;
    grabDialog(folder.filePath(QStringLiteral("dialog-question.png")), [&] {
        prompter.ask(&window, QStringLiteral("プリンタが見つかりません。PDFファイルとして保存しますか？"));
    });
    // The same empty folder whatever the output folder, so that the dialog shows the same path.
    const QString empty = QDir::temp().filePath(QStringLiteral("lumenta-grab-empty"));
    QDir().mkpath(empty);
    grabDialog(folder.filePath(QStringLiteral("dialog-save.png")),
               [&] { prompter.chooseSaveFile(&window, empty + QStringLiteral("/見積書.pdf"), [](const QString&) {}); });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    Program program;
    TFormMain& window = program.formMain();
    window.show();
    window.buildSteps();
    QApplication::processEvents();
    const auto find = [&window](const char* name) { return window.findChild<QWidget*>(QLatin1String(name)); };
    if (argc > 2) {
        grabDialogs(window, folder);
        qobject_cast<QAbstractButton*>(find("RBtnMap3"))->click();
        pick(qobject_cast<QComboBox*>(find("CBoxHanso")), 2);
        pick(qobject_cast<QComboBox*>(find("CBoxHokan")), 3);
        qobject_cast<QAbstractButton*>(find("RBtnShindan2"))->click();
        qobject_cast<TRadioGroup*>(find("RBtnGrpHitugi"))->button(3)->click();
        qobject_cast<TRadioGroup*>(find("RBtnGrpSaidan"))->button(1)->click();
        qobject_cast<QAbstractButton*>(find("RBtnKesho1"))->click();
        qobject_cast<QAbstractButton*>(find("RBtnIei1"))->click();
        pick(qobject_cast<QComboBox*>(find("CBoxHenrei1")), 2);
        pick(qobject_cast<QComboBox*>(find("CBoxHenrei2")), 5);
        pick(qobject_cast<QComboBox*>(find("CBoxReijo")), 4);
        pick(qobject_cast<QComboBox*>(find("CBoxSeika1")), 2);
        pick(qobject_cast<QComboBox*>(find("CBoxSeika2")), 1);
        qobject_cast<QAbstractButton*>(find("RBtnUke1"))->click();
        qobject_cast<TRadioGroup*>(find("RBtnGrpTuyaRyori"))->button(1)->click();
        qobject_cast<QAbstractButton*>(find("ChkTuyaryori"))->click();
        pick(qobject_cast<QComboBox*>(find("CBoxKokuRyori")), 1);
        pick(qobject_cast<QComboBox*>(find("CBoxKokuRyoriKazu")), 6);
        qobject_cast<QAbstractButton*>(find("RBtnReikyu3"))->click();
        qobject_cast<QAbstractButton*>(find("RBtnAto1"))->click();
        qobject_cast<QAbstractButton*>(find("ChkDiscount"))->click();
        window.plBntCalClick();
    }
    QApplication::processEvents();
    for (const char* screen :
         {"PnlMainTop", "PnlMainBasho", "PnlMainJunbi", "PnlMainTuya", "PnlMainKoku", "PnlMainKaso"})
        find(screen)->grab().save(folder.filePath(QLatin1String(screen) + QStringLiteral(".png")));
    window.grab().save(folder.filePath(QStringLiteral("FormMain.png")));

    QFile file(folder.filePath(QStringLiteral("texts.txt")));
    file.open(QIODevice::WriteOnly);
    QTextStream out(&file);
    for (const QWidget* w : window.findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            out << w->objectName() << " " << w->metaObject()->className() << " " << textsOf(w) << "\n";
    const lumenta::SheetText sheet = lumenta::buildSheetText(window.estimate().grid(), window.estimate().state());
    for (const auto& line : sheet.lines)
        for (const std::string& field : line)
            out << "sheet " << QString::fromStdString(field) << "\n";
    out << "sheet "
        << QString::fromStdString(sheet.subtotal + " " + sheet.discount + " " + sheet.total + " " + sheet.version)
        << "\n";
    const lumenta::report::ReportPage page = lumenta::report::estimate_sheet::build();
    for (const auto& element : page.elements())
        out << "sheetlabel " << element.name << " " << element.text << "\n";
    out << "title " << window.windowTitle() << "\n";
    return 0;
}
