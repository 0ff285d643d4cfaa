// A window's frame as a screen reader follows it: publishing tells only what changed, the focus's
// loss before its gain, and a click or a focus asked of a button comes back as a request for that
// control. The objects are driven directly, without a bus, and their ATK signals recorded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sdl/registry_listeners.h"
#include "platform/sdl/window_frame.h"

namespace metria::testing {
namespace {

class NoApplication final : public FrameParent {
 public:
  AtkObject* object() const override { return nullptr; }
  int index_of(const AtkObject*) const override { return 0; }
};

// Every ATK signal of interest, as "object: signal detail".
class SignalLog {
 public:
  SignalLog() {
    for (const char* signal : {"state-change", "children-changed", "property-change"}) {
      const guint id = g_signal_lookup(signal, ATK_TYPE_OBJECT);
      m_hooks.emplace_back(id, g_signal_add_emission_hook(id, 0, record, this, nullptr));
    }
  }
  ~SignalLog() {
    for (const auto& [id, hook] : m_hooks) g_signal_remove_emission_hook(id, hook);
  }
  std::vector<std::string> take() { return std::exchange(m_lines, {}); }

 private:
  static gboolean record(GSignalInvocationHint* hint, guint count, const GValue* values, gpointer self) {
    auto* object = ATK_OBJECT(g_value_get_object(&values[0]));
    std::string line = std::string(atk_object_get_name(object)) + ": " + g_signal_name(hint->signal_id);
    if (hint->detail) line += std::string(" ") + g_quark_to_string(hint->detail);
    if (std::string(g_signal_name(hint->signal_id)) == "state-change" && count > 2)
      line += g_value_get_boolean(&values[2]) ? " on" : " off";
    static_cast<SignalLog*>(self)->m_lines.push_back(line);
    return TRUE;
  }
  std::vector<std::pair<guint, gulong>> m_hooks;
  std::vector<std::string> m_lines;
};

AccessibleNode button(const std::string& name, int index, bool focused = false) {
  return {.role = NodeRole::Button,
          .key = "Label1:" + std::to_string(index),
          .name = name,
          .box = {10, 20 + 30 * index, 100, 25},
          .control = "Label1",
          .index = index,
          .focused = focused,
          .stop = true};
}

class AccessibleFrame : public ::testing::Test {
 protected:
  NoApplication application;
  std::vector<ControlRequest> requests;
  WindowFrame frame{application, 7, "メニュー", {200, 100, 640, 400}, [this](ControlRequest request) {
                      requests.push_back(std::move(request));
                    }};
  SignalLog log;
};

TEST_F(AccessibleFrame, PublishingTellsOnlyWhatChangedAndTheFocusLossFirst) {
  frame.publish({button("科学の単位", 0, true), button("物の数え方", 1), button("通貨の単位", 2)});
  EXPECT_EQ(log.take(),
            (std::vector<std::string>{"メニュー: children-changed add", "メニュー: children-changed add",
                                      "メニュー: children-changed add", "科学の単位: state-change focused on"}));

  frame.publish({button("科学の単位", 0), button("物の数え方", 1, true), button("通貨の単位", 2)});
  EXPECT_EQ(log.take(),
            (std::vector<std::string>{"科学の単位: state-change focused off", "物の数え方: state-change focused on"}));

  AccessibleNode renamed = button("通貨の単位", 2);
  renamed.name = "通貨の単位、正解";
  frame.publish({button("物の数え方", 1, true), renamed});
  EXPECT_EQ(log.take(), (std::vector<std::string>{"メニュー: children-changed remove",
                                                  "通貨の単位、正解: property-change accessible-name"}));
  ASSERT_EQ(frame.child_count(), 2);
  EXPECT_EQ(atk_object_get_index_in_parent(frame.child(1)), 1);

  frame.publish({button("物の数え方", 1, true), renamed});
  EXPECT_TRUE(log.take().empty());
}

TEST_F(AccessibleFrame, ButtonsSendTheirClickAndFocusAsRequestsAndSitOnTheScreen) {
  frame.publish({button("科学の単位", 0), button("物の数え方", 1)});
  AtkObject* second = frame.child(1);
  ASSERT_EQ(atk_action_get_n_actions(ATK_ACTION(second)), 1);
  EXPECT_STREQ(atk_action_get_name(ATK_ACTION(second), 0), "click");
  EXPECT_TRUE(atk_action_do_action(ATK_ACTION(second), 0));
  EXPECT_TRUE(atk_component_grab_focus(ATK_COMPONENT(frame.child(0))));
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].action, ControlAction::Activate);
  EXPECT_EQ(requests[0].window, 7u);
  EXPECT_EQ(requests[0].index, 1);
  EXPECT_EQ(requests[1].action, ControlAction::Focus);
  EXPECT_EQ(requests[1].index, 0);

  gint x = 0, y = 0, width = 0, height = 0;
  atk_component_get_extents(ATK_COMPONENT(second), &x, &y, &width, &height, ATK_XY_SCREEN);
  EXPECT_EQ((std::vector{x, y, width, height}), (std::vector{210, 150, 100, 25}));
  frame.move({300, 100, 640, 400});
  atk_component_get_extents(ATK_COMPONENT(second), &x, &y, &width, &height, ATK_XY_SCREEN);
  EXPECT_EQ(x, 310);
}

TEST(RegistryListeners, EventsAsTheRegistryListsThemSayWhoHearsWhat) {
  EXPECT_EQ(listeners_of({}), Listeners{});
  EXPECT_EQ(listeners_of({{":1.4", "Object:StateChanged:Focused"}}), (Listeners{.any = true}));
  EXPECT_EQ(listeners_of({{":1.4", "Object::"}, {":1.4", "Window:Activate:"}}),
            (Listeners{.any = true, .announcements = true, .window_activation = true}));
  EXPECT_EQ(listeners_of({{":1.9", "object:announcement"}, {":1.9", "Window:Deactivate:"}}),
            (Listeners{.any = true, .announcements = true}));
}

}  // namespace
}  // namespace metria::testing
