#include "PriceAnnouncer.h"

#include "SpokenText.h"
#include "SsEdit.h"

#include <QAccessible>
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
// ("49,900円 棺"), so that the amount is heard first and the notice ends
// before the user's next key; and what is said when a change empties it.
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
    {"SsEditHitugi", "棺", nullptr},
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
    {"SsEditAto", "後飾り", nullptr},
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

// "49,900円 棺" for an amount; for a field a change emptied, what that means.
QString noticeOf(const TSsEdit* field)
{
    const SpokenField* spoken = spokenField(field);
    if (field->text().isEmpty())
        return spoken && spoken->emptied ? QString::fromUtf8(spoken->emptied) : QString();
    const QString item = spoken ? QString::fromUtf8(spoken->item) : field->accessibleName();
    return spokenYen(field->text()) + u' ' + item;
}

bool isEmptied(const QPointer<TSsEdit>& field) { return field && field->text().isEmpty(); }

} // namespace

SpokenNotice::SpokenNotice(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("SpokenNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

PriceAnnouncer::PriceAnnouncer(QWidget* window)
    : QObject(window), window_(window), listening_(QAccessible::isActive())
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
}

PriceAnnouncer::~PriceAnnouncer() { QAccessible::removeActivationObserver(this); }

void PriceAnnouncer::announce(TSsEdit* field) { queue(field); }

void PriceAnnouncer::say(const QString& text)
{
    if (!listening_)
        return;
    said_ = text;
    delay_.start();
}

void PriceAnnouncer::queue(TSsEdit* source)
{
    if (!listening_)
        return;
    if (std::find(pending_.begin(), pending_.end(), source) == pending_.end())
        pending_.emplace_back(source);
    delay_.start();
}

void PriceAnnouncer::speak()
{
    // The new amounts first, then what the change emptied.
    std::stable_partition(pending_.begin(), pending_.end(), [](const QPointer<TSsEdit>& f) { return !isEmptied(f); });
    QStringList parts;
    if (!said_.isEmpty())
        parts << std::exchange(said_, QString());
    else
        for (const QPointer<TSsEdit>& field : pending_)
            if (field)
                if (const QString part = noticeOf(field); !part.isEmpty())
                    parts << part;
    pending_.clear();
    if (parts.isEmpty())
        return;
    // Made at the first announcement: without a screen reader there is none.
    if (!notice_)
        notice_ = new SpokenNotice(window_);
    notice_->setAccessibleName(parts.join(QStringLiteral("、")));
    // Shown again, the notice is announced again.
    notice_->hide();
    notice_->show();
    heard_.start();
}
