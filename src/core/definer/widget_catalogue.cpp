#include "widget_catalogue.h"

#include <algorithm>
#include <array>

namespace nakkas {

namespace {

// Ribbon order. The Tab Host entry has no class: choosing it opens the project wizard instead of
// writing a declaration.
constexpr std::array<CatalogueEntry, 18> kEntries{{
    {"ID_BUTTON2", "TextView", "textView", "TextView", "textView", "label_degisken"},
    {"ID_BUTTON3", "Button", "button", "Button", "button", "button_degisken"},
    {"ID_BUTTON4", "CheckBox", "checkBox", "CheckBox", "checkBox", "check_degisken"},
    {"ID_BUTTON7", "RadioButton", "radioButton", "RadioButton", "radioButton", "radio_degisken"},
    {"ID_BUTTON6", "Toggle", "toggle", "ToggleButton", "toggleButton", "toggle_degisken"},
    {"ID_BUTTON5", "ProgressBar", "progressBar", "ProgressBar", "progressBar", "progress_degisken"},
    {"ID_BUTTON10", "Spinner", "spinner", "Spinner", "spinner", "spinner_degisken"},
    {"ID_BUTTON9", "GridView", "gridView", "GridView", "gridView", "grid_degisken"},
    {"ID_BUTTON8", "EditText", "editText", "EditText", "editText", "edit_degisken"},
    {"ID_BUTTON11", "ImageBtn", "imageButton", "ImageButton", "imageButton", "iBtn_degisken"},
    {"ID_BUTTON12", "TabHost", "tabHost", "", "tabHost", "tab_degisken"},
    {"ID_BUTTON13", "ImageView", "imageView", "ImageView", "imageView", "image_degisken"},
    {"ID_BUTTON14", "WebView", "webView", "WebView", "webView", "web_degisken"},
    {"ID_BUTTON15", "VideoView", "videoView", "VideoView", "videoView", "video_degisken"},
    {"ID_BUTTON16", "ListView", "listView", "ListView", "listView", "list_degisken"},
    {"ID_BUTTON17", "SeekBar", "seekBar", "SeekBar", "seekBar", "seek_degisken"},
    {"BnRatingBar", "RatingBar", "ratingBar", "RatingBar", "ratingBar", "rating_degisken"},
    {"BnDatePicker", "DatePicker", "datePicker", "DatePicker", "datePicker", "date_degisken"},
}};

template <typename Field>
std::optional<std::size_t> findBy(Field field, std::string_view wanted) {
    const auto it = std::find_if(kEntries.begin(), kEntries.end(),
                                 [&](const CatalogueEntry& e) { return e.*field == wanted; });
    if (it == kEntries.end()) return std::nullopt;
    return static_cast<std::size_t>(it - kEntries.begin());
}

}  // namespace

std::span<const CatalogueEntry> widgetCatalogue() {
    return kEntries;
}

std::optional<std::size_t> findEntryByTypeKey(std::string_view typeKey) {
    return findBy(&CatalogueEntry::typeKey, typeKey);
}

std::optional<std::size_t> findEntryByLabel(std::string_view label) {
    return findBy(&CatalogueEntry::label, label);
}

bool needsListItems(std::string_view typeKey) {
    return typeKey == "spinner" || typeKey == "gridView" || typeKey == "listView";
}

bool generatesAtOnce(std::string_view typeKey) {
    return needsListItems(typeKey) || typeKey == "tabHost";
}

}  // namespace nakkas
