#include "ProgramAccessibility.h"

#include "AccessibleNames.h"
#include "GroupedChoiceAccessible.h"
#include "ListBoxAccessible.h"
#include "OfficiantTable.h"
#include "Panel.h"
#include "PriceAnnouncer.h"
#include "SpokenText.h"
#include "SsEdit.h"
#include "SsEditAccessible.h"
#include "StrCGrid.h"
#include "TextTableAccessible.h"
#include "plButton.h"
#include "plButtonAccessible.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLatin1StringView>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

// A panel groups the controls of an item under the item's title; any other
// panel is a pane, named by the caption it shows, if any. An item's header
// bar is not named again: its caption is the item's name.
class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(TPanel* panel)
        : QAccessibleWidget(panel, itemPanelTitle(panel).isEmpty() ? QAccessible::Pane : QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const auto* panel = static_cast<const TPanel*>(widget());
        if (const QString title = itemPanelTitle(panel); !title.isEmpty())
            return title;
        return isItemHeader(panel) ? QString() : spokenText(panel->caption());
    }

    // Step 1 lies visible under the start screen: a screen reader's review
    // of the screen must not read it there.
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (!s.invisible && widget()->visibleRegion().isEmpty())
            s.invisible = true;
        return s;
    }
};

// A titled frame (a radio group, a group box) groups its controls under its
// title, unless the title is its item's, which the item panel says already.
// In an item panel it is a mere filler to a screen reader, which would
// otherwise say both groups as the focus enters ("棺の選択", "棺の種類").
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(QGroupBox* frame)
        : QAccessibleWidget(frame, itemPanelOf(frame->parentWidget()) ? QAccessible::Client : QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* frame = static_cast<const QGroupBox*>(widget());
        QString own = frame->accessibleName();
        if (own.isEmpty())
            own = QString(frame->title()).remove(u'&');
        for (const QWidget* a = widget()->parentWidget(); a; a = a->parentWidget())
            if (const QString title = itemPanelTitle(a); !title.isEmpty())
                return title == own ? QString() : own;
        return own;
    }
};

// A message box is a dialog, named by its title, that describes itself by
// its message: a screen reader reads a dialog's labels only when they are
// three words long or more, which a Japanese sentence, written without
// spaces, never is. A message it reads itself (one that names a file, or
// spans lines) is not described again.
class MessageBoxAccessible : public QAccessibleWidget {
public:
    explicit MessageBoxAccessible(QMessageBox* box) : QAccessibleWidget(box, QAccessible::Dialog) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        const auto* box = static_cast<const QMessageBox*>(widget());
        QStringList lines;
        for (const QString& message : {box->text(), box->informativeText()})
            if (!message.isEmpty() && !readByItself(message))
                lines << message;
        return lines.join(u'\n');
    }

private:
    static bool readByItself(const QString& label)
    {
        static const QRegularExpression space(QStringLiteral("\\s+"));
        return label.split(space, Qt::SkipEmptyParts).size() >= 3;
    }
};

TableTexts gridTexts(const TStrColGrid* grid)
{
    const int fixed = grid->fixedRows();
    return {
        [grid, fixed] { return grid->rowCount() - fixed; },
        grid->columnCount(),
        [grid](int column) { return spokenText(grid->displayText(column, 0)); },
        [grid, fixed](int row, int column) { return spokenText(grid->displayText(column, row + fixed)); },
        [grid, fixed](int row, int column) { return grid->cellRect(column, row < 0 ? 0 : row + fixed); },
    };
}

TableTexts officiantTexts()
{
    return {&OfficiantTable::rowCount, OfficiantTable::kColumnCount, &OfficiantTable::heading,
            &OfficiantTable::cellText, &OfficiantTable::cellRect};
}

class OfficiantTableAccessible : public TextTableAccessible {
public:
    explicit OfficiantTableAccessible(QWidget* table) : TextTableAccessible(table, officiantTexts()) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? OfficiantTable::note() : TextTableAccessible::text(t);
    }
};

