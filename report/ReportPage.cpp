#include "ReportPage.h"

#include <algorithm>

namespace lumenta::report {

ReportPage::ReportPage(QPageSize paper, QMarginsF marginsMm, QSizeF bandMm, QColor bandColor)
    : paper_(std::move(paper)), margins_(marginsMm), band_(bandMm), bandColor_(bandColor)
{
}

QPageLayout ReportPage::pageLayout() const
{
    return QPageLayout(paper_, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void ReportPage::add(ReportElement element)
{
    elements_.push_back(std::move(element));
}

const ReportElement* ReportPage::find(const QString& name) const
{
    auto it = std::find_if(elements_.begin(), elements_.end(),
                           [&](const ReportElement& element) { return element.name == name; });
    return it == elements_.end() ? nullptr : &*it;
}

bool ReportPage::setText(const QString& name, const QString& text)
{
    auto it = std::find_if(elements_.begin(), elements_.end(),
                           [&](const ReportElement& element) { return element.name == name; });
    ReportElement* element = it == elements_.end() ? nullptr : &*it;
    if (!element || !element->isLabel())
        return false;
    element->text = text;
    return true;
}

QString ReportPage::text(const QString& name) const
{
    const ReportElement* element = find(name);
    return element ? element->text : QString();
}

} // namespace lumenta::report
