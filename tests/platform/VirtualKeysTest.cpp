#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

using namespace talvo;

namespace {

TEST(VirtualKeys, KeysThatQtNumbersAlikeGetTheirOwnCodes)
{
    struct Case
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Case cases[] = {
        // Qt's Minus and Period are 45 and 46, the codes of Insert and Delete.
        {Qt::Key_Minus, Qt::NoModifier, 189},
        {Qt::Key_Period, Qt::NoModifier, 190},
        {Qt::Key_Insert, Qt::NoModifier, 45},
        {Qt::Key_Delete, Qt::NoModifier, 46},
        // The keypad differs from the main keyboard only by its modifier; its Enter is Enter.
        {Qt::Key_0, Qt::KeypadModifier, 96},
        {Qt::Key_9, Qt::KeypadModifier, 105},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Period, Qt::KeypadModifier, 110},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Home, Qt::KeypadModifier, 36},
        // Shifted symbols and Shift+Tab keep the code of their key.
        {Qt::Key_Underscore, Qt::ShiftModifier, 189},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 48},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_A, Qt::ShiftModifier, 65},
        {Qt::Key_unknown, Qt::NoModifier, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyCode(c.key, c.modifiers), c.code) << "Qt key 0x" << std::hex << c.key;
    EXPECT_EQ(ShiftState(Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier), CtrlMask | AltMask);
}

} // namespace
