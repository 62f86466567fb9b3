// Components: owned components freed with their owner, newest first, and removal
// notifications to the owner, the siblings and whoever asked.
#include "ui/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace ui;

struct Log {
    std::vector<std::wstring> lines;
};

class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, const std::wstring& name, Log& log) : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~TProbe() override {
        Destroying();
        log_.lines.push_back(L"free " + Name());
    }
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == TOperation::opRemove)
            log_.lines.push_back(Name() + L" hears " + c->Name() + L" go");
    }
    void BeforeDestruction() override {
        log_.lines.push_back(L"before " + Name());
        TComponent::BeforeDestruction();
        EXPECT_TRUE(ComponentState() & csDestroying);
    }

private:
    Log& log_;
};

TEST(UiComponent, OwnedComponentsAreFreedNewestFirst) {
    Log log;
    auto* root = new TProbe(nullptr, L"root", log);
    new TProbe(root, L"a", log);
    auto* b = new TProbe(root, L"b", log);
    new TProbe(b, L"b1", log);
    new TProbe(root, L"c", log);
    EXPECT_EQ(root->ComponentCount(), 3);
    EXPECT_EQ(root->FindComponent(L"B"), b);
    EXPECT_EQ(root->FindComponent(L"b1"), nullptr); // owned by b, not root
    Free(root);
    const std::vector<std::wstring> expected = {
        L"before root",  L"before c",      L"free c",   L"root hears c go",
        L"a hears c go", L"b hears c go",  L"before b", L"before b1",
        L"free b1",      L"b hears b1 go", L"free b",   L"root hears b go",
        L"a hears b go", L"before a",      L"free a",   L"root hears a go",
        L"free root",
    };
    EXPECT_EQ(log.lines, expected);
}

TEST(UiComponent, FreeNotificationReachesAComponentOfAnotherOwner) {
    Log log;
    TProbe watcher(nullptr, L"watcher", log);
    auto* watched = new TProbe(nullptr, L"watched", log);
    watched->FreeNotification(&watcher);
    delete watched;
    EXPECT_NE(std::find(log.lines.begin(), log.lines.end(), L"watcher hears watched go"),
              log.lines.end());
    // The link is gone both ways: freeing the watcher later tells nobody.
    log.lines.clear();
    auto* other = new TProbe(nullptr, L"other", log);
    other->FreeNotification(&watcher);
    other->RemoveFreeNotification(&watcher);
    delete other;
    EXPECT_EQ(log.lines, std::vector<std::wstring>{L"free other"});
}

} // namespace
