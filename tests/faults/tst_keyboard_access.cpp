// The window used with the keyboard alone, and seen through a screen reader.

#include "Currency.h"
#include "Estimate.h"
#include "EstimateRecord.h"
#include "KeyDriver.h"
#include "MessageBoxAnswerer.h"
#include "RadioGroup.h"
#include "SpokenText.h"
#include "SsEdit.h"
#include "UnitMain.h"
#include "plButton.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>
#include <memory>
#include <optional>
#include <vector>

namespace {

const char* const kSteps[] = {"PnlMainBasho", "PnlMainJunbi", "PnlMainTuya", "PnlMainKoku", "PnlMainKaso"};

// What a screen reader speaks as a control's name: the label that names it
// (how lists are named here), else its own name.
QString accessibleName(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface)
        return {};
    const auto labels = iface->relations(QAccessible::Label);
    if (!labels.isEmpty())
        return labels.first().first->text(QAccessible::Name);
    return iface->text(QAccessible::Name);
}

// Everything a user can act on or that shows a picture.
bool needsName(const QWidget* w)
{
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const TplButton*>(w) ||
           qobject_cast<const TRadioGroup*>(w) || qobject_cast<const TSsEdit*>(w) ||
           w->objectName().startsWith(QLatin1String("Img"));
}

// A cyclic round of choices, turned to begin with the given one.
QStringList from(QStringList round, const QString& first)
{
    const qsizetype at = round.indexOf(first);
    return at < 0 ? round : round.mid(at) + round.mid(0, at);
}

// What Qt's bridge to a screen reader does with the window system's keys:
// it holds each press and release until the reader has looked at it, then
// hands it back to the program, in order.
class ReaderBridge : public QObject {
public:
    ReaderBridge() { qApp->installEventFilter(this); } // last installed, first asked
    void answer()
    {
        for (auto& [target, key] : held_)
            if (target)
                QCoreApplication::postEvent(target, key.release());
        held_.clear();
        QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (!event->spontaneous() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        held_.emplace_back(target, std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(), key->text(),
                                                               key->isAutoRepeat(), key->count()));
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QKeyEvent>>> held_;
};

// The desktop's accessibility bus on the test's own session bus, saying
// that a screen reader runs.
class ReaderOnBus : public QDBusVirtualObject {
public:
    ReaderOnBus()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        registered_ = bus.registerService(kService) && bus.registerVirtualObject(kPath, this);
    }
    ~ReaderOnBus() override
    {
        QDBusConnection::sessionBus().unregisterObject(kPath);
        QDBusConnection::sessionBus().unregisterService(kService);
    }
    bool registered() const { return registered_; }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override
    {
        if (message.member() != QLatin1String("Get") ||
            message.arguments().value(1) != QLatin1String("ScreenReaderEnabled"))
            return false;
        return bus.send(message.createReply(QVariant::fromValue(QDBusVariant(true))));
    }

private:
    inline static const QString kService = QStringLiteral("org.a11y.Bus");
    inline static const QString kPath = QStringLiteral("/org/a11y/bus");
    bool registered_ = false;
};

// A speech service answering as speech-dispatcher does: a yes to every
// line, and the text after SPEAK kept up to its closing dot.
class SpeechService : public QLocalServer {
public:
    QStringList commands;
    QStringList said;

    explicit SpeechService(const QString& path)
    {
        listen(path);
        connect(this, &QLocalServer::newConnection, this, [this] {
            QLocalSocket* client = nextPendingConnection();
            connect(client, &QLocalSocket::readyRead, this, [this, client] { answer(client); });
        });
    }

private:
    void answer(QLocalSocket* client)
    {
        while (client->canReadLine()) {
            const QString line = QString::fromUtf8(client->readLine()).chopped(2);
            if (text_) {
                if (line != QLatin1String(".")) {
                    *text_ += line.startsWith(QLatin1String("..")) ? line.mid(1) : line;
                    continue;
                }
                said << *std::exchange(text_, std::nullopt);
                client->write("225-1\r\n225 OK MESSAGE QUEUED\r\n");
                continue;
            }
            commands << line;
            if (line == QLatin1String("SPEAK"))
                text_.emplace();
            client->write(text_ ? "230 OK RECEIVING DATA\r\n" : "200 OK\r\n");
        }
    }
    std::optional<QString> text_;
};

