#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

using namespace talvo;

namespace {

TEST(VirtualKeys, QtKeysMapToThePlatformCodes)
{
    struct Case
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_0, Qt::NoModifier, 48},
        {Qt::Key_9, Qt::NoModifier, 57},
        {Qt::Key_A, Qt::NoModifier, 65},
        {Qt::Key_Z, Qt::ShiftModifier, 90},
        // Qt's Minus and Period are 45 and 46, the codes of Insert and Delete.
        {Qt::Key_Minus, Qt::NoModifier, 189},
        {Qt::Key_Period, Qt::NoModifier, 190},
        {Qt::Key_Insert, Qt::NoModifier, 45},
        {Qt::Key_Delete, Qt::NoModifier, 46},
        {Qt::Key_Underscore, Qt::ShiftModifier, 189},
        {Qt::Key_Greater, Qt::ShiftModifier, 190},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 48},
        {Qt::Key_Backspace, Qt::NoModifier, 8},
        {Qt::Key_Tab, Qt::NoModifier, 9},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_Control, Qt::ControlModifier, 17},
        {Qt::Key_Alt, Qt::AltModifier, 18},
        {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Space, Qt::NoModifier, 32},
        {Qt::Key_End, Qt::NoModifier, 35},
        {Qt::Key_Home, Qt::NoModifier, 36},
        {Qt::Key_Left, Qt::NoModifier, 37},
        {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_0, Qt::KeypadModifier, 96},
        {Qt::Key_9, Qt::KeypadModifier, 105},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Period, Qt::KeypadModifier, 110},
        {Qt::Key_Slash, Qt::KeypadModifier, 111},
        {Qt::Key_Home, Qt::KeypadModifier, 36},
        {Qt::Key_F1, Qt::NoModifier, 112},
        {Qt::Key_Comma, Qt::NoModifier, 188},
        {Qt::Key_Plus, Qt::ShiftModifier, 187},
        {Qt::Key_unknown, Qt::NoModifier, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyCode(c.key, c.modifiers), c.code) << "Qt key 0x" << std::hex << c.key;
}

TEST(VirtualKeys, ShiftStateAndMouseButtons)
{
    EXPECT_EQ(ShiftState(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftState(Qt::ShiftModifier), 1);
    EXPECT_EQ(ShiftState(Qt::ControlModifier | Qt::AltModifier), 6);
    EXPECT_EQ(ShiftState(Qt::KeypadModifier), 0);
    EXPECT_EQ(MouseButtonCode(Qt::LeftButton), 1);
    EXPECT_EQ(MouseButtonCode(Qt::RightButton), 2);
    EXPECT_EQ(MouseButtonCode(Qt::MiddleButton), 4);
}

} // namespace
