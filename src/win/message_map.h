// Message maps: a class lists its handlers in a static table keyed by message,
// notification code and control id, and forwards to it from OnWndMsg:
//
//   static const MsgEntry<CMyPage> kMessageMap[] = {
//       OnCommand(BN_CLICKED, IDC_X, &CMyPage::OnClickedX),
//       OnCommandRange(BN_CLICKED, IDC_FIRST, IDC_LAST, &CMyPage::OnClickedAny),
//       OnMessage(WM_ACTIVATE, &CMyPage::OnActivate),
//   };
//   bool CMyPage::OnWndMsg(const Msg& m, LRESULT& r) {
//     return DispatchMessageMap(this, kMessageMap, m, r) || CPropertyPage::OnWndMsg(m, r);
//   }
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "win/wnd.h"

namespace vexel::win {

template <class T>
struct MsgEntry {
  UINT message;
  UINT code;    // notification code of WM_COMMAND or WM_NOTIFY
  UINT id;      // control id of WM_COMMAND or WM_NOTIFY
  UINT lastId;  // the last id of a range that starts at id (equal to id otherwise)
  LRESULT (T::*handler)(const Msg&);
  void (T::*command)();
};

template <class T>
constexpr MsgEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(const Msg&)) {
  return {message, 0, 0, 0, handler, nullptr};
}

template <class T>
constexpr MsgEntry<T> OnCommand(UINT code, UINT id, void (T::*command)()) {
  return {WM_COMMAND, code, id, id, nullptr, command};
}

// A command whose handler needs the message, for example to run the default
// processing first.
template <class T>
constexpr MsgEntry<T> OnCommandMessage(UINT code, UINT id, LRESULT (T::*handler)(const Msg&)) {
  return {WM_COMMAND, code, id, id, handler, nullptr};
}

// One handler for the commands of every control from firstId to lastId.
template <class T>
constexpr MsgEntry<T> OnCommandRange(UINT code, UINT firstId, UINT lastId, void (T::*command)()) {
  return {WM_COMMAND, code, firstId, lastId, nullptr, command};
}

template <class T>
constexpr MsgEntry<T> OnNotify(UINT code, UINT id, LRESULT (T::*handler)(const Msg&)) {
  return {WM_NOTIFY, code, id, id, handler, nullptr};
}

// Which map key a message carries: commands and notifications by code and id.
struct MsgKey {
  UINT code = 0;
  UINT id = 0;
};
MsgKey KeyOf(const Msg& msg);

template <class T, size_t N>
bool DispatchMessageMap(T* self, const MsgEntry<T> (&map)[N], const Msg& msg, LRESULT& result) {
  const bool keyed = msg.message == WM_COMMAND || msg.message == WM_NOTIFY;
  const MsgKey key = KeyOf(msg);
  for (const MsgEntry<T>& entry : map) {
    if (entry.message != msg.message) continue;
    if (keyed && (entry.code != key.code || key.id < entry.id || key.id > entry.lastId)) continue;
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

}  // namespace vexel::win
