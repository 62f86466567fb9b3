// The one process-wide clipboard object: counted open and close with the application window as
// the opener, and text read and written as UTF-16 (the system makes CF_TEXT from it for ANSI
// programs, so text outside the ANSI code page survives).
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "collector/collection.h"

namespace collector {

// Raised when the clipboard cannot be opened; what() is the UTF-8 text of kCannotOpenClipboard.
class ClipboardError : public std::runtime_error {
public:
    ClipboardError();
};
inline constexpr std::wstring_view kCannotOpenClipboard = L"无法打开剪贴板";

// The text of a CF_UNICODETEXT data block: up to its first zero, never past the block's size
// (data of any size is taken whole; an odd last byte is not a character). Empty when there is
// no block or it cannot be locked.
std::wstring BlockText(HANDLE block);

class Clipboard final : public ClipboardSource {
public:
    static Clipboard& Instance();

    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

    // Open and close nest: only the outermost pair opens and closes the clipboard.
    void Open();
    void Close();

    void Empty();
    bool HasFormat(UINT format) const;
    // The text up to its first zero character, never past the data block; empty when the
    // clipboard holds none. Raises ClipboardError when the clipboard cannot be opened.
    std::wstring ReadText();
    // Replaces the clipboard's contents with the text.
    void WriteText(std::wstring_view text);

    // Replaces the contents with the text, handed over only when a program asks for it
    // (delayed rendering), so the caller can tell when the paste target took it: TextTaken().
    void WriteTextOnRequest(std::wstring text);
    // The text of the last WriteTextOnRequest has been handed over, or the clipboard has
    // passed to someone else (so it never will be).
    bool TextTaken() const { return !waiting_; }

    bool IsOwnWrite() override;
    bool IsExcluded() override;
    std::wstring CapturedText() override;

private:
    Clipboard() = default;
    void WatchOwnerMessages(HWND opener);
    void Render();
    static LRESULT CALLBACK OwnerProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                      DWORD_PTR self);

    int open_count_ = 0;
    HWND subclassed_ = nullptr;
    std::wstring pending_;
    bool waiting_ = false;
};

// Holds the clipboard open for a scope.
class ClipboardOpen {
public:
    explicit ClipboardOpen(Clipboard& clipboard) : clipboard_(clipboard) { clipboard_.Open(); }
    ~ClipboardOpen() { clipboard_.Close(); }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;

private:
    Clipboard& clipboard_;
};

} // namespace collector
