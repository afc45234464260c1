#include "dialog_text.h"

#include "text/escape.h"

#include <initializer_list>

namespace nakkas {

namespace {

constexpr std::array<std::string_view, 5> kTypeNames{"Standart", "Yükleniyor", "Bekleyin",
                                                     "Evet-Hayır", "Toast Mesaj"};

std::string join(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (auto p : pieces) size += p.size();
    std::string text;
    text.reserve(size);
    for (auto p : pieces) text += p;
    return text;
}

// In the Java string literals below, "\\r\\n" is the Java escape (backslash r backslash n) that
// makes the shown message start on a new line; "\r\n" is a line break of the generated text.

std::string standard(const DialogFields& f) {
    const std::string_view v = f.variableName;
    return join({"Dialog ", v, " = new Dialog (", f.activityName, ".this);\r\n",  //
                 v, ".setTitle(\"", javaString(f.title), "\");\r\n",              //
                 v, ".show();"});
}

std::string loading(const DialogFields& f) {
    const std::string_view v = f.variableName;
    // The context comes from a view named V in the caller's listener, never from the Activity.
    return join(
        {"ProgressDialog ",
         v,
         ";\r\n",
         v,
         " = new ProgressDialog(V.getContext());\r\n",
         v,
         ".setCancelable(true); //Geri tuşu ile kapatılabilir\r\n",
         v,
         ".setMessage(\"\\r\\n",
         javaString(f.title),
         "\");\r\n",
         v,
         ".setProgressStyle(ProgressDialog.STYLE_HORIZONTAL);\r\n",
         v,
         ".setProgress(0); // Sıfırlandı\r\n",
         v,
         ".setMax(100); // Maximum değer 100 olarak belirlendi (10000e kadar girilebiliyor)\r\n",
         v,
         ".show();\r\n",
         v,
         ".incrementProgressBy(13); // Geçerli doluluk oranını buradan belirleriz"});
}

std::string wait(const DialogFields& f) {
    return join({"ProgressDialog ", f.variableName, " = ProgressDialog.show(", f.activityName,
                 ".this,\"", javaString(f.title), "\",\"\\r\\n", javaString(f.message),
                 "\",false,true);\r\n",
                 "//Sonraki true parametresi false ise geri tuşuna basıldığında kapanmaz."});
}

std::string yesNo(const DialogFields& f) {
    const std::string_view v = f.variableName;
    return join({"AlertDialog.Builder ",
                 v,
                 "= new AlertDialog.Builder(",
                 f.activityName,
                 ".this);\r\n",
                 v,
                 ".setMessage(\"\\r\\n",
                 javaString(f.message),
                 "\")\r\n",
                 ".setCancelable(false)\r\n",
                 ".setPositiveButton(\"",
                 javaString(f.button1),
                 "\", new DialogInterface.OnClickListener()\r\n",
                 "{\r\n",
                 "public void onClick(DialogInterface MesajKutusu, int id)\r\n",
                 " {\r\n",
                 "  // Birinci düğmeye basıldığında olacak olayları buraya yaz\r\n",
                 " } } )\r\n",
                 ".setNegativeButton(\"",
                 javaString(f.button2),
                 "\", new DialogInterface.OnClickListener()\r\n",
                 "{\r\n",
                 "public void onClick(DialogInterface dialog, int id)\r\n",
                 " {\r\n",
                 "  // İkinci düğmeye basıldığında olacak olayları buraya yazın\r\n",
                 " }\r\n",
                 "} );\r\n",
                 "AlertDialog Msj = ",
                 v,
                 ".create();\r\n",
                 "Msj.setTitle(\"",
                 javaString(f.title),
                 "\");\r\n",
                 "Msj.setIcon(",
                 f.icon,
                 ");\r\n",
                 "Msj.show();"});
}

std::string toast(const DialogFields& f, std::string_view flag) {
    return join({"Toast.makeText(", f.activityName, ".this, \"\\r\\n", javaString(f.title),
                 "\", Toast.", flag, ").show();"});
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

std::string dialogText(DialogType type, const DialogFields& fields, std::string_view toastFlag) {
    switch (type) {
        case DialogType::Standart:
            return standard(fields);
        case DialogType::Yukleniyor:
            return loading(fields);
        case DialogType::Bekleyin:
            return wait(fields);
        case DialogType::EvetHayir:
            return yesNo(fields);
        case DialogType::ToastMesaj:
            return toast(fields, toastFlag);
    }
    return {};
}

}  // namespace nakkas
