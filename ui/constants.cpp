// Identifier tables for colours, cursors and character sets.
#include "constants.h"

namespace ui {

const IdentTable& ColorIdents() {
    static const IdentTable t = {
        {L"clBlack", 0x000000},
        {L"clMaroon", 0x000080},
        {L"clGreen", 0x008000},
        {L"clOlive", 0x008080},
        {L"clNavy", 0x800000},
        {L"clPurple", 0x800080},
        {L"clTeal", 0x808000},
        {L"clGray", 0x808080},
        {L"clSilver", 0xC0C0C0},
        {L"clRed", 0x0000FF},
        {L"clLime", 0x00FF00},
        {L"clYellow", 0x00FFFF},
        {L"clBlue", 0xFF0000},
        {L"clFuchsia", 0xFF00FF},
        {L"clAqua", 0xFFFF00},
        {L"clWhite", 0xFFFFFF},
        {L"clScrollBar", clSystemColor | 0},
        {L"clBackground", clSystemColor | 1},
        {L"clActiveCaption", clSystemColor | 2},
        {L"clInactiveCaption", clSystemColor | 3},
        {L"clMenu", clSystemColor | 4},
        {L"clWindow", clWindow},
        {L"clWindowFrame", clSystemColor | 6},
        {L"clMenuText", clSystemColor | 7},
        {L"clWindowText", clWindowText},
        {L"clCaptionText", clSystemColor | 9},
        {L"clActiveBorder", clSystemColor | 10},
        {L"clInactiveBorder", clSystemColor | 11},
        {L"clAppWorkSpace", clSystemColor | 12},
        {L"clHighlight", clSystemColor | 13},
        {L"clHighlightText", clSystemColor | 14},
        {L"clBtnFace", clBtnFace},
        {L"clBtnShadow", clSystemColor | 16},
        {L"clGrayText", clSystemColor | 17},
        {L"clBtnText", clBtnText},
        {L"clInactiveCaptionText", clSystemColor | 19},
        {L"clBtnHighlight", clSystemColor | 20},
        {L"cl3DDkShadow", clSystemColor | 21},
        {L"cl3DLight", clSystemColor | 22},
        {L"clInfoText", clSystemColor | 23},
        {L"clInfoBk", clSystemColor | 24},
        {L"clNone", clNone},
        {L"clDefault", clDefault},
    };
    return t;
}

const IdentTable& CursorIdents() {
    static const IdentTable t = {
        {L"crDefault", 0},    {L"crNone", -1},     {L"crArrow", -2},      {L"crCross", -3},
        {L"crIBeam", -4},     {L"crSizeNESW", -6}, {L"crSizeNS", -7},     {L"crSizeNWSE", -8},
        {L"crSizeWE", -9},    {L"crUpArrow", -10}, {L"crHourGlass", -11}, {L"crNo", -18},
        {L"crAppStart", -19}, {L"crHelp", -20},    {L"crHandPoint", -21}, {L"crSizeAll", -22},
    };
    return t;
}

const IdentTable& CharsetIdents() {
    static const IdentTable t = {
        {L"ANSI_CHARSET", 0},          {L"DEFAULT_CHARSET", 1},   {L"SYMBOL_CHARSET", 2},
        {L"SHIFTJIS_CHARSET", 128},    {L"HANGEUL_CHARSET", 129}, {L"GB2312_CHARSET", 134},
        {L"CHINESEBIG5_CHARSET", 136}, {L"OEM_CHARSET", 255},
    };
    return t;
}

} // namespace ui
