#pragma once
// Command routing. A command (a menu item, a toolbar button, a key) is a
// number; an object that can handle commands derives from CCmdTarget and lists
// its handlers in a message map: a table of one line per command id and
// handler, chained to the table of its base class.
//
//   const MessageMap* CMainFrame::ThisMessageMap() {
//     static const MessageMapEntry entries[] = {
//         OnCommand(ID_APP_ABOUT, &CMainFrame::OnAppAbout),
//         OnUpdateCommandUI(ID_APP_ABOUT, &CMainFrame::OnUpdateAppAbout),
//     };
//     static const MessageMap map{CFrameWnd::ThisMessageMap(), entries};
//     return &map;
//   }
//
// The frame passes each command along the route view, document, frame,
// application; the first object whose map has an entry for it handles it.

#include "framework/CCmdUI.h"

#include <functional>
#include <span>
#include <type_traits>

class CCmdTarget;

// What the router is asked to do with a command id.
enum class CmdRequest {
  Execute,  // run the command handler
  Update,   // run the update handler, which enables or checks the command's item
  Probe,    // only say whether a command handler exists
};

// One line of a message map: a command handler or an update handler for id,
// called on the object whose map holds the line.
struct MessageMapEntry {
  unsigned id;
  std::function<void(CCmdTarget&)> onCommand;
  std::function<void(CCmdTarget&, CCmdUI*)> onUpdate;
};

// A class's table and the map of its base class (null at the root).
struct MessageMap {
  const MessageMap* base;
  std::span<const MessageMapEntry> entries;
};

// The line "command id runs handler".
template <class T>
MessageMapEntry OnCommand(unsigned id, void (T::*handler)()) {
  static_assert(std::is_base_of_v<CCmdTarget, T>);
  return MessageMapEntry{id, [handler](CCmdTarget& target) { (static_cast<T&>(target).*handler)(); },
                         nullptr};
}

// The line "the item of command id is brought up to date by handler".
template <class T>
MessageMapEntry OnUpdateCommandUI(unsigned id, void (T::*handler)(CCmdUI*)) {
  static_assert(std::is_base_of_v<CCmdTarget, T>);
  return MessageMapEntry{
      id, nullptr,
      [handler](CCmdTarget& target, CCmdUI* ui) { (static_cast<T&>(target).*handler)(ui); }};
}

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;

  // Looks id up in this object's message maps, most derived first, and does
  // what request asks. Returns true when an entry answered. Routing objects
  // (the frame) override this to try other objects too.
  virtual bool OnCmdMsg(unsigned id, CmdRequest request, CCmdUI* ui) {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
      for (const MessageMapEntry& entry : map->entries) {
        if (entry.id != id) continue;
        if (request == CmdRequest::Update && entry.onUpdate != nullptr) {
          entry.onUpdate(*this, ui);
          return true;
        }
        if (request != CmdRequest::Update && entry.onCommand != nullptr) {
          if (request == CmdRequest::Execute) entry.onCommand(*this);
          return true;
        }
      }
    }
    return false;
  }

 protected:
  // The object's message map; each class with a table returns its own.
  virtual const MessageMap* GetMessageMap() const { return nullptr; }
};
