#include "ControlOracle.h"

#include "UserDriver.h"

#include <QString>

namespace {

// Slots in the order the estimate adds them.
enum SlotIndex {
    kHall, kTransport, kStorage, kProcedures, kCoffin, kAltar, kMakeup, kPortrait, kReturnGifts, kFlowers,
    kReception, kWakeFood, kWakeServing, kCeremonyFood, kCeremonyServing, kHearse, kAfterAltar, kWakeMc,
    kCeremonyMc, kCremation, kUrn, kGratuities,
};

constexpr qint64 kTransportFees[7] = {18522, 22932, 27342, 31892, 26302, 40712, 45276};
constexpr qint64 kCoffinFees[6] = {47300, 51500, 75600, 49900, 58100, 88200};
constexpr qint64 kAltarFees[4] = {105000, 178500, 199500, 294000};
constexpr qint64 kGiftPrices[4] = {525, 840, 3150, 0};
constexpr qint64 kDishPrices[3] = {2310, 3465, 4200};

struct WakeOption {
    qint64 guests;
    qint64 sets;
    qint64 staff;
};
constexpr WakeOption kWakeOptions[4] = {{30, 5, 1}, {80, 11, 2}, {50, 7, 1}, {100, 14, 2}};

// Which of a yes/no pair is checked: 1 yes, 0 no, -1 neither.
int yesNo(const UserDriver& user, const char* yes, const char* no)
{
    if (user.isChecked(QString::fromLatin1(yes)))
        return 1;
    return user.isChecked(QString::fromLatin1(no)) ? 0 : -1;
}

int checkedOf(const UserDriver& user, const char* prefix, int count)
{
    for (int i = 1; i <= count; ++i)
        if (user.isChecked(QString::fromLatin1(prefix) + QString::number(i)))
            return i;
    return 0;
}

} // namespace

ExpectedEstimate expectedFromControls(const UserDriver& user)
{
    ExpectedEstimate e;
    auto& yen = e.yen;
    auto& chosen = e.chosen;
    const auto index = [&user](const char* name) { return user.currentIndex(QString::fromLatin1(name)); };
    const auto pair = [&](int slot, int flag, const char* yes, const char* no, qint64 price) {
        const int answer = yesNo(user, yes, no);
        chosen[std::size_t(flag)] = answer >= 0;
        yen[std::size_t(slot)] = answer == 1 ? price : 0;
    };

    const int hall = checkedOf(user, "RBtnMap", 6);
    chosen[0] = hall > 0;
    yen[kHall] = hall > 0 ? 236775 : 0;
    const int distance = index("CBoxHanso");
    chosen[1] = distance >= 0;
    yen[kTransport] = distance >= 0 ? kTransportFees[distance] : 0;
    const int storage = index("CBoxHokan");
    chosen[2] = storage >= 0;
    yen[kStorage] = storage >= 0 ? (storage + 2) * 7875 + 8355 : 0;
    pair(kProcedures, 3, "RBtnShindan1", "RBtnShindan2", 15750);

    const int coffin = index("RBtnGrpHitugi");
    chosen[4] = coffin >= 0;
    yen[kCoffin] = coffin >= 0 ? kCoffinFees[coffin] : 0;
    const int altar = index("RBtnGrpSaidan");
    chosen[5] = altar >= 0;
    yen[kAltar] = altar >= 0 ? kAltarFees[altar] : 0;
    pair(kMakeup, 6, "RBtnKesho1", "RBtnKesho2", 26000);
    pair(kPortrait, 7, "RBtnIei1", "RBtnIei2", 27000);
    const int gift = index("CBoxHenrei1");
    yen[kReturnGifts] = (gift >= 0 ? kGiftPrices[gift] : 0) * index("CBoxHenrei2") * 10 + 84 * index("CBoxReijo") * 10;
    chosen[8] = true;

    yen[kFlowers] = 15750 * index("CBoxSeika1") + 21000 * index("CBoxSeika2");
    chosen[9] = true;
    pair(kReception, 10, "RBtnUke1", "RBtnUke2", 20000);
    const int wake = index("RBtnGrpTuyaRyori");
    chosen[11] = wake >= 0;
    if (wake >= 0) {
        const WakeOption& w = kWakeOptions[wake];
        const qint64 setPrice = 18375 + (user.isChecked(QStringLiteral("ChkTuyaryori")) ? 4725 : 0);
        yen[kWakeFood] = w.sets * setPrice + w.guests * 350;
        yen[kWakeServing] = w.staff * 10500;
    }

    const int dish = index("CBoxKokuRyori");
    const int quantity = index("CBoxKokuRyoriKazu");
    chosen[12] = dish >= 0 && quantity >= 0;
    const qint64 guests = quantity >= 0 ? 5 * (quantity + 1) : 0;
    yen[kCeremonyFood] = ((dish >= 0 ? kDishPrices[dish] : 0) + 350) * guests;
    yen[kCeremonyServing] = quantity < 0 ? 0 : (quantity < 5 ? 1 : 2) * 10500;
    chosen[13] = true;

    // The hearse's price depends on the hall: 落合斎場 is the third button.
    const int hearse = checkedOf(user, "RBtnReikyu", 3);
    const bool crossing = hall == 3;
    const qint64 hearseFees[4] = {0, 0, crossing ? 18522 : 13958, crossing ? 38066 : 32476};
    chosen[14] = hearse > 0;
    yen[kHearse] = hearseFees[hearse];
    pair(kAfterAltar, 15, "RBtnAto1", "RBtnAto2", 10500);

    yen[kWakeMc] = 52000;
    yen[kCeremonyMc] = 52000;
    yen[kCremation] = 48300;
    yen[kUrn] = 12075;
    yen[kGratuities] = 20000;
    return e;
}
