#include <string>
#include <vector>

#include "framework/win_app.h"

int main(int argc, char** argv) {
  return CWinApp::Run(std::vector<std::string>(argv + 1, argv + argc),
                      SlashSwitches::kKnownWordsOnly);
}
