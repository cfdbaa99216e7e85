// An opaque panel hides what lies beneath it from painting; a see-through
// one does not.

#include "Panel.h"

#include <QTest>

namespace {

class CountingPanel : public TPanel {
public:
    using TPanel::TPanel;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TPanel::paintEvent(event);
    }
};

struct Stack {
    QWidget window;
    CountingPanel* below = new CountingPanel(&window);
    TPanel* above = new TPanel(&window);

    explicit Stack(const QColor& aboveFace)
    {
        window.resize(200, 100);
        below->setGeometry(0, 0, 200, 100);
        above->setGeometry(0, 0, 200, 100);
        if (aboveFace.isValid())
            above->setColor(aboveFace);
    }

    int paintsBelowAfterShowing()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return -1;
        QCoreApplication::processEvents();
        return below->paints;
    }
};

} // namespace

class PanelTest : public QObject {
    Q_OBJECT

private slots:
    void opaqueFaceCoversThePanelBeneath()
    {
        Stack plain{QColor()};
        QVERIFY(plain.above->testAttribute(Qt::WA_OpaquePaintEvent));
        QCOMPARE(plain.paintsBelowAfterShowing(), 0);

        Stack coloured{QColor(255, 140, 0)};
        QCOMPARE(coloured.paintsBelowAfterShowing(), 0);
    }

    void seeThroughFaceLetsThePanelBeneathPaint()
    {
        Stack stack{QColor(255, 140, 0, 128)};
        QVERIFY(!stack.above->testAttribute(Qt::WA_OpaquePaintEvent));
        QVERIFY(stack.paintsBelowAfterShowing() > 0);

        // Made opaque again, it covers the panel beneath once more.
        stack.above->setColor(Qt::white);
        QVERIFY(stack.above->testAttribute(Qt::WA_OpaquePaintEvent));
        stack.below->paints = 0;
        stack.window.repaint();
        QCOMPARE(stack.below->paints, 0);
    }
};

QTEST_MAIN(PanelTest)
#include "tst_Panel.moc"
