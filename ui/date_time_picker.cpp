// The date-time picker over the system class SysDateTimePick32.
#include "ui/date_time_picker.h"

#include "ui/prop_builders.h"

#include <commctrl.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace ui {

namespace {

bool LeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && LeapYear(y) ? 29 : kDays[m - 1];
}

// Whole numbers separated by `separator`, each of at most four digits, and nothing else.
std::vector<int> Fields(const std::wstring& text, wchar_t separator) {
    std::vector<int> fields;
    int value = 0, digits = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            if (digits == 0) return {};
            fields.push_back(value);
            value = digits = 0;
        } else if (text[i] >= L'0' && text[i] <= L'9' && digits < 4) {
            value = value * 10 + (text[i] - L'0');
            ++digits;
        } else {
            return {};
        }
    }
    return fields;
}

// Three numbers of two digits at least (the first of `width1` digits) around a separator.
std::wstring Joined(int a, int width1, int b, int c, wchar_t separator) {
    wchar_t text[24];
    std::swprintf(text, 24, L"%0*d%lc%02d%lc%02d", width1, a, separator, b, separator, c);
    return text;
}

// The day of the week the system's picker wants filled in (0 Sunday).
WORD DayOfWeek(int y, int m, int d) {
    static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) --y;
    return static_cast<WORD>((y + y / 4 - y / 100 + y / 400 + kOffsets[m - 1] + d) % 7);
}

} // namespace

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
    tab_stop_ = true;
    width_ = 186;
    height_ = 21;
    color_ = clWindow;
    GetLocalTime(&value_);
    value_.wMilliseconds = 0;
}

const TClassInfo& TDateTimePicker::StaticClass() {
    using C = TDateTimePicker;
    static const TClassInfo info(
        L"TDateTimePicker", &TWinControl::StaticClass(),
        {
            props::Enum(L"Kind", {L"dtkDate", L"dtkTime"}, &C::Kind, &C::SetKind),
            props::Enum(L"DateMode", {L"dmComboBox", L"dmUpDown"}, &C::DateMode, &C::SetDateMode),
            props::String(L"Date", &C::Date, &C::SetDate),
            props::String(L"Time", &C::Time, &C::SetTime),
            props::Event(L"OnChange", &C::OnChange),
        });
    return info;
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
    if (v == kind_) return;
    kind_ = v;
    if (handle_) RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode v) {
    if (v == date_mode_) return;
    date_mode_ = v;
    if (handle_) RecreateWnd();
}

SYSTEMTIME TDateTimePicker::DateTime() const {
    SYSTEMTIME t = value_;
    if (handle_ &&
        SendMessageW(handle_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t)) != GDT_VALID)
        t = value_;
    return t;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& v) {
    value_ = v;
    value_.wDayOfWeek = DayOfWeek(v.wYear, v.wMonth, v.wDay);
    if (handle_)
        SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}

std::wstring TDateTimePicker::Date() const {
    const SYSTEMTIME t = DateTime();
    return Joined(t.wYear, 4, t.wMonth, t.wDay, L'-');
}

void TDateTimePicker::SetDate(const std::wstring& v) {
    const std::vector<int> f = Fields(v, L'-');
    // The system's picker knows nothing before 1601.
    if (f.size() != 3 || f[0] < 1601 || f[1] < 1 || f[1] > 12 || f[2] < 1 ||
        f[2] > DaysInMonth(f[0], f[1]))
        throw std::invalid_argument("not a date: expected YYYY-MM-DD");
    SYSTEMTIME t = DateTime();
    t.wYear = static_cast<WORD>(f[0]);
    t.wMonth = static_cast<WORD>(f[1]);
    t.wDay = static_cast<WORD>(f[2]);
    SetDateTime(t);
}

std::wstring TDateTimePicker::Time() const {
    const SYSTEMTIME t = DateTime();
    return Joined(t.wHour, 2, t.wMinute, t.wSecond, L':');
}

void TDateTimePicker::SetTime(const std::wstring& v) {
    std::vector<int> f = Fields(v, L':');
    if (f.size() == 2) f.push_back(0);
    if (f.size() != 3 || f[0] > 23 || f[1] > 59 || f[2] > 59)
        throw std::invalid_argument("not a time: expected HH:MM:SS");
    SYSTEMTIME t = DateTime();
    t.wHour = static_cast<WORD>(f[0]);
    t.wMinute = static_cast<WORD>(f[1]);
    t.wSecond = static_cast<WORD>(f[2]);
    t.wMilliseconds = 0;
    SetDateTime(t);
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = DATETIMEPICK_CLASSW;
    p.ex_style |= WS_EX_CLIENTEDGE;
    if (kind_ == TDateTimeKind::dtkTime)
        p.style |= DTS_TIMEFORMAT;
    else if (date_mode_ == TDTDateMode::dmUpDown)
        p.style |= DTS_UPDOWN;
    // A right-to-left picker keeps its button at the left, as scroll bars go there.
    if (bidi_mode_ == TBiDiMode::bdRightToLeft) p.ex_style |= WS_EX_LEFTSCROLLBAR;
}

void TDateTimePicker::InitializeWnd() {
    SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}

void TDateTimePicker::SaveWndState() {
    value_ = DateTime();
    TWinControl::SaveWndState();
}

void TDateTimePicker::WndProc(TMessage& msg) {
    if (msg.Msg == CN_NOTIFY &&
        reinterpret_cast<const NMHDR*>(msg.LParam)->code == static_cast<UINT>(DTN_DATETIMECHANGE)) {
        value_ = DateTime();
        if (OnChange && Firing()) OnChange(this);
        msg.Result = 0;
        return;
    }
    TWinControl::WndProc(msg);
}

} // namespace ui
