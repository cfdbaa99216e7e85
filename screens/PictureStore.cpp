#include "PictureStore.h"
#include "ui_PnlImg.h"

#include "BuiltInPicture.h"

#include <QLabel>

namespace {
// The stored picture that holds nothing: copying it empties a frame.
const QString kEmptyPicture = QStringLiteral("Img94");
} // namespace

PictureStore::PictureStore(QWidget* parent) : TPanel(parent), ui_(std::make_unique<Ui::PnlImg>())
{
    ui_->setupUi(this);
    hide();
}

PictureStore::~PictureStore() = default;

QPixmap PictureStore::picture(const QString& name)
{
    if (name == kEmptyPicture)
        return {};
    auto* stored = findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    if (!stored)
        return {};
    // Decoded when first asked for, and again after the window has moved to a
    // screen of another device pixel ratio.
    if (stored->pixmap().isNull() || !drawnForScreen(stored->pixmap(), stored))
        stored->setPixmap(builtInPicture(name, stored));
    return stored->pixmap();
}
