#pragma once

#include "EstimateView.h"

#include <QPixmap>
#include <QString>
#include <functional>

class QWidget;

// Shows the estimate on the window's controls, found by object name under
// one root widget. Every setter blocks the control's signals, so showing a
// value never runs an item rule again. A name that no control under the root
// carries is reported.
class QtEstimateView : public lumenta::EstimateView {
public:
    using PictureSource = std::function<QPixmap(const QString& storedName)>;

    QtEstimateView(QWidget* root, PictureSource pictures);

    void setText(std::string_view control, std::string_view text) override;
    void setEnabled(std::string_view control, bool enabled) override;
    void setVisible(std::string_view control, bool visible) override;
    void setChecked(std::string_view control, bool checked) override;
    void setCurrentIndex(std::string_view control, int index) override;
    void copyPicture(std::string_view frame, std::string_view stored) override;
    void setGridCell(int column, int row, std::string_view text) override;

private:
    QWidget* find(std::string_view name) const;

    QWidget* root_;
    PictureSource pictures_;
};
