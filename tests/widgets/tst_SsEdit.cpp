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

    // The total field of the design, 116 pixels wide with a 20-pixel font,
    // shows as much ink of a seven-digit total as a field with room to spare.
    void totalFieldShowsASevenDigitTotalWhole()
    {
        const auto inkOf = [](const QString& text, int width) {
            TSsEdit edit;
            QFont font(QStringLiteral("IPAPGothic"));
            font.setPixelSize(20);
            edit.setFont(font);
            edit.resize(width, 27);
            edit.setText(text);
            const QImage shot = edit.grab().toImage();
            int ink = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    ink += qGray(shot.pixel(x, y)) < 96;
            return ink;
        };
        for (const QString& total : {QStringLiteral("¥1,441,314"), QStringLiteral("¥52,000")})
            QCOMPARE(inkOf(total, 116), inkOf(total, 300));
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
