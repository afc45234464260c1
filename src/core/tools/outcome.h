#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/services.h"

namespace nakkas {

// What a user action came to. A refusal carries the message the user was shown, so a caller
// (the command line, a test) never has to guess from side effects. A refusal without a message
// is an action the form does not offer at that moment (its control is disabled).
struct Outcome {
    enum class Kind { Done, Refused, Cancelled };
    Kind kind = Kind::Done;
    std::string message;

    static Outcome done() { return {}; }
    static Outcome refused(std::string message) { return {Kind::Refused, std::move(message)}; }
    static Outcome cancelled() { return {Kind::Cancelled, {}}; }

    bool ok() const { return kind == Kind::Done; }
    bool operator==(const Outcome&) const = default;
};

// Shows the text in an OK message box and returns the refusal that carries it.
Outcome showRefusal(Services& services, std::string text, std::string_view caption = "Hata",
                    MessageIcon icon = MessageIcon::Error);

}  // namespace nakkas
