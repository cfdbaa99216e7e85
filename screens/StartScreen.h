#pragma once

#include "Panel.h"

#include <memory>

class TplButton;

namespace Ui {
class PnlMainTop;
}

// The start screen PnlMainTop: the hall collage, the introduction, the merits
// and demerits of a funeral at a crematorium hall, and the start button.
class StartScreen : public TPanel {
    Q_OBJECT
public:
    explicit StartScreen(QWidget* parent = nullptr);
    ~StartScreen() override;

    // "見積りを開始します": the window leaves the start screen through it.
    TplButton* startButton() const;

private:
    std::unique_ptr<Ui::PnlMainTop> ui_;
};
