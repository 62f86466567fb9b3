// What the end-to-end tests share: a running Pellico per test with a clean clipboard, and
// waiting for a paste target's text.
#pragma once
#include "tests/support/desktop.h"
#include "tests/win32/collector/paste_target.h"
#include "tests/e2e/pellico_driver.h"
#include "tests/win32/collector/test_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace e2e {

using namespace std::chrono_literals;

class PellicoTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pellico_.WaitUntilUp()); }
    void TearDown() override {
        const auto code = pellico_.Close();
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(*code, 0u);
        collector_test::CleanClipboard::Empty();
    }
    // Copies each text from outside, as a user would: one after the other has been taken.
    // (Pellico hears of a change after the copying program closed the clipboard and reads
    // it then, so copies in quick succession would all read the last one.)
    void CopyAll(const std::vector<std::wstring>& texts) {
        int count = static_cast<int>(pellico_.Items().size());
        for (const auto& t : texts) {
            CopyText(t);
            ASSERT_TRUE(pellico_.WaitForCount(++count));
        }
    }
    // A target the user was working in: in front, and recorded by Pellico's timer. A window
    // that has just come up may still be raised by the desktop a moment later, so the target
    // is put in front again until it stays there.
    std::unique_ptr<collector_test::PasteTarget> Target(
        collector_test::PasteTarget::Kind kind = collector_test::PasteTarget::Kind::plain) {
        auto target = std::make_unique<collector_test::PasteTarget>(kind, pellico_.Main());
        for (int stable = 0, attempt = 0; stable < 2 && attempt < 20; ++attempt) {
            testing_desktop::Pump(200ms);
            if (GetForegroundWindow() == target->get()) {
                ++stable;
            } else {
                stable = 0;
                SetForegroundWindow(target->get());
            }
        }
        testing_desktop::Pump(200ms);
        return target;
    }
    static bool WaitForText(const collector_test::PasteTarget& target, const std::wstring& text) {
        return testing_desktop::PumpUntil([&] { return target.Text() == text; }, 5s);
    }

    PellicoDriver pellico_;
};

} // namespace e2e
