// Which calculator each button of the function menu opens.
#pragma once

#include <span>

namespace app {

struct Calculator {
  int buttonId;
  // Constructs the calculator's dialog, runs it modally and destroys it.
  void (*run)();
};

// The calculators, by menu button.
std::span<const Calculator> Calculators();

// True when the menu button opens a calculator.
bool HasCalculator(int buttonId);

}  // namespace app
