// The before/after message tables: counts, free slots, the 32-entry limit.
#include <gtest/gtest.h>

#include "candy_button/message_table.h"

namespace tarnwick::candy {
namespace {

MessageTable TableOf(std::initializer_list<std::int32_t> messages) {
  MessageTable table{};
  for (const std::int32_t m : messages) EXPECT_EQ(AddToTable(table, m), TableChange::Done);
  return table;
}

TEST(MessageTable, CountDecidesWhatPasses) {
  MessageTable table{};
  EXPECT_FALSE(TablePasses(table, 15));  // count 0: nothing
  table = TableOf({15, 512});
  EXPECT_TRUE(TablePasses(table, 512));
  EXPECT_FALSE(TablePasses(table, 675));
  table[0] = ALL_MESSAGES;
  EXPECT_TRUE(TablePasses(table, 675));
  EXPECT_TRUE(TablePasses(table, 0xC123));
}

TEST(MessageTable, AddingKeepsOneEntryPerMessageUpToThirtyTwo) {
  MessageTable table = TableOf({15, 15, 512});
  EXPECT_EQ(table[0], 2);
  for (std::int32_t m = 1000; table[0] < MSG_ENTRIES; ++m) AddToTable(table, m);
  EXPECT_EQ(AddToTable(table, 15), TableChange::Overflow);  // full: even a present one
  EXPECT_EQ(AddToTable(table, 2000), TableChange::Overflow);
  EXPECT_EQ(table[0], MSG_ENTRIES);
  EXPECT_FALSE(TablePasses(table, 2000));
  EXPECT_EQ(AddToTable(table, ALL_MESSAGES), TableChange::Done);  // always possible
  EXPECT_TRUE(TablePasses(table, 2000));
}

TEST(MessageTable, RemovalFreesTheSlotWhichTheNextAdditionReuses) {
  MessageTable table = TableOf({15, 512, 675});
  EXPECT_EQ(RemoveFromTable(table, 512), TableChange::Done);
  EXPECT_EQ(table[0], 3);  // the count is never lowered by a removal
  EXPECT_EQ(table[2], 0);
  EXPECT_FALSE(TablePasses(table, 512));
  AddToTable(table, 7);
  EXPECT_EQ(table[0], 3);
  EXPECT_EQ(table[2], 7);
  EXPECT_EQ(RemoveFromTable(table, 512), TableChange::NotFound);
}

TEST(MessageTable, AllMessagesAndBack) {
  MessageTable table = TableOf({15});
  AddToTable(table, ALL_MESSAGES);
  AddToTable(table, 512);  // one message added to an all-messages table: a one-entry table
  EXPECT_EQ(table[0], 1);
  EXPECT_TRUE(TablePasses(table, 512));
  EXPECT_FALSE(TablePasses(table, 15));
  EXPECT_EQ(RemoveFromTable(table, ALL_MESSAGES), TableChange::Done);
  EXPECT_EQ(table[0], 0);
  EXPECT_FALSE(TablePasses(table, 512));
}

TEST(MessageTable, MessageZeroCannotBeToldFromAFreeSlot) {
  MessageTable table = TableOf({15, 512});
  EXPECT_FALSE(TablePasses(table, 0));
  RemoveFromTable(table, 15);
  EXPECT_TRUE(TablePasses(table, 0));
}

}  // namespace
}  // namespace tarnwick::candy
