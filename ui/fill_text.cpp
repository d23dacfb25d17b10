#include "ui/fill_text.h"

namespace ui {

std::string FillText(std::string_view text,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
  std::string filled(text);
  for (const auto& [name, value] : values) {
    const std::string field = "{" + std::string(name) + "}";
    for (size_t at = filled.find(field); at != std::string::npos;
         at = filled.find(field, at + value.size()))
      filled.replace(at, field.size(), value);
  }
  return filled;
}

}  // namespace ui
