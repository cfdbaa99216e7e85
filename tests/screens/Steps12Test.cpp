// The start screen, steps 1 and 2 and the picture store.

#include "RadioGroup.h"
#include "ScreenHarness.h"
#include "ServiceSlogan.h"
#include "TableText.h"
#include "plButton.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <memory>

namespace {

const QString kChooseCaption = QStringLiteral("種類をお選び下さい");

// Clicks a radio button on its circle, wherever the text stands.
void clickRadio(QAbstractButton* button)
{
    QVERIFY(button);
    const int x = button->layoutDirection() == Qt::RightToLeft ? button->width() - 8 : 8;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(x, button->height() / 2));
}

// Picks a list entry with the arrow keys, as a user does on a closed list.
void choose(QComboBox* list, int index)
{
    QVERIFY(list);
    for (int guard = 0; list->currentIndex() != index && guard < 20; ++guard)
        QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(list->currentIndex(), index);
}

QStringList memoLines(const QTextEdit* memo) { return memo->toPlainText().split(QLatin1Char('\n')); }

} // namespace

class Steps12Test : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenHarness> h;

    QString text(const char* name) const
    {
        QWidget* w = h->find(QLatin1String(name));
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text();
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        return QStringLiteral("<no text in %1>").arg(QLatin1String(name));
    }
    QString cell(int column, int row) const { return QString::fromStdString(h->estimate.grid().cell(column, row)); }
    QAbstractButton* button(const char* name) const { return h->find<QAbstractButton>(QLatin1String(name)); }
    QComboBox* list(const char* name) const { return h->find<QComboBox>(QLatin1String(name)); }
    TRadioGroup* group(const char* name) const { return h->find<TRadioGroup>(QLatin1String(name)); }
    bool showsPicture(const char* name) const
    {
        return !h->find<QLabel>(QLatin1String(name))->pixmap().isNull();
    }

