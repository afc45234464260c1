#include "access_option.h"

#include <string>

#include "definer/definer_form.h"

namespace nakkas::cli {

bool readAccess(const Args& args, Context& ctx, std::string_view command,
                std::optional<std::size_t>& index) {
    if (!args.has("access")) return true;
    const std::string access = args.value("access");
    index = DefinerForm::findAccessEntry(access);
    if (index) return true;
    usageError(ctx, command, "bilinmeyen erişim belirteci: " + access);
    return false;
}

}  // namespace nakkas::cli
