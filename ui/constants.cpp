// Identifier tables for colours, cursors and character sets.
#include "ui/constants.h"

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
        {L"clScrollBar", clScrollBar},
        {L"clBackground", clBackground},
        {L"clActiveCaption", clActiveCaption},
        {L"clInactiveCaption", clInactiveCaption},
        {L"clMenu", clMenu},
        {L"clWindow", clWindow},
        {L"clWindowFrame", clWindowFrame},
        {L"clMenuText", clMenuText},
        {L"clWindowText", clWindowText},
        {L"clCaptionText", clCaptionText},
        {L"clActiveBorder", clActiveBorder},
        {L"clInactiveBorder", clInactiveBorder},
        {L"clAppWorkSpace", clAppWorkSpace},
        {L"clHighlight", clHighlight},
        {L"clHighlightText", clHighlightText},
        {L"clBtnFace", clBtnFace},
        {L"clBtnShadow", clBtnShadow},
        {L"clGrayText", clGrayText},
        {L"clBtnText", clBtnText},
        {L"clInactiveCaptionText", clInactiveCaptionText},
        {L"clBtnHighlight", clBtnHighlight},
        {L"cl3DDkShadow", cl3DDkShadow},
        {L"cl3DLight", cl3DLight},
        {L"clInfoText", clInfoText},
        {L"clInfoBk", clInfoBk},
        {L"clNone", clNone},
        {L"clDefault", clDefault},
    };
    return t;
}

const IdentTable& CursorIdents() {
    static const IdentTable t = {
        {L"crDefault", crDefault},   {L"crNone", crNone},           {L"crArrow", crArrow},
        {L"crCross", crCross},       {L"crIBeam", crIBeam},         {L"crSizeNESW", crSizeNESW},
        {L"crSizeNS", crSizeNS},     {L"crSizeNWSE", crSizeNWSE},   {L"crSizeWE", crSizeWE},
        {L"crUpArrow", crUpArrow},   {L"crHourGlass", crHourGlass}, {L"crNo", crNo},
        {L"crAppStart", crAppStart}, {L"crHelp", crHelp},           {L"crHandPoint", crHandPoint},
        {L"crSizeAll", crSizeAll},
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
