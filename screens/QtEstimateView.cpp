#include "ControlNames.h"

#include "QtEstimateView.h"

#include "BuiltInPicture.h"
#include "Panel.h"
#include "StrCGrid.h"
#include "TableText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QtGlobal>

QtEstimateView::QtEstimateView(QWidget* root, PictureSource pictures) : root_(root), pictures_(std::move(pictures)) {}

// A name that no control carries is a fault of the program, not of the user:
// it stops a debug build and is reported otherwise.
QWidget* QtEstimateView::find(std::string_view name) const
{
    const QString n = tableText(name);
    QWidget* w = root_->objectName() == n ? root_ : root_->findChild<QWidget*>(n);
    if (!w) {
        qWarning("QtEstimateView: no control named %s", qPrintable(n));
        Q_ASSERT_X(w, "QtEstimateView::find", "the estimate names a control that the screens lack");
    }
    return w;
}

void QtEstimateView::setText(std::string_view control, std::string_view text)
{
    QWidget* w = find(control);
    const QString t = tableText(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(t);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(t);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(t);
    else if (auto* panel = qobject_cast<TPanel*>(w))
        panel->setCaption(t);
}

void QtEstimateView::setEnabled(std::string_view control, bool enabled)
{
    if (QWidget* w = find(control))
        w->setEnabled(enabled);
}

void QtEstimateView::setVisible(std::string_view control, bool visible)
{
    if (QWidget* w = find(control))
        w->setVisible(visible);
}

void QtEstimateView::setChecked(std::string_view control, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(find(control));
    if (!button)
        return;
    const QSignalBlocker blocker(button);
    // An exclusive radio button can only be unchecked with its exclusivity off.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

void QtEstimateView::setCurrentIndex(std::string_view control, int index)
{
    if (auto* combo = qobject_cast<QComboBox*>(find(control))) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(index);
    }
}

void QtEstimateView::copyPicture(std::string_view frame, std::string_view stored)
{
    auto* label = qobject_cast<QLabel*>(find(frame));
    if (!label)
        return;
    const QString name = tableText(stored);
    const QPixmap picture = pictures_ ? pictures_(name) : QPixmap();
    if (picture.isNull())
        label->clear();  // the frame's caption shows through again
    else
        label->setPixmap(picture);
    label->setProperty(kCopiedPictureProperty, picture.isNull() ? QVariant() : QVariant(name));
}

void QtEstimateView::setGridCell(int column, int row, std::string_view text)
{
    if (auto* grid = qobject_cast<TStrColGrid*>(find(lumenta::controls::StrColGrid1)))
        grid->setCell(column, row, tableText(text));
}
