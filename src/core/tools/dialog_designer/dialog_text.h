#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "text/language.h"

namespace nakkas {

// The five kinds of Android message the designer writes, in the order of the ribbon buttons.
enum class DialogType { Standart, Yukleniyor, Bekleyin, EvetHayir, ToastMesaj };

inline constexpr std::array<DialogType, 5> kDialogTypes{
    DialogType::Standart, DialogType::Yukleniyor, DialogType::Bekleyin, DialogType::EvetHayir,
    DialogType::ToastMesaj};

// The type's name as the form and the command line spell it ("Evet-Hayır", "Toast Mesaj").
std::string_view dialogTypeName(DialogType type);
// Exact, case-sensitive.
std::optional<DialogType> findDialogType(std::string_view name);
// The ribbon buttons pass the type's position in kDialogTypes.
std::optional<DialogType> dialogTypeAt(int ribbonArg);

// The seven text fields of the form, as typed.
struct DialogFields {
    std::string variableName;
    std::string activityName;
    std::string title;
    std::string message;
    std::string button1;
    std::string button2;
    std::string icon;
};

// The text for the type in the language. Names and the icon go in as typed: the user owns the
// code's syntax. Texts shown by the dialog are escaped only as far as the string literal needs.
// A toast reads the flag as given; whether one was chosen at all is the form's concern.
std::string dialogText(DialogType type, const DialogFields& fields, std::string_view toastFlag,
                       Language language);

}  // namespace nakkas
