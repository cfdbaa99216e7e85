#include "plButton.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kLight(245, 255, 234);
const QColor kGreen(95, 216, 0);

// A square button in the active step colours; its raised edge covers two
// pixels inside its top, left, right-minus-one and bottom-minus-one lines.
QImage activeFace(QSize size)
{
    TplButton b;
    b.resize(size);
    b.setGradColor(1, kLight);
    b.setGradColor(2, kGreen);
    return b.grab().toImage();
}

} // namespace

class TestPlButton : public QObject {
    Q_OBJECT
private slots:
    void gradientStepsByWholePixelsTowardZero()
    {
        QCOMPARE(TplButton::gradientRow(kLight, kGreen, 0, 50), kLight);
        QCOMPARE(TplButton::gradientRow(kLight, kGreen, 49, 50), kGreen);
        // Row 25: 245 - 3750/49, 255 - 975/49, 234 - 5850/49, each truncated toward zero.
        QCOMPARE(TplButton::gradientRow(kLight, kGreen, 25, 50), QColor(169, 236, 115));
        // A button one pixel high is the begin colour.
        QCOMPARE(TplButton::gradientRow(kLight, kGreen, 0, 1), kLight);
        // Every row inside the edge is painted in its colour, across the whole width.
        const QImage face = activeFace({67, 50});
        for (int y = 2; y < 47; ++y) {
            QCOMPARE(face.pixelColor(30, y), TplButton::gradientRow(kLight, kGreen, y, 50));
            QCOMPARE(face.pixelColor(2, y), face.pixelColor(63, y));
        }
    }

    void centredCaptionTop()
    {
        QCOMPARE(TplButton::centredCaptionTop(50, 13, 2, true), 11);
        QCOMPARE(TplButton::centredCaptionTop(50, 13, 2, false), 19);

        TplButton b;
        b.resize(70, 50);
        b.setCaptionLineSpace(2);
        b.setCaptionA("ｿﾌﾄ説明");
        b.setCaptionB("のHPを開く");
        const int h = b.fontMetrics().height();
        QCOMPARE(b.captionTop(), TplButton::centredCaptionTop(50, h, 2, true));
        b.setCaptionB({});
        QCOMPARE(b.captionTop(), TplButton::centredCaptionTop(50, h, 2, false));

        // The forms set the top before they switch the centring off.
        b.setCaptionTop(20);
        b.setCaptionVertCenter(false);
        QCOMPARE(b.captionTop(), 20);
    }

    void roundStylesClipTheCorners()
    {
        QWidget window;
        window.resize(200, 100);
        TplButton& b = *new TplButton(&window);
        window.show();
        b.resize(67, 50);
        QVERIFY(b.mask().isEmpty());
        b.setButtonStyle(TplButton::bsRoundRect);
        const QRegion m = b.mask();
        // The clip is one pixel larger than the button to the right and below,
        // so the far corner keeps its pixel; the other three lose theirs.
        for (QPoint corner : {QPoint(0, 0), QPoint(66, 0), QPoint(0, 49), QPoint(1, 0)})
            QVERIFY2(!m.contains(corner), qPrintable(QString("%1,%2").arg(corner.x()).arg(corner.y())));
        QVERIFY(m.contains(QPoint(33, 0)));
        QVERIFY(m.contains(QPoint(0, 25)));
        QVERIFY(m.contains(QPoint(66, 25)));

        b.resize(120, 30);
        QVERIFY(b.mask().contains(QPoint(110, 15)));
        QVERIFY(!b.mask().contains(QPoint(119, 0)));

        b.setButtonStyle(TplButton::bsNormal);
        QVERIFY(b.mask().isEmpty());
    }

    void roundFrameIsGrey()
    {
        TplButton b;
        b.setButtonStyle(TplButton::bsRoundRect);
        b.resize(67, 50);
        const QImage img = b.grab().toImage();
        QCOMPARE(img.pixelColor(33, 0), QColor(117, 117, 117));
        QCOMPARE(img.pixelColor(33, 49), QColor(117, 117, 117));
        QCOMPARE(img.pixelColor(0, 25), QColor(117, 117, 117));
        QCOMPARE(img.pixelColor(66, 25), QColor(117, 117, 117));
    }

