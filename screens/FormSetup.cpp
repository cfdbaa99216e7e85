#include "FormSetup.h"

#include "BuiltInPicture.h"
#include "JapaneseFonts.h"
#include "RadioGroup.h"

#include "FirstSight.h"
#include "FormProperties.h"
#include "ListTyping.h"
#include "MemoLayout.h"
#include "NoTextDrag.h"
#include "TextFitting.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QTextEdit>
#include <QWidget>

namespace screens {

namespace {

void applyPixelFont(QWidget* w)
{
    const QVariant size = w->property(kFontPixelSizeProperty);
    if (!size.isValid())
        return;
    w->setFont(japanese_fonts::font(japanese_fonts::kGothic, size.toInt()));
}

void showFixedPicture(QWidget* w)
{
    auto* label = qobject_cast<QLabel*>(w);
    const QVariant name = w->property(kPictureProperty);
    if (label && name.isValid())
        atFirstPaint(label, [label, name] { label->setPixmap(builtInPicture(name.toString(), label)); });
}

// The form and every widget under it that carries "fontPixelSize" get the
// screen font at that size.
void applyPixelFonts(QWidget* form)
{
    applyPixelFont(form);
    // Parents come before their children, so a child's own size wins.
    for (QWidget* w : form->findChildren<QWidget*>())
        applyPixelFont(w);
}

// Fitting a memo measures every character of its text: a screen hidden at
// start-up does it when first shown.
void layOutMemosWhenSeen(QWidget* form)
{
    atFirstShow(form, [form] {
        if (form->property(kMemoPitchFromFontProperty).toBool()) {
            layOutMemos(form);
            return;
        }
        for (QTextEdit* memo : form->findChildren<QTextEdit*>())
            fitMemo(memo);
    });
}

} // namespace

void setUpForm(QWidget* form)
{
    applyPixelFonts(form);
    for (QWidget* w : form->findChildren<QWidget*>())
        showFixedPicture(w);
    // A radio group places its buttons under its caption, whose height
    // depends on the font that has just been set.
    for (TRadioGroup* group : form->findChildren<TRadioGroup*>())
        group->setColumns(group->columns());
    layOutMemosWhenSeen(form);
    for (QTextEdit* memo : form->findChildren<QTextEdit*>()) {
        keepTextInPlace(memo);
        keepShapedLines(memo);
    }
    for (QComboBox* list : form->findChildren<QComboBox*>()) {
        fitList(list);
        pickByTypedDigits(list);
    }
    for (QLabel* label : form->findChildren<QLabel*>()) {
        fitGapLabel(label);
        fitLabel(label);
    }
}

} // namespace screens
