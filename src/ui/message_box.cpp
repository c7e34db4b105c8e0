#include "ui/message_box.h"

#include "platform/text.h"

namespace ui {
namespace {

MessageResponder responder;

}  // namespace

int showMessage(HWND owner, const std::string& text, const std::string& title, UINT style) {
    const MessageBoxCall call{owner, text, title, style | MB_TASKMODAL};
    if (responder) return responder(call);
    return MessageBoxW(owner, platform::widen(text).c_str(), platform::widen(title).c_str(), call.style);
}

ScopedMessageResponder::ScopedMessageResponder(MessageResponder replacement) : previous_(std::move(responder)) {
    responder = std::move(replacement);
}

ScopedMessageResponder::~ScopedMessageResponder() {
    responder = std::move(previous_);
}

}  // namespace ui
