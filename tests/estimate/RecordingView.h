#pragma once

#include "Estimate.h"
#include "EstimateView.h"

#include <map>
#include <ostream>
#include <string>

namespace lumenta {
// Failure messages name a control as the screens do.
inline void PrintTo(Control control, std::ostream* out) { *out << controlName(control); }
} // namespace lumenta

// Remembers the last value the estimate showed on each control.
class RecordingView : public lumenta::EstimateView {
public:
    using Control = lumenta::Control;
    std::map<Control, std::string> text;
    std::map<Control, bool> enabled;
    std::map<Control, bool> visible;
    std::map<Control, bool> checked;
    std::map<Control, int> index;
    std::map<Control, std::string> picture;
    int gridWrites = 0;

    void setText(Control c, std::string_view t) override { text[c] = t; }
    void setEnabled(Control c, bool e) override { enabled[c] = e; }
    void setVisible(Control c, bool v) override { visible[c] = v; }
    void setChecked(Control c, bool v) override { checked[c] = v; }
    void setCurrentIndex(Control c, int i) override { index[c] = i; }
    void copyPicture(Control f, std::string_view s) override { picture[f] = s; }
    void setGridCell(int, int, std::string_view) override { ++gridWrites; }
};

// An estimate that has been shown (reset), with the view it writes to.
struct Shown {
    RecordingView view;
    lumenta::Estimate estimate{view};
    Shown() { estimate.reset(); }

    // The four texts of a grid line after column 0.
    std::array<std::string, 4> line(int row) const
    {
        const auto& g = estimate.grid();
        return {g.cell(1, row), g.cell(2, row), g.cell(3, row), g.cell(4, row)};
    }

    // Decides every item with the cheapest-looking answers.
    void decideAll()
    {
        estimate.chooseHall(1);
        estimate.chooseDistance(0);
        estimate.chooseStorage(0);
        estimate.chooseProcedures(true);
        estimate.chooseCoffin(0);
        estimate.chooseAltar(0);
        estimate.chooseMakeup(true);
        estimate.choosePortrait(true);
        estimate.chooseReception(true);
        estimate.chooseWakeFood(0, false);
        estimate.chooseCeremonyFood(0, 0);
        estimate.chooseHearse(2, 1);
        estimate.chooseAfterAltar(true);
    }
};
