// The watcher in a real viewer chain: an earlier viewer joined before it keeps getting every
// notification through it, chain changes are followed or passed on, and leaving is announced.
#include <gtest/gtest.h>

#include <memory>

#include "collector/application_window.h"
#include "collector/collection.h"
#include "collector/kivwatchClipbrd.h"
#include "tests/support/desktop.h"
#include "tests/win32/collector/test_window.h"

using namespace collector;
using namespace collector_test;
using testing_desktop::PumpUntil;

namespace {

// A well-behaved viewer of its own, in the chain before the watcher joins.
class EarlierViewer {
public:
    EarlierViewer()
        : window_([this](UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
              if (msg == WM_DRAWCLIPBOARD) {
                  if (next_) SendMessageW(next_, msg, wp, lp);
                  return 0;
              }
              if (msg == WM_CHANGECBCHAIN) {
                  if (reinterpret_cast<HWND>(wp) == next_) {
                      next_ = reinterpret_cast<HWND>(lp);
                  } else if (next_) {
                      SendMessageW(next_, msg, wp, lp);
                  }
                  return 0;
              }
              return std::nullopt;
          }) {
        next_ = SetClipboardViewer(window_.get());
    }
    ~EarlierViewer() { ChangeClipboardChain(window_.get(), next_); }
    TestWindow& window() { return window_; }

private:
    TestWindow window_;
    HWND next_ = nullptr;
};

std::size_t Count(const TestWindow& w, UINT msg) {
    return w.Received(msg).size();
}

} // namespace