    void sameColourDoesNotRepaint()
    {
        TplButton b;
        const int before = b.repaintRequests();
        b.setGradColor(1, Qt::white);
        b.setGradColor(2, QColor(192, 192, 192));
        QCOMPARE(b.repaintRequests(), before);
        b.setGradColor(2, kGreen);
        QCOMPARE(b.repaintRequests(), before + 1);
        QCOMPARE(b.gradEndColor(), kGreen);
        b.setGradColor(3, Qt::red);  // no such colour
        QCOMPARE(b.repaintRequests(), before + 1);
    }

    void exchangingTwiceRestoresTheLook()
    {
        TplButton b;
        b.setButtonStyle(TplButton::bsRoundRect);
        b.resize(67, 50);
        b.setCaptionA("1.場所");
        const QImage before = b.grab().toImage();
        for (int i = 0; i < 2; ++i) {
            const QColor top = b.gradBeginColor();
            b.setGradColor(1, b.gradEndColor());
            b.setGradColor(2, top);
        }
        QCOMPARE(b.grab().toImage(), before);
    }

    void mouseAndKeys()
    {
        QWidget window;
        window.resize(200, 100);
        auto* b = new TplButton(&window);
        b->setFocusPolicy(Qt::ClickFocus);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(b, &TplButton::clicked);

        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!b->isPressed());

        // Pressed inside, released outside: no click.
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(b->isPressed());
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(150, 80));
        QCOMPARE(clicks.count(), 1);

        // The click gave it the focus, so Enter clicks it again; not with a modifier.
        window.activateWindow();
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(clicks.count(), 2);
        QTest::keyClick(b, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(clicks.count(), 2);
        b->setEnabled(false);
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(clicks.count(), 2);
    }

    void disabledButtonIgnoresThePointer()
    {
        TplButton b;
        QSignalSpy enters(&b, &TplButton::mouseEnter);
        QSignalSpy leaves(&b, &TplButton::mouseLeave);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&b, &enter);
        QApplication::sendEvent(&b, &leave);
        QCOMPARE(enters.count(), 1);
        QCOMPARE(leaves.count(), 1);
        b.setEnabled(false);
        QApplication::sendEvent(&b, &enter);
        QApplication::sendEvent(&b, &leave);
        QCOMPARE(enters.count(), 1);
        QCOMPARE(leaves.count(), 1);
        // Enabled while the pointer rests on it: leaving tells nothing, so
        // the hover exchange is not done once only (the button would stay
        // inverted for good).
        QApplication::sendEvent(&b, &enter);
        b.setEnabled(true);
        QApplication::sendEvent(&b, &leave);
        QCOMPARE(leaves.count(), 1);
        // Only real changes are told: a second entry without a leave is none.
        QApplication::sendEvent(&b, &enter);
        QApplication::sendEvent(&b, &enter);
        QCOMPARE(enters.count(), 2);
        QVERIFY(b.isHovered());
        QApplication::sendEvent(&b, &leave);
        QCOMPARE(leaves.count(), 2);
        QVERIFY(!b.isHovered());
    }

    void disabledTextIsEngraved()
    {
        // Round, so that the frame is not the shadow grey.
        TplButton b;
        b.setButtonStyle(TplButton::bsRoundRect);
        b.setGradColor(2, Qt::white);
        b.resize(70, 50);
        b.setCaptionA("■■■");
        b.setEnabled(false);
        const QImage img = b.grab().toImage();
        bool shadow = false;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                shadow = shadow || img.pixelColor(x, y) == QColor(128, 128, 128);
        QVERIFY(shadow);
        b.setEnabled(true);
        QVERIFY(b.grab().toImage() != img);
    }
};

QTEST_MAIN(TestPlButton)
#include "tst_plButton.moc"
