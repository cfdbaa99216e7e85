#include "ProgressWindow.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenta::report {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent), bar_(new QProgressBar(this)), cancel_(new QPushButton(QStringLiteral("キャンセル"), this))
{
    setObjectName(QStringLiteral("PrintProgress"));
    setWindowTitle(QStringLiteral("印刷中"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    bar_->setMinimumWidth(240);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

void ProgressWindow::start(QWidget* parent, int phases)
{
    cancelled_ = false;
    bar_->setRange(0, phases);
    bar_->setValue(0);
    adjustSize();
    if (parent)
        move(parent->window()->geometry().center() - rect().center());
    show();
    QApplication::processEvents();
}

bool ProgressWindow::reach(int phase)
{
    bar_->setValue(phase);
    QApplication::processEvents();
    return !cancelled_;
}

void ProgressWindow::reject()
{
    cancelled_ = true;
}

void ProgressWindow::finish()
{
    hide();
}

} // namespace lumenta::report
