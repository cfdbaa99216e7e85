#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lumenta {

// The window's controls that the estimate writes to, each under its object
// name on the screens, which is also the name of its member in the screen's
// form. The rules, the window's view and the tests all name a control by its
// enumerator, so that the compiler checks every use; the window finds each
// control's widget once, when the screens are built.
// clang-format off
#define LUMENTA_CONTROLS(X)                                                                                       \
    /* Step 1: place. */                                                                                          \
    X(SsEditMap) X(LblMapInfo1) X(LblMapInfo) X(LblMapNote) X(SsEditHanso) X(SsEditHokan) X(LblHokan)             \
    X(SsEditShindan)                                                                                              \
    /* Step 2: preparation. */                                                                                    \
    X(SsEditHitugi) X(ImgHitugi1) X(SsEditSaidan) X(ImgSaidan1) X(SsEditKesho) X(SsEditIei) X(SsEditHenrei)       \
    X(Imghenrei) X(LblImgHenrei) X(CBoxHenrei2)                                                                   \
    /* Step 3: wake. */                                                                                           \
    X(SsEditSeika) X(SsEditUketuke) X(SsEditTuyaShikai) X(SsEditTuyaRyori) X(SsEditTuyaHaizen) X(ChkTuyaryori)    \
    /* Step 4: farewell ceremony. */                                                                              \
    X(SsEditKokuRyori) X(SsEditKokuHaizen) X(ImgKokuRyori) X(SsEditKokuShikai) X(SsEditReikyu) X(ImgReikyu)       \
    X(RBtnReikyu1) X(RBtnReikyu2) X(RBtnReikyu3)                                                                  \
    /* Step 5: cremation and the summary area. */                                                                 \
    X(SsEditKaso) X(SsEditTubo) X(SsEditKokoro) X(SsEditAto) X(SsEditGokei) X(StrColGrid1)                        \
    /* The header bar. */                                                                                         \
    X(plBtnPrint)
// clang-format on

enum class Control : std::size_t {
#define LUMENTA_CONTROL_ENUMERATOR(name) name,
    LUMENTA_CONTROLS(LUMENTA_CONTROL_ENUMERATOR)
#undef LUMENTA_CONTROL_ENUMERATOR
};

inline constexpr std::array kControlNames = {
#define LUMENTA_CONTROL_NAME(name) std::string_view(#name),
    LUMENTA_CONTROLS(LUMENTA_CONTROL_NAME)
#undef LUMENTA_CONTROL_NAME
};
#undef LUMENTA_CONTROLS
inline constexpr std::size_t kControlCount = kControlNames.size();

// The control's object name.
constexpr std::string_view controlName(Control control) { return kControlNames[std::size_t(control)]; }

} // namespace lumenta
