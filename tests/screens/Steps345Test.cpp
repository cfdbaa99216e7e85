// The wake, ceremony and cremation screens: clicks on the real buttons,
// keyboard picks in the lists, and checks of the texts the screens then show.

#include "OfficiantTable.h"
#include "RadioGroup.h"
#include "ScreenHarness.h"
#include "StrCGrid.h"
#include "TableText.h"
#include "plButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <memory>

namespace {

// Steps 3 to 5 shown, as the main window holds them right after it was shown.
struct Screens : ScreenHarness {
    Screens()
    {
        showOnly({wake, ceremony, cremation});
        root.show();
    }

    template <typename T = QWidget>
    T* get(const char* name)
    {
        return find<T>(QString::fromUtf8(name));
    }
    QString text(const char* field) { return get<QLineEdit>(field)->text(); }
    QString cell(int column, int row) { return get<TStrColGrid>("StrColGrid1")->displayText(column, row); }
    QStringList line(int row) { return {cell(1, row), cell(2, row), cell(3, row), cell(4, row)}; }

    void click(const char* name) { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    void clickWakeFood(int index)
    {
        QTest::mouseClick(get<TRadioGroup>("RBtnGrpTuyaRyori")->button(index), Qt::LeftButton);
    }
    // Picks a list entry with the arrow keys, as on a closed drop-down list.
    // Each key must bring the selection closer; when one does not, the case fails.
    void pick(const char* list, int index)
    {
        auto* combo = get<QComboBox>(list);
        const auto distance = [&] { return combo->currentIndex() < 0 ? combo->count() : qAbs(combo->currentIndex() - index); };
        while (combo->currentIndex() != index) {
            const int before = distance();
            QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
            if (distance() >= before) {
                QTest::qFail(qPrintable(QStringLiteral("%1 does not go to entry %2").arg(QString::fromUtf8(list)).arg(index)), __FILE__,
                             __LINE__);
                return;
            }
        }
    }
    bool flag(lumenta::Flag f) const { return estimate.state()[f]; }
};

QString u(const char* s) { return QString::fromUtf8(s); }

} // namespace

class Steps345Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Screens> s;

private slots:
    void init() { s = std::make_unique<Screens>(); }
    void cleanup() { s.reset(); }

    // A step screen hidden at start-up decodes its fixed pictures and fits
    // its memos only once it is seen: shown, or painted into a grab.
    void hiddenScreenFinishesItsLookWhenSeen()
    {
        WakeScreen shown(s->estimate);
        QTextEdit* memo = shown.findChild<QTextEdit*>();
        QVERIFY(memo);
        const qreal unfitted = memo->document()->documentMargin();
        QVERIFY(shown.findChild<QLabel*>(u("ImgSeika"))->pixmap().isNull());
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QCoreApplication::processEvents();
        QVERIFY(memo->document()->documentMargin() != unfitted);
        for (const char* picture : {"ImgSeika", "ImgTuyaRyori"})
            QVERIFY2(!shown.findChild<QLabel*>(u(picture))->pixmap().isNull(), picture);

        CremationScreen grabbed(s->estimate);
        QVERIFY(grabbed.findChild<QLabel*>(u("ImgAto"))->pixmap().isNull());
        grabbed.grab();
        QVERIFY(!grabbed.findChild<QLabel*>(u("ImgAto"))->pixmap().isNull());
        QVERIFY(grabbed.findChild<QTextEdit*>()->document()->documentMargin() != unfitted);
    }

    void controlsTheEstimateWritesExist()
    {
        QCOMPARE(s->cremation->calculateButton()->objectName(), u("plBntCal"));
        QCOMPARE(s->cremation->discountBox()->objectName(), u("ChkDiscount"));
        QCOMPARE(s->wake->objectName(), u("PnlMainTuya"));
        QCOMPARE(s->ceremony->objectName(), u("PnlMainKoku"));
        QCOMPARE(s->cremation->objectName(), u("PnlMainKaso"));
        // Money fields are read-only; the officiants' table has its place.
        QVERIFY(s->get<QLineEdit>("SsEditSeika")->isReadOnly());
        QCOMPARE(s->get<OfficiantTable>("ImgShukyosha")->geometry(), QRect(1, 2, 453, 264));
    }

