// Message maps: a class lists its handlers in a static table keyed by message,
// notification code and control id, and hands the table to the framework
// once, in its constructor:
//
//   CMyPage::CMyPage() : CPropertyPage(IDD_MY_PAGE) {
//     static const MsgEntry<CMyPage> kMessageMap[] = {
//         OnCommand(BN_CLICKED, IDC_X, &CMyPage::OnClickedX),
//         OnCommandEach(BN_CLICKED, kOptionIds, &CMyPage::OnClickedAny),
//         OnMessage(WM_ACTIVATE, &CMyPage::OnActivate),
//     };
//     SetMessageMap(kMessageMap);
//   }
//
// A message the map does not handle goes on to the framework class's own
// handling (CWnd::OnWndMsg and its overrides), as a map chains to its base's.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <span>

#include "win/wnd.h"

namespace vexel::win {

template <class T>
struct MsgEntry {
  UINT message;
  UINT code;    // notification code of WM_COMMAND
  UINT id;      // control id of WM_COMMAND
  UINT lastId;  // the last id of a range that starts at id (equal to id otherwise)
  // The control ids of the entry instead of a range, when not empty.
  std::span<const UINT> ids;
  LRESULT (T::*handler)(const Msg&);
  void (T::*command)();
};

template <class T>
constexpr MsgEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(const Msg&)) {
  return {message, 0, 0, 0, {}, handler, nullptr};
}

template <class T>
constexpr MsgEntry<T> OnCommand(UINT code, UINT id, void (T::*command)()) {
  return {WM_COMMAND, code, id, id, {}, nullptr, command};
}

// A command whose handler needs the message, for example to run the default
// processing first.
template <class T>
constexpr MsgEntry<T> OnCommandMessage(UINT code, UINT id, LRESULT (T::*handler)(const Msg&)) {
  return {WM_COMMAND, code, id, id, {}, handler, nullptr};
}

// One handler for the commands of every control from firstId to lastId.
template <class T>
constexpr MsgEntry<T> OnCommandRange(UINT code, UINT firstId, UINT lastId, void (T::*command)()) {
  return {WM_COMMAND, code, firstId, lastId, {}, nullptr, command};
}

// One handler for the commands of every control a page's table lists.
template <class T>
constexpr MsgEntry<T> OnCommandEach(UINT code, std::span<const UINT> ids, void (T::*command)()) {
  return {WM_COMMAND, code, 0, 0, ids, nullptr, command};
}

template <class T>
bool MatchesCommand(const MsgEntry<T>& entry, const Msg& msg) {
  const UINT id = LOWORD(msg.wParam);
  if (entry.code != HIWORD(msg.wParam)) return false;
  if (!entry.ids.empty()) return std::ranges::find(entry.ids, id) != entry.ids.end();
  return id >= entry.id && id <= entry.lastId;
}

template <class T>
bool DispatchMessageMap(T* self, std::span<const MsgEntry<T>> map, const Msg& msg, LRESULT& result) {
  for (const MsgEntry<T>& entry : map) {
    if (entry.message != msg.message) continue;
    if (msg.message == WM_COMMAND && !MatchesCommand(entry, msg)) continue;
    if (entry.command) {
      (self->*entry.command)();
      result = 0;
    } else {
      result = (self->*entry.handler)(msg);
    }
    return true;
  }
  return false;
}

template <class T, std::size_t N>
void CWnd::SetMessageMap(const MsgEntry<T> (&map)[N]) {
  m_messageMap = [this, &map](const Msg& msg, LRESULT& result) {
    return DispatchMessageMap(static_cast<T*>(this), std::span<const MsgEntry<T>>(map), msg, result);
  };
}

}  // namespace vexel::win
