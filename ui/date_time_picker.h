// The date-time picker over the system's date and time picker: a date with a drop-down calendar,
// or with an up-down, or a time. Its value is read and written as text ("2026-12-10",
// "14:30:00"), which is how a description stores it.
#pragma once
#include "ui/win_control.h"

namespace ui {

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateMode { dmComboBox, dmUpDown };

class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // Date or time; a time is always edited with an up-down.
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind v);
    TDTDateMode DateMode() const { return date_mode_; }
    void SetDateMode(TDTDateMode v);
    // The whole value (date and time of day), as the window has it while there is one.
    SYSTEMTIME DateTime() const;
    void SetDateTime(const SYSTEMTIME& v);
    // "YYYY-MM-DD"; setting keeps the time of day. Throws std::invalid_argument for text that
    // is not a date of the calendar.
    std::wstring Date() const;
    void SetDate(const std::wstring& v);
    // "HH:MM:SS" ("HH:MM" is read too); setting keeps the date.
    std::wstring Time() const;
    void SetTime(const std::wstring& v);

    // The value changed in the window (by the user or the calendar).
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void WndProc(TMessage& msg) override;

private:
    TDateTimeKind kind_ = TDateTimeKind::dtkDate;
    TDTDateMode date_mode_ = TDTDateMode::dmComboBox;
    SYSTEMTIME value_{};
};

} // namespace ui
