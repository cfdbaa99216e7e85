#include "UnitPrint.h"

#include "EstimateSheet.h"
#include "EstimateState.h"
#include "JapaneseDate.h"
#include "SheetText.h"

namespace sheet = lumenta::report::estimate_sheet;
using lumenta::report::PrintOutcome;
using lumenta::report::PrintWay;

namespace {

const QString kDocumentName = QStringLiteral("見積書");
const QString kSubject = QStringLiteral("葬儀費用のお見積り");
// The brand line: the maker's name as the sheet shows it.
const QString kMakerLabel = QStringLiteral("QRLabel12");

} // namespace

TFormPrint::TFormPrint(QWidget* parent) : QWidget(parent), QuickRep1(sheet::build())
{
    setObjectName(QStringLiteral("FormPrint"));
    setAttribute(Qt::WA_DontShowOnScreen);
    hide();
    setPrintServices(nullptr, nullptr);
}

QFuture<PrintOutcome> TFormPrint::sendEstimate(PrintWay way, const lumenta::SheetText& text, QWidget* parent)
{
    fill(text, QString::fromStdString(lumenta::japaneseToday()));
    action_.setHall(QString::fromStdString(text.hall));
    return action_.send(way, QuickRep1, pdfInfo(), parent);
}

void TFormPrint::fill(const lumenta::SheetText& text, const QString& date)
{
    for (int line = 1; line <= sheet::kFilledLines; ++line) {
        for (int column = 0; column < sheet::kColumns; ++column)
            QuickRep1.setText(sheet::lineFieldName(column, line), QString::fromStdString(text.lines[line - 1][column]));
    }
    QuickRep1.setText(sheet::kSubtotalField, QString::fromStdString(text.subtotal));
    QuickRep1.setText(sheet::kDiscountField, QString::fromStdString(text.discount));
    QuickRep1.setText(sheet::kTotalField, QString::fromStdString(text.total));
    QuickRep1.setText(sheet::kVersionField, QString::fromStdString(text.version));
    QuickRep1.setText(sheet::kDateField, date);
}

// The program and its version name the file's maker.
lumenta::report::PdfInfo TFormPrint::pdfInfo() const
{
    const lumenta::ProductInfo product;
    return {kDocumentName, kSubject + u'\u3000' + QuickRep1.text(sheet::kDateField), QuickRep1.text(kMakerLabel),
            QString::fromStdString(product.appTitle + " " + product.appVersion), record_};
}

void TFormPrint::setPrintServices(lumenta::report::PrintPrompter* prompter, lumenta::report::PrintProgress* progress)
{
    action_.setServices(prompter ? prompter : &dialogs_, progress ? progress : &progressWindow_);
}
