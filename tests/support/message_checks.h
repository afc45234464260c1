#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

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

// The names of the flags that are set, in the order given, so that one comparison of a
// control's boxes names each flag that differs.
inline std::string flagsSet(std::initializer_list<std::pair<const char*, bool>> flags) {
    std::string out;
    for (const auto& [name, on] : flags)
        if (on) out += (out.empty() ? "" : " ") + std::string(name);
    return out;
}

}  // namespace nakkas::test
