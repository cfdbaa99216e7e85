#pragma once

// The maker's service slogan: the banner shows it, and the start screen's
// introduction names the plan family by it.
inline constexpr const char* kServiceSlogan = "火葬場で執り行う家族のお葬式";
