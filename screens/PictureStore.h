#pragma once

#include "Panel.h"

#include <memory>

#include <QPixmap>
#include <QString>

namespace Ui {
class PnlImg;
}

// The hidden panel PnlImg holding the option pictures that the item rules
// copy into the visible frames ("Img51" into "ImgHitugi1" ...). A picture is
// decoded only when it is first asked for, so start-up stays cheap, for the
// device pixel ratio of the window's screen (builtInPicture); after that the
// store keeps it, and every frame it is copied into shows that same picture.
class PictureStore : public TPanel {
    Q_OBJECT
public:
    explicit PictureStore(QWidget* parent = nullptr);
    ~PictureStore() override;

    // The stored picture; null for the empty "Img94" and for unknown names.
    QPixmap picture(const QString& name);

private:
    std::unique_ptr<Ui::PnlImg> ui_;
};
