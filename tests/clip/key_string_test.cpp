#include "clip/key_string.h"

#include <gtest/gtest.h>

#include "clip/send_key2.h"
#include "platform/memory/key_recorder.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;
using Kind = KeyEvent::Kind;

KeyEvent Down(std::uint32_t code) { return {Kind::Down, code}; }
KeyEvent Up(std::uint32_t code) { return {Kind::Up, code}; }
KeyEvent Pause(std::uint32_t ms) { return {Kind::Pause, ms}; }

std::vector<KeyEvent> EventsOf(std::u16string_view item) {
    KeyRecorder keyboard;
    EXPECT_TRUE(SendKeys(item, keyboard));
    return keyboard.events;
}

TEST(ScanKeyItems, CutsGroupsModifiersAndSingleCharacters) {
    EXPECT_EQ(ScanKeyItems(u"^V"), Items{u"^V"});
    EXPECT_EQ(ScanKeyItems(u"@~{F1}^@~X"), (Items{u"@~{F1}", u"^@~X"}));
    EXPECT_EQ(ScanKeyItems(u"^V{10}{ENTER}"), (Items{u"^V", u"{10}", u"{ENTER}"}));
    EXPECT_EQ(ScanKeyItems(u"ab+"), (Items{u"a", u"b", u"+"}));
    EXPECT_EQ(ScanKeyItems(u"^^^^V"), (Items{u"^^^^", u"V"}));  // at most three modifiers
    EXPECT_EQ(ScanKeyItems(u"{TAB"), Items{u"{TAB"});
    EXPECT_EQ(ScanKeyItems(u"~{F1"), Items{u"~{F1"});
    EXPECT_EQ(ScanKeyItems(u"x^"), (Items{u"x", u"^"}));
    EXPECT_TRUE(ScanKeyItems(u"").empty());
}

TEST(PauseOfItem, OnlyGroupsOfPositiveWholeNumbers) {
    EXPECT_EQ(PauseOfItem(u"{5}"), 500u);
    EXPECT_EQ(PauseOfItem(u"{10}"), 1000u);
    EXPECT_FALSE(PauseOfItem(u"{0}"));
    EXPECT_FALSE(PauseOfItem(u"{-5}"));
    EXPECT_FALSE(PauseOfItem(u"{5"));
    EXPECT_FALSE(PauseOfItem(u"{F1}"));
    EXPECT_FALSE(PauseOfItem(u"5"));
    EXPECT_FALSE(PauseOfItem(u"{99999999999}"));
}

TEST(SendKeys, ModifiersAreHeldForTheNextKeyAndReleasedInOrder) {
    EXPECT_EQ(EventsOf(u"^V"), (std::vector{Down(0x11), Down(0x56), Up(0x56), Up(0x11), Up(0x56)}));
    EXPECT_EQ(EventsOf(u"@~{F1}"),
              (std::vector{Down(0x12), Down(0x10), Down(0x70), Up(0x70), Up(0x12), Up(0x10), Up(0x70)}));
    EXPECT_EQ(EventsOf(u"^@~X"), (std::vector{Down(0x11), Down(0x12), Down(0x10), Down(0x58), Up(0x58), Up(0x11),
                                             Up(0x12), Up(0x10), Up(0x58)}));
    EXPECT_EQ(EventsOf(u"^v"), EventsOf(u"^V"));
}

TEST(SendKeys, KeyNamesAndCharacterFallbacks) {
    EXPECT_EQ(EventsOf(u"{ENTER}"), (std::vector{Down(0x0D), Up(0x0D), Up(0x0D)}));
    EXPECT_EQ(EventsOf(u"{enter}"), EventsOf(u"{ENTER}"));
    EXPECT_EQ(EventsOf(u"{0}"), (std::vector{Down(0x30), Up(0x30), Up(0x30)}));
    EXPECT_EQ(EventsOf(u"{ESC"), (std::vector{Down(0x1B), Up(0x1B), Up(0x1B)}));
    EXPECT_EQ(EventsOf(u"+"), (std::vector{Down(0x6B), Up(0x6B), Up(0x6B)}));  // numeric pad plus, not Shift
    EXPECT_EQ(EventsOf(u"~"), (std::vector{Down(0x10), Up(0x10), Up(0x10)}));
    EXPECT_EQ(EventsOf(u"{SPC}"), EventsOf(u" "));
    EXPECT_EQ(EventsOf(u"/")[0], Down(0x6F));
    EXPECT_EQ(EventsOf(u",")[0], Down(0xBC));
    EXPECT_EQ(EventsOf(u"{F10}")[0], Down(0x79));
    EXPECT_EQ(EventsOf(u"{SHIFT}")[0], Down(0x10));
    EXPECT_EQ(EventsOf(u"\u3042")[0], Down(0x42));  // low byte of the character
    EXPECT_TRUE(EventsOf(u"{}").empty());
}

TEST(SendKeys, RefusedEventStopsButReleasesHeldModifiers) {
    KeyRecorder keyboard;
    keyboard.refuse_after = 1;  // Ctrl down is accepted, V down refused
    EXPECT_FALSE(SendKeys(u"^V", keyboard));
    EXPECT_EQ(keyboard.events, std::vector{Down(0x11)});
    keyboard.refuse_after = -1;
    keyboard.events.clear();
    EXPECT_TRUE(SendKeys(u"A", keyboard));
}

TEST(SendKeyString, WaitsHalfASecondBeforeEachItemAndPausesForNumbers) {
    KeyRecorder keyboard;
    EXPECT_TRUE(SendKeyString(u"^V{10}{ENTER}", keyboard, keyboard));
    EXPECT_EQ(keyboard.events, (std::vector{Pause(500), Down(0x11), Down(0x56), Up(0x56), Up(0x11), Up(0x56),
                                            Pause(1000), Pause(500), Down(0x0D), Up(0x0D), Up(0x0D)}));
    keyboard.events.clear();
    EXPECT_TRUE(SendKeyString(u"{5}{0}", keyboard, keyboard));
    EXPECT_EQ(keyboard.events, (std::vector{Pause(500), Pause(500), Down(0x30), Up(0x30), Up(0x30)}));
}

TEST(SendKeyString, StopsAfterAFailedItem) {
    KeyRecorder keyboard;
    keyboard.refuse_after = 3;
    EXPECT_FALSE(SendKeyString(u"ABC", keyboard, keyboard));
    EXPECT_EQ(keyboard.events, (std::vector{Pause(500), Down(0x41), Up(0x41), Up(0x41), Pause(500)}));
}

}  // namespace
}  // namespace torvane
