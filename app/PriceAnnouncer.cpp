#include "PriceAnnouncer.h"

#include "SpokenText.h"
#include "SsEdit.h"

#include <QAccessible>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QStringList>
#include <algorithm>

namespace {

// What a screen reader says of a choice ("選択", a list's entry) takes about
// this long; the notice, which interrupts it, comes after it.
constexpr auto kAfterChoice = std::chrono::milliseconds(600);
// A screen reader reads the notice as it shows; this long after, the notice
// leaves the window's accessible tree again, saying nothing.
constexpr auto kHeardWithin = std::chrono::milliseconds(2000);

QString noticeOf(const QWidget* source)
{
    if (const auto* field = qobject_cast<const TSsEdit*>(source))
        return field->text().isEmpty() ? QString() : field->accessibleName() + u' ' + field->text();
    if (const auto* list = qobject_cast<const QComboBox*>(source))
        return list->hasFocus() ? spokenText(list->currentText()) : QString();
    if (const auto* note = qobject_cast<const QLabel*>(source))
        return !note->isHidden() ? note->text().remove(u'\n') : QString();
    return {};
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
        connect(field, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            if (!text.isEmpty())
                queue(field);
        });
    for (QComboBox* list : root->findChildren<QComboBox*>())
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] {
            if (list->hasFocus())
                queue(list);
        });
    for (QLabel* note : root->findChildren<QLabel*>())
        if (note->property(kSpokenWhenShown).toBool())
            note->installEventFilter(this);
}

bool PriceAnnouncer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show)
        queue(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
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

void PriceAnnouncer::queue(QWidget* source)
{
    if (!listening_)
        return;
    if (std::find(pending_.begin(), pending_.end(), source) == pending_.end())
        pending_.emplace_back(source);
    delay_.start();
}

void PriceAnnouncer::speak()
{
    // A list's new entry first, then the prices it changed.
    std::stable_partition(pending_.begin(), pending_.end(),
                          [](const QPointer<QWidget>& source) { return qobject_cast<QComboBox*>(source); });
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
    // Made at the first announcement: without a screen reader there is none.
    if (!notice_)
        notice_ = new SpokenNotice(window_);
    notice_->setAccessibleName(parts.join(QStringLiteral("、")));
    // Shown again, the notice is announced again.
    notice_->hide();
    notice_->show();
    heard_.start();
}
