// The window moves from an ordinary screen to one of device pixel ratio 2:
// the pictures it already shows are shown again, drawn for the new screen.

#include "PictureStore.h"
#include "RadioGroup.h"
#include "UnitMain.h"

#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <algorithm>

class OtherScreenTest : public QObject {
    Q_OBJECT

private slots:
    void picturesFollowTheWindowToADenserScreen()
    {
        if (QGuiApplication::screens().size() < 2)
            QSKIP("needs the two screens of two-screens.json (-platform offscreen:configfile=...)");
        TFormMain window;
        window.move(10, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.plBtnStartClick();
        auto* coffins = window.findChild<TRadioGroup*>(QStringLiteral("RBtnGrpHitugi"));
        coffins->button(3)->click();
        window.grab();  // the map is decoded when first painted

        const auto label = [&window](const char* name) { return window.findChild<QLabel*>(QLatin1String(name)); };
        const char* shown[] = {"ImgIcon", "ImgMap", "ImgHitugi1"};
        for (const char* name : shown)
            QCOMPARE(label(name)->pixmap().devicePixelRatio(), 1.0);

        const auto screens = QGuiApplication::screens();
        const auto dense = std::find_if(screens.begin(), screens.end(), [](QScreen* s) { return s->devicePixelRatio() == 2; });
        QVERIFY(dense != screens.end());
        window.move((*dense)->geometry().topLeft() + QPoint(10, 10));
        QTRY_COMPARE(window.devicePixelRatioF(), 2.0);
        for (const char* name : shown)
            QCOMPARE(label(name)->pixmap().devicePixelRatio(), 2.0);
        // The frame still shows the store's own picture.
        auto* store = window.findChild<PictureStore*>();
        QCOMPARE(label("ImgHitugi1")->pixmap().cacheKey(), store->picture(QStringLiteral("Img51")).cacheKey());
    }
};

QTEST_MAIN(OtherScreenTest)
#include "tst_other_screen.moc"
