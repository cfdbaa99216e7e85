#include "PriceAnnouncer.h"

#include "AccessibleNames.h"
#include "DirectSpeech.h"
#include "SpokenText.h"
#include "SsEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <algorithm>

namespace {

// The notice is sent this long after the change, so that all that one key
// changed is said at once; a screen reader queues it behind what it says of
// the key itself.
constexpr auto kAfterChoice = std::chrono::milliseconds(100);
// A screen reader reads the notice as it shows; this long after, the notice
// leaves the window's accessible tree again, saying nothing.
constexpr auto kHeardWithin = std::chrono::milliseconds(2000);

// How a money field is spoken: its item in a word or two after the amount
// ("49,900円 柩"), so that the amount is heard first and the notice ends
// before the user's next key, written as a voice reads it right (柩 ひつぎ,
// not 棺 かん; あと飾り, not 後 こう); and what is said when a change
// empties it.
struct SpokenField {
    const char* field;
    const char* item;
    const char* emptied;
};

const SpokenField kSpokenFields[] = {
    {"SsEditMap", "式場", nullptr},
    {"SsEditHanso", "搬送", nullptr},
    {"SsEditHokan", "保管", nullptr},
    {"SsEditShindan", "手続き", nullptr},
    {"SsEditHitugi", "柩", nullptr},
    {"SsEditSaidan", "祭壇", nullptr},
    {"SsEditKesho", "死化粧", nullptr},
    {"SsEditIei", "遺影写真", nullptr},
    {"SsEditHenrei", "返礼品", nullptr},
    {"SsEditSeika", "生花", nullptr},
    {"SsEditUketuke", "受付設備", nullptr},
    {"SsEditTuyaRyori", "通夜料理", nullptr},
    {"SsEditTuyaShikai", "通夜の司会", nullptr},
    {"SsEditTuyaHaizen", "通夜の配膳", nullptr},
    {"SsEditKokuRyori", "告別式料理", nullptr},
    {"SsEditKokuShikai", "告別式の司会", nullptr},
    {"SsEditKokuHaizen", "告別式の配膳", nullptr},
    {"SsEditReikyu", "霊柩車", "霊柩車の選択が外れました"},
    {"SsEditAto", "あと飾り", nullptr},
    {"SsEditKaso", "火葬料金", nullptr},
    {"SsEditTubo", "骨壷", nullptr},
    {"SsEditKokoro", "心付け", nullptr},
    {"SsEditGokei", "合計", "合計は計算し直して下さい"},
};

const SpokenField* spokenField(const QWidget* field)
{
    for (const SpokenField& f : kSpokenFields)
        if (field->objectName() == QLatin1String(f.field))
            return &f;
    return nullptr;
}

// "49,900円 柩" for an amount, or only "49,900円" for the item the user is
// on; for a field a change emptied, what that means; for a list with the
// focus, its new entry (which the screen reader does not say itself).
QString noticeOf(const QWidget* source)
{
    if (const auto* list = qobject_cast<const QComboBox*>(source))
        return list->hasFocus() ? spokenText(list->currentText()) : QString();
    const auto* field = static_cast<const TSsEdit*>(source);
    const SpokenField* spoken = spokenField(field);
    if (field->text().isEmpty())
        return spoken && spoken->emptied ? QString::fromUtf8(spoken->emptied) : QString();
    const QWidget* item = itemPanelOf(field);
    if (item && item == itemPanelOf(QApplication::focusWidget()))
        return spokenYen(field->text());
    return spokenYen(field->text()) + u' ' + (spoken ? QString::fromUtf8(spoken->item) : field->accessibleName());
}

// The order of a notice: a list's entry, the new amounts, what was emptied.
int rank(const QPointer<QWidget>& source)
{
    if (qobject_cast<QComboBox*>(source))
        return 0;
    const auto* field = qobject_cast<TSsEdit*>(source);
    return field && field->text().isEmpty() ? 2 : 1;
}

} // namespace

SpokenNotice::SpokenNotice(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("SpokenNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

PriceAnnouncer::PriceAnnouncer(QWidget* window)
    : QObject(window), window_(window), speech_(new DirectSpeech(this)), listening_(QAccessible::isActive())
{
    QAccessible::installActivationObserver(this);
    delay_.setSingleShot(true);
    delay_.setInterval(kAfterChoice);
    connect(&delay_, &QTimer::timeout, this, &PriceAnnouncer::speak);
    heard_.setSingleShot(true);
    heard_.setInterval(kHeardWithin);
    connect(&heard_, &QTimer::timeout, this, [this] {
        if (!notice_)
            return;
        notice_->hide();
        notice_->setAccessibleName({});
    });
}

void PriceAnnouncer::watch(QWidget* root)
{
    for (TSsEdit* field : root->findChildren<TSsEdit*>())
        connect(field, &QLineEdit::textChanged, this, [this, field] { queue(field); });
    for (QComboBox* list : root->findChildren<QComboBox*>())
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] {
            if (list->hasFocus())
                queue(list);
        });
}

PriceAnnouncer::~PriceAnnouncer() { QAccessible::removeActivationObserver(this); }

void PriceAnnouncer::announce(TSsEdit* field) { queue(field); }

void PriceAnnouncer::say(const QString& text)
{
    if (!listening_)
        return;
    said_ = text;
    speech_->prepare();
    delay_.start();
}

void PriceAnnouncer::queue(QWidget* source)
{
    if (!listening_)
        return;
    if (std::find(pending_.begin(), pending_.end(), source) == pending_.end())
        pending_.emplace_back(source);
    speech_->prepare();
    delay_.start();
}

void PriceAnnouncer::speak()
{
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const QPointer<QWidget>& a, const QPointer<QWidget>& b) { return rank(a) < rank(b); });
    QStringList parts;
    if (!said_.isEmpty())
        parts << std::exchange(said_, QString());
    else
        for (const QPointer<QWidget>& source : pending_)
            if (source)
                if (const QString part = noticeOf(source); !part.isEmpty())
                    parts << part;
    pending_.clear();
    if (parts.isEmpty())
        return;
    const QString notice = parts.join(QStringLiteral("、"));
    // Said beside the screen reader's own words where its speech service
    // takes it, shown to the reader, behind its words, where not.
    if (speech_->say(notice))
        return;
    // Made at the first announcement: without a screen reader there is none.
    if (!notice_)
        notice_ = new SpokenNotice(window_);
    notice_->setAccessibleName(notice);
    // Shown again, the notice is announced again.
    notice_->hide();
    notice_->show();
    heard_.start();
}
