// The hook that hears skinning switched off and on.
#include "skin_activity_hook.h"

#include "skin_messages.h"

TSkinActivityHook::TSkinActivityHook(std::function<void()> changed)
    : hook_([this, changed = std::move(changed)](ui::TMessage& msg) {
          if (!hook_.CallOld(msg)) return;
          if (msg.Msg == SM_SKINACTIVE) changed();
      }) {}
