// Copying the schedule table, so that a spreadsheet can take the rows: the text
// it gets, and the keys that select and copy. Hosts only move the text.
#pragma once

#include <string>

namespace ui {

class ListView;
enum class Key;

// The column captions, then the selected rows (every row when none is
// selected) from top to bottom: cells split by TABs and stripped of the blanks
// that pad them, each line ended by CR LF as the clipboard's text has it.
std::string TableText(const ListView& view);

// Puts TableText on the clipboard; a table without rows leaves it as it was.
void CopyTable(const ListView& view);

// Ctrl+A selects every row and Ctrl+C copies; false for any other key.
bool OnTableKey(ListView& view, Key key);

}  // namespace ui
