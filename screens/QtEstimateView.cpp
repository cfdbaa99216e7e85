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

QtEstimateView::QtEstimateView(PictureSource pictures) : pictures_(std::move(pictures)) {}

void QtEstimateView::attach(lumenta::Control control, QWidget* widget) { widgets_[std::size_t(control)] = widget; }

std::vector<lumenta::Control> QtEstimateView::missing() const
{
    std::vector<lumenta::Control> lacking;
    for (std::size_t i = 0; i < widgets_.size(); ++i)
        if (!widgets_[i])
            lacking.push_back(lumenta::Control(i));
    return lacking;
}

void QtEstimateView::reportMissing() const
{
    for (lumenta::Control control : missing())
        qCritical("QtEstimateView: no widget shows the control %s",
                  qPrintable(tableText(lumenta::controlName(control))));
}

void QtEstimateView::setText(lumenta::Control control, std::string_view text)
{
    QWidget* w = widget(control);
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

void QtEstimateView::setEnabled(lumenta::Control control, bool enabled)
{
    if (QWidget* w = widget(control))
        w->setEnabled(enabled);
}

void QtEstimateView::setVisible(lumenta::Control control, bool visible)
{
    if (QWidget* w = widget(control))
        w->setVisible(visible);
}

void QtEstimateView::setChecked(lumenta::Control control, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(widget(control));
    if (!button)
        return;
    const QSignalBlocker blocker(button);
    // An exclusive radio button can only be unchecked with its exclusivity off.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

void QtEstimateView::setCurrentIndex(lumenta::Control control, int index)
{
    if (auto* combo = qobject_cast<QComboBox*>(widget(control))) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(index);
    }
}

void QtEstimateView::copyPicture(lumenta::Control frame, std::string_view stored)
{
    auto* label = qobject_cast<QLabel*>(widget(frame));
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
    if (auto* grid = qobject_cast<TStrColGrid*>(widget(lumenta::Control::StrColGrid1)))
        grid->setCell(column, row, tableText(text));
}
