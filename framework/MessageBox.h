#pragma once
// How the framework tells the user about an error: a message box in the window,
// a line on standard error in the text front end. The front end installs the
// handler; the framework only calls ShowMessage.

#include <functional>
#include <string_view>

enum class MessageIcon { Exclamation, Information };

// Receives the message as UTF-8 text.
using MessageHandler = std::function<void(std::string_view utf8Text, MessageIcon icon)>;

// Installs handler for the calling thread and returns the one it replaces. With
// no handler installed, messages go to standard error. Each thread has its own,
// so that a thread that loads files in the background catches its own errors.
MessageHandler SetMessageHandler(MessageHandler handler);

void ShowMessage(std::string_view utf8Text, MessageIcon icon = MessageIcon::Exclamation);
