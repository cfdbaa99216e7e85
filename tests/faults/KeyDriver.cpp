#include "KeyDriver.h"

#include "RadioGroup.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

namespace keydriver {

namespace {

constexpr int kLongestRound = 80;

// One decision: the control Tab goes to, and the key that decides it.
struct Decision {
    int step;  // 1 to 5, shown with Alt+step
    const char* control;
    Qt::Key key;
};

const Decision kEstimate[] = {
    {1, "RBtnMap", Qt::Key_Space},  {1, "CBoxHanso", Qt::Key_Down}, {1, "CBoxHokan", Qt::Key_Down},
    {1, "RBtnShindan", Qt::Key_Space}, {2, "RBtnGrpHitugi", Qt::Key_Space}, {2, "RBtnGrpSaidan", Qt::Key_Space},
    {2, "RBtnKesho", Qt::Key_Space}, {2, "RBtnIei", Qt::Key_Space}, {3, "RBtnUke", Qt::Key_Space},
    {3, "RBtnGrpTuyaRyori", Qt::Key_Space}, {4, "CBoxKokuRyori", Qt::Key_Down},
    {4, "CBoxKokuRyoriKazu", Qt::Key_Down}, {4, "RBtnReikyu", Qt::Key_Space}, {5, "RBtnAto", Qt::Key_Space},
};

const Qt::Key kStepKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};

} // namespace

QWidget* focused() { return QApplication::focusWidget(); }

void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = focused() ? focused() : window;
    QTest::keyClick(target, key, modifiers);
}

bool tabTo(QWidget* window, const std::function<bool(const QWidget*)>& matches)
{
    for (int i = 0; i < kLongestRound; ++i) {
        press(window, Qt::Key_Tab);
        if (focused() && matches(focused()))
            return true;
    }
    return false;
}

QString choiceName(const QWidget* control)
{
    if (!control)
        return {};
    if (qobject_cast<const TRadioGroup*>(control->parentWidget()))
        return control->parentWidget()->objectName();
    // Numbered radio buttons of one set share their name without the number.
    QString name = control->objectName();
    if (qobject_cast<const QRadioButton*>(control))
        while (!name.isEmpty() && name.back().isDigit())
            name.chop(1);
    return name;
}

bool tabToChoice(QWidget* window, const QString& name)
{
    return tabTo(window, [&name](const QWidget* w) { return choiceName(w) == name; });
}

QStringList tabRound(QWidget* window)
{
    QStringList seen;
    const QWidget* first = nullptr;
    for (int i = 0; i < kLongestRound; ++i) {
        press(window, Qt::Key_Tab);
        const QWidget* now = focused();
        if (!now || now == first)
            break;
        if (!first)
            first = now;
        if (seen.isEmpty() || seen.last() != choiceName(now))
            seen << choiceName(now);
    }
    return seen;
}

QString completeEstimate(QWidget* window)
{
    press(window, Qt::Key_Return);
    for (const Decision& d : kEstimate) {
        press(window, kStepKeys[d.step - 1], Qt::AltModifier);
        if (!tabToChoice(window, QLatin1String(d.control)))
            return QStringLiteral("Tab never reached %1").arg(QLatin1String(d.control));
        press(window, d.key);
    }
    press(window, Qt::Key_F9);
    return {};
}

} // namespace keydriver
