#pragma once

#include "ControlNames.h"

#include <string_view>

namespace lumenta {

// What the estimate shows. The window implements it on the widgets of its
// screens; tests use a recording fake. Every call is a plain setter: none of
// them may run an item rule again.
class EstimateView {
public:
    virtual ~EstimateView() = default;

    // Text of a money field, a label or a button caption.
    virtual void setText(Control control, std::string_view text) = 0;
    virtual void setEnabled(Control control, bool enabled) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    // Checks or unchecks a radio button or check box without running its rule.
    virtual void setChecked(Control control, bool checked) = 0;
    // Selects a list entry without running its rule.
    virtual void setCurrentIndex(Control control, int index) = 0;
    // Copies a stored picture ("Img51" ...) into a visible frame picture
    // (ImgHitugi1 ...); the empty "Img94" empties the frame.
    virtual void copyPicture(Control frame, std::string_view stored) = 0;
    // A cell of the summary grid changed; its text is also in the SummaryGrid.
    virtual void setGridCell(int column, int row, std::string_view text) = 0;
};

// An estimate priced without a window: what the rules make of a record, or
// the sheet alone, needs no screen.
class NoView : public EstimateView {
public:
    void setText(Control, std::string_view) override {}
    void setEnabled(Control, bool) override {}
    void setVisible(Control, bool) override {}
    void setChecked(Control, bool) override {}
    void setCurrentIndex(Control, int) override {}
    void copyPicture(Control, std::string_view) override {}
    void setGridCell(int, int, std::string_view) override {}
};

} // namespace lumenta