private slots:
    void init()
    {
        h = std::make_unique<ScreenHarness>();
        h->showOnly({h->place});
        h->root.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h->root));
    }
    void cleanup() { h.reset(); }

    // The compiler checks that each control the screens attach is in their
    // forms; this checks that none of the estimate's controls is left out.
    void everyControlTheRulesWriteIsAttached()
    {
        QStringList missing;
        for (lumenta::Control control : h->view.missing())
            missing << tableText(lumenta::controlName(control));
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    void freshStartHasNothingChosen()
    {
        for (const char* name : {"RBtnMap1", "RBtnMap2", "RBtnMap3", "RBtnMap4", "RBtnMap5", "RBtnMap6",
                                 "RBtnShindan1", "RBtnShindan2", "RBtnKesho1", "RBtnKesho2", "RBtnIei1", "RBtnIei2"})
            QVERIFY2(!button(name)->isChecked(), name);
        QCOMPARE(group("RBtnGrpHitugi")->itemIndex(), -1);
        QCOMPARE(group("RBtnGrpSaidan")->itemIndex(), -1);
        for (const char* name : {"CBoxHanso", "CBoxHokan", "CBoxHenrei1"})
            QCOMPARE(list(name)->currentIndex(), -1);
        for (const char* name : {"CBoxHenrei2", "CBoxReijo"}) {
            QCOMPARE(list(name)->count(), 13);
            QCOMPARE(list(name)->currentText(), QStringLiteral("   0"));
            QCOMPARE(list(name)->itemText(12), QStringLiteral(" 120"));
        }
        for (const char* name : {"SsEditMap", "SsEditHanso", "SsEditHokan", "SsEditShindan", "SsEditHitugi",
                                 "SsEditSaidan", "SsEditKesho", "SsEditIei", "SsEditHenrei", "LblMapInfo1",
                                 "LblMapInfo"})
            QVERIFY2(text(name).isEmpty(), name);
        QCOMPARE(text("LblHokan"), QStringLiteral("通夜は　　　　　　日後 （霊安室に □日保管 + ﾄﾞﾗｲｱｲｽ 1日分）"));
        for (const char* frame : {"PnlImgHitugi", "PnlImgSaidan", "Panel2"})
            QCOMPARE(h->find<TPanel>(QLatin1String(frame))->caption(), kChooseCaption);
        for (const char* picture : {"ImgHitugi1", "ImgSaidan1", "Imghenrei"})
            QVERIFY2(!showsPicture(picture), picture);
        QVERIFY(h->find<QLabel>("LblImgHenrei")->isHidden());
    }

    void hallButtonsStandOnTheMapAsOneExclusiveSet()
    {
        auto* map = h->find<TPanel>("PnlMap0");
        const struct {
            const char* name;
            QRect at;
            bool textLeft;
        } halls[] = {
            {"RBtnMap1", {5, 169, 95, 17}, true},    {"RBtnMap3", {72, 149, 85, 17}, true},
            {"RBtnMap4", {186, 105, 90, 17}, true},  {"RBtnMap5", {350, 105, 100, 17}, false},
            {"RBtnMap2", {139, 217, 100, 17}, false}, {"RBtnMap6", {193, 305, 102, 17}, false},
        };
        for (const auto& hall : halls) {
            QAbstractButton* b = button(hall.name);
            QCOMPARE(b->parentWidget(), map);
            QCOMPARE(b->geometry(), hall.at);
            QCOMPARE(b->layoutDirection() == Qt::RightToLeft, hall.textLeft);
            // On the map's grey, not the button face.
            QCOMPARE(b->grab().toImage().pixelColor(b->width() / 2, 0), QColor(227, 227, 227));
        }
        clickRadio(button("RBtnMap5"));
        clickRadio(button("RBtnMap1"));
        QVERIFY(button("RBtnMap1")->isChecked());
        QVERIFY(!button("RBtnMap5")->isChecked());
    }

    void eachHallButtonChoosesItsHall()
    {
        const struct {
            const char* button;
            const char* hall;
        } halls[] = {{"RBtnMap1", "堀之内斎場"}, {"RBtnMap2", "代々幡斎場"}, {"RBtnMap3", "落合斎場"},
                     {"RBtnMap4", "町屋斎場"},   {"RBtnMap5", "四ツ木斎場"}, {"RBtnMap6", "桐ヶ谷斎場"}};
        for (const auto& hall : halls) {
            clickRadio(button(hall.button));
            QCOMPARE(text("LblMapInfo"), QString::fromUtf8(hall.hall));
            QCOMPARE(text("LblMapInfo1"), QStringLiteral("選択の式場は"));
            QCOMPARE(text("SsEditMap"), QStringLiteral("¥236,775"));
            QCOMPARE(cell(1, 4), QStringLiteral("　") + QString::fromUtf8(hall.hall));
            QCOMPARE(h->estimate.chosenHall(), hall.button[7] - '0');
        }
    }

    void distanceRunsOnTheUsersPickOnly()
    {
        list("CBoxHanso")->setCurrentIndex(2);  // not a user's pick
        QVERIFY(text("SsEditHanso").isEmpty());
        choose(list("CBoxHanso"), 4);
        QCOMPARE(text("SsEditHanso"), QStringLiteral("¥26,302"));
        QCOMPARE(cell(1, 6), QStringLiteral("　移動距離： 50kmまで"));
        QCOMPARE(cell(4, 6), QStringLiteral("¥26,302"));
        // A typed digit picks the entry it begins, past the entry's leading spaces.
        QTest::keyClick(list("CBoxHanso"), Qt::Key_3);
        QCOMPARE(list("CBoxHanso")->currentIndex(), 2);
        QCOMPARE(cell(1, 6), QStringLiteral("　移動距離： 30kmまで"));
        QTest::keyClick(list("CBoxHokan"), Qt::Key_5);
        QCOMPARE(list("CBoxHokan")->currentIndex(), 2);
    }

    void storageDaysRewriteTheirLabel()
    {
        choose(list("CBoxHokan"), 3);
        QCOMPARE(text("SsEditHokan"), QStringLiteral("¥47,730"));
        QCOMPARE(text("LblHokan"), QStringLiteral("通夜は　　　　　　日後 （霊安室に 5日保管 + ﾄﾞﾗｲｱｲｽ 1日分）"));
        choose(list("CBoxHokan"), 0);
        QCOMPARE(text("SsEditHokan"), QStringLiteral("¥24,105"));
        QCOMPARE(text("LblHokan"), QStringLiteral("通夜は　　　　　　日後 （霊安室に 2日保管 + ﾄﾞﾗｲｱｲｽ 1日分）"));
        QCOMPARE(cell(2, 2), QStringLiteral("2"));
    }

    void proceduresFollowTheCheckedButton()
    {
        clickRadio(button("RBtnShindan2"));
        QCOMPARE(text("SsEditShindan"), QStringLiteral("¥0"));
        QCOMPARE(cell(2, 15), QStringLiteral("0"));
        clickRadio(button("RBtnShindan1"));
        QVERIFY(!button("RBtnShindan2")->isChecked());
        QCOMPARE(text("SsEditShindan"), QStringLiteral("¥15,750"));
        QCOMPARE(cell(3, 15), QStringLiteral("¥15,750"));
    }

    void coffinIndexFollowsTheEntryListNotTheScreen()
    {
        h->showOnly({h->preparation});
        TRadioGroup* coffins = group("RBtnGrpHitugi");
        QAbstractButton* tallPlainWood = coffins->button(3);
        QCOMPARE(tallPlainWood->text(), QStringLiteral("白木棺(6.25尺)"));
        // Top of the right column.
        QCOMPARE(tallPlainWood->y(), coffins->button(0)->y());
        QVERIFY(tallPlainWood->x() > coffins->button(2)->x());
        QVERIFY(coffins->button(2)->y() > coffins->button(1)->y());

        clickRadio(tallPlainWood);
        QCOMPARE(coffins->itemIndex(), 3);
        QCOMPARE(text("SsEditHitugi"), QStringLiteral("¥49,900"));
        QCOMPARE(cell(1, 10), QStringLiteral("　白木棺（6.25尺）"));
        // Both lengths of a kind show the same stored picture.
        QCOMPARE(h->find<QLabel>("ImgHitugi1")->pixmap().cacheKey(), h->store->picture("Img51").cacheKey());

        clickRadio(coffins->button(5));
        QCOMPARE(text("SsEditHitugi"), QStringLiteral("¥88,200"));
        QCOMPARE(h->find<QLabel>("ImgHitugi1")->pixmap().cacheKey(), h->store->picture("Img53").cacheKey());
    }

    void altarMakeupAndPortrait()
    {
        h->showOnly({h->preparation});
        TRadioGroup* altars = group("RBtnGrpSaidan");
        QCOMPARE(altars->button(1)->text(), QStringLiteral("花1"));
        QVERIFY(altars->button(1)->x() == altars->button(0)->x());  // left column: 白木5尺, 花1
        clickRadio(altars->button(0));
        QCOMPARE(text("SsEditSaidan"), QStringLiteral("¥105,000"));
        QCOMPARE(cell(1, 8), QStringLiteral("　白木5尺"));
        QVERIFY(showsPicture("ImgSaidan1"));

        clickRadio(button("RBtnKesho2"));
        QCOMPARE(text("SsEditKesho"), QStringLiteral("¥0"));
        clickRadio(button("RBtnKesho1"));
        QCOMPARE(text("SsEditKesho"), QStringLiteral("¥26,000"));
        clickRadio(button("RBtnIei1"));
        QCOMPARE(text("SsEditIei"), QStringLiteral("¥27,000"));
        clickRadio(button("RBtnIei2"));
        QCOMPARE(text("SsEditIei"), QStringLiteral("¥0"));
        QCOMPARE(cell(2, 13), QStringLiteral("0"));
    }

    void lettersAloneWithNoGiftKind()
    {
        h->showOnly({h->preparation});
        choose(list("CBoxReijo"), 3);
        QCOMPARE(text("SsEditHenrei"), QStringLiteral("¥2,520"));
        QCOMPARE(cell(1, 23), QStringLiteral("　"));
        QCOMPARE(cell(2, 23), QStringLiteral("0"));
        QCOMPARE(cell(2, 18), QStringLiteral("30"));
        QVERIFY(!showsPicture("Imghenrei"));
    }

    // Digits typed quickly build one number, on the closed list and in its
    // open pop-up alike, past the entries' leading spaces.
    void typedDigitsBuildANumber()
    {
        h->showOnly({h->preparation});
        QComboBox* letters = list("CBoxReijo");
        QTest::keyClicks(letters, "100");
        QCOMPARE(letters->currentText(), QStringLiteral(" 100"));
        QCOMPARE(cell(2, 18), QStringLiteral("100"));
        for (const auto& [typed, entry] : {std::pair{"1", "  10"}, {"120", " 120"}}) {
            QTest::qWait(QApplication::keyboardInputInterval() + 1); // a new number
            letters->showPopup();
            QTest::keyClicks(letters->view(), typed);
            QTest::keyClick(letters->view(), Qt::Key_Return);
            QCOMPARE(letters->currentText(), QString::fromLatin1(entry));
        }
        QCOMPARE(cell(2, 18), QStringLiteral("120"));
    }

    void giftKindsShowTheirPictureAndContents()
    {
        h->showOnly({h->preparation});
        choose(list("CBoxHenrei1"), 1);  // tea
        choose(list("CBoxHenrei2"), 5);
        choose(list("CBoxReijo"), 4);
        QCOMPARE(text("SsEditHenrei"), QStringLiteral("¥45,360"));
        QCOMPARE(h->find<QLabel>("Imghenrei")->pixmap().cacheKey(), h->store->picture("Img92").cacheKey());
        QVERIFY(h->find<QLabel>("LblImgHenrei")->isHidden());
        choose(list("CBoxHenrei1"), 2);  // the immediate-return set lists its contents
        QVERIFY(h->find<QLabel>("LblImgHenrei")->isVisible());
        QCOMPARE(text("SsEditHenrei"), QStringLiteral("¥160,860"));
    }

    void noGiftsEmptiesTheFrameAndResetsTheCountQuietly()
    {
        h->showOnly({h->preparation});
        choose(list("CBoxHenrei1"), 0);  // handkerchiefs
        choose(list("CBoxHenrei2"), 5);
        choose(list("CBoxReijo"), 4);
        QVERIFY(showsPicture("Imghenrei"));
        QSignalSpy countChanges(list("CBoxHenrei2"), &QComboBox::currentIndexChanged);

        choose(list("CBoxHenrei1"), 3);
        QCOMPARE(list("CBoxHenrei1")->currentText(), QStringLiteral("－返礼品は不要"));
        QCOMPARE(list("CBoxHenrei2")->currentText(), QStringLiteral("   0"));
        QCOMPARE(countChanges.count(), 0);  // set back without running the rule again
        QVERIFY(!showsPicture("Imghenrei"));
        QCOMPARE(h->find<TPanel>("Panel2")->caption(), kChooseCaption);
        QVERIFY(h->find<QLabel>("LblImgHenrei")->isHidden());
        QCOMPARE(text("SsEditHenrei"), QStringLiteral("¥3,360"));
        QCOMPARE(cell(2, 23), QStringLiteral("0"));

        // While there are no gifts, a count picked from the list goes back to
        // "   0" and costs nothing.
        list("CBoxHenrei2")->setCurrentIndex(2);
        QCOMPARE(list("CBoxHenrei2")->currentText(), QStringLiteral("   0"));
        QCOMPARE(cell(2, 23), QStringLiteral("0"));
        QCOMPARE(text("SsEditHenrei"), QStringLiteral("¥3,360"));
    }

    void pictureStoreDecodesOnFirstAskAndKeeps()
    {
        PictureStore* store = h->store;
        QVERIFY(store->isHidden());
        const struct {
            const char* name;
            QSize size;
        } stored[] = {
            {"Img51", {190, 110}},  {"Img52", {190, 110}},  {"Img53", {190, 110}},  {"Img61", {260, 160}},
            {"Img62", {260, 160}},  {"Img63", {260, 160}},  {"Img64", {260, 160}},  {"Img91", {140, 100}},
            {"Img92", {140, 100}},  {"Img93", {140, 100}},  {"Img131", {190, 100}}, {"Img132", {190, 100}},
            {"Img133", {190, 100}}, {"Img151", {199, 100}}, {"Img152", {199, 100}}, {"Img153", {199, 100}},
        };
        for (const auto& s : stored) {
            auto* kept = store->findChild<QLabel*>(QLatin1String(s.name));
            QVERIFY2(kept && kept->pixmap().isNull(), s.name);  // nothing decoded at start
            const QPixmap picture = store->picture(QLatin1String(s.name));
            QCOMPARE(picture.size(), s.size);
            QCOMPARE(kept->pixmap().cacheKey(), picture.cacheKey());
            QCOMPARE(store->picture(QLatin1String(s.name)).cacheKey(), picture.cacheKey());
        }
        QCOMPARE(store->findChild<QLabel*>("Img94")->size(), QSize(141, 100));
        for (const char* none : {"Img94", "Img99", "Panel1", "ImgHitugi1", ""})
            QVERIFY2(store->picture(QLatin1String(none)).isNull(), none);
    }

    // The widgets' own properties come from the forms by name, so a
    // misspelt key would go unnoticed but for this.
    void designedPanelsAndButtons()
    {
        auto* header = h->find<TPanel>("PnlMap1");
        QCOMPARE(header->bevelInner(), TPanel::bvRaised);
        QCOMPARE(header->bevelOuter(), TPanel::bvLowered);
        QCOMPARE(header->captionAlignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(header->caption(), QStringLiteral("　　式場（火葬場）の選択"));
        QCOMPARE(header->color(), QColor(255, 235, 161));
        QCOMPARE(h->find<TPanel>("PnlMainBasho")->color(), QColor(250, 190, 76));
        QCOMPARE(h->find<TPanel>("PnlAnti2")->color(), QColor(192, 192, 192));
        QCOMPARE(h->find<TPanel>("PnlShindan2")->bevelOuter(), TPanel::bvNone);
        QCOMPARE(h->find<TPanel>("PnlMapInfo")->bevelInner(), TPanel::bvLowered);
        QCOMPARE(h->find<TPanel>("PnlMainTop21")->bevelOuter(), TPanel::bvNone);
        QCOMPARE(h->find<TPanel>("PnlImgSaidan")->color(), QColor(128, 128, 128));
        QCOMPARE(group("RBtnGrpSaidan")->columns(), 2);
        QCOMPARE(group("RBtnGrpSaidan")->items().size(), 4);
        QCOMPARE(group("RBtnGrpSaidan")->title(), QStringLiteral(" 祭壇の種類 "));

        TplButton* startButton = h->start->startButton();
        QCOMPARE(startButton->buttonStyle(), TplButton::bsRoundRect);
        QCOMPARE(startButton->gradEndColor(), QColor(226, 221, 199));
        QCOMPARE(startButton->captionTop(), 20);
        QVERIFY(!startButton->captionVertCenter());
    }

    void startScreenTexts()
    {
        StartScreen* start = h->start;
        QCOMPARE(start->startButton()->objectName(), QStringLiteral("plBtnStart"));
        QCOMPARE(start->startButton()->captionA(), QStringLiteral("見積りを開始します"));
        QCOMPARE(start->startButton()->geometry(), QRect(107, 546, 270, 50));
        QCOMPARE(start->startButton()->focusPolicy(), Qt::ClickFocus);

        const QStringList intro = memoLines(start->findChild<QTextEdit*>("Memo1"));
        QCOMPARE(intro.size(), 11);
        QVERIFY(intro.first().isEmpty());
        QVERIFY(intro.last().contains(QStringLiteral("\"見積もりを開始します\"")));
        // The plan family is named by the banner's slogan.
        QVERIFY(intro.join(QString()).contains(QStringLiteral("「%1」").arg(QString::fromUtf8(kServiceSlogan))));

        const QStringList pros = memoLines(start->findChild<QTextEdit*>("Memo2"));
        QCOMPARE(pros.size(), 32);
        QVERIFY(pros.first().isEmpty());
        QCOMPARE(pros.filter(QStringLiteral("■ 火葬場併設式場で葬儀を行うメリット")).size(), 1);
        QCOMPARE(pros.filter(QStringLiteral("■ 火葬場併設式場で葬儀を行うデメリット")).size(), 1);
        for (const QString& number : {QStringLiteral("　１、"), QStringLiteral("　２，"), QStringLiteral("　３、"),
                                      QStringLiteral("　４，")})
            QCOMPARE(pros.filter(QRegularExpression(QStringLiteral("^") + number)).size(), 2);
    }

    void memosFitTheirBoxesInTheirFonts()
    {
        for (QWidget* screen : {static_cast<QWidget*>(h->start), static_cast<QWidget*>(h->place),
                                static_cast<QWidget*>(h->preparation)}) {
            h->showOnly({screen});
            for (QTextEdit* memo : screen->findChildren<QTextEdit*>()) {
                QVERIFY2(memoLines(memo).first().isEmpty(), qPrintable(memo->objectName()));
                QVERIFY2(memo->isReadOnly() && memo->focusPolicy() == Qt::NoFocus, qPrintable(memo->objectName()));
                const qreal used = memo->document()->documentLayout()->documentSize().height();
                QVERIFY2(used <= memo->viewport()->height(), qPrintable(memo->objectName()));
            }
        }
    }

    void fontsHaveTheirPixelSizes()
    {
        const struct {
            const char* name;
            int px;
        } fonts[] = {{"MemoMap", 15}, {"RBtnMap4", 15}, {"LblMapInfo1", 12}, {"LblMapInfo", 16},
                     {"LblHanso2", 11}, {"LblHenrei4", 13}, {"LblImgHenrei", 12}, {"plBtnStart", 16},
                     {"Memo2", 15}, {"RBtnGrpHitugi_3", 15}, {"LblSeika3", 13}, {"LblSeika4", 15}};
        for (const auto& f : fonts) {
            auto* w = h->find(QLatin1String(f.name));
            QVERIFY2(w, f.name);
            QCOMPARE(w->font().pixelSize(), f.px);
            QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("IPAPGothic"));
        }
    }
};

int runSteps12Test(int argc, char* argv[])
{
    Steps12Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "Steps12Test.moc"
