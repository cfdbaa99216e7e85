#include "AccessibleNames.h"

#include "Panel.h"
#include "SpokenText.h"
#include "SsEdit.h"
#include "StrCGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QTextEdit>

namespace {

// Controls whose name is not (only) their item's title.
struct Named {
    const char* control;
    const char* name;
    bool afterTitle;  // true: spoken after the item's title, "title：name"
};

const Named kNames[] = {
    // Lists that share an item with another list, or say what they count.
    {"CBoxHanso", "移動距離（km）", true},
    {"CBoxHokan", "通夜までの日数", true},
    {"CBoxHenrei1", "返礼品の種類", true},
    {"CBoxHenrei2", "返礼品の個数", true},
    {"CBoxReijo", "礼状の枚数", true},
    {"CBoxSeika1", "菊花の基数", true},
    {"CBoxSeika2", "洋花の基数", true},
    {"CBoxKokuRyori", "お料理の種類", true},
    {"CBoxKokuRyoriKazu", "お料理の人数", true},
    // Fields and panels outside any item.
    {"SsEditGokei", "合計（消費税込）", false},
    {"StrColGrid1", "見積りの明細", false},
    {"PnlCM1", "家族葬のヴェルモラのホームページを開く", false},
    {"Memo1", "はじめに", false},
    {"Memo2", "火葬場併設式場で葬儀を行うメリットとデメリット", false},
    // Pictures.
    {"ImgIcon", "ヴェルモラのアイコン", false},
    {"ImgTop", "六つの火葬場併設式場の外観", false},
    {"ImgMap", "東京23区の地図と六つの斎場", false},
    {"ImgAnti", "病院から火葬場の霊安室までの移動と保管", false},
    {"ImgHitugi1", "選んだ棺の写真", false},
    {"ImgSaidan1", "選んだ祭壇の写真", false},
    {"Imghenrei", "選んだ返礼品の写真", false},
    {"ImgSeika", "菊花と洋花の生花スタンド", false},
    {"ImgTuyaRyori", "巻物寿司、野菜天・唐揚げ、煮物の盛り合わせ", false},
    {"ImgKokuRyori", "選んだお料理の写真", false},
    {"ImgReikyu", "選んだ霊柩車の写真", false},
    {"ImgShukyosha", "各宗教・宗旨宗派のお礼と戒名の参考金額の表", false},
    {"ImgAto", "後飾りの祭壇", false},
    {"Img51", "白木棺", false},
    {"Img52", "布棺", false},
    {"Img53", "雅の棺", false},
    {"Img61", "白木祭壇", false},
    {"Img62", "花祭壇 花1", false},
    {"Img63", "花祭壇 花2", false},
    {"Img64", "花祭壇 花3", false},
    {"Img91", "ハンカチ", false},
    {"Img92", "お茶", false},
    {"Img93", "のり・日高昆布・かつおパックの即返し", false},
    {"Img94", "返礼品なし", false},
    {"Img131", "お料理 すずらん", false},
    {"Img132", "お料理 あけび", false},
    {"Img133", "お料理 さくら", false},
    {"Img151", "台車", false},
    {"Img152", "普通車の霊柩車", false},
    {"Img153", "宮型の指定車の霊柩車", false},
};

// Labels whose blank is where a list sits, and the list.
const std::pair<const char*, const char*> kSentences[] = {
    {"LblHanso1", "CBoxHanso"}, // 移動距離：[10]kmまで
    {"LblHokan", "CBoxHokan"}, // 通夜は[2]日後 （霊安室に …）
    {"LblHenrei1", "CBoxHenrei2"}, // ×[30]個
    {"LblHenrei2", "CBoxReijo"}, // 礼状 （1枚…円）×[30]枚
};

// An item panel's header bar: its child named like it with "1" added
// (PnlHokan -> PnlHokan1), whose caption is indented by two ideographic
// spaces (a frame's caption or a note is not).
const TPanel* itemHeader(const QWidget* panel)
{
    if (panel->objectName().isEmpty())
        return nullptr;
    const auto* header = panel->findChild<TPanel*>(panel->objectName() + u'1', Qt::FindDirectChildrenOnly);
    return header && header->caption().startsWith(QStringLiteral("\u3000\u3000")) ? header : nullptr;
}

// The header caption of the item that holds a control.
QString itemTitle(const QWidget* control)
{
    for (const QWidget* a = control; a; a = a->parentWidget())
        if (const TPanel* header = itemHeader(a))
            return spokenText(header->caption());
    return {};
}

const Named* tableEntry(const QWidget* w)
{
    for (const Named& n : kNames)
        if (w->objectName() == QLatin1String(n.control))
            return &n;
    return nullptr;
}

QString nameFor(const QWidget* w)
{
    if (const Named* n = tableEntry(w)) {
        const QString own = QString::fromUtf8(n->name);
        const QString title = n->afterTitle ? itemTitle(w) : QString();
        return title.isEmpty() ? own : title + QStringLiteral("：") + own;
    }
    // A frame says its own title; the item's title is its item panel's.
    if (const auto* frame = qobject_cast<const QGroupBox*>(w))
        return spokenText(frame->title());
    if (qobject_cast<const TSsEdit*>(w) || qobject_cast<const QComboBox*>(w))
        return itemTitle(w);
    if (qobject_cast<const QTextEdit*>(w)) {
        const QString title = itemTitle(w);
        return title.isEmpty() ? title : title + QStringLiteral("の説明");
    }
    return {};
}

} // namespace

QString itemPanelTitle(const QWidget* panel)
{
    const TPanel* header = itemHeader(panel);
    return header ? spokenText(header->caption()) : QString();
}

const QWidget* itemPanelOf(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (!itemPanelTitle(w).isEmpty())
            return w;
    return nullptr;
}

bool isSentenceLabel(const QWidget* label)
{
    for (const auto& [name, list] : kSentences)
        if (label->objectName() == QLatin1String(name))
            return true;
    return false;
}

bool isItemHeader(const QWidget* panel)
{
    return panel->parentWidget() && itemHeader(panel->parentWidget()) == panel;
}

void nameControls(QWidget* window)
{
    for (const auto& [label, list] : kSentences) {
        QWidget* l = window->findChild<QWidget*>(QLatin1String(label));
        QWidget* b = window->findChild<QWidget*>(QLatin1String(list));
        if (l && b)
            b->setProperty(kSentenceLabel, QVariant::fromValue<QObject*>(l));
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->accessibleName().isEmpty())
            continue;
        const QString name = nameFor(w);
        if (name.isEmpty())
            continue;
        w->setAccessibleName(name);
    }
}
