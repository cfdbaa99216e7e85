#pragma once

#include "EstimateView.h"

#include <QPixmap>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class QWidget;

// Shows the estimate on the widgets of the window's screens. Each screen
// attaches the widgets of its controls once, when it is built; every call
// then reaches its widget directly.
//
// Showing a value never runs an item rule again. setCurrentIndex and
// setChecked block the control's signals while they change it, since a
// list's rule may run on any change of its selection (the gift count's
// does). The other setters leave the signals alone: no rule listens to them,
// and the money field listens to its own textChanged to make room for a wide
// total.
class QtEstimateView : public lumenta::EstimateView {
public:
    using PictureSource = std::function<QPixmap(const QString& storedName)>;

    explicit QtEstimateView(PictureSource pictures);

    // The widget that shows this control from now on.
    void attach(lumenta::Control control, QWidget* widget);
    // The controls that no widget shows, in their enumeration order.
    std::vector<lumenta::Control> missing() const;
    // Once every screen is built: logs each control that no widget shows,
    // a fault of the program that a user would only see as an empty field.
    void reportMissing() const;

    void setText(lumenta::Control control, std::string_view text) override;
    void setEnabled(lumenta::Control control, bool enabled) override;
    void setVisible(lumenta::Control control, bool visible) override;
    void setChecked(lumenta::Control control, bool checked) override;
    void setCurrentIndex(lumenta::Control control, int index) override;
    void copyPicture(lumenta::Control frame, std::string_view stored) override;
    void setGridCell(int column, int row, std::string_view text) override;

private:
    QWidget* widget(lumenta::Control control) const { return widgets_[std::size_t(control)]; }

    std::array<QWidget*, lumenta::kControlCount> widgets_{};
    PictureSource pictures_;
};

// Attaches the member of a form's Ui struct that carries the control's own
// name, so that a control the form lacks, or a misspelt one, does not
// compile: ATTACH_CONTROL(view, *ui_, SsEditMap).
#define ATTACH_CONTROL(view, ui, name) (view).attach(lumenta::Control::name, (ui).name)
