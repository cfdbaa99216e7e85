#include "SsEdit.h"

#include <QTest>

class TestSsEdit : public QObject {
    Q_OBJECT
private slots:
    void keepsExactlyTheTextGiven()
    {
        TSsEdit edit;
        for (const QString& text : {QStringLiteral("¥1,234,567"), QStringLiteral("-¥6,173"), QStringLiteral("  ¥0 ")}) {
            edit.setText(text);
            QCOMPARE(edit.text(), text);
            QCOMPARE(edit.displayText(), text);
        }
        edit.setText({});
        QVERIFY(edit.text().isEmpty());
    }

    void readOnlyRightAlignedWithoutTabStop()
    {
        TSsEdit edit;
        QVERIFY(edit.isReadOnly());
        QVERIFY(edit.alignment() & Qt::AlignRight);
        QVERIFY(!(edit.focusPolicy() & Qt::TabFocus));
        QCOMPARE(edit.size(), QSize(121, 20));
    }

    void typingChangesNothing()
    {
        QWidget window;
        auto* edit = new TSsEdit(&window);
        edit->setText("¥52,000");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, "99");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("¥52,000"));
    }

    void focusSelectsAll()
    {
        QWidget window;
        auto* other = new QLineEdit(&window);
        auto* edit = new TSsEdit(&window);
        edit->move(0, 40);
        edit->setText("¥184,375");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(100, 10));
        QTRY_COMPARE(edit->selectedText(), QStringLiteral("¥184,375"));
    }
};

QTEST_MAIN(TestSsEdit)
#include "tst_SsEdit.moc"
