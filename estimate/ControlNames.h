#pragma once

#include <string_view>

// The object names of the window's controls that the estimate writes to.
// The rules, the window's view and the tests all spell them from here, so
// that a control renamed in a form is renamed everywhere at once.
namespace lumenta::controls {

// Step 1: place.
inline constexpr std::string_view SsEditMap = "SsEditMap";
inline constexpr std::string_view LblMapInfo1 = "LblMapInfo1";
inline constexpr std::string_view LblMapInfo = "LblMapInfo";
inline constexpr std::string_view SsEditHanso = "SsEditHanso";
inline constexpr std::string_view SsEditHokan = "SsEditHokan";
inline constexpr std::string_view LblHokan = "LblHokan";
inline constexpr std::string_view SsEditShindan = "SsEditShindan";

// Step 2: preparation.
inline constexpr std::string_view SsEditHitugi = "SsEditHitugi";
inline constexpr std::string_view ImgHitugi1 = "ImgHitugi1";
inline constexpr std::string_view SsEditSaidan = "SsEditSaidan";
inline constexpr std::string_view ImgSaidan1 = "ImgSaidan1";
inline constexpr std::string_view SsEditKesho = "SsEditKesho";
inline constexpr std::string_view SsEditIei = "SsEditIei";
inline constexpr std::string_view SsEditHenrei = "SsEditHenrei";
inline constexpr std::string_view Imghenrei = "Imghenrei";
inline constexpr std::string_view LblImgHenrei = "LblImgHenrei";
inline constexpr std::string_view CBoxHenrei2 = "CBoxHenrei2";

// Step 3: wake.
inline constexpr std::string_view SsEditSeika = "SsEditSeika";
inline constexpr std::string_view SsEditUketuke = "SsEditUketuke";
inline constexpr std::string_view SsEditTuyaShikai = "SsEditTuyaShikai";
inline constexpr std::string_view SsEditTuyaRyori = "SsEditTuyaRyori";
inline constexpr std::string_view SsEditTuyaHaizen = "SsEditTuyaHaizen";
inline constexpr std::string_view ChkTuyaryori = "ChkTuyaryori";

// Step 4: farewell ceremony.
inline constexpr std::string_view SsEditKokuRyori = "SsEditKokuRyori";
inline constexpr std::string_view SsEditKokuHaizen = "SsEditKokuHaizen";
inline constexpr std::string_view ImgKokuRyori = "ImgKokuRyori";
inline constexpr std::string_view SsEditKokuShikai = "SsEditKokuShikai";
inline constexpr std::string_view SsEditReikyu = "SsEditReikyu";
inline constexpr std::string_view ImgReikyu = "ImgReikyu";
inline constexpr std::string_view RBtnReikyu1 = "RBtnReikyu1";
inline constexpr std::string_view RBtnReikyu2 = "RBtnReikyu2";
inline constexpr std::string_view RBtnReikyu3 = "RBtnReikyu3";

// Step 5: cremation and the summary area.
inline constexpr std::string_view SsEditKaso = "SsEditKaso";
inline constexpr std::string_view SsEditTubo = "SsEditTubo";
inline constexpr std::string_view SsEditKokoro = "SsEditKokoro";
inline constexpr std::string_view SsEditAto = "SsEditAto";
inline constexpr std::string_view SsEditGokei = "SsEditGokei";
inline constexpr std::string_view StrColGrid1 = "StrColGrid1";

// The header bar.
inline constexpr std::string_view plBtnPrint = "plBtnPrint";

} // namespace lumenta::controls
