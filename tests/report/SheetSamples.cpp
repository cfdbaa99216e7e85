#include "SheetSamples.h"

#include "Estimate.h"
#include "EstimateView.h"
#include "PdfDocument.h"
#include "PdfFile.h"

#include <QFont>
#include <QTest>

namespace samples {

namespace {

struct Choices {
    int hall, distance, storage;
    bool proxy;
    int coffin, altar;
    bool makeup, portrait;
    int giftKind, gifts, letters, chrysanthemums, westernFlowers;
    bool reception;
    int wakeFood;
    bool premium;
    int dish, quantity, hearse;
    bool afterAltar, discount;
};

lumenta::SheetText estimate(const Choices& c)
{
    lumenta::NoView screen; // the sheet only needs the grid and totals
    lumenta::Estimate e(screen);
    e.reset();
    e.chooseHall(c.hall);
    e.chooseDistance(c.distance);
    e.chooseStorage(c.storage);
    e.chooseProcedures(c.proxy);
    e.chooseCoffin(c.coffin);
    e.chooseAltar(c.altar);
    e.chooseMakeup(c.makeup);
    e.choosePortrait(c.portrait);
    e.chooseReturnGifts(c.giftKind, c.gifts, c.letters);
    e.chooseFlowers(c.chrysanthemums, c.westernFlowers);
    e.chooseReception(c.reception);
    e.chooseWakeFood(c.wakeFood, c.premium);
    e.chooseCeremonyFood(c.dish, c.quantity);
    e.chooseHearse(c.hearse, c.hall);
    e.chooseAfterAltar(c.afterAltar);
    // A refused sample fails the running case; the sheet is still made, so
    // the other cases go on.
    if (const auto refusal = e.calculate(c.discount))
        QTest::qFail(
            qPrintable(QStringLiteral("sample estimate refused: %1").arg(QString::fromStdString(refusal->message))),
            __FILE__, __LINE__);
    return lumenta::buildSheetText(e.grid(), e.state());
}

} // namespace

lumenta::SheetText plainEstimate()
{
    return estimate({1, 0, 0, true, 0, 0, false, false, -1, 0, 0, 0, 0, false, 0, false, 0, 0, 1, false, false});
}

lumenta::SheetText discountedEstimate()
{
    return estimate({4, 6, 3, false, 5, 3, true, true, 2, 12, 12, 10, 10, true, 3, true, 2, 7, 3, true, true});
}

} // namespace samples

bool samples::writePdf(const lumenta::report::ReportPage& page, const QString& path)
{
    const QByteArray pdf = lumenta::report::pdfDocument(page, {{}, {}, {}, QStringLiteral("Lumenta"), {}});
    return !pdf.isEmpty() && lumenta::report::savePdfFile(path, pdf).isEmpty();
}