    void freshScreensShowNoChoiceAndTheFixedCharges()
    {
        QCOMPARE(s->get<QComboBox>("CBoxSeika1")->currentText(), u("  0"));
        QCOMPARE(s->get<QComboBox>("CBoxSeika2")->currentText(), u("  0"));
        QCOMPARE(s->get<QComboBox>("CBoxKokuRyori")->currentIndex(), -1);
        QCOMPARE(s->get<QComboBox>("CBoxKokuRyoriKazu")->currentIndex(), -1);
        QCOMPARE(s->get<TRadioGroup>("RBtnGrpTuyaRyori")->itemIndex(), -1);
        for (const char* b : {"RBtnUke1", "RBtnUke2", "RBtnReikyu1", "RBtnReikyu2", "RBtnReikyu3", "RBtnAto1",
                              "RBtnAto2", "ChkDiscount"})
            QVERIFY2(!s->get<QAbstractButton>(b)->isChecked(), b);
        QVERIFY(!s->get<QCheckBox>("ChkTuyaryori")->isEnabled());
        QVERIFY(!s->get<QCheckBox>("ChkTuyaryori")->isChecked());

        QCOMPARE(s->text("SsEditTuyaShikai"), u("¥52,000"));
        QCOMPARE(s->text("SsEditKokuShikai"), u("¥52,000"));
        QCOMPARE(s->text("SsEditKaso"), u("¥48,300"));
        QCOMPARE(s->text("SsEditTubo"), u("¥12,075"));
        QCOMPARE(s->text("SsEditKokoro"), u("¥20,000"));
        QCOMPARE(s->get<QLabel>("LblKaso")->text(), u("（小人 ¥26,500）"));
        for (const char* f : {"SsEditSeika", "SsEditUketuke", "SsEditTuyaRyori", "SsEditTuyaHaizen",
                              "SsEditKokuRyori", "SsEditKokuHaizen", "SsEditReikyu", "SsEditAto", "SsEditGokei"})
            QVERIFY2(s->text(f).isEmpty(), f);
        QVERIFY(s->get<QLabel>("ImgKokuRyori")->pixmap().isNull());
        QVERIFY(s->get<QLabel>("ImgReikyu")->pixmap().isNull());
        QCOMPARE(s->get<TPanel>("PnlImgReikyu")->caption(), u("種類をお選び下さい"));
        QCOMPARE(s->get<TPanel>("PnlImgKokuRyori")->caption(), u("種類をお選び下さい"));
    }

