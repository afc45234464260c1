#pragma once

#include <QIcon>

#include <string_view>

namespace nakkas {

// A program icon by name ("generate", "cut", ...), in every size that was rendered at build time.
QIcon programIcon(std::string_view name);

}  // namespace nakkas
