// What a host's list view does with rows, columns and the selection, checked
// the same way on every host.
#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "ui/host.h"

namespace testing_support {

// Expects an empty list view without columns.
inline void CheckRowsCellsAndSelection(ui::ListView& view) {
  view.InsertColumn(0, "c", 40);
  view.InsertColumn(1, "d", 40);
  const std::string_view rows[] = {"a", "a1", "b", "b1", "c", "c1"};
  EXPECT_EQ(view.InsertRows(0, rows, 2), 0);
  view.SelectAll();
  // Rows that come in above selected rows push them down; the new are not selected.
  const std::string_view more[] = {"x", "x1", "y", "y1"};
  EXPECT_EQ(view.InsertRows(1, more, 2), 1);
  EXPECT_EQ(view.SelectedItems(), (std::vector<int>{0, 3, 4}));
  // Past the end is at the end; a row given fewer cells has the others empty.
  const std::string_view last[] = {"z"};
  EXPECT_EQ(view.InsertRows(99, last, 1), 5);
  EXPECT_EQ(view.InsertRows(-1, last, 1), -1);
  ASSERT_EQ(view.ItemCount(), 6);
  std::vector<std::string> shown;
  for (int item = 0; item < view.ItemCount(); ++item)
    shown.push_back(view.ItemText(item, 0) + "|" + view.ItemText(item, 1));
  EXPECT_EQ(shown, (std::vector<std::string>{"a|a1", "x|x1", "y|y1", "b|b1", "c|c1", "z|"}));
  EXPECT_TRUE(view.SetItemText(5, 1, "z1"));
  EXPECT_FALSE(view.SetItemText(5, 2, "no such column"));
  EXPECT_FALSE(view.SetItemText(6, 0, "no such row"));
  EXPECT_EQ(view.ItemText(5, 1), "z1");
  EXPECT_EQ(view.ItemText(6, 0), "");
  // A column deleted takes its cells along; the last column's texts stay.
  EXPECT_TRUE(view.DeleteColumn(0));
  EXPECT_EQ(view.ItemText(0, 0), "a1");
  EXPECT_TRUE(view.DeleteColumn(0));
  EXPECT_EQ(view.ItemText(5, 0), "z1");
  EXPECT_TRUE(view.DeleteAllItems());
  EXPECT_EQ(view.ItemCount(), 0);
  EXPECT_TRUE(view.SelectedItems().empty());
}

}  // namespace testing_support
