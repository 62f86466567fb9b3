// The collected texts: every outside clipboard text in arrival order, and the decision of which
// clipboard changes become entries. Each text is held once: the line the list shows for it is
// derived from the text when the list takes it, and kept by the list alone.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace collector {

// What the capture decision needs to know about the clipboard after a change. Each question is
// asked only when the answer matters, so no data is read for changes that are not captured.
class ClipboardSource {
public:
    virtual ~ClipboardSource() = default;
    // The change is our own write (the clipboard's owner is our clipboard window).
    virtual bool IsOwnWrite() = 0;
    // Its owner marked the contents as not to be monitored or kept in a history.
    virtual bool IsExcluded() = 0;
    // The clipboard's text; empty when it cannot be read.
    virtual std::wstring CapturedText() = 0;
};

class Collection {
public:
    // A clipboard change whose format probe gave `probe`. Text (probe 1) that is neither our
    // own write nor excluded is appended; the result is the line to append to the list box,
    // nothing when no entry was added. Any change with text clears the suppress flag.
    std::optional<std::wstring> Capture(int probe, ClipboardSource& clipboard);

    void Clear();

    std::size_t Size() const { return entries_.size(); }
    const std::wstring& Entry(std::size_t i) const { return entries_.at(i); }
    // Every entry, first to last, with nothing between them.
    std::wstring Joined() const;

    // Set before each of our own clipboard writes; cleared by the next change that carries
    // text. Our writes are told apart by the clipboard's owner, so the flag no longer decides
    // what is captured: an outside copy is never skipped because of it.
    bool SuppressNextCapture() const { return suppress_; }
    void SetSuppressNextCapture() { suppress_ = true; }
    void ClearSuppressNextCapture() { suppress_ = false; }

private:
    std::vector<std::wstring> entries_;
    bool suppress_ = false;
};

} // namespace collector
