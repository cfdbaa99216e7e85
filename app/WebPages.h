#pragma once

// The maker's pages opened in the user's browser.
inline constexpr const char* kMakerHomePage = "https://vermora.example/";
inline constexpr const char* kSoftwarePage = "https://vermora.example/lumenta/";
