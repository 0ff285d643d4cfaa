// The calls the program makes into the page (page_bridge.js): the window frame, drawing, cues and
// the wake-up timer. Positions and sizes are device pixels of the canvas unless said otherwise.
#pragma once

extern "C" {

// The window frame's rules, once a run before its first window: the step its fitting scale moves
// in, and its colour where the canvas does not cover it.
void metria_frame_rules(double scale_step, int r, int g, int b);
// Shows the window frame with this caption for a client area of width × height pixels of the
// definitions; returns the CSS pixels per definition pixel it will be shown at.
double metria_window_show(const char* caption, int width, int height);
// Sizes the canvas backing store in device pixels.
void metria_canvas_size(int width, int height);
void metria_window_hide();
// The drag pointer: the icon file (in icons/) enlarged factor times, with its hot spot in the
// enlarged icon's pixels.
void metria_set_drag_icon(const char* file, int factor, int hot_x, int hot_y);
void metria_set_drag_cursor(int dragging);

void metria_fill_rect(int x, int y, int w, int h, int r, int g, int b);
// False (0) when the picture is not loaded yet: the page asks for a redraw once it is. smooth: the
// picture is resampled smoothly (1), or its pixels repeated exactly (0).
int metria_draw_picture(const char* file, int x, int y, int w, int h, int smooth);
// Fetches and decodes a picture ahead of its first drawing; its arrival asks for no redraw.
void metria_prefetch_picture(const char* file, int length);
// face: the font family's name, as the page's style sheet declares it. Text is measured in the
// regular face, whatever its weight: bold is drawn over it (canvas_2d.js).
int metria_text_width(const char* face, int pixels, const char* text, int length);
int metria_line_height(const char* face, int pixels);
void metria_draw_text(const char* face, int pixels, int bold, int r, int g, int b, const char* text, int length, int x,
                      int y, int clip_x, int clip_y, int clip_w, int clip_h);

void metria_sound_load(int player, const char* path);
void metria_sound_play(int player, int times);
void metria_sound_halt(int player);

// What a screen reader is given: the current window's nodes as JSON (an array of objects with id,
// role, name, x, y, w, h in pixels of the definitions, focused, disabled, held, state and shown), and
// short words on what changed.
void metria_publish_nodes(const char* json);
void metria_announce(const char* words);

// Wakes the program after delay milliseconds (a later call replaces it); a negative delay: never.
void metria_set_timer(double delay);
// Every window is gone: timers and sounds stop and the page says so. message: a fatal error, or "".
void metria_program_ended(const char* message);
}
