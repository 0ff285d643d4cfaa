// Run-time properties of a control; every visible change asks the window for a redraw.
#include "ui/control.h"

#include <stdexcept>

#include "sound/cue_player.h"
#include "ui/window.h"

namespace metria {

Control::Control(const ControlDef& def, Window& window)
    : m_window(window),
      m_name(def.name),
      m_index(def.index),
      m_kind(def.kind),
      m_rect(def.rect),
      m_visible(def.visible),
      m_caption(def.caption),
      m_back_color(def.back_color),
      m_fore_color(def.fore_color),
      m_back_style(def.back_style),
      m_border_style(def.border_style),
      m_alignment(def.alignment),
      m_font(def.font),
      m_drag_icon(def.drag_icon),
      m_picture(def.picture),
      m_stretch(def.stretch),
      m_text_alternative(def.text_alternative),
      m_role(def.role),
      m_leaves_screen(def.leaves_screen),
      m_faint(def.faint) {
  if (m_kind == ControlKind::SoundPlayer) m_player = std::make_unique<CuePlayer>(window.sound());
}

Control::~Control() = default;

void Control::changed() {
  if (m_kind == ControlKind::Label || m_kind == ControlKind::Image) m_window.invalidate();
}

void Control::set_left(int twips) {
  if (m_rect.left == twips) return;
  m_rect.left = twips;
  changed();
}

void Control::set_top(int twips) {
  if (m_rect.top == twips) return;
  m_rect.top = twips;
  changed();
}

void Control::set_visible(bool visible) {
  if (m_visible == visible) return;
  m_visible = visible;
  changed();
}

void Control::set_caption(std::string caption) {
  if (m_caption == caption) return;
  m_caption = std::move(caption);
  changed();
}

void Control::set_back_color(Color color) {
  if (m_back_color == color) return;
  m_back_color = color;
  changed();
}

void Control::set_fore_color(Color color) {
  if (m_fore_color == color) return;
  m_fore_color = color;
  changed();
}

void Control::set_back_style(BackStyle style) {
  if (m_back_style == style) return;
  m_back_style = style;
  changed();
}

void Control::set_acts(bool acts) {
  if (m_acts == acts) return;
  m_acts = acts;
  m_window.note_meaning_changed();
}

void Control::set_state_note(std::string note) {
  if (m_state_note == note) return;
  m_state_note = std::move(note);
  m_window.note_meaning_changed();
}

void Control::Drag() { m_window.drag().begin(*this); }

void Control::set_interval(int ms) {
  if (ms < 0) throw std::invalid_argument("timer interval below 0");
  m_interval = ms;
  m_window.timer_changed(*this);
}

CuePlayer& Control::player() {
  if (!m_player) throw std::logic_error(m_name + " is not a sound player");
  return *m_player;
}

const CuePlayer& Control::player() const { return const_cast<Control*>(this)->player(); }

}  // namespace metria
