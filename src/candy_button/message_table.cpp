#include "candy_button/message_table.h"

#include <algorithm>

namespace tarnwick::candy {
namespace {

// The slots in use: entries 1..count, never more than the table holds.
std::int32_t UsedSlots(const MessageTable& table) { return std::min(table[0], MSG_ENTRIES); }

}  // namespace

bool TablePasses(const MessageTable& table, std::uint32_t message) {
  if (table[0] < 0) return true;
  const auto wanted = static_cast<std::int32_t>(message);
  const std::int32_t used = UsedSlots(table);
  for (std::int32_t i = 1; i <= used; ++i)
    if (table[std::size_t(i)] == wanted) return true;
  return false;
}

TableChange AddToTable(MessageTable& table, std::int32_t message) {
  if (message == ALL_MESSAGES) {
    table[0] = ALL_MESSAGES;
    return TableChange::Done;
  }
  if (table[0] >= MSG_ENTRIES) return TableChange::Overflow;
  for (std::int32_t i = 1; i <= table[0]; ++i) {
    std::int32_t& slot = table[std::size_t(i)];
    if (slot == 0) slot = message;
    if (slot == message) return TableChange::Done;
  }
  // A negative count does not run the loop: the table becomes a one-entry table.
  const std::int32_t next = std::max(table[0], 0) + 1;
  table[std::size_t(next)] = message;
  table[0] = next;
  return TableChange::Done;
}

TableChange RemoveFromTable(MessageTable& table, std::int32_t message) {
  if (message == ALL_MESSAGES) {
    table[0] = 0;
    return TableChange::Done;
  }
  const std::int32_t used = UsedSlots(table);
  for (std::int32_t i = 1; i <= used; ++i) {
    if (table[std::size_t(i)] == message) {
      table[std::size_t(i)] = 0;
      return TableChange::Done;
    }
  }
  return TableChange::NotFound;
}

}  // namespace tarnwick::candy