    // Every explanatory line is on screen: none wraps and none is cut off
    // at the bottom of its box.
    void explanatoryTextsShowEveryLine()
    {
        QList<QTextEdit*> memos;
        for (QWidget* screen : {static_cast<QWidget*>(s->wake), static_cast<QWidget*>(s->ceremony),
                                static_cast<QWidget*>(s->cremation)})
            memos += screen->findChildren<QTextEdit*>();
        QCOMPARE(memos.size(), 14);
        for (QTextEdit* memo : memos) {
            QTextDocument* doc = memo->document();
            const QString name = memo->objectName();
            QVERIFY2(memo->toPlainText().startsWith('\n'), qPrintable(name));
            QVERIFY2(memo->isReadOnly() && memo->focusPolicy() == Qt::NoFocus, qPrintable(name));
            const qreal height = doc->documentLayout()->documentSize().height();
            QVERIFY2(height <= memo->viewport()->height(),
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(name).arg(height).arg(memo->viewport()->height())));
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
                QVERIFY2(b.layout()->lineCount() == 1, qPrintable(name + ": " + b.text()));
        }
        QCOMPARE(s->get<QTextEdit>("MemoTuyaRyori1")->toPlainText().split('\n').last(),
                 u("　　※アルコール無し、１人当たり350円にて計算"));
    }

    void summaryGridShowsCaptionsLabelsAndGreySubtotals()
    {
        const QStringList captions{u("項　　目"), u("内　　容"), u("数量"), u("単　価"), u("金　額")};
        for (int c = 0; c < 5; ++c)
            QCOMPARE(s->cell(c, 0), captions[c]);
        QCOMPARE(s->cell(0, 1), u("　火葬料金"));
        QCOMPARE(s->cell(0, 23), u("　返礼品"));
        for (int row = 1; row <= 23; ++row)
            QVERIFY(!s->cell(0, row).isEmpty());
        auto* grid = s->get<TStrColGrid>("StrColGrid1");
        for (int row : {24, 25}) {
            for (int c = 0; c < 5; ++c) {
                QVERIFY(s->cell(c, row).isEmpty());
                const TSCGCellParam* p = grid->paramFor(c, row);
                QVERIFY(p && p->cellColorEnabled);
                QCOMPARE(p->cellColor, QColor(227, 227, 227));
                QCOMPARE(p->alignment, c >= 3 ? Qt::AlignRight : Qt::AlignLeft);
            }
        }
        // Quantities centred, prices right-aligned, in the data rows.
        QCOMPARE(grid->paramFor(2, 12)->alignment, Qt::AlignHCenter);
        QCOMPARE(grid->paramFor(3, 12)->alignment, Qt::AlignRight);
        QVERIFY(!grid->paramFor(1, 12));
        QCOMPARE(grid->layout(), TSCGCellParam::tlCenter);  // item and content beside the centred amounts
    }

    void wakeFoodWithAndWithoutPremiumNigiri()
    {
        auto* premium = s->get<QCheckBox>("ChkTuyaryori");
        s->clickWakeFood(0);
        QCOMPARE(s->text("SsEditTuyaRyori"), u("¥102,375"));
        QCOMPARE(s->text("SsEditTuyaHaizen"), u("¥10,500"));
        QCOMPARE(s->line(19), (QStringList{u("　30人分"), "1", u("¥91,875"), u("¥91,875")}));
        QVERIFY(premium->isEnabled());

        s->click("ChkTuyaryori");
        QCOMPARE(s->text("SsEditTuyaRyori"), u("¥126,000"));
        s->clickWakeFood(2);
        QCOMPARE(s->text("SsEditTuyaRyori"), u("¥179,200"));
        s->click("ChkTuyaryori");
        QCOMPARE(s->text("SsEditTuyaRyori"), u("¥146,125"));
        QCOMPARE(s->line(19)[0], u("　50人分"));
    }

    void wakeFoodOptionsReadAcrossButKeepTheirIndex()
    {
        auto* group = s->get<TRadioGroup>("RBtnGrpTuyaRyori");
        const QPoint p30 = group->button(0)->pos(), p80 = group->button(1)->pos();
        const QPoint p50 = group->button(2)->pos(), p100 = group->button(3)->pos();
        QCOMPARE(group->button(2)->text(), u("50人分"));
        QVERIFY(p50.y() == p30.y() && p50.x() > p30.x());
        QVERIFY(p80.x() == p30.x() && p80.y() > p30.y());
        QVERIFY(p100.y() == p80.y() && p100.x() == p50.x());
    }

    void ceremonyFoodNeedsDishAndQuantity()
    {
        s->pick("CBoxKokuRyoriKazu", 3);  // 20 guests, no dish yet
        QVERIFY(!s->flag(lumenta::Flag::ceremonyFoodChosen));
        QCOMPARE(s->text("SsEditKokuRyori"), u("¥7,000"));  // drinks only
        QCOMPARE(s->cell(1, 20), u("　"));
        QVERIFY(s->get<QLabel>("ImgKokuRyori")->pixmap().isNull());

        s->pick("CBoxKokuRyori", 2);
        QVERIFY(s->flag(lumenta::Flag::ceremonyFoodChosen));
        QCOMPARE(s->text("SsEditKokuRyori"), u("¥91,000"));
        QCOMPARE(s->line(20), (QStringList{u("　さくら （4,200円）"), "20", u("¥4,200"), u("¥84,000")}));
        QVERIFY(!s->get<QLabel>("ImgKokuRyori")->pixmap().isNull());

        s->pick("CBoxKokuRyoriKazu", 7);  // 40 guests: two serving staff
        QCOMPARE(s->text("SsEditKokuRyori"), u("¥182,000"));
        QCOMPARE(s->text("SsEditKokuHaizen"), u("¥21,000"));
    }

    void dishWithoutQuantityIsRefused()
    {
        s->pick("CBoxKokuRyori", 0);
        QVERIFY(!s->flag(lumenta::Flag::ceremonyFoodChosen));
        QCOMPARE(s->text("SsEditKokuRyori"), u("¥0"));
    }

    void drinksAndServingCoverBothDays_data()
    {
        QTest::addColumn<bool>("wakeFirst");
        QTest::newRow("wake then ceremony") << true;
        QTest::newRow("ceremony then wake") << false;
    }

    void drinksAndServingCoverBothDays()
    {
        QFETCH(bool, wakeFirst);
        const auto wake = [&] { s->clickWakeFood(2); };  // 50 guests, one server
        const auto ceremony = [&] {
            s->pick("CBoxKokuRyori", 0);
            s->pick("CBoxKokuRyoriKazu", 3);  // 20 guests, one server
        };
        if (wakeFirst) {
            wake();
            ceremony();
        } else {
            ceremony();
            wake();
        }
        QCOMPARE(s->line(21), (QStringList{u("　通夜・告別式両日人数分"), "70", u("¥350"), u("¥24,500")}));
        QCOMPARE(s->line(22), (QStringList{u("　通夜及び葬儀、告別式両日"), "2", u("¥10,500"), u("¥21,000")}));
    }

    void hearsePriceFollowsTheHall()
    {
        s->estimate.chooseHall(3);
        QVERIFY(!s->get<QRadioButton>("RBtnReikyu1")->isEnabled());
        QCOMPARE(s->get<QRadioButton>("RBtnReikyu2")->text(), u("普通車（18,522円）"));
        QCOMPARE(s->get<QRadioButton>("RBtnReikyu3")->text(), u("指定車（38,066円）"));
        s->click("RBtnReikyu1");  // disabled: nothing happens
        QVERIFY(!s->flag(lumenta::Flag::hearseChosen));
        s->click("RBtnReikyu2");
        QCOMPARE(s->text("SsEditReikyu"), u("¥18,522"));
        QCOMPARE(s->line(7), (QStringList{u("　普通車"), "1", u("¥18,522"), u("¥18,522")}));
        QVERIFY(!s->get<QLabel>("ImgReikyu")->pixmap().isNull());

        // Another hall clears the hearse without running its rule.
        s->estimate.chooseHall(1);
        for (const char* b : {"RBtnReikyu1", "RBtnReikyu2", "RBtnReikyu3"})
            QVERIFY2(!s->get<QRadioButton>(b)->isChecked(), b);
        QVERIFY(s->text("SsEditReikyu").isEmpty());
        QVERIFY(!s->flag(lumenta::Flag::hearseChosen));
        QVERIFY(s->get<QRadioButton>("RBtnReikyu1")->isEnabled());
        QCOMPARE(s->get<QRadioButton>("RBtnReikyu2")->text(), u("普通車（13,958円）"));
        s->click("RBtnReikyu2");
        QCOMPARE(s->text("SsEditReikyu"), u("¥13,958"));
        s->click("RBtnReikyu1");
        QCOMPARE(s->text("SsEditReikyu"), u("¥0"));
        QCOMPARE(s->line(7)[0], u("　台車"));
    }

    void flowersCountStandsOfBothKinds()
    {
        s->view.setText(lumenta::Control::SsEditGokei, "¥1");  // as after a calculation
        s->pick("CBoxSeika1", 2);
        QVERIFY(s->text("SsEditGokei").isEmpty());
        s->pick("CBoxSeika2", 1);
        QCOMPARE(s->text("SsEditSeika"), u("¥52,500"));
        QCOMPARE(s->line(9), (QStringList{u("　菊花：15,750円 / 洋花：21,000円"), "3", "", u("¥52,500")}));
    }

    void receptionAndAfterAltarNotWantedCostNothing()
    {
        s->click("RBtnUke2");
        QCOMPARE(s->text("SsEditUketuke"), u("¥0"));
        QCOMPARE(s->line(17)[1], u("0"));
        s->click("RBtnUke1");
        QCOMPARE(s->text("SsEditUketuke"), u("¥20,000"));
        QVERIFY(!s->get<QRadioButton>("RBtnUke2")->isChecked());

        s->click("RBtnAto2");
        QCOMPARE(s->line(14), (QStringList{u("　1段後飾り"), "1", u("¥0"), u("¥0")}));
        s->click("RBtnAto1");
        QCOMPARE(s->text("SsEditAto"), u("¥10,500"));
        QVERIFY(s->flag(lumenta::Flag::afterAltarChosen));
    }
};

int runSteps345Test(int argc, char* argv[])
{
    Steps345Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "Steps345Test.moc"
