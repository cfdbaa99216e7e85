#include "ChoicesOnScreen.h"

#include "RadioGroup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QWidget>
#include <initializer_list>

using lumenta::Choices;

namespace {

// How a choice reaches its control.
enum class Way {
    NumberedButtons,  // value 1.. clicks buttons[value - 1]
    YesNo,            // 1 clicks buttons[0], 0 buttons[1]
    Group,            // an entry of a radio group, clicked
    Box,              // a check box clicked until it shows the value
    PickedList,       // a list whose rule hears the user's pick (activated)
    ChangedLists,     // lists set together, then their shared rule runs once
};

struct Setting {
    Way way;
    std::initializer_list<int Choices::*> fields;
    std::initializer_list<const char*> controls;
};

// In the order of the steps: the hall before the hearse it prices, the
// wake food before its premium box.
const Setting kSettings[] = {
    {Way::NumberedButtons, {&Choices::hall}, {"RBtnMap1", "RBtnMap2", "RBtnMap3", "RBtnMap4", "RBtnMap5", "RBtnMap6"}},
    {Way::PickedList, {&Choices::distance}, {"CBoxHanso"}},
    {Way::PickedList, {&Choices::storage}, {"CBoxHokan"}},
    {Way::YesNo, {&Choices::procedures}, {"RBtnShindan1", "RBtnShindan2"}},
    {Way::Group, {&Choices::coffin}, {"RBtnGrpHitugi"}},
    {Way::Group, {&Choices::altar}, {"RBtnGrpSaidan"}},
    {Way::YesNo, {&Choices::makeup}, {"RBtnKesho1", "RBtnKesho2"}},
    {Way::YesNo, {&Choices::portrait}, {"RBtnIei1", "RBtnIei2"}},
    {Way::ChangedLists,
     {&Choices::giftKind, &Choices::giftCount, &Choices::letterCount},
     {"CBoxHenrei1", "CBoxHenrei2", "CBoxReijo"}},
    {Way::ChangedLists, {&Choices::chrysanthemums, &Choices::westernFlowers}, {"CBoxSeika1", "CBoxSeika2"}},
    {Way::YesNo, {&Choices::reception}, {"RBtnUke1", "RBtnUke2"}},
    {Way::Group, {&Choices::wakeFood}, {"RBtnGrpTuyaRyori"}},
    {Way::Box, {&Choices::premiumNigiri}, {"ChkTuyaryori"}},
    {Way::ChangedLists, {&Choices::ceremonyDish, &Choices::ceremonyParty}, {"CBoxKokuRyori", "CBoxKokuRyoriKazu"}},
    {Way::NumberedButtons, {&Choices::hearse}, {"RBtnReikyu1", "RBtnReikyu2", "RBtnReikyu3"}},
    {Way::YesNo, {&Choices::afterAltar}, {"RBtnAto1", "RBtnAto2"}},
    {Way::Box, {&Choices::discount}, {"ChkDiscount"}},
};

template <class T>
T* control(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

void click(QWidget* window, const char* name)
{
    if (auto* b = control<QAbstractButton>(window, name))
        b->click();
}

void make(QWidget* window, const Setting& s, const Choices& choices)
{
    const int value = choices.*(*s.fields.begin());
    const auto names = s.controls.begin();
    switch (s.way) {
    case Way::NumberedButtons:
        if (value >= 1 && value <= int(s.controls.size()))
            click(window, names[value - 1]);
        return;
    case Way::YesNo:
        if (value >= 0)
            click(window, names[value == 1 ? 0 : 1]);
        return;
    case Way::Group:
        if (auto* group = control<TRadioGroup>(window, names[0]); group && value >= 0)
            if (QRadioButton* entry = group->button(value))
                entry->click();
        return;
    case Way::Box:
        if (auto* box = control<QAbstractButton>(window, names[0]); box && box->isChecked() != (value == 1))
            box->click();
        return;
    case Way::PickedList:
        if (auto* list = control<QComboBox>(window, names[0]); list && value >= 0) {
            list->setCurrentIndex(value);
            emit list->activated(value);
        }
        return;
    case Way::ChangedLists: {
        bool touched = false;
        QComboBox* last = nullptr;
        auto field = s.fields.begin();
        for (const char* name : s.controls) {
            const int v = choices.*(*field++);
            auto* list = control<QComboBox>(window, name);
            if (!list || v < 0)
                continue;
            const QSignalBlocker blocker(list);
            list->setCurrentIndex(v);
            touched = true;
            last = list;
        }
        // The lists' one rule reads all of them.
        if (touched && last)
            emit last->currentIndexChanged(last->currentIndex());
        return;
    }
    }
}

} // namespace

void makeChoicesOnScreens(QWidget* window, const Choices& choices)
{
    for (const Setting& s : kSettings)
        make(window, s, choices);
}
