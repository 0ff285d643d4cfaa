// The program's calls into the page (page_bridge.h), handed to the page's own objects:
// MetriaPage (the window frame and the wake-up timer), MetriaCanvas (drawing) and MetriaCues (sound).
mergeInto(LibraryManager.library, {
  metria_frame_rules: function (scaleStep, r, g, b) {
    MetriaPage.frameRules(scaleStep, r, g, b);
  },
  metria_window_show: function (caption, width, height) {
    return MetriaPage.showWindow(UTF8ToString(caption), width, height);
  },
  metria_canvas_size: function (width, height) {
    MetriaPage.sizeCanvas(width, height);
  },
  metria_window_hide: function () {
    MetriaPage.hideWindow();
  },
  metria_set_drag_icon: function (file, factor, hotX, hotY) {
    MetriaPage.setDragIcon(UTF8ToString(file), factor, hotX, hotY);
  },
  metria_set_drag_cursor: function (dragging) {
    MetriaPage.setDragCursor(dragging !== 0);
  },
  metria_fill_rect: function (x, y, w, h, r, g, b) {
    MetriaCanvas.fillRect(x, y, w, h, r, g, b);
  },
  metria_draw_picture: function (file, x, y, w, h, smooth) {
    return MetriaCanvas.drawPicture(UTF8ToString(file), x, y, w, h, smooth !== 0) ? 1 : 0;
  },
  metria_prefetch_picture: function (file, length) {
    MetriaCanvas.prefetch(UTF8ToString(file, length));
  },
  metria_text_width: function (face, pixels, text, length) {
    return MetriaCanvas.textWidth(UTF8ToString(face), pixels, UTF8ToString(text, length));
  },
  metria_line_height: function (face, pixels) {
    return MetriaCanvas.lineHeight(UTF8ToString(face), pixels);
  },
  metria_draw_text: function (face, pixels, bold, r, g, b, text, length, x, y, clipX, clipY, clipW, clipH) {
    MetriaCanvas.drawText(UTF8ToString(face), pixels, bold !== 0, r, g, b, UTF8ToString(text, length), x, y,
                          clipX, clipY, clipW, clipH);
  },
  metria_sound_load: function (player, path) {
    MetriaCues.load(player, UTF8ToString(path));
  },
  metria_sound_play: function (player, times) {
    MetriaCues.play(player, times);
  },
  metria_sound_halt: function (player) {
    MetriaCues.halt(player);
  },
  metria_publish_nodes: function (json) {
    MetriaPage.publishNodes(JSON.parse(UTF8ToString(json)));
  },
  metria_announce: function (words) {
    MetriaPage.announce(UTF8ToString(words));
  },
  metria_set_timer: function (delay) {
    MetriaPage.setTimer(delay);
  },
  metria_program_ended: function (message) {
    MetriaPage.ended(UTF8ToString(message));
  },
});
