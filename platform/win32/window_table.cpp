// The table of windows and window classes: handle allocation, lookup by full or 16-bit handle,
// and the links between parents, children and top-level windows.

#include "platform/win32/window_table.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <mutex>

namespace wincore {
namespace {

// A handle is the slot index in its low word and the number of earlier windows of that slot in
// its high word. Fresh slots are used first and freed ones only once all are taken, so that
// 16-bit forms stay unambiguous for as long as possible; a slot whose count is exhausted retires.
struct Slot {
  WORD reuseCount = 0;
  std::unique_ptr<Window> window;
};

constexpr size_t kSlotCount = 0x10000 - kFirstSlot;

struct Table {
  std::mutex mutex;
  std::vector<Slot> slots;
  std::deque<WORD> freeSlots;
  std::vector<HWND> topLevels;
  std::map<std::string, WindowClass> classes;  // by lower-case name
  ATOM nextAtom = 0xC000;
};

// Never destroyed, like the thread states: windows outlive the process's static objects.
Table& TheTable() {
  static auto* table = new Table;
  return *table;
}

std::string ClassKey(const char* name) {
  std::string key(name);
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  });
  return key;
}

Window* Lookup(Table& table, HWND hwnd) {
  const WORD slot = LOWORD(hwnd);
  if (slot < kFirstSlot) return nullptr;
  const size_t index = slot - kFirstSlot;
  if (index >= table.slots.size()) return nullptr;
  Window* window = table.slots[index].window.get();
  if (!window) return nullptr;
  if (HIWORD(hwnd) != 0 && hwnd != window->handle) return nullptr;  // a destroyed window's handle
  return window;
}

void FreeSlot(Table& table, size_t index) {
  Slot& slot = table.slots[index];
  slot.window.reset();
  if (slot.reuseCount < 0xFFFF) {
    ++slot.reuseCount;
    table.freeSlots.push_back(static_cast<WORD>(index));
  }
}

// The list a window is linked in: its parent's children, or the top-level windows.
std::vector<HWND>& SiblingsOf(Table& table, const Window& window) {
  Window* parent = Lookup(table, window.parent);
  return parent ? parent->children : table.topLevels;
}

void Unlink(std::vector<HWND>& list, HWND hwnd) {
  list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
}

}  // namespace

Window* WindowOf(HWND hwnd) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  return Lookup(table, hwnd);
}

std::optional<WindowOwner> FindOwner(HWND hwnd) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  const Window* window = Lookup(table, hwnd);
  if (!window) return std::nullopt;
  return WindowOwner{window->handle, window->threadId};
}

std::optional<WindowClass> FindClass(const char* name) {
  if (!name) return std::nullopt;
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  const auto found = table.classes.find(ClassKey(name));
  if (found == table.classes.end()) return std::nullopt;
  return found->second;
}

Window* AddWindow(Window&& window) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  WORD index;
  if (table.slots.size() < kSlotCount) {
    index = static_cast<WORD>(table.slots.size());
    table.slots.emplace_back();
  } else if (!table.freeSlots.empty()) {
    index = table.freeSlots.front();
    table.freeSlots.pop_front();
  } else {
    return nullptr;
  }
  Slot& slot = table.slots[index];
  slot.window = std::make_unique<Window>(std::move(window));
  Window* added = slot.window.get();
  added->handle =
      static_cast<HWND>(kFirstSlot + index) | (static_cast<HWND>(slot.reuseCount) << 16);
  SiblingsOf(table, *added).push_back(added->handle);
  return added;
}

void Reparent(HWND hwnd, HWND newParent) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  Window* window = Lookup(table, hwnd);
  if (!window) return;
  Unlink(SiblingsOf(table, *window), window->handle);
  Window* parent = Lookup(table, newParent);
  window->parent = parent ? parent->handle : 0;
  SiblingsOf(table, *window).push_back(window->handle);
}

void RemoveWindow(HWND hwnd) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  Window* window = Lookup(table, hwnd);
  if (!window) return;
  Unlink(SiblingsOf(table, *window), window->handle);
  FreeSlot(table, LOWORD(window->handle) - kFirstSlot);
}

std::vector<HWND> TopLevelWindows() {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  return table.topLevels;
}

void BringToTop(HWND hwnd) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  const Window* window = Lookup(table, hwnd);
  if (!window || window->parent != 0) return;
  std::vector<HWND> raised{window->handle};
  for (const HWND topLevel : table.topLevels) {
    const Window* owned = Lookup(table, topLevel);
    if (owned && owned->owner == window->handle) raised.push_back(topLevel);
  }
  for (const HWND moved : raised) Unlink(table.topLevels, moved);
  table.topLevels.insert(table.topLevels.end(), raised.begin(), raised.end());
}

bool IsSelfOrDescendant(HWND hwnd, HWND ancestor) {
  for (const Window* window = WindowOf(hwnd); window; window = WindowOf(window->parent)) {
    if (window->handle == ancestor) return true;
  }
  return false;
}

POINT ClientOriginOnScreen(const Window& window) {
  POINT origin{window.rect.left, window.rect.top};
  for (const Window* parent = WindowOf(window.parent); parent; parent = WindowOf(parent->parent)) {
    origin.x = SaturatedSum(origin.x, parent->rect.left);
    origin.y = SaturatedSum(origin.y, parent->rect.top);
  }
  return origin;
}

void ResetWindowTable() {
  // Windows are dropped without messages: the objects behind their procedures may be gone. Slot
  // counts are kept, so that no handle of an earlier test ever names a new window.
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  for (size_t index = 0; index < table.slots.size(); ++index) {
    if (table.slots[index].window) FreeSlot(table, index);
  }
  table.topLevels.clear();
  table.classes.clear();
}

}  // namespace wincore

ATOM RegisterClassA(const WNDCLASSA& wndClass) {
  if (!wndClass.lpszClassName || !*wndClass.lpszClassName) return 0;
  auto& table = wincore::TheTable();
  std::lock_guard lock(table.mutex);
  const bool added = table.classes
                         .emplace(wincore::ClassKey(wndClass.lpszClassName),
                                  wincore::WindowClass{wndClass.lpszClassName, wndClass.lpfnWndProc,
                                                       wndClass.style})
                         .second;
  return added ? table.nextAtom++ : 0;
}
