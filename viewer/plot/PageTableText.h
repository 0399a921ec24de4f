#pragma once
// The table of values of a screen page as text: the rows the page shows, each a list of
// cells, beginning with the table's heading row(s). Copy puts it on the clipboard as
// tab-separated lines, so that a spreadsheet pastes the values into columns.
//
// The page is laid out on a canvas that keeps the texts, and the table is found the way the
// view finds it: the texts over the object's table hit regions (region 3 and up; region 2 too
// for cover-meter objects, whose region 2 is a table). The table runs from the bold (heading)
// text drawn last before its first value to its last value; its texts are grouped into rows
// by their height on the page and into columns by where they stand across it, so that a value
// lands under its heading and a value the page leaves out leaves its cell empty.
#include "model/TBasicObj.h"

#include <string>
#include <vector>

namespace vordalis {

using TextTable = std::vector<std::vector<std::u16string>>;

// The object's options must be set (a layout pass of the screen page runs).
TextTable PageTableText(TBasicObj& obj);

// Rows joined by "\n" (with a final one), cells by "\t"; tabs and line breaks inside a cell
// become blanks.
std::u16string TabSeparated(const TextTable& table);

} // namespace vordalis
