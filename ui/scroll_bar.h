// The stand-alone scroll-bar control: a range, a position in it, the page the position's owner
// shows, and the scroll requests of the bar (arrows, track, thumb, keys) turned into positions.
#pragma once
#include "ui/win_control.h"

namespace ui {

enum class TScrollBarKind { sbHorizontal, sbVertical };

// A scroll request: the request code (SB_LINEUP ... SB_ENDSCROLL) and the position it leads to,
// which the handler may change.
using TScrollEvent = std::function<void(TPersistent* sender, int code, int& position)>;

class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind v);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int PageSize() const { return page_size_; }
    void SetPageSize(int v);
    // Kept between Min and the last position, Max - PageSize + 1 (Max without a page).
    int Position() const { return position_; }
    void SetPosition(int v);
    int SmallChange() const { return small_change_; }
    void SetSmallChange(int v) { small_change_ = v; }
    int LargeChange() const { return large_change_; }
    void SetLargeChange(int v) { large_change_ = v; }

    TScrollEvent OnScroll;
    TNotifyEvent OnChange;

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& msg) override;

private:
    int Clamped(int position) const;
    void RangeChanged();
    void ApplyToWindow();
    void Scroll(int code);

    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int page_size_ = 0;
    int position_ = 0;
    int small_change_ = 1;
    int large_change_ = 1;
};

} // namespace ui
