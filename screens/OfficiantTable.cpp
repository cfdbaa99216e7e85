#include "OfficiantTable.h"

#include "ClassicColors.h"
#include "JapaneseFonts.h"
#include "PriceTables.h"

#include <QPainter>

#include <vector>

namespace {

using lumenta::prices::NameGrade;
using lumenta::prices::Religion;
constexpr const auto& kReligions = lumenta::prices::kReligions;

// Columns: religion, offering, man's name, woman's name, name fee, total.
constexpr int kColumnX[] = {0, 64, 120, 224, 328, 386, 453};
constexpr int kHeaderHeight = 28;
constexpr int kGradeHeight = 17;
constexpr int kPlainHeight = 16;

const QColor kHeaderColour(232, 225, 205);
const QColor kNameColour(248, 245, 236);
const QColor kRuleColour(176, 168, 150);
const QColor kTextColour(50, 45, 40);
const QColor kNoteColour(110, 100, 85);

QString s(const char* text) { return QString::fromUtf8(text); }

QRect cellRect(int firstColumn, int lastColumn, int top, int height)
{
    return QRect(kColumnX[firstColumn], top, kColumnX[lastColumn + 1] - kColumnX[firstColumn], height);
}

QFont tableFont(int pixelSize)
{
    return japanese_fonts::font(japanese_fonts::kGothic, pixelSize);
}

class Painter {
public:
    explicit Painter(QWidget* w) : p_(w) {}

    void text(const QRect& r, const QString& t, int flags, int pixelSize = 11, const QColor& colour = kTextColour)
    {
        p_.setFont(tableFont(pixelSize));
        p_.setPen(colour);
        p_.drawText(r.adjusted(3, 0, -3, 0), flags, t);
    }
    void fill(const QRect& r, const QColor& c) { p_.fillRect(r, c); }
    // Whole logical pixels: crisp at any device pixel ratio.
    void rule(int x1, int y1, int x2, int y2)
    {
        classic::drawPixelLine(p_, x1, y1, x2, y2, kRuleColour);
    }

private:
    QPainter p_;
};

void paintHeader(Painter& p)
{
    const int h = kHeaderHeight;
    p.fill(QRect(0, 0, kColumnX[6], h), kHeaderColour);
    p.text(cellRect(0, 0, 0, h), s("宗教・\n宗旨宗派"), Qt::AlignCenter);
    p.text(cellRect(1, 1, 0, h), s("お礼・\n読経"), Qt::AlignCenter);
    p.text(cellRect(2, 4, 1, h / 2), s("戒名(法名・法号)"), Qt::AlignCenter);
    p.text(cellRect(2, 4, h / 2, h / 2), s("俗名で行う場合は必要ありません"), Qt::AlignCenter, 10, kNoteColour);
    p.text(cellRect(5, 5, 0, h), s("合計"), Qt::AlignCenter);
}

// A religion takes one row per grade of posthumous name, or one plain row
// without them.
int rowHeightOf(const Religion& r) { return r.grades.empty() ? kPlainHeight : kGradeHeight; }
int rowCountOf(const Religion& r) { return r.grades.empty() ? 1 : int(r.grades.size()); }

// One religion: its name and offering span its grade rows.
int paintReligion(Painter& p, const Religion& r, int top)
{
    const int gradeCount = int(r.grades.size());
    const int rows = rowCountOf(r);
    const int rowHeight = rowHeightOf(r);
    const int height = rows * rowHeight;
    p.fill(cellRect(0, 0, top, height), kNameColour);
    const QString name = *r.note ? s(r.name) + '\n' + s(r.note) : s(r.name);
    p.text(cellRect(0, 0, top, height), name, Qt::AlignCenter);
    p.text(cellRect(1, 1, top, height), s(r.offering), Qt::AlignRight | Qt::AlignVCenter);
    for (int g = 0; g < gradeCount; ++g) {
        const NameGrade& grade = r.grades[std::size_t(g)];
        const int y = top + g * rowHeight;
        p.text(cellRect(2, 2, y, rowHeight), s(grade.male), Qt::AlignLeft | Qt::AlignVCenter);
        p.text(cellRect(3, 3, y, rowHeight), s(grade.female), Qt::AlignLeft | Qt::AlignVCenter);
        p.text(cellRect(4, 4, y, rowHeight), s(grade.nameFee), Qt::AlignRight | Qt::AlignVCenter);
        p.text(cellRect(5, 5, y, rowHeight), s(grade.total), Qt::AlignRight | Qt::AlignVCenter);
        if (g > 0)
            p.rule(kColumnX[2], y, kColumnX[6], y);
    }
    if (!gradeCount) {
        p.text(cellRect(2, 4, top, height), s("―"), Qt::AlignCenter, 11, kNoteColour);
        p.text(cellRect(5, 5, top, height), s(r.offering), Qt::AlignRight | Qt::AlignVCenter);
    }
    p.rule(0, top + height, kColumnX[6], top + height);
    return top + height;
}

// One row of the table as read aloud: a religion and one of its grades.
struct ReadRow {
    const Religion* religion;
    const NameGrade* grade;  // null for a religion without grades
    int top;
    int height;
};

const std::vector<ReadRow>& readRows()
{
    static const std::vector<ReadRow> rows = [] {
        std::vector<ReadRow> all;
        int y = kHeaderHeight;
        for (const Religion& r : kReligions)
            for (int g = 0; g < rowCountOf(r); ++g, y += rowHeightOf(r))
                all.push_back({&r, r.grades.empty() ? nullptr : &r.grades[std::size_t(g)], y, rowHeightOf(r)});
        return all;
    }();
    return rows;
}

} // namespace

