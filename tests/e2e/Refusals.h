#pragma once

// The warnings of a refused "計算", in the order in which the items are
// checked: the item's place among the 16 item flags, the message, and the
// step (1-5) whose screen the window then shows.
struct ItemRefusal {
    int flag;
    const char* message;
    int step;
};

inline constexpr ItemRefusal kItemRefusals[13] = {
    {0, "　火葬場が選択されていない為、計算ができません", 1},
    {1, "　安置場所の距離が選択されていない為、計算ができません", 1},
    {2, "　保管日数が選択されていない為、計算ができません", 1},
    {3, "　手続き代行の有無を選択されていない為、計算ができません", 1},
    {4, "　棺の種類が選択されていない為、計算ができません", 2},
    {5, "　祭壇の種類が選択されていない為、計算ができません", 2},
    {6, "　死化粧の有無を選択されていない為、計算ができません", 2},
    {7, "　遺影写真の有無を選択されていない為、計算ができません", 2},
    {10, "　受付設備の有無を選択されていない為、計算ができません", 3},
    {11, "　通夜のお料理が選択されていない為、計算ができません", 3},
    {12, "　告別式のお料理や数量が選択されていない為、計算ができません", 4},
    {14, "　霊柩車が選択されていない為、計算ができません", 4},
    {15, "　後飾りの有無を選択されていない為、計算ができません", 5},
};
