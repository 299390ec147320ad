#include "MessageBox.h"

#include <cstdio>
#include <utility>

namespace {

// The handler the front end installed on this thread; empty until it does.
MessageHandler& CurrentHandler() {
  thread_local MessageHandler handler;
  return handler;
}

}  // namespace

// Swaps in the new handler and hands back the old one, so a caller (a test,
// say) can restore it.
MessageHandler SetMessageHandler(MessageHandler handler) {
  return std::exchange(CurrentHandler(), std::move(handler));
}

// Passes the message to the installed handler, or writes it as one line on
// standard error when there is none.
void ShowMessage(std::string_view utf8Text, MessageIcon icon) {
  if (const MessageHandler& handler = CurrentHandler()) {
    handler(utf8Text, icon);
    return;
  }
  std::fwrite(utf8Text.data(), 1, utf8Text.size(), stderr);
  std::fputc('\n', stderr);
}
