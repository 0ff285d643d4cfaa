// The program's keys by name, and what a repeat or a modifier makes of them.
#include <algorithm>
#include <iterator>

#include "ui/key_event.h"

namespace metria {

namespace {

struct NamedKey {
  std::string_view name;
  Key key;
};
constexpr NamedKey kKeys[] = {{"Tab", Key::Tab},       {"Enter", Key::Enter},    {" ", Key::Space},
                              {"Escape", Key::Escape}, {"ArrowLeft", Key::Left}, {"ArrowRight", Key::Right},
                              {"ArrowUp", Key::Up},    {"ArrowDown", Key::Down}};

bool repeats(Key key) { return key != Key::Enter && key != Key::Space && key != Key::Escape; }

}  // namespace

KeyDecision decide_key(const KeyPress& press) {
  if (press.command) return {};
  const auto found =
      std::find_if(std::begin(kKeys), std::end(kKeys), [&](const NamedKey& k) { return k.name == press.name; });
  if (found == std::end(kKeys)) return {};
  if (press.repeat && !repeats(found->key)) return {.taken = true};
  return {.taken = true, .event = KeyEvent{found->key, press.shift}};
}

std::string_view key_name(Key key) {
  for (const NamedKey& k : kKeys)
    if (k.key == key) return k.name;
  return {};
}

}  // namespace metria
