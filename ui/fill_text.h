// The program's texts with named places in them ("{min} から {max} …",
// "{year}年"), filled in for showing.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace ui {

// `text` with every "{name}" replaced by its value; a value is never searched
// again for names.
std::string FillText(std::string_view text,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> values);

}  // namespace ui