// A label that is a sentence around a list is read by the list (its
// description): a screen reader reading it on its own would read its blank
// and its placeholder, and read it where it comes in the window, away from
// its list ("礼状 …× 枚" before the kind of gift). It is a filler, not a
// label, which a screen reader reads with the panel it is in (being shown,
// as the window tells it, it would be shown to the reader whatever its state).
class SentenceLabelAccessible : public QAccessibleWidget {
public:
    explicit SentenceLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Client) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

using Creator = QAccessibleInterface* (*)(QWidget*);

struct Made {
    QLatin1StringView className;
    Creator create;
};

const Made kMade[] = {
    // A window of its own that is neither a main window nor a dialog, which
    // Qt would show as a mere filler that no screen reader follows.
    {QLatin1StringView("TFormMain"),
     [](QWidget* w) -> QAccessibleInterface* { return new QAccessibleWidget(w, QAccessible::Window); }},
    // Qt presents a frame as a border, which assistive technology takes for
    // a window of its own.
    {QLatin1StringView("TPanel"),
     [](QWidget* w) -> QAccessibleInterface* { return new PanelAccessible(static_cast<TPanel*>(w)); }},
    {QLatin1StringView("TplButton"),
     [](QWidget* w) -> QAccessibleInterface* { return new TplButtonAccessible(static_cast<TplButton*>(w)); }},
    {QLatin1StringView("TSsEdit"),
     [](QWidget* w) -> QAccessibleInterface* { return new TSsEditAccessible(static_cast<TSsEdit*>(w)); }},
    {QLatin1StringView("TStrColGrid"),
     [](QWidget* w) -> QAccessibleInterface* {
         return new TextTableAccessible(w, gridTexts(static_cast<TStrColGrid*>(w)));
     }},
    {QLatin1StringView("OfficiantTable"),
     [](QWidget* w) -> QAccessibleInterface* { return new OfficiantTableAccessible(w); }},
    // (A list one can type into, in Qt's dialogs, stays Qt's.)
    {QLatin1StringView("QComboBox"),
     [](QWidget* w) -> QAccessibleInterface* {
         auto* list = static_cast<QComboBox*>(w);
         return list->isEditable() ? nullptr : new ListBoxAccessible(list);
     }},
    {QLatin1StringView("QRadioButton"),
     [](QWidget* w) -> QAccessibleInterface* {
         return GroupedChoiceAccessible::createFor(static_cast<QRadioButton*>(w));
     }},
    {QLatin1StringView("QLabel"),
     [](QWidget* w) -> QAccessibleInterface* {
         return isSentenceLabel(w) ? new SentenceLabelAccessible(static_cast<QLabel*>(w)) : nullptr;
     }},
    {QLatin1StringView("SpokenNotice"),
     [](QWidget* w) -> QAccessibleInterface* { return new QAccessibleWidget(w, QAccessible::Notification); }},
    // Qt makes a message box an alert, which a screen reader announces as
    // "警告" before its title, so that a warning titled 警告 was heard twice
    // and a box that only informs was heard as a warning.
    {QLatin1StringView("QMessageBox"),
     [](QWidget* w) -> QAccessibleInterface* { return new MessageBoxAccessible(static_cast<QMessageBox*>(w)); }},
    // (A frame that is a check box itself stays Qt's.)
    {QLatin1StringView("QGroupBox"),
     [](QWidget* w) -> QAccessibleInterface* {
         auto* frame = static_cast<QGroupBox*>(w);
         return frame->isCheckable() ? nullptr : new FrameAccessible(frame);
     }},
};

QAccessibleInterface* create(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    for (const Made& m : kMade)
        if (className == m.className)
            return m.create(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installProgramAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&create);
        return true;
    }();
    Q_UNUSED(installed);
}
