#pragma once

namespace lumenta {

// Every decision the user made on the five steps, as the item rules last
// received it: the estimate keeps them so that it can be written down and
// made again. -1 is "not chosen yet"; a yes/no item holds 1 for yes, 0 for no.
struct Choices {
    int hall = -1;            // 1-6 (RBtnMap1-6)
    int distance = -1;        // CBoxHanso 0-6
    int storage = -1;         // CBoxHokan 0-3
    int procedures = -1;      // RBtnShindan1 / 2
    int coffin = -1;          // RBtnGrpHitugi 0-5
    int altar = -1;           // RBtnGrpSaidan 0-3
    int makeup = -1;          // RBtnKesho1 / 2
    int portrait = -1;        // RBtnIei1 / 2
    int giftKind = -1;        // CBoxHenrei1 0-3
    // The gift and flower lists start at 0 and price nothing until touched:
    // -1 until their rule has run, which writes their grid lines.
    int giftCount = -1;       // CBoxHenrei2 0-12
    int letterCount = -1;     // CBoxReijo 0-12
    int chrysanthemums = -1;  // CBoxSeika1 0-10
    int westernFlowers = -1;  // CBoxSeika2 0-10
    int reception = -1;       // RBtnUke1 / 2
    int wakeFood = -1;        // RBtnGrpTuyaRyori 0-3
    int premiumNigiri = 0;    // ChkTuyaryori
    int ceremonyDish = -1;    // CBoxKokuRyori 0-2
    int ceremonyParty = -1;   // CBoxKokuRyoriKazu 0-7
    int hearse = -1;          // 1-3 (RBtnReikyu1-3)
    int afterAltar = -1;      // RBtnAto1 / 2
    int discount = 0;         // ChkDiscount

    bool operator==(const Choices&) const = default;
};

} // namespace lumenta
