// The game of the day for each date read (YYYY-MM-DD, one a line), by the desktop's own C++: the
// reference the browser edition is compared with.
#include <iostream>
#include <string>

#include "board/game_code.h"
#include "progress/daily_game.h"

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    const auto date = lucen::ReadIsoDate(line);
    std::cout << (date ? lucen::GameCode(lucen::DailyGame(*date)) : "") << '\n';
  }
}
