// Edits and memos over the system EDIT class. A memo's lines are read from its window, so
// they follow the multi-line edit's own line rules.
#include "ui/prop_builders.h"
#include "ui/stdctrls.h"

namespace ui {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    tab_stop_ = true;
    color_ = clWindow;
    width_ = 121;
    height_ = 21;
}

const TClassInfo& TCustomEdit::StaticClass() {
    using C = TCustomEdit;
    static const TClassInfo info(L"TCustomEdit", &TWinControl::StaticClass(),
                                 {
                                     props::Boolean(L"ReadOnly", &C::ReadOnly, &C::SetReadOnly),
                                     props::Integer(L"MaxLength", &C::MaxLength, &C::SetMaxLength),
                                     props::Enum(L"BorderStyle", {L"bsNone", L"bsSingle"},
                                                 &C::BorderStyle, &C::SetBorderStyle),
                                     props::Event(L"OnChange", &C::OnChange),
                                 });
    return info;
}

const TClassInfo& TEdit::StaticClass() {
    static const TClassInfo info(L"TEdit", &TCustomEdit::StaticClass());
    return info;
}

void TCustomEdit::SetReadOnly(bool v) {
    read_only_ = v;
    if (handle_) SendMessageW(handle_, EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetMaxLength(int v) {
    max_length_ = v;
    if (handle_) SendMessageW(handle_, EM_SETLIMITTEXT, static_cast<WPARAM>(v), 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
    if (v == border_style_) return;
    border_style_ = v;
    if (handle_) RecreateWnd();
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = L"EDIT";
    p.style |= ES_AUTOHSCROLL;
    if (read_only_) p.style |= ES_READONLY;
    if (border_style_ == TBorderStyle::bsSingle) p.ex_style |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::InitializeWnd() {
    // 0 lifts the system's default limit of about 32K characters.
    SendMessageW(handle_, EM_SETLIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TCustomEdit::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == EN_CHANGE) {
        if (OnChange && Firing()) OnChange(this);
        return;
    }
    TWinControl::WndProc(msg);
}

// ---- memo lines

const TClassInfo& TMemoLines::StaticClass() {
    static const TClassInfo info(L"TMemoLines", &TStrings::StaticClass());
    return info;
}

HWND TMemoLines::Wnd() const {
    return memo_.Handle();
}

int TMemoLines::Count() const {
    HWND w = Wnd();
    int count = static_cast<int>(SendMessageW(w, EM_GETLINECOUNT, 0, 0));
    const auto last_start = SendMessageW(w, EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
    if (SendMessageW(w, EM_LINELENGTH, static_cast<WPARAM>(last_start), 0) == 0) --count;
    return count;
}

std::wstring TMemoLines::Get(int index) const {
    HWND w = Wnd();
    const auto start = SendMessageW(w, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
    if (index < 0 || start < 0) return {};
    const auto length = SendMessageW(w, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    if (length > 0xFFFF) // beyond what EM_GETLINE's one-word buffer size can ask for
        return memo_.GetText().substr(static_cast<std::size_t>(start),
                                      static_cast<std::size_t>(length));
    // EM_GETLINE takes the buffer size in its first word and needs room for at least that.
    std::wstring line(static_cast<std::size_t>(std::max<LRESULT>(length, 1)), L'\0');
    line[0] = static_cast<wchar_t>(line.size());
    const auto got = SendMessageW(w, EM_GETLINE, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<std::size_t>(std::max<LRESULT>(0, std::min(got, length))));
    return line;
}

void TMemoLines::Insert(int index, const std::wstring& s) {
    auto lines = Lines();
    if (index < 0 || index > static_cast<int>(lines.size()))
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    lines.insert(lines.begin() + index, s);
    SetLines(lines);
}

void TMemoLines::Delete(int index) {
    auto lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    lines.erase(lines.begin() + index);
    SetLines(lines);
}

void TMemoLines::Clear() {
    SetText(L"");
}

// Before the memo has a window (while a description is read) the text waits in the memo.
void TMemoLines::SetText(const std::wstring& text) {
    memo_.SetText(text);
}

void TMemoLines::SetLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? L"\r\n" : L"") + lines[i];
    SetText(text);
}

std::wstring TMemoLines::Text() const {
    return memo_.GetText();
}

// ---- memo

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoLines>(*this)) {
    width_ = 185;
    height_ = 89;
}

const TClassInfo& TMemo::StaticClass() {
    using C = TMemo;
    // "Is a TCustomMemo" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomMemo", &TCustomEdit::StaticClass());
    static const TClassInfo info(
        L"TMemo", &kind,
        {
            props::Object(L"Lines", &C::Lines),
            props::Enum(L"ScrollBars", {L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth"},
                        &C::ScrollBars, &C::SetScrollBars),
            props::Boolean(L"WordWrap", &C::WordWrap, &C::SetWordWrap),
            props::Boolean(L"WantReturns", &C::WantReturns, &C::SetWantReturns),
            props::Boolean(L"WantTabs", &C::WantTabs, &C::SetWantTabs),
        });
    return info;
}

void TMemo::SetScrollBars(TScrollStyle v) {
    scroll_bars_ = v;
    RecreateWnd();
}

void TMemo::SetWordWrap(bool v) {
    word_wrap_ = v;
    RecreateWnd();
}

void TMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    p.style |= ES_MULTILINE | ES_AUTOVSCROLL;
    const bool horizontal =
        scroll_bars_ == TScrollStyle::ssHorizontal || scroll_bars_ == TScrollStyle::ssBoth;
    if (horizontal) p.style |= WS_HSCROLL;
    if (scroll_bars_ == TScrollStyle::ssVertical || scroll_bars_ == TScrollStyle::ssBoth)
        p.style |= WS_VSCROLL;
    // Lines wrap only without a horizontal scroll bar and with word wrap on.
    if (horizontal || !word_wrap_) p.style |= ES_AUTOHSCROLL;
    if (want_returns_) p.style |= ES_WANTRETURN;
}

void TMemo::WndProc(TMessage& msg) {
    if (msg.Msg == WM_GETDLGCODE) {
        TCustomEdit::WndProc(msg);
        if (!want_tabs_) msg.Result &= ~DLGC_WANTTAB;
        if (!want_returns_) msg.Result &= ~DLGC_WANTALLKEYS;
        return;
    }
    TCustomEdit::WndProc(msg);
}

} // namespace ui
