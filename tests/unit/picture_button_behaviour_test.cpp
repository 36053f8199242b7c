// The picture button's answers to pointer sequences: visual state, capture and clicks.

#include "controls/picture_button_behaviour.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace launcher {
namespace {

// One pointer message as the control sees it.
enum class Input { Down, DoubleClick, Move, Up, CaptureLost };
// Where the pointer is: on the button, over another window of the launcher, or off any window.
enum class Where { OnButton, OnOtherWindow, Outside };

struct Step {
    Input input;
    Where where;
    bool leftHeld;
};

PointerFacts FactsFor(const Step& step, bool enabled) {
    PointerFacts facts;
    facts.inside = step.where == Where::OnButton;
    facts.overButtonWindow = step.where == Where::OnButton;
    facts.noWindowUnderPointer = step.where == Where::Outside;
    facts.leftHeld = step.leftHeld;
    facts.enabled = enabled;
    return facts;
}

char VisualLetter(ButtonVisual v) {
    switch (v) {
    case ButtonVisual::Normal: return 'N';
    case ButtonVisual::Hover: return 'H';
    case ButtonVisual::Pressed: return 'P';
    }
    return '?';
}

// Runs a sequence and renders, per step, the visual state, 'c' while the capture is held,
// '*' for a redraw and '!' for a click, e.g. "Hc* P c* N !*".
std::string RunSequence(const std::vector<Step>& steps, bool enabled = true, bool toggle = false) {
    PictureButtonBehaviour button(toggle, false);
    std::string trace;
    for (const Step& step : steps) {
        ButtonReaction r;
        const PointerFacts facts = FactsFor(step, enabled);
        switch (step.input) {
        case Input::Down: r = button.LeftDown(facts); break;
        case Input::DoubleClick: break;  // not a press: the control passes it on untouched
        case Input::Move: r = button.Move(facts); break;
        case Input::Up: r = button.LeftUp(facts); break;
        case Input::CaptureLost: r = button.CaptureLost(); break;
        }
        if (!trace.empty()) trace += ' ';
        trace += VisualLetter(button.Visual());
        if (button.HoldsCapture()) trace += 'c';
        if (r.redraw) trace += '*';
        if (r.click) trace += '!';
    }
    return trace;
}

constexpr Step kOverFree{Input::Move, Where::OnButton, false};
constexpr Step kOverHeld{Input::Move, Where::OnButton, true};
constexpr Step kPress{Input::Down, Where::OnButton, true};
constexpr Step kRelease{Input::Up, Where::OnButton, false};
constexpr Step kOffHeld{Input::Move, Where::OnOtherWindow, true};
constexpr Step kOffFree{Input::Move, Where::OnOtherWindow, false};
constexpr Step kOutsideFree{Input::Move, Where::Outside, false};
constexpr Step kReleaseOff{Input::Up, Where::OnOtherWindow, false};
constexpr Step kDoubleClick{Input::DoubleClick, Where::OnButton, true};

TEST(PictureButtonBehaviour, PointerSequences) {
    struct Row {
        int line;
        const char* why;
        std::vector<Step> steps;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {__LINE__, "hover lights the button and takes the capture", {kOverFree}, "Hc*"},
        {__LINE__, "a second move over it redraws nothing", {kOverFree, kOverFree}, "Hc* Hc"},
        {__LINE__, "leaving releases the capture and restores normal", {kOverFree, kOffFree}, "Hc* N*"},
        {__LINE__, "leaving the window in one jump restores normal too", {kOverFree, kOutsideFree}, "Hc* N*"},
        {__LINE__, "press and release on the button clicks after the normal picture is back",
         {kOverFree, kPress, kRelease}, "Hc* Pc* N*!"},
        {__LINE__, "dragged off the button: normal, capture kept; released off: no click",
         {kOverFree, kPress, kOffHeld, kReleaseOff}, "Hc* Pc* Nc* N"},
        {__LINE__, "dragged off and back: pressed again; released on it: one click",
         {kOverFree, kPress, kOffHeld, kOverHeld, kRelease}, "Hc* Pc* Nc* Pc* N*!"},
        {__LINE__, "pressed on the background and dragged onto the button: pressed on arrival, then a click",
         {kOverHeld, kRelease}, "Pc* N*!"},
        {__LINE__, "a double-click's second press is no press", {kOverFree, kPress, kRelease, kDoubleClick},
         "Hc* Pc* N*! N"},
        {__LINE__, "a press outside the button does nothing", {{Input::Down, Where::OnOtherWindow, true}}, "N"},
        {__LINE__, "a capture taken away shows normal", {kOverFree, {Input::CaptureLost, Where::OnButton, false}},
         "Hc* N*"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        EXPECT_EQ(RunSequence(row.steps), row.expected);
    }
}

TEST(PictureButtonBehaviour, DisabledButtonOnlyReleasesTheCapture) {
    EXPECT_EQ(RunSequence({kOverFree, kPress, kRelease}, /*enabled=*/false), "N N N");
}

TEST(PictureButtonBehaviour, ToggleButtonStaysDownUntilTheNextClick) {
    EXPECT_EQ(RunSequence({kOverFree, kPress, kRelease, kOverFree, kPress, kRelease}, true, /*toggle=*/true),
              "Hc* Pc* P! Pc Pc N*!");
}

TEST(PictureButtonLook, ChoosesThePictureWithFallbacks) {
    const ButtonPictures all{true, true, true, true};
    const ButtonPictures normalOnly{true, false, false, false};
    EXPECT_EQ(ChooseButtonPicture(ButtonVisual::Hover, false, all), ButtonPicture::Hover);
    EXPECT_EQ(ChooseButtonPicture(ButtonVisual::Pressed, false, all), ButtonPicture::Pressed);
    EXPECT_EQ(ChooseButtonPicture(ButtonVisual::Pressed, true, all), ButtonPicture::Disabled);
    EXPECT_EQ(ChooseButtonPicture(ButtonVisual::Pressed, true, normalOnly), ButtonPicture::Normal);
    EXPECT_EQ(ChooseButtonPicture(ButtonVisual::Hover, false, normalOnly), ButtonPicture::Normal);
    EXPECT_EQ(ChooseButtonPicture(ButtonVisual::Normal, false, {}), ButtonPicture::None);
}

}  // namespace
}  // namespace launcher
