// Prints the file of every picture the main menu's definition names, one per line, in the order
// its window draws them (the background, then the controls from the back). The main menu is the
// screen the program starts on (App::start): the page fetches these ahead of the program, so that
// its first frame is whole.
#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "screens/menus/menu_screen.h"
#include "ui/screen_def.h"

int main() {
  using namespace metria;
  const ScreenDef& def = menu_definition();
  std::vector<Picture> drawn{def.picture};
  for (auto control = def.controls.rbegin(); control != def.controls.rend(); ++control)
    drawn.push_back(control->picture);
  std::vector<std::string_view> printed;
  for (const Picture picture : drawn) {
    const std::string_view file = picture_info(picture).file;
    if (file.empty() || std::find(printed.begin(), printed.end(), file) != printed.end()) continue;
    std::printf("%.*s\n", static_cast<int>(file.size()), file.data());
    printed.push_back(file);
  }
  return 0;
}
