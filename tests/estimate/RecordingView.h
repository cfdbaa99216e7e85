#pragma once

#include "Estimate.h"
#include "EstimateView.h"

#include <map>
#include <string>

// Remembers the last value the estimate showed on each control.
class RecordingView : public lumenta::EstimateView {
public:
    std::map<std::string, std::string, std::less<>> text;
    std::map<std::string, bool, std::less<>> enabled;
    std::map<std::string, bool, std::less<>> visible;
    std::map<std::string, bool, std::less<>> checked;
    std::map<std::string, int, std::less<>> index;
    std::map<std::string, std::string, std::less<>> picture;
    int gridWrites = 0;

    void setText(std::string_view c, std::string_view t) override { text[std::string(c)] = t; }
    void setEnabled(std::string_view c, bool e) override { enabled[std::string(c)] = e; }
    void setVisible(std::string_view c, bool v) override { visible[std::string(c)] = v; }
    void setChecked(std::string_view c, bool v) override { checked[std::string(c)] = v; }
    void setCurrentIndex(std::string_view c, int i) override { index[std::string(c)] = i; }
    void copyPicture(std::string_view f, std::string_view s) override { picture[std::string(f)] = s; }
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
