#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "fake_services.h"

namespace nakkas::test {

// Checks a recorded message box field by field, so that a failure names the field.
inline void expectMessage(const MessageScript::Message& shown, std::string_view text,
                          std::string_view caption, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok) {
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.caption, caption);
    EXPECT_EQ(shown.icon, icon);
    EXPECT_EQ(shown.buttons, buttons);
}

}  // namespace nakkas::test
