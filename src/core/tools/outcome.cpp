#include "tools/outcome.h"

namespace nakkas {

Outcome showRefusal(Services& services, std::string text, std::string_view caption,
                    MessageIcon icon) {
    services.messageBox(text, std::string(caption), icon, MessageButtons::Ok);
    return Outcome::refused(std::move(text));
}

}  // namespace nakkas
