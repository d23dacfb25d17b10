// What a host's list view does with rows, columns and the selection, checked
// the same way on every host.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "ui/host.h"

namespace testing_support {

// Rows of these cells, top to bottom.
inline ui::TableRows Rows(std::initializer_list<std::initializer_list<std::string_view>> rows) {
  ui::TableRows table;
  for (std::initializer_list<std::string_view> cells : rows) table.AddRow(cells);
  return table;
}

// Expects an empty list view without columns.
inline void CheckRowsCellsAndSelection(ui::ListView& view) {
  view.InsertColumn(0, "c", 40);
  view.InsertColumn(1, "d", 40);
  EXPECT_EQ(view.InsertRows(0, Rows({{"a", "a1"}, {"b", "b1"}, {"c", "c1"}})), 0);
  view.SelectAll();
  // Rows that come in above selected rows push them down; the new are not selected.
  EXPECT_EQ(view.InsertRows(1, Rows({{"x", "x1"}, {"y", "y1"}})), 1);
  EXPECT_EQ(view.SelectedItems(), (std::vector<int>{0, 3, 4}));
  // Past the end is at the end; a row given fewer cells has the others empty.
  EXPECT_EQ(view.InsertRows(99, Rows({{"z"}})), 5);
  EXPECT_EQ(view.InsertRows(-1, Rows({{"z"}})), -1);
  ASSERT_EQ(view.ItemCount(), 6);
  std::vector<std::string> shown;
  for (int item = 0; item < view.ItemCount(); ++item)
    shown.push_back(view.ItemText(item, 0) + "|" + view.ItemText(item, 1));
  EXPECT_EQ(shown, (std::vector<std::string>{"a|a1", "x|x1", "y|y1", "b|b1", "c|c1", "z|"}));
  EXPECT_EQ(view.ItemText(5, 2), "");
  EXPECT_EQ(view.ItemText(6, 0), "");
  // A column deleted takes its cells along; the last column's texts stay.
  EXPECT_TRUE(view.DeleteColumn(0));
  EXPECT_EQ(view.ItemText(0, 0), "a1");
  EXPECT_TRUE(view.DeleteColumn(0));
  EXPECT_EQ(view.ItemText(0, 0), "a1");
  EXPECT_TRUE(view.DeleteAllItems());
  EXPECT_EQ(view.ItemCount(), 0);
  EXPECT_TRUE(view.SelectedItems().empty());
}

}  // namespace testing_support
