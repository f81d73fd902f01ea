#pragma once
// The message tables of a window hook: entry 0 is the count, entries 1..32 message numbers.
// Count 0 lets no message pass, a negative count (ALL_MESSAGES) every message, and count n
// the messages among entries 1..n. A removal leaves a free slot 0 and keeps the count, so a
// message number 0 cannot be told from a free slot.
#include <array>
#include <cstdint>

namespace tarnwick::candy {

inline constexpr std::int32_t ALL_MESSAGES = -1;
inline constexpr std::int32_t MSG_ENTRIES = 32;
// Which table(s) an addition or removal is for.
inline constexpr int HOOK_BEFORE = 1, HOOK_AFTER = 2;

using MessageTable = std::array<std::int32_t, MSG_ENTRIES + 1>;

bool TablePasses(const MessageTable& table, std::uint32_t message);

enum class TableChange { Done, Overflow, NotFound };
// ALL_MESSAGES makes the table pass everything; a message already present changes nothing;
// a free slot is reused before the count grows. Overflow: the table has 32 entries already.
TableChange AddToTable(MessageTable& table, std::int32_t message);
// ALL_MESSAGES empties the table; otherwise the message's slot is freed.
TableChange RemoveFromTable(MessageTable& table, std::int32_t message);

}  // namespace tarnwick::candy
