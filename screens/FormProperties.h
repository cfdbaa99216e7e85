#pragma once

// The dynamic properties that the screens' forms (screens/*.ui) carry and
// that the screens' set-up (FormSetup) reads, by name.

// On any widget: it gets the screen font at this many pixels.
inline constexpr const char* kFontPixelSizeProperty = "fontPixelSize";
// On a label: the built-in picture it shows as its own ("ImgMap" ...).
inline constexpr const char* kPictureProperty = "picture";
// On a form: its memos take their line pitch and margins from their font.
inline constexpr const char* kMemoPitchFromFontProperty = "memoPitchFromFont";
// On a label: the width in pixels that its text is fitted to.
inline constexpr const char* kFitWidthProperty = "fitWidth";
