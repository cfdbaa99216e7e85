#pragma once

// The soft, muted colours every picture is drawn in.

#include <QColor>

namespace picturegen::palette {

inline const QColor paper{246, 242, 233};
inline const QColor cream{255, 251, 240};
inline const QColor ink{74, 69, 64};       // text and fine lines
inline const QColor inkSoft{120, 112, 104};
inline const QColor line{176, 168, 156};   // outlines
inline const QColor skyTop{214, 226, 234};
inline const QColor skyBottom{240, 240, 234};
inline const QColor water{200, 218, 226};
inline const QColor waterLine{150, 182, 198};
inline const QColor land{236, 233, 225};
inline const QColor grass{196, 208, 182};
inline const QColor sage{160, 178, 148};
inline const QColor leaf{128, 152, 120};
inline const QColor pine{110, 134, 112};
inline const QColor wood{222, 204, 170};
inline const QColor woodDark{190, 166, 128};
inline const QColor woodPale{238, 226, 200};
inline const QColor stone{214, 210, 202};
inline const QColor roof{132, 138, 146};
inline const QColor white{250, 249, 245};
inline const QColor rose{222, 184, 184};
inline const QColor roseDeep{196, 146, 150};
inline const QColor lilac{200, 190, 216};
inline const QColor lemon{238, 224, 160};
inline const QColor peach{236, 200, 170};
inline const QColor gold{206, 182, 120};
inline const QColor lacquer{98, 84, 80};
inline const QColor shadow{0, 0, 0, 28};

} // namespace picturegen::palette
