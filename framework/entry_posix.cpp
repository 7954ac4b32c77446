#include <string>
#include <vector>

#include "framework/win_app.h"

int main(int argc, char** argv) {
  return CWinApp::Run(argc > 0 ? argv[0] : "tocsplice",
                      std::vector<std::string>(argv + (argc > 0), argv + argc),
                      SlashSwitches::kKnownWordsOnly);
}