TEST(Watcher, JoinsAfterAnEarlierViewerAndKeepsTheChainWhole) {
    CleanClipboard clean;
    TestWindow app;
    SetApplicationWindow(app.get());
    TestWindow other;
    PlaceOnClipboard(other.get(), {{CF_UNICODETEXT, WideBytes(L"from before the start")}});

    EarlierViewer earlier;
    const HWND viewer = earlier.window().get();
    std::unique_ptr<TkivwatchClipbrd> watcher;
    int draws_before_ready = 0;
    std::vector<int> probes;
    TestWindow own([&](UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
        if (msg == WM_DRAWCLIPBOARD) {
            if (!watcher) {
                ++draws_before_ready;
                return 0;
            }
            probes.push_back(watcher->HandleDrawClipboard(msg, wp, lp));
            return 0;
        }
        if (msg == WM_CHANGECBCHAIN) return watcher ? watcher->HandleChangeCBChain(msg, wp, lp) : 0;
        return std::nullopt;
    });

    watcher = std::make_unique<TkivwatchClipbrd>(own.get());
    EXPECT_EQ(CountClipboardFormats(), 0) << "what was there at start-up is thrown away";
    EXPECT_EQ(watcher->NextViewer(), viewer);
    EXPECT_EQ(draws_before_ready, 1) << "joining announces the (empty) clipboard at once";

    // Every change reaches the earlier viewer through the watcher.
    earlier.window().Forget();
    for (const auto* text : {L"one", L"two", L"three"}) {
        PlaceOnClipboard(other.get(), {{CF_UNICODETEXT, WideBytes(text)}});
    }
    ASSERT_TRUE(PumpUntil([&] { return Count(earlier.window(), WM_DRAWCLIPBOARD) >= 3; }));
    EXPECT_EQ(Count(earlier.window(), WM_DRAWCLIPBOARD), 3u);
    EXPECT_EQ(probes, (std::vector<int>{1, 1, 1}));

    // A change about some other window goes on unchanged; the result is 0.
    TestWindow x, y;
    EXPECT_EQ(SendMessageW(own.get(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(x.get()),
                           reinterpret_cast<LPARAM>(y.get())),
              0);
    auto passed = earlier.window().Received(WM_CHANGECBCHAIN);
    ASSERT_EQ(passed.size(), 1u);
    EXPECT_EQ(passed[0].wparam, reinterpret_cast<WPARAM>(x.get()));
    EXPECT_EQ(passed[0].lparam, reinterpret_cast<LPARAM>(y.get()));

    // Our next viewer leaving: we follow, and it does not hear about itself.
    SendMessageW(own.get(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(viewer),
                 reinterpret_cast<LPARAM>(x.get()));
    EXPECT_EQ(watcher->NextViewer(), x.get());
    EXPECT_EQ(Count(earlier.window(), WM_CHANGECBCHAIN), 1u);
    SendMessageW(own.get(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(x.get()),
                 reinterpret_cast<LPARAM>(viewer));
    EXPECT_EQ(watcher->NextViewer(), viewer);

    // Leaving: the earlier viewer is told that we go and that it follows.
    earlier.window().Forget();
    watcher.reset();
    bool told = false;
    for (const auto& m : earlier.window().Received(WM_CHANGECBCHAIN)) {
        told = told || (m.wparam == reinterpret_cast<WPARAM>(own.get()) &&
                        m.lparam == reinterpret_cast<LPARAM>(viewer));
    }
    EXPECT_TRUE(told);

    // The chain still works without us.
    own.Forget();
    earlier.window().Forget();
    PlaceOnClipboard(other.get(), {{CF_UNICODETEXT, WideBytes(L"after")}});
    ASSERT_TRUE(PumpUntil([&] { return Count(earlier.window(), WM_DRAWCLIPBOARD) >= 1; }));
    EXPECT_EQ(Count(own, WM_DRAWCLIPBOARD), 0u);
    SetApplicationWindow(nullptr);
}

TEST(Watcher, DoesNotJoinWhenTheClipboardCannotBeEmptied) {
    TestWindow app, holder, own;
    SetApplicationWindow(app.get());
    ASSERT_TRUE(OpenClipboard(holder.get()));
    EXPECT_THROW(TkivwatchClipbrd watcher(own.get()), ClipboardError);
    CloseClipboard();
    CleanClipboard clean;
    EXPECT_EQ(own.Received(WM_DRAWCLIPBOARD).size(), 0u);
    SetApplicationWindow(nullptr);
}

TEST(Watcher, OwnWritesAddNothingAndTheNextOutsideCopyIsCaptured) {
    CleanClipboard clean;
    TestWindow app, other;
    SetApplicationWindow(app.get());
    Collection list;
    std::vector<std::wstring> shown;
    std::unique_ptr<TkivwatchClipbrd> watcher;
    int notifications = 0;
    TestWindow own([&](UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
        if (msg != WM_DRAWCLIPBOARD) return std::nullopt;
        if (watcher) {
            ++notifications;
            if (auto line =
                    list.Capture(watcher->HandleDrawClipboard(msg, wp, lp), Clipboard::Instance()))
                shown.push_back(*line);
        }
        return 0;
    });
    watcher = std::make_unique<TkivwatchClipbrd>(own.get());
    Clipboard& clipboard = Clipboard::Instance();

    struct Step {
        const char* name;
        std::function<void()> write;
        std::size_t entries;
    };
    const Step steps[] = {
        {"outside copy",
         [&] {
             PlaceOnClipboard(other.get(), {{CF_UNICODETEXT, WideBytes(L"a")}});
         },
         1},
        {"our paste",
         [&] {
             list.SetSuppressNextCapture();
             clipboard.WriteText(L"a");
         },
         1},
        {"our paste on request", [&] { clipboard.WriteTextOnRequest(L"a"); }, 1},
        // Our notification came and went: an outside copy right after is not skipped.
        {"outside copy after our paste",
         [&] {
             PlaceOnClipboard(other.get(), {{CF_UNICODETEXT, WideBytes(L"b")}});
         },
         2},
        {"outside copy of nothing but a bitmap",
         [&] {
             PlaceOnClipboard(other.get(), {{CF_BITMAP, {}}});
         },
         2},
    };
    for (const auto& step : steps) {
        const int before = notifications;
        step.write();
        ASSERT_TRUE(PumpUntil([&] { return notifications > before; })) << step.name;
        EXPECT_EQ(list.Size(), step.entries) << step.name;
        EXPECT_FALSE(list.SuppressNextCapture()) << step.name;
    }
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"a", L"b"}));

    // Noticing our own write does not ask for the text owed: only the paste target does.
    clipboard.WriteTextOnRequest(L"owed");
    testing_desktop::Pump(std::chrono::milliseconds(100));
    EXPECT_FALSE(clipboard.TextTaken());
    watcher.reset();
    SetApplicationWindow(nullptr);
}
