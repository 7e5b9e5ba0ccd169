// The declared window's layout, focus order, start position and keys.
#include <gtest/gtest.h>

#include "ui/event_dispatcher.h"
#include "ui/focus.h"
#include "ui/keys.h"
#include "ui/start_position.h"
#include "ui/window_description.h"

namespace veskaro {
namespace {

const WindowDescription& kD = kWindowDescription;

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() &&
         b.top < a.bottom();
}

TEST(LayoutTest, VisibleControlsDoNotOverlapAndFitTheSmallestClientArea) {
  for (const ControlEntry& a : kD.controls) {
    // The client area must hold the canvas's right and the buttons' bottom edge.
    if (a.visible) {
      EXPECT_LE(a.rect.right(), 472) << a.name;
      EXPECT_LE(a.rect.bottom(), 408) << a.name;
    }
    for (const ControlEntry& b : kD.controls) {
      if (&a != &b && a.visible && b.visible) {
        EXPECT_FALSE(Overlap(a.rect, b.rect)) << a.name << " " << b.name;
      }
    }
  }
}

TEST(LayoutTest, EveryBindingIsUniqueAndNamesADeclaredElement) {
  for (const EventBinding& a : kD.bindings) {
    int same = 0;
    for (const EventBinding& b : kD.bindings) {
      same += a.control == b.control && a.event == b.event;
    }
    EXPECT_EQ(same, 1);
    if (a.control != ControlId::MainWindow) {
      EXPECT_EQ(kD.Control(a.control).id, a.control);
    }
  }
}

TEST(InsideCanvasTest, EdgesOfTheClientArea) {
  struct Case {
    std::int32_t x, y;
    bool inside;
  };
  const Case cases[] = {{0, 0, true},     {447, 335, true}, {448, 0, false},
                        {0, 336, false},  {-1, 5, false},   {5, -1, false},
                        {65535, 0, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(InsideCanvas(kD, c.x, c.y), c.inside) << c.x << "," << c.y;
  }
}

TEST(TabCycleTest, DeclaredCycleIsClearThenPlay) {
  const TabCycle cycle = MakeTabCycle(kD);
  ASSERT_EQ(cycle.size, 2u);
  EXPECT_EQ(cycle.members[0], ControlId::Button1);
  EXPECT_EQ(cycle.members[1], ControlId::Button2);
}

TEST(TabCycleTest, OrderSkipsNonStopsAndBreaksTiesByLaterDeclaration) {
  WindowDescription d = kD;
  d.controls[0] = {ControlId::Clock1,  "t", ControlKind::Timer, {}, "", true, true, 0,
                   PointerShape::Arrow};  // a timer never takes the focus
  d.controls[1].tabOrder = 5;             // 按钮2 last despite being declared first
  d.controls[3].tabStop = true;           // the canvas, hidden here
  d.controls[3].visible = false;
  const TabCycle cycle = MakeTabCycle(d);
  ASSERT_EQ(cycle.size, 2u);
  EXPECT_EQ(cycle.members[0], ControlId::Button1);
  EXPECT_EQ(cycle.members[1], ControlId::Button2);
}

TEST(FocusTrackerTest, StartsOnClearAndWrapsBothWays) {
  FocusTracker focus(kD);
  EXPECT_EQ(focus.focused(), ControlId::Button1);
  focus.Tab(false);
  EXPECT_EQ(focus.focused(), ControlId::Button2);
  focus.Tab(false);
  EXPECT_EQ(focus.focused(), ControlId::Button1);
  focus.Tab(true);
  EXPECT_EQ(focus.focused(), ControlId::Button2);
  focus.Focus(ControlId::Canvas1);  // not a member: Tab goes to the first
  focus.Tab(true);
  EXPECT_EQ(focus.focused(), ControlId::Button1);
}

TEST(StartPositionTest, CentredWithTheRemainderDroppedTowardZero) {
  struct Case {
    std::int32_t w, h;
    ScreenPoint expected;
  };
  const Case cases[] = {{1024, 768, {261, 163}},
                        {1920, 1080, {709, 319}},
                        {1025, 769, {261, 164}},
                        {400, 300, {-51, -70}}};  // smaller than the window
  for (const Case& c : cases) {
    EXPECT_EQ(StartPosition(kD.window, c.w, c.h), c.expected) << c.w << "x" << c.h;
  }
}

TEST(MainWindowKeyTest, WhatEachKeyDoes) {
  struct Case {
    Key key;
    std::int32_t modifiers;
    KeyAction action;
  };
  const Case cases[] = {
      {Key::Tab, 0, KeyAction::FocusNext},
      {Key::Tab, kShift, KeyAction::FocusPrevious},
      {Key::Escape, 0, KeyAction::Close},
      {Key::Escape, kCtrl, KeyAction::Pass},
      {Key::Escape, kShift, KeyAction::Pass},
      {Key::Escape, kAlt, KeyAction::Pass},
      {Key::Return, 0, KeyAction::Swallow},
      {Key::F1, 0, KeyAction::Swallow},
      {Key::Other, 0, KeyAction::Pass},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MainWindowKeyAction(c.key, c.modifiers), c.action)
        << static_cast<int>(c.key) << " " << c.modifiers;
  }
}

}  // namespace
}  // namespace veskaro
