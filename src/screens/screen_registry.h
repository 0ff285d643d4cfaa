// Registers the eight screens with the application frame.
#pragma once

namespace metria {

class App;

void register_screens(App& app);

}  // namespace metria
