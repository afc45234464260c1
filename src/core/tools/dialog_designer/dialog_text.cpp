#include "dialog_text.h"

#include <span>

#include "text/escape.h"

namespace nakkas {

namespace {

constexpr std::array<std::string_view, 5> kTypeNames{"Standart", "Yükleniyor", "Bekleyin",
                                                     "Evet-Hayır", "Toast Mesaj"};

// A piece of a dialog text: a fixed literal or one of the form's values. The values that stand
// inside a string literal of the generated code go through the language's string escape; the
// others are names and expressions the user owns.
enum class Field { None, Variable, Activity, Title, Message, Button1, Button2, Icon, ToastFlag };

struct Piece {
    std::string_view text;
    Field field = Field::None;
};

constexpr Piece v{{}, Field::Variable};
constexpr Piece activity{{}, Field::Activity};
constexpr Piece title{{}, Field::Title};
constexpr Piece message{{}, Field::Message};
constexpr Piece button1{{}, Field::Button1};
constexpr Piece button2{{}, Field::Button2};
constexpr Piece icon{{}, Field::Icon};
constexpr Piece toastFlag{{}, Field::ToastFlag};

// In the string literals below, "\\r\\n" is the escape (backslash r backslash n) that makes the
// shown message start on a new line; "\r\n" is a line break of the generated text. Each source
// line holds one line of the generated text.

// clang-format off
constexpr Piece kJavaStandard[] = {
    {"Dialog "}, v, {" = new Dialog ("}, activity, {".this);\r\n"},
    v, {".setTitle(\""}, title, {"\");\r\n"},
    v, {".show();"},
};

// The context comes from a view named V in the caller's listener, never from the Activity.
constexpr Piece kJavaLoading[] = {
    {"ProgressDialog "}, v, {";\r\n"},
    v, {" = new ProgressDialog(V.getContext());\r\n"},
    v, {".setCancelable(true); //Geri tuşu ile kapatılabilir\r\n"},
    v, {".setMessage(\"\\r\\n"}, title, {"\");\r\n"},
    v, {".setProgressStyle(ProgressDialog.STYLE_HORIZONTAL);\r\n"},
    v, {".setProgress(0); // Sıfırlandı\r\n"},
    v, {".setMax(100); // Maximum değer 100 olarak belirlendi (10000e kadar girilebiliyor)\r\n"},
    v, {".show();\r\n"},
    v, {".incrementProgressBy(13); // Geçerli doluluk oranını buradan belirleriz"},
};

constexpr Piece kJavaWait[] = {
    {"ProgressDialog "}, v, {" = ProgressDialog.show("}, activity, {".this,\""}, title,
        {"\",\"\\r\\n"}, message, {"\",false,true);\r\n"},
    {"//Sonraki true parametresi false ise geri tuşuna basıldığında kapanmaz."},
};

constexpr Piece kJavaYesNo[] = {
    {"AlertDialog.Builder "}, v, {"= new AlertDialog.Builder("}, activity, {".this);\r\n"},
    v, {".setMessage(\"\\r\\n"}, message, {"\")\r\n"},
    {".setCancelable(false)\r\n"},
    {".setPositiveButton(\""}, button1, {"\", new DialogInterface.OnClickListener()\r\n"},
    {"{\r\n"},
    {"public void onClick(DialogInterface MesajKutusu, int id)\r\n"},
    {" {\r\n"},
    {"  // Birinci düğmeye basıldığında olacak olayları buraya yaz\r\n"},
    {" } } )\r\n"},
    {".setNegativeButton(\""}, button2, {"\", new DialogInterface.OnClickListener()\r\n"},
    {"{\r\n"},
    {"public void onClick(DialogInterface dialog, int id)\r\n"},
    {" {\r\n"},
    {"  // İkinci düğmeye basıldığında olacak olayları buraya yazın\r\n"},
    {" }\r\n"},
    {"} );\r\n"},
    {"AlertDialog Msj = "}, v, {".create();\r\n"},
    {"Msj.setTitle(\""}, title, {"\");\r\n"},
    {"Msj.setIcon("}, icon, {");\r\n"},
    {"Msj.show();"},
};

constexpr Piece kJavaToast[] = {
    {"Toast.makeText("}, activity, {".this, \"\\r\\n"}, title, {"\", Toast."}, toastFlag,
        {").show();"},
};

constexpr Piece kKotlinStandard[] = {
    {"val "}, v, {" = Dialog(this@"}, activity, {")\r\n"},
    v, {".setTitle(\""}, title, {"\")\r\n"},
    v, {".show()"},
};

// A Kotlin listener lambda does not rebind this, so the Activity is the context both in onCreate
// and in the click listener the Java text is written for; its name is not needed.
constexpr Piece kKotlinLoading[] = {
    {"val "}, v, {" = ProgressDialog(this)\r\n"},
    v, {".setCancelable(true) //Geri tuşu ile kapatılabilir\r\n"},
    v, {".setMessage(\"\\r\\n"}, title, {"\")\r\n"},
    v, {".setProgressStyle(ProgressDialog.STYLE_HORIZONTAL)\r\n"},
    v, {".progress = 0 // Sıfırlandı\r\n"},
    v, {".max = 100 // Maximum değer 100 olarak belirlendi (10000e kadar girilebiliyor)\r\n"},
    v, {".show()\r\n"},
    v, {".incrementProgressBy(13) // Geçerli doluluk oranını buradan belirleriz"},
};

constexpr Piece kKotlinWait[] = {
    {"val "}, v, {" = ProgressDialog.show(this@"}, activity, {", \""}, title, {"\", \"\\r\\n"},
        message, {"\", false, true)\r\n"},
    {"//Sonraki true parametresi false ise geri tuşuna basıldığında kapanmaz."},
};

// Each button's listener is a lambda; the button's index is left unnamed since each button has
// a listener of its own.
constexpr Piece kKotlinYesNo[] = {
    {"val "}, v, {" = AlertDialog.Builder(this@"}, activity, {")\r\n"},
    v, {".setMessage(\"\\r\\n"}, message, {"\")\r\n"},
    {"    .setCancelable(false)\r\n"},
    {"    .setPositiveButton(\""}, button1, {"\") { MesajKutusu, _ ->\r\n"},
    {"        // Birinci düğmeye basıldığında olacak olayları buraya yaz\r\n"},
    {"    }\r\n"},
    {"    .setNegativeButton(\""}, button2, {"\") { dialog, _ ->\r\n"},
    {"        // İkinci düğmeye basıldığında olacak olayları buraya yazın\r\n"},
    {"    }\r\n"},
    {"val Msj = "}, v, {".create()\r\n"},
    {"Msj.setTitle(\""}, title, {"\")\r\n"},
    {"Msj.setIcon("}, icon, {")\r\n"},
    {"Msj.show()"},
};

constexpr Piece kKotlinToast[] = {
    {"Toast.makeText(this@"}, activity, {", \"\\r\\n"}, title, {"\", Toast."}, toastFlag,
        {").show()"},
};
// clang-format on

// Everything that differs between the languages: a text per type, in the order of kDialogTypes,
// and how a typed value is written inside a string literal.
struct Templates {
    std::array<std::span<const Piece>, kDialogTypes.size()> texts;
    std::string (*quote)(std::string_view);
};

constexpr Templates kJava{{kJavaStandard, kJavaLoading, kJavaWait, kJavaYesNo, kJavaToast},
                          javaString};
constexpr Templates kKotlin{
    {kKotlinStandard, kKotlinLoading, kKotlinWait, kKotlinYesNo, kKotlinToast}, kotlinString};

const Templates& templatesFor(Language language) {
    return language == Language::Kotlin ? kKotlin : kJava;
}

}  // namespace

std::string_view dialogTypeName(DialogType type) {
    return kTypeNames[std::size_t(type)];
}

std::optional<DialogType> findDialogType(std::string_view name) {
    for (DialogType t : kDialogTypes)
        if (dialogTypeName(t) == name) return t;
    return std::nullopt;
}

std::optional<DialogType> dialogTypeAt(int ribbonArg) {
    if (ribbonArg < 0 || std::size_t(ribbonArg) >= kDialogTypes.size()) return std::nullopt;
    return kDialogTypes[std::size_t(ribbonArg)];
}

std::string dialogText(DialogType type, const DialogFields& f, std::string_view toastFlag,
                       Language language) {
    const Templates& t = templatesFor(language);
    std::string text;
    text.reserve(1024);
    for (const Piece& piece : t.texts[std::size_t(type)]) {
        switch (piece.field) {
            case Field::None:
                text += piece.text;
                break;
            case Field::Variable:
                text += f.variableName;
                break;
            case Field::Activity:
                text += f.activityName;
                break;
            case Field::Title:
                text += t.quote(f.title);
                break;
            case Field::Message:
                text += t.quote(f.message);
                break;
            case Field::Button1:
                text += t.quote(f.button1);
                break;
            case Field::Button2:
                text += t.quote(f.button2);
                break;
            case Field::Icon:
                text += f.icon;
                break;
            case Field::ToastFlag:
                text += toastFlag;
                break;
        }
    }
    return text;
}

}  // namespace nakkas
