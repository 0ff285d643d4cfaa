// A control of a loaded window: its definition values, changed at run time by screen logic.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/control_def.h"

namespace metria {

class CuePlayer;
class Window;

// State argument of DragOver.
enum class DragState { Enter = 0, Leave = 1, Over = 2 };

// The handlers a screen wires to a control; an empty one swallows its event. Every handler takes
// the member's Index (kNoIndex for a control that is not an array member).
struct ControlHandlers {
  std::function<void(int)> click, mouse_move, mouse_down, drag_drop, timer;
  std::function<void(int, DragState)> drag_over;
};

// The state note of a right answer shown in red and of a card put on its place: such a control is
// marked where the system asks for more contrast.
inline constexpr char kRightNote[] = "正解";

class Control {
 public:
  Control(const ControlDef& def, Window& window);
  ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return m_name; }
  int index() const { return m_index; }
  ControlKind kind() const { return m_kind; }

  const Rect& rect() const { return m_rect; }
  int left() const { return m_rect.left; }
  int top() const { return m_rect.top; }
  void set_left(int twips);
  void set_top(int twips);
  bool visible() const { return m_visible; }
  void set_visible(bool visible);

  const std::string& caption() const { return m_caption; }
  void set_caption(std::string caption);
  Color back_color() const { return m_back_color; }
  void set_back_color(Color color);
  Color fore_color() const { return m_fore_color; }
  void set_fore_color(Color color);
  BackStyle back_style() const { return m_back_style; }
  void set_back_style(BackStyle style);
  BorderStyle border_style() const { return m_border_style; }
  Alignment alignment() const { return m_alignment; }
  const std::optional<Font>& font() const { return m_font; }
  Icon drag_icon() const { return m_drag_icon; }
  // Starts a manual drag of this label: until it is dropped (the button released, or the card put
  // down by key) the window reports DragOver and DragDrop instead of mouse moves.
  void Drag();

  Picture picture() const { return m_picture; }
  bool stretch() const { return m_stretch; }

  const std::string& text_alternative() const { return m_text_alternative; }
  const std::optional<NodeRole>& role() const { return m_role; }
  // A word on the control's state that only its colour shows otherwise (a quiz's right answer
  // in red, kRightNote), set by the screen; empty for none.
  const std::string& state_note() const { return m_state_note; }
  void set_state_note(std::string note);
  bool leaves_screen() const { return m_leaves_screen; }
  bool faint() const { return m_faint; }
  // Whether acting on the control does anything now; the screens say so where their handlers
  // ignore it (a quiz's answers between questions, a drill's placed cards). Only the keys' focus
  // and what is told to a screen reader read it: the mouse reaches the handlers as always.
  bool acts() const { return m_acts; }
  void set_acts(bool acts);
  // The screen wired it to be acted on: a click, a card's drag start, or a drop.
  bool wired_for_action() const { return m_handlers.click || m_handlers.mouse_down || m_handlers.drag_drop; }
  // A place that only takes drops: it acts only while a card is dragged.
  bool drop_only() const { return m_handlers.drag_drop && !m_handlers.click && !m_handlers.mouse_down; }

  // Timers: a non-zero interval (re)starts the timer with that period, 0 stops it.
  int interval() const { return m_interval; }
  void set_interval(int ms);

  // Sound players: the cue player behind the control.
  CuePlayer& player();
  const CuePlayer& player() const;

  ControlHandlers& handlers() { return m_handlers; }
  const ControlHandlers& handlers() const { return m_handlers; }

 private:
  void changed();

  Window& m_window;
  std::string m_name;
  int m_index;
  ControlKind m_kind;
  Rect m_rect;
  bool m_visible;
  std::string m_caption;
  Color m_back_color, m_fore_color;
  BackStyle m_back_style;
  BorderStyle m_border_style;
  Alignment m_alignment;
  std::optional<Font> m_font;
  Icon m_drag_icon;
  Picture m_picture;
  bool m_stretch;
  std::string m_text_alternative;
  std::optional<NodeRole> m_role;
  std::string m_state_note;
  bool m_leaves_screen;
  bool m_faint;
  bool m_acts = true;
  int m_interval = 0;
  std::unique_ptr<CuePlayer> m_player;
  ControlHandlers m_handlers;
};

}  // namespace metria