int OfficiantTable::rowCount() { return int(readRows().size()); }

QString OfficiantTable::heading(int column)
{
    static const char* const kHeadings[kColumnCount] = {"宗教・宗旨宗派", "お礼・読経", "戒名（男性）",
                                                        "戒名（女性）",   "戒名のお礼", "合計"};
    return column >= 0 && column < kColumnCount ? s(kHeadings[column]) : QString();
}

QString OfficiantTable::note() { return s("戒名(法名・法号)は、俗名で行う場合は必要ありません"); }

QString OfficiantTable::cellText(int row, int column)
{
    if (row < 0 || row >= rowCount())
        return {};
    const ReadRow& r = readRows()[std::size_t(row)];
    const NameGrade* g = r.grade;
    switch (column) {
    case 0:
        return s(r.religion->name) + s(r.religion->note);
    case 1:
        return s(r.religion->offering);
    case 2:
        return g ? s(g->male) : s("―");
    case 3:
        return g ? s(g->female) : s("―");
    case 4:
        return g ? s(g->nameFee) : s("―");
    case 5:
        return g ? s(g->total) : s(r.religion->offering);
    }
    return {};
}

QRect OfficiantTable::cellRect(int row, int column)
{
    if (row < 0)
        return ::cellRect(column, column, 0, kHeaderHeight);
    if (row >= rowCount())
        return {};
    const ReadRow& r = readRows()[std::size_t(row)];
    return ::cellRect(column, column, r.top, r.height);
}

OfficiantTable::OfficiantTable(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void OfficiantTable::paintEvent(QPaintEvent*)
{
    Painter p(this);
    p.fill(rect(), Qt::white);
    paintHeader(p);
    int y = kHeaderHeight;
    p.rule(0, y, kColumnX[6], y);
    for (const Religion& r : kReligions)
        y = paintReligion(p, r, y);
    // Column rules; the name patterns share one rule-free band per grade.
    for (int c = 1; c < 6; ++c) {
        const int top = c == 3 || c == 4 ? kHeaderHeight : 0;
        if (c != 3)
            p.rule(kColumnX[c], top, kColumnX[c], y);
    }
    p.rule(0, y - 1, kColumnX[6] - 1, y - 1);
    p.rule(0, 0, kColumnX[6] - 1, 0);
    p.rule(0, 0, 0, y);
    p.rule(kColumnX[6] - 1, 0, kColumnX[6] - 1, y);
}