// A key as the window system gives it to Qt: the focused control may claim
// a shortcut's key first; a key claimed comes as a key press, any other is
// tried as a shortcut before it is one.
void pressFromWindowSystem(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = keydriver::focused();
    QKeyEvent claim(QEvent::ShortcutOverride, key, modifiers);
    QSpontaneKeyEvent::setSpontaneous(&claim);
    qApp->notify(target, &claim);
    if (!claim.isAccepted()) {
        QTest::keyClick(target, key, modifiers);
        return;
    }
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent press(type, key, modifiers);
        QSpontaneKeyEvent::setSpontaneous(&press);
        qApp->notify(target, &press);
    }
}

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormMain> form;

    QWidget* widget(const char* name) const { return form->findChild<QWidget*>(QLatin1String(name)); }
    bool stepShown(int k) const
    {
        for (int i = 0; i < 5; ++i)
            if (widget(kSteps[i])->isVisible() != (i == k))
                return false;
        return true;
    }
    QString total() const { return form->findChild<TSsEdit*>(QStringLiteral("SsEditGokei"))->text(); }

private slots:
    void init()
    {
        form = std::make_unique<TFormMain>();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_VERIFY(form->stepsBuilt());
    }
    void cleanup() { form.reset(); }

    // Before the start button is pressed only the start keys work: the step
    // keys and "計算" do nothing, and Tab does not wander under the start
    // screen. While a screen reader runs, the keypad's Enter is its "where
    // am I", not a start.
    void startScreenKeys()
    {
        keydriver::press(form.get(), Qt::Key_3, Qt::AltModifier);
        keydriver::press(form.get(), Qt::Key_F9);
        keydriver::press(form.get(), Qt::Key_Tab);
        QAccessible::setActive(true);
        keydriver::press(form.get(), Qt::Key_Enter, Qt::KeypadModifier);
        QAccessible::setActive(false);
        QVERIFY(widget("PnlMainTop")->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(!widget("PnlMainBasho")->isAncestorOf(keydriver::focused()));

        keydriver::press(form.get(), Qt::Key_S, Qt::AltModifier);
        QVERIFY(!widget("PnlMainTop")->isVisible());
        QVERIFY(stepShown(0));
        for (int k : {4, 2, 3, 1, 0}) {
            keydriver::press(form.get(), Qt::Key(Qt::Key_1 + k), Qt::AltModifier);
            QVERIFY(stepShown(k));
        }
        // Once the start screen is gone, Space belongs to the controls again.
        QVERIFY(keydriver::tabToChoice(form.get(), QStringLiteral("RBtnShindan")));
        keydriver::press(form.get(), Qt::Key_Space);
        QVERIFY(qobject_cast<QRadioButton*>(keydriver::focused())->isChecked());
    }

    // A whole estimate made only with keys reaches a total and enables printing.
    void estimateByKeysAlone()
    {
        QCOMPARE(keydriver::completeEstimate(form.get()), QString());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY2(total().startsWith(QChar(u'¥')), qPrintable(total()));
        QVERIFY(widget("plBtnPrint")->isEnabled());
    }

    // "計算" by key with an item missing shows the warning and jumps like the button.
    void calculateKeyJumpsToMissingItem()
    {
        keydriver::press(form.get(), Qt::Key_Return);
        keydriver::press(form.get(), Qt::Key_5, Qt::AltModifier);
        QString warning;
        QString spoken;
        QTimer::singleShot(0, [&warning, &spoken] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                warning = box->windowTitle();
                // A dialog, not an alert (which a reader calls 警告 too),
                // that says its message.
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
                if (iface->role() == QAccessible::Dialog)
                    spoken = iface->text(QAccessible::Name) + u' ' + iface->text(QAccessible::Description);
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        keydriver::press(form.get(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(warning, QStringLiteral("警告"));
        QCOMPARE(spoken, QStringLiteral("警告 　火葬場が選択されていない為、計算ができません"));
        // A message the reader reads by itself, being three words or more
        // (a file's name on a line of its own), is not said again.
        QMessageBox saved(
            QMessageBox::Information, QStringLiteral("保存"),
            QStringLiteral("見積書をPDFファイルとして保存しました。\n/tmp/見積書.pdf\n\nこのファイルを開きますか？"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&saved)->text(QAccessible::Description), QString());
        QVERIFY(stepShown(0));
        QVERIFY(widget("PnlMainBasho")->isAncestorOf(form->focusWidget())); // once the window is active again
        QCOMPARE(total(), QString());
    }

    // Arrow keys move the choice within an exclusive set, and the item's rule runs.
    void arrowsMoveWithinASet()
    {
        keydriver::press(form.get(), Qt::Key_Return);
        QVERIFY(keydriver::tabToChoice(form.get(), QStringLiteral("RBtnMap")));
        keydriver::press(form.get(), Qt::Key_Space);
        auto* hall = form->findChild<QLabel*>(QStringLiteral("LblMapInfo"));
        const QString first = hall->text();
        QVERIFY(!first.isEmpty());
        keydriver::press(form.get(), Qt::Key_Down);
        QVERIFY(qobject_cast<QRadioButton*>(keydriver::focused())->isChecked());
        QVERIFY(hall->text() != first);

        keydriver::press(form.get(), Qt::Key_2, Qt::AltModifier);
        QVERIFY(keydriver::tabToChoice(form.get(), QStringLiteral("RBtnGrpHitugi")));
        keydriver::press(form.get(), Qt::Key_Space);
        auto* coffins = form->findChild<TRadioGroup*>(QStringLiteral("RBtnGrpHitugi"));
        QCOMPARE(coffins->itemIndex(), 0);
        keydriver::press(form.get(), Qt::Key_Down);
        QCOMPARE(coffins->itemIndex(), 1);
        // In the group's two columns an arrow goes the way it points, and
        // nowhere at the edge: Right on the last column stays there.
        const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Right, 4}, {Qt::Key_Down, 5}, {Qt::Key_Right, 5},
                                                 {Qt::Key_Down, 5},  {Qt::Key_Up, 4},   {Qt::Key_Left, 1}};
        for (const auto& [key, index] : moves) {
            keydriver::press(form.get(), key);
            QCOMPARE(coffins->itemIndex(), index);
        }
        QVERIFY(!form->findChild<TSsEdit*>(QStringLiteral("SsEditHitugi"))->text().isEmpty());
    }

    // While a screen reader runs, its review keys on the keypad change no
    // choice; the same keys off the keypad, or with no reader, still do.
    void keypadBelongsToTheScreenReader_data()
    {
        QTest::addColumn<bool>("reader");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<bool>("changes");
        const auto list = QStringLiteral("CBoxHanso");
        const auto halls = QStringLiteral("RBtnMap");
        QTest::newRow("KP_Down on a list") << true << list << int(Qt::Key_Down) << true << false;
        QTest::newRow("KP_Page_Down on a list") << true << list << int(Qt::Key_PageDown) << true << false;
        QTest::newRow("KP_End on a list") << true << list << int(Qt::Key_End) << true << false;
        QTest::newRow("KP_Down on the halls") << true << halls << int(Qt::Key_Down) << true << false;
        QTest::newRow("KP_Right on the halls") << true << halls << int(Qt::Key_Right) << true << false;
        QTest::newRow("Down on a list, reader") << true << list << int(Qt::Key_Down) << false << true;
        QTest::newRow("Down on the halls, reader") << true << halls << int(Qt::Key_Down) << false << true;
        QTest::newRow("KP_Down on a list, no reader") << false << list << int(Qt::Key_Down) << true << true;
        QTest::newRow("KP_Down on the halls, no reader") << false << halls << int(Qt::Key_Down) << true << true;
    }
    void keypadBelongsToTheScreenReader()
    {
        QFETCH(bool, reader);
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(bool, changes);
        const auto choices = [this] {
            QStringList state;
            for (const QComboBox* list : form->findChildren<QComboBox*>())
                state << QString::number(list->currentIndex());
            for (const QAbstractButton* button : form->findChildren<QAbstractButton*>())
                state << QString::number(button->isChecked());
            return state;
        };
        keydriver::press(form.get(), Qt::Key_Return);
        QVERIFY(keydriver::tabToChoice(form.get(), control));
        if (control == QLatin1String("RBtnMap"))
            keydriver::press(form.get(), Qt::Key_Space); // the arrows move a choice once there is one
        const QStringList before = choices();
        QAccessible::setActive(reader);
        keydriver::press(form.get(), Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QAccessible::setActive(false);
        QCOMPARE(choices() != before, changes);
    }

    // No key overtakes another: while a screen reader holds a key, "計算"
    // pressed after it waits, and totals the estimate with that key's
    // choice. Without a reader a shortcut acts at once, as Qt makes it.
    void keysKeepTheirOrder_data()
    {
        QTest::addColumn<bool>("reader");
        QTest::addColumn<bool>("held"); // the reader's bridge holds the keys
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("totalAtOnce");
        QTest::addColumn<bool>("totalAtEnd");
        const int none = Qt::NoModifier;
        const int alt = Qt::AltModifier;
        QTest::newRow("Up, F9 held by the reader") << true << true << int(Qt::Key_F9) << none << false << true;
        QTest::newRow("Up, Alt+K held by the reader") << true << true << int(Qt::Key_K) << alt << false << true;
        QTest::newRow("Up, F9, reader not holding keys") << true << false << int(Qt::Key_F9) << none << true << true;
        QTest::newRow("Up held, F9, no reader") << false << true << int(Qt::Key_F9) << none << true << false;
    }
    void keysKeepTheirOrder()
    {
        QFETCH(bool, reader);
        QFETCH(bool, held);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, totalAtOnce);
        QFETCH(bool, totalAtEnd);
        QCOMPARE(keydriver::completeEstimate(form.get()), QString());
        keydriver::press(form.get(), Qt::Key_2, Qt::AltModifier);
        QVERIFY(keydriver::tabToChoice(form.get(), QStringLiteral("RBtnGrpHitugi")));
        keydriver::press(form.get(), Qt::Key_Down); // another coffin empties the total
        QCOMPARE(total(), QString());
        auto* coffins = form->findChild<TRadioGroup*>(QStringLiteral("RBtnGrpHitugi"));

        QAccessible::setActive(reader);
        const auto restore = qScopeGuard([] { QAccessible::setActive(false); });
        std::optional<ReaderBridge> bridge;
        if (held)
            bridge.emplace();
        pressFromWindowSystem(Qt::Key_Up, Qt::NoModifier);
        pressFromWindowSystem(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(!total().isEmpty(), totalAtOnce);
        if (bridge)
            bridge->answer();
        QCOMPARE(coffins->itemIndex(), 0);
        QCOMPARE(!total().isEmpty(), totalAtEnd);
        if (totalAtEnd)
            QCOMPARE(total(), QString::fromStdString(lumenta::formatYen(form->estimate().state().grandTotal)));
    }

    // Tab visits each screen's choices in reading order: the left column's
    // items, top to bottom, then the right column's.
    void tabFollowsReadingOrder_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<bool>("reader");
        QTest::newRow("1.場所") << 0 << QStringList{"RBtnMap", "CBoxHanso", "CBoxHokan", "RBtnShindan"} << false;
        QTest::newRow("2.準備") << 1 << QStringList{"RBtnGrpHitugi", "RBtnGrpSaidan", "RBtnKesho", "RBtnIei",
                                                    "CBoxHenrei1",   "CBoxHenrei2",   "CBoxReijo"}
                                << false;
        QTest::newRow("3.通夜") << 2 << QStringList{"CBoxSeika1", "CBoxSeika2", "RBtnUke", "RBtnGrpTuyaRyori"} << false;
        QTest::newRow("4.告別式") << 3 << QStringList{"CBoxKokuRyori", "CBoxKokuRyoriKazu", "RBtnReikyu"} << false;
        QTest::newRow("5.火葬") << 4 << QStringList{"RBtnAto", "ChkDiscount"} << false;
        // While a screen reader runs, the tables take the focus too, after
        // the choices.
        QTest::newRow("4.告別式, reader")
            << 3 << QStringList{"CBoxKokuRyori", "CBoxKokuRyoriKazu", "RBtnReikyu", "ImgShukyosha"} << true;
        QTest::newRow("5.火葬, reader") << 4 << QStringList{"RBtnAto", "ChkDiscount", "StrColGrid1"} << true;
    }

    void tabFollowsReadingOrder()
    {
        QFETCH(int, step);
        QFETCH(QStringList, order);
        QFETCH(bool, reader);
        QAccessible::setActive(reader);
        const auto restore = qScopeGuard([] { QAccessible::setActive(false); });
        keydriver::press(form.get(), Qt::Key_Return);
        keydriver::press(form.get(), Qt::Key(Qt::Key_1 + step), Qt::AltModifier);
        QCOMPARE(from(keydriver::tabRound(form.get()), order.first()), order);
    }

    // While a screen reader runs, Tab reaches the tables and the arrows move
    // the focus from cell to cell, each cell read under its column heading.
    void tablesTakeTheFocusWithAReader_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("heading"); // of the cell reached by Down, Right, End, Left
        QTest::newRow("見積りの明細") << 4 << QStringLiteral("StrColGrid1") << QStringLiteral("単価");
        QTest::newRow("officiants") << 3 << QStringLiteral("ImgShukyosha") << QStringLiteral("戒名のお礼");
    }
    void tablesTakeTheFocusWithAReader()
    {
        QFETCH(int, step);
        QFETCH(QString, table);
        QFETCH(QString, heading);
        QAccessible::setActive(true);
        const auto restore = qScopeGuard([] { QAccessible::setActive(false); });
        keydriver::press(form.get(), Qt::Key_Return);
        keydriver::press(form.get(), Qt::Key(Qt::Key_1 + step), Qt::AltModifier);
        QVERIFY(keydriver::tabToChoice(form.get(), table));
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_End, Qt::Key_Left})
            keydriver::press(form.get(), key);
        QVERIFY(keydriver::focused()->objectName() == table); // the arrows stayed in the table
        QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(keydriver::focused())->focusChild();
        QVERIFY(cell && cell->state().focused);
        QCOMPARE(cell->tableCellInterface()->rowIndex(), 1);
        QCOMPARE(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name), heading);
    }

    // The keyboard acts only on what is shown: a step shown by its key, by
    // its button or by the calculation gets the focus, on its first choice or
    // on the one left there; the start screen's is its start button.
    void focusFollowsTheShownStep_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("Alt+1") << 0 << QStringLiteral("RBtnShindan") << int(Qt::Key_1); // where it was left
        QTest::newRow("Alt+2") << 1 << QStringLiteral("RBtnGrpHitugi") << int(Qt::Key_2);
        QTest::newRow("Alt+3") << 2 << QStringLiteral("CBoxSeika1") << int(Qt::Key_3);
        QTest::newRow("Alt+4") << 3 << QStringLiteral("CBoxKokuRyori") << int(Qt::Key_4);
        QTest::newRow("Alt+5") << 4 << QStringLiteral("RBtnAto") << int(Qt::Key_5);
        // The total, where a screen reader reads it again.
        QTest::newRow("Alt+G") << 4 << QStringLiteral("SsEditGokei") << int(Qt::Key_G);
    }

    void focusFollowsTheShownStep()
    {
        QFETCH(int, step);
        QFETCH(QString, focus);
        QFETCH(int, key);
        keydriver::press(form.get(), Qt::Key(key), Qt::AltModifier); // nothing yet on the start screen
        QCOMPARE(keydriver::focused(), widget("plBtnStart"));
        keydriver::press(form.get(), Qt::Key_Return);
        QCOMPARE(keydriver::choiceName(keydriver::focused()), QStringLiteral("RBtnMap"));
        QVERIFY(keydriver::tabToChoice(form.get(), QStringLiteral("RBtnShindan")));
        QWidget* left = keydriver::focused();
        keydriver::press(form.get(), Qt::Key(Qt::Key_1 + (step + 1) % 5), Qt::AltModifier); // away first
        keydriver::press(form.get(), Qt::Key(key), Qt::AltModifier);
        QWidget* now = keydriver::focused();
        QVERIFY(now && now->isVisible());
        QVERIFY(widget(kSteps[step])->isAncestorOf(now));
        QCOMPARE(keydriver::choiceName(now), focus);
        if (step == 0)
            QCOMPARE(now, left);
        // Arrows and Space then act on that step alone: the procedures
        // choice left on step 1 stays unmade.
        keydriver::press(form.get(), Qt::Key_Right);
        if (!qobject_cast<QComboBox*>(now)) // Space would open a list
            keydriver::press(form.get(), Qt::Key_Space);
        QCOMPARE(form->estimate().state()[lumenta::Flag::proceduresChosen], step == 0);
    }

    // A screen reader hears what a choice changed, a moment after the choice
    // itself: a list's new entry, the new amounts (an item's name after its
    // amount, but for the item the user is on), the total, and what the
    // change emptied, as a notification shown to it. The notice then leaves
    // the window's tree, saying nothing more. Where the desktop says a
    // screen reader runs and its speech service listens, the same words are
    // said by the service beside the reader, each replacing the one before,
    // and nothing is shown to the reader.
    void changesAreSpoken_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::newRow("told to the screen reader") << false;
        QTest::newRow("said beside it") << true;
    }
    void changesAreSpoken()
    {
        QFETCH(bool, beside);
        // Never the machine's own speech service.
        QTemporaryDir folder;
        const QString socket = folder.filePath(QStringLiteral("speechd.sock"));
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toLocal8Bit());
        const auto unset = qScopeGuard([] { qunsetenv("SPEECHD_ADDRESS"); });
        std::optional<ReaderOnBus> readerOn;
        std::optional<SpeechService> service;
        if (beside) {
            readerOn.emplace();
            QVERIFY2(readerOn->registered(),
                     "needs a session bus of its own: run under dbus-run-session, as ctest does");
            service.emplace(socket);
        }
        QAccessible::setActive(true);
        // What a screen reader is told: each notification as it is shown,
        // with its text at that moment (the platform's bridge, which
        // forwards the show, is not there off screen).
        struct ScreenReader : QObject {
            QStringList heard;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                auto* w = qobject_cast<QWidget*>(watched);
                if (event->type() == QEvent::Show && w)
                    if (QAccessibleInterface* object = QAccessible::queryAccessibleInterface(w);
                        object && object->role() == QAccessible::Notification)
                        heard << object->text(QAccessible::Name);
                return false;
            }
        } screenReader;
        QStringList& heard = beside ? service->said : screenReader.heard;
        qApp->installEventFilter(&screenReader);
        const auto restore = qScopeGuard([] { QAccessible::setActive(false); });
        const auto said = [&heard] { return heard.isEmpty() ? QString() : heard.last(); };
        const auto spoken = [this](const char* field) {
            return spokenYen(form->findChild<TSsEdit*>(QLatin1String(field))->text());
        };
        keydriver::press(form.get(), Qt::Key_Return);
        keydriver::press(form.get(), Qt::Key_Space);
        QTRY_COMPARE(said(), QStringLiteral("236,775円")); // the yen after the number, where a voice says it
        QVERIFY(keydriver::tabToChoice(form.get(), QStringLiteral("CBoxHanso")));
        keydriver::press(form.get(), Qt::Key_Down);
        QTRY_COMPARE(said(), QStringLiteral("10、") + spoken("SsEditHanso"));

        // Keys pressed in quick succession are spoken together.
        QCOMPARE(keydriver::completeEstimate(form.get()), QString());
        QTRY_VERIFY(said().endsWith(QStringLiteral("、") + spokenYen(total()) + QStringLiteral(" 合計")));
        heard.clear();
        keydriver::press(form.get(), Qt::Key_F9); // the same total again
        QTRY_COMPARE(said(), spokenYen(total()) + QStringLiteral(" 合計"));
        // A choice that empties the total says its price, then that the
        // total is to be calculated again.
        keydriver::press(form.get(), Qt::Key_Down);
        QTRY_COMPARE(said(), QStringLiteral("0円、合計は計算し直して下さい"));
        if (!beside) {
            const QWidget* notice = widget("SpokenNotice");
            QTRY_VERIFY(!notice->isVisible() && notice->accessibleName().isEmpty());
            QCOMPARE(heard.last(), QStringLiteral("0円、合計は計算し直して下さい")); // hidden, not shown again
        }
        // An estimate opened is named by its file, with its total, and
        // not by the prices it changed.
        keydriver::press(form.get(), Qt::Key_F9);
        const lumenta::EstimateRecord record = lumenta::recordOf(form->estimate());
        MessageBoxAnswerer boxes;
        boxes.during([&] { form->openEstimate(record, QStringLiteral("見積書_1.pdf")); });
        QTRY_COMPARE(said(), QStringLiteral("見積り「見積書_1.pdf」を開きました。合計 ") + spokenYen(total()));
        form->activateWindow(); // the question gives the window back its activation
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        // A change of hall after a hearse was chosen and the total calculated
        // says that both were emptied.
        keydriver::press(form.get(), Qt::Key_1, Qt::AltModifier);
        QVERIFY(keydriver::tabToChoice(form.get(), QStringLiteral("RBtnMap")));
        keydriver::press(form.get(), Qt::Key_Down);
        QTRY_COMPARE(said(), QStringLiteral("霊柩車の選択が外れました、合計は計算し直して下さい"));
        if (!beside)
            return;
        QVERIFY(screenReader.heard.isEmpty()); // said once
        QCOMPARE(service->commands.mid(1, 2),
                 QStringList({QStringLiteral("SET self PRIORITY important"), QStringLiteral("SET self LANGUAGE ja")}));
        QCOMPARE(service->commands.count(QStringLiteral("CANCEL self")),
                 service->commands.count(QStringLiteral("SPEAK")));
    }

    // Every control a user can act on, and every picture, has a name a
    // screen reader can speak; names come from the items' captions.
    void everyControlIsNamed()
    {
        QStringList unnamed;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w->window() == form.get() && needsName(w) && accessibleName(w).trimmed().isEmpty())
                unnamed << w->objectName() + QStringLiteral(" (") + QLatin1String(w->metaObject()->className()) + u')';
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));

        const std::pair<const char*, const char*> expected[] = {
            {"SsEditMap", "式場（火葬場）の選択"},
            {"SsEditHanso", "安置場所までの距離"},
            {"SsEditKokuShikai", "司会者と案内人（告別式）"},
            {"SsEditGokei", "合計（消費税込）"},
            {"CBoxSeika1", "生花の選択：菊花の基数"},
            {"RBtnGrpHitugi", "棺の種類"},
            {"plButton1", "ｿﾌﾄ説明のHPを開く"},
            {"plBtnPrint", "印刷"},
            {"plBtnStart", "見積りを開始します"},
            {"ImgMap", "東京23区の地図と六つの斎場"},
        };
        for (const auto& [name, spoken] : expected)
            QCOMPARE(accessibleName(widget(name)), QString::fromUtf8(spoken));

        // A money field's amount is one run of text, from which a screen
        // reader puts its line together whole.
        QAccessibleTextInterface* fee = QAccessible::queryAccessibleInterface(widget("SsEditKaso"))->textInterface();
        QVERIFY(fee && fee->characterCount() > 2);
        int start = -1;
        int end = -1;
        fee->attributes(2, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, fee->characterCount()));
    }

    // The gradient buttons are push buttons to assistive technology, and
    // their press action presses them, only while they are enabled.
    void gradientButtonsArePressable()
    {
        QAccessibleInterface* start = QAccessible::queryAccessibleInterface(widget("plBtnStart"));
        QVERIFY(start);
        QCOMPARE(start->role(), QAccessible::Button);
        QAccessibleActionInterface* action = start->actionInterface();
        QVERIFY(action);
        QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        action->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!widget("PnlMainTop")->isVisible());

        QAccessibleInterface* print = QAccessible::queryAccessibleInterface(widget("plBtnPrint"));
        QCOMPARE(print->role(), QAccessible::Button);
        QVERIFY(print->state().disabled);
        QVERIFY(!print->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

        QAccessibleInterface* step = QAccessible::queryAccessibleInterface(widget("plBtnKoku"));
        step->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(stepShown(3));
    }

    // The window's menu opens with Shift+F10 or the menu key wherever the
    // focus is, and with a right click anywhere, on the start screen too:
    // opening an estimate, and the ways of sending the sheet, each with a key
    // of its own.
    void printMenuAndWaysByKeys()
    {
        using lumenta::report::PrintWay;
        const auto menuOpensOn = [this](const std::function<void()>& asked) {
            QStringList entries;
            const QObject scope; // no menu: the look ends with this call
            QTimer::singleShot(0, &scope, [&entries] {
                if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    for (QAction* action : menu->actions())
                        if (!action->isSeparator())
                            entries << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
                    menu->close();
                }
            });
            asked();
            QCoreApplication::processEvents(); // the menu pops up without waiting
            // The closed menu gives the window back its activation.
            form->activateWindow();
            for (int i = 0; i < 200 && QApplication::activeWindow() != form.get(); ++i)
                QTest::qWait(10);
            return entries;
        };
        const auto menuOpensWith = [this, &menuOpensOn](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            return menuOpensOn([&] { keydriver::press(form.get(), key, modifiers); });
        };
        // A right click on a control that has no menu of its own, or on a text box.
        const auto menuOpensOver = [this, &menuOpensOn](const char* name) {
            return menuOpensOn([this, name] {
                QWidget* over = widget(name);
                if (auto* area = qobject_cast<QAbstractScrollArea*>(over))
                    over = area->viewport(); // where the pointer is
                QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4), over->mapToGlobal(QPoint(4, 4)));
                QCoreApplication::sendEvent(over, &click);
            });
        };
        const QStringList entries{"見積りを開く…", "PDFとして保存…", "印刷プレビュー…", "プリンタを選んで印刷…"};
        QCOMPARE(menuOpensOver("Memo1"), entries);
        QCOMPARE(menuOpensOver("PnlMainTop"), entries);
        QCOMPARE(menuOpensWith(Qt::Key_F10, Qt::ShiftModifier), entries);
        keydriver::press(form.get(), Qt::Key_Return);
        QCOMPARE(menuOpensWith(Qt::Key_Menu, Qt::NoModifier), entries);
        QCOMPARE(keydriver::completeEstimate(form.get()), QString());
        QVERIFY(keydriver::tabToChoice(form.get(), QStringLiteral("ChkDiscount")));
        QCOMPARE(menuOpensWith(Qt::Key_Menu, Qt::NoModifier), entries);
        QCOMPARE(menuOpensWith(Qt::Key_F10, Qt::ShiftModifier), entries);
        QVERIFY(widget("ChkDiscount")->hasFocus());

        QSignalSpy sent(form.get(), &TFormMain::sheetRequested);
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, PrintWay> keys[] = {
            {Qt::Key_S, Qt::ControlModifier, PrintWay::Pdf},
            {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, PrintWay::Preview},
            {Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier, PrintWay::ChoosePrinter},
        };
        for (const auto& [key, modifiers, way] : keys) {
            keydriver::press(form.get(), key, modifiers);
            QCOMPARE(sent.size(), 1);
            QCOMPARE(sent.takeFirst().first().value<PrintWay>(), way);
        }
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "tst_keyboard_access.moc"
