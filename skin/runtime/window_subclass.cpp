// Object-bound window procedures: the stubs, their memory, installing and releasing them.
#include "skin/runtime/window_subclass.h"

#include "ui/paint_timing.h"

#include <cstdint>
#include <cstring>
#include <vector>

// One stub: its machine code first, then what it needs to forward messages once released.
struct TSubclassStub {
    unsigned char code[32];
    TWindowSubclass* owner; // none once released: the stub only forwards
    WNDPROC previous;
    HWND window;
    bool unicode;
    bool inUse; // handed out by the pool
};

namespace {

constexpr std::size_t kStubSlot = 64;
static_assert(sizeof(TSubclassStub) <= kStubSlot);

// Executable memory for stubs, handed out in slots from whole pages that are never given back
// (a program skins a handful of windows; their slots are reused).
class TStubPool {
public:
    TSubclassStub* Allocate() {
        AcquireSRWLockExclusive(&lock_);
        if (free_.empty()) Grow();
        TSubclassStub* stub = free_.empty() ? nullptr : free_.back();
        if (stub) {
            free_.pop_back();
            stub->inUse = true;
        }
        ReleaseSRWLockExclusive(&lock_);
        return stub;
    }
    void Free(TSubclassStub* stub) {
        AcquireSRWLockExclusive(&lock_);
        stub->inUse = false;
        stub->owner = nullptr;
        free_.push_back(stub);
        ReleaseSRWLockExclusive(&lock_);
    }

private:
    void Grow() {
        constexpr std::size_t kPage = 4096;
        auto* page = static_cast<unsigned char*>(
            VirtualAlloc(nullptr, kPage, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
        if (!page) return;
        for (std::size_t at = 0; at + kStubSlot <= kPage; at += kStubSlot)
            free_.push_back(reinterpret_cast<TSubclassStub*>(page + at));
    }

    SRWLOCK lock_ = SRWLOCK_INIT;
    std::vector<TSubclassStub*> free_;
};

TStubPool& Pool() {
    static TStubPool pool;
    return pool;
}

template <typename T> void Put(unsigned char*& at, T value) {
    std::memcpy(at, &value, sizeof value);
    at += sizeof value;
}

// Writes the stub's code: call `target` with the stub in place of the window handle. It jumps,
// so it is never on the stack once the target runs and may be freed from inside it.
void WriteCode(TSubclassStub* stub, WNDPROC target) {
    unsigned char* at = stub->code;
#if defined(__x86_64__) || defined(_M_X64)
    Put<std::uint16_t>(at, 0xB948); // mov rcx, imm64 (the first argument)
    Put(at, reinterpret_cast<std::uint64_t>(stub));
    Put<std::uint16_t>(at, 0xB848); // mov rax, imm64
    Put(at, reinterpret_cast<std::uint64_t>(target));
    Put<std::uint16_t>(at, 0xE0FF); // jmp rax
#elif defined(__i386__) || defined(_M_IX86)
    Put<std::uint32_t>(at, 0x042444C7); // mov dword ptr [esp+4], imm32 (the first argument)
    Put(at, reinterpret_cast<std::uint32_t>(stub));
    Put<std::uint8_t>(at, 0xE9); // jmp rel32
    const auto next = reinterpret_cast<std::intptr_t>(at) + 4;
    Put(at, static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(target) - next));
#else
#error "object-bound window procedures need the stub code of this processor"
#endif
    FlushInstructionCache(GetCurrentProcess(), stub->code, sizeof stub->code);
}

LRESULT CallProcedure(WNDPROC procedure, bool unicode, HWND window, UINT msg, WPARAM wp,
                      LPARAM lp) {
    return unicode ? CallWindowProcW(procedure, window, msg, wp, lp)
                   : CallWindowProcA(procedure, window, msg, wp, lp);
}

LONG_PTR WindowProcedureOf(HWND window, bool unicode) {
    return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                   : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

LONG_PTR SetWindowProcedure(HWND window, bool unicode, LONG_PTR procedure) {
    return unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                   : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
}

} // namespace

TWindowSubclass::TWindowSubclass(Handler handler)
    : handler_(std::make_shared<const Handler>(std::move(handler))) {}

TWindowSubclass::~TWindowSubclass() {
    Release();
    for (Frame* f = frames_; f; f = f->outer)
        f->gone = true;
}

bool TWindowSubclass::Install(HWND window, bool unicode) {
    if (stub_ || !IsWindow(window)) return false;
    TSubclassStub* stub = Pool().Allocate();
    if (!stub) return false;
    stub->owner = this;
    stub->window = window;
    stub->unicode = unicode;
    stub->previous = reinterpret_cast<WNDPROC>(WindowProcedureOf(window, unicode));
    WriteCode(stub, &TWindowSubclass::StubProc);
    SetLastError(0);
    const LONG_PTR old = SetWindowProcedure(window, unicode, reinterpret_cast<LONG_PTR>(stub));
    if (old == 0 && GetLastError() != 0) {
        Pool().Free(stub);
        return false;
    }
    stub->previous = reinterpret_cast<WNDPROC>(old);
    stub_ = stub;
    window_ = window;
    previous_ = stub->previous;
    unicode_ = unicode;
    return true;
}

void TWindowSubclass::Release() {
    TSubclassStub* stub = stub_;
    if (!stub) return;
    stub_ = nullptr;
    if (!IsWindow(window_)) {
        Pool().Free(stub);
    } else if (WindowProcedureOf(window_, unicode_) == reinterpret_cast<LONG_PTR>(stub)) {
        SetWindowProcedure(window_, unicode_, reinterpret_cast<LONG_PTR>(previous_));
        Pool().Free(stub);
    } else {
        // Someone subclassed after us and calls our stub: it forwards from now on.
        stub->owner = nullptr;
    }
}

bool TWindowSubclass::Pass(ui::TMessage& msg) {
    Frame* frame = frames_;
    if (frame) frame->passed = true;
    msg.Result = CallProcedure(previous_, unicode_, window_, msg.Msg, msg.WParam, msg.LParam);
    return !frame || !frame->gone;
}

LRESULT TWindowSubclass::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    ui::TMessage m{msg, wp, lp, 0};
    Frame frame;
    frame.outer = frames_;
    frames_ = &frame;
    const std::shared_ptr<const Handler> handler = handler_;
    try {
        (*handler)(m);
    } catch (...) {
        // A skinner drops what escapes its handling, but the window still gets its message.
        if (!frame.gone && !frame.passed) (void)Pass(m);
    }
    if (!frame.gone) frames_ = frame.outer;
    return m.Result;
}

LRESULT CALLBACK TWindowSubclass::StubProc(HWND stubAsWindow, UINT msg, WPARAM wp, LPARAM lp) {
    auto* stub = reinterpret_cast<TSubclassStub*>(stubAsWindow);
    if (TWindowSubclass* owner = stub->owner) {
        const HWND window = stub->window;
        LRESULT result = 0;
        {
            const ui::TPaintTiming timing(window, msg);
            result = owner->Handle(msg, wp, lp);
        }
        // Released during the window's last message while a later subclasser still held the
        // stub: nobody calls it again. (Pool memory is never given back, so reading it is safe.)
        if (msg == WM_NCDESTROY && stub->inUse && !stub->owner && stub->window == window)
            Pool().Free(stub);
        return result;
    }
    const WNDPROC previous = stub->previous;
    const HWND window = stub->window;
    const bool unicode = stub->unicode;
    // No message follows the last one: nobody calls the stub again.
    if (msg == WM_NCDESTROY) Pool().Free(stub);
    return CallProcedure(previous, unicode, window, msg, wp, lp);
}
