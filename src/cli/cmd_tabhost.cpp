#include <algorithm>
#include <optional>

#include "app/defaults.h"
#include "cli.h"
#include "platform/services.h"
#include "tools/menu_designer/menu_designer.h"
#include "tools/tabhost_wizard/project_writer.h"
#include "tools/tabhost_wizard/tabhost_wizard.h"

namespace nakkas::cli {

namespace {

constexpr OptionSpec kOptions[] = {{"out"},
                                   {"package"},
                                   {"tabs"},
                                   {"tab", true, true},
                                   {"start"},
                                   {"fullscreen", false},
                                   {"orientation"},
                                   {"lifecycle", true, true},
                                   {"menu", false},
                                   {"menu-title", true, true},
                                   {"menu-icon", true, true},
                                   {"app-id"},
                                   {"window-title"},
                                   {"target-sdk"},
                                   {"min-sdk"},
                                   {"activity"},
                                   {"replace", false},
                                   {"open", false}};

int usageError(Context& ctx, std::string_view message) {
    return cli::usageError(ctx, "tabhost", message);
}

// The usage error for an icon file given to a tab or to a menu item that is not there.
std::string missingIcon(const std::string& file) {
    return "simge dosyası bulunamadı: " + file;
}

// A number from 1 to max written plainly, as the form's lists offer them.
std::optional<int> smallNumber(std::string_view text, int min, int max) {
    for (int n = min; n <= max; ++n)
        if (text == std::to_string(n)) return n;
    return std::nullopt;
}

template <class List>
int indexIn(const List& list, std::string_view text) {
    const auto it = std::find(list.begin(), list.end(), text);
    return it == list.end() ? -1 : int(it - list.begin());
}

// "--tab K:FIELD=VALUE": empty when it was applied, else the usage error.
std::string applyTabField(Context& ctx, TabHostWizard& w, const std::string& spec) {
    const auto colon = spec.find(':');
    const auto eq = spec.find('=');
    if (colon == std::string::npos || eq == std::string::npos || eq < colon)
        return "--tab K:ALAN=DEĞER biçiminde verilir: " + spec;
    const auto k = smallNumber(spec.substr(0, colon), 1, w.project().tabCount);
    if (!k)
        return "--tab için tab numarası 1 ile " + std::to_string(w.project().tabCount) +
               " arasında olmalı: " + spec;
    const std::string field = spec.substr(colon + 1, eq - colon - 1);
    const std::string value = spec.substr(eq + 1);
    w.chooseTab(*k - 1);
    if (field == "activity") {
        w.setActivityName(value);
    } else if (field == "title") {
        w.setTitle(value);
    } else if (field == "iconname") {
        w.setIconName(value);
    } else if (field == "layout") {
        const int i = indexIn(kLayoutStyles, value);
        if (i < 0) return "bilinmeyen layout biçimi: " + value;
        w.chooseLayout(i);
    } else if (field == "scroll") {
        if (value != "0" && value != "1") return "scroll 0 ya da 1 olmalı: " + spec;
        w.setScroll(value == "1");
    } else if (field == "icon") {
        if (!ctx.services.pathExists(value)) return missingIcon(value);
        w.setIconFile(value);
    } else {
        return "bilinmeyen tab alanı: " + field;
    }
    return {};
}

int run(const Args& args, Context& ctx) {
    if (!args.has("out")) return usageError(ctx, "--out KLASÖR gerekli");
    const Defaults defaults = Defaults::load(ctx.services);

    TabHostProject project;
    MenuRecords menu;
    TabHostWizard w(ctx.services, project, menu,
                    {args.value("activity", defaults.ActivityAdi),
                     {},
                     {},
                     defaults.SimgeAdi,
                     defaults.PaketAdi,
                     ctx.language()});
    w.tabCountText = args.value("tabs", "1");
    if (!w.list().ok()) return kRefused;
    w.setOutputFolder(args.value("out"));
    if (args.has("package")) w.setPackageName(args.value("package"));

    for (const std::string& spec : args.all("tab"))
        if (std::string error = applyTabField(ctx, w, spec); !error.empty())
            return usageError(ctx, error);

    if (args.has("start")) {
        const auto k = smallNumber(args.value("start"), 1, w.project().tabCount);
        if (!k) return usageError(ctx, "--start 1 ile tab sayısı arasında olmalı");
        w.chooseStartTab(*k - 1);
    }
    if (args.has("orientation")) {
        const auto o = smallNumber(args.value("orientation"), 0, 2);
        if (!o) return usageError(ctx, "--orientation 0, 1 ya da 2 olmalı");
        w.chooseOrientation(*o);
    }
    w.setFullScreen(args.flag("fullscreen"));
    for (const std::string& name : args.all("lifecycle")) {
        const int i = indexIn(kLifecycleNames, name);
        if (i < 0) return usageError(ctx, "bilinmeyen yaşam döngüsü metodu: " + name);
        w.setLifecycle(Lifecycle(i), true);
    }
    for (const auto& [option, choose] :
         {std::pair{"target-sdk", &TabHostWizard::chooseTargetVersion},
          std::pair{"min-sdk", &TabHostWizard::chooseMinVersion}}) {
        if (!args.has(option)) continue;
        const int i = indexIn(TabHostWizard::kVersions, args.value(option));
        if (i < 0) return usageError(ctx, std::string("--") + option + " 8 ile 15 arasında olmalı");
        (w.*choose)(i);
    }
    if (args.has("app-id")) w.setApplicationId(args.value("app-id"));
    if (args.has("window-title")) w.setWindowTitle(args.value("window-title"));
    w.setOpenWhenDone(args.flag("open"));

    // The menu is designed as a user would: the box checked, "Yeni Tasarım", one entry per
    // title, the icons, OK. Without titles the design is cancelled, which leaves no items. The
    // box then shows what was asked; a saved design goes into the project either way.
    const auto& titles = args.all("menu-title");
    std::string usage;
    bool refused = false;
    w.setMenuFlag(true);
    w.designMenu([&](MenuDesigner& d) {
        if (!titles.empty()) {
            d.countText = std::to_string(titles.size());
            refused = !d.list().ok();
            if (refused) return false;
        }
        for (size_t j = 0; j < titles.size(); ++j) {
            d.choose(int(j));
            d.editTitle(titles[j]);
        }
        for (const std::string& spec : args.all("menu-icon")) {
            const auto eq = spec.find('=');
            const auto j = smallNumber(spec.substr(0, eq == std::string::npos ? 0 : eq), 1,
                                       int(titles.size()));
            const std::string file = spec.substr(eq + 1);
            if (!j) {
                usage = "--menu-icon J=PNG biçiminde, J bir menü maddesi: " + spec;
            } else if (!ctx.services.pathExists(file)) {
                usage = missingIcon(file);
            } else {
                d.choose(*j - 1);
                d.setIconFile(file);
                continue;
            }
            return false;
        }
        return d.confirm().ok();
    });
    w.setMenuFlag(args.flag("menu"));
    if (!usage.empty()) return usageError(ctx, usage);
    if (refused) return kRefused;

    const Outcome outcome =
        w.create(args.flag("replace") ? ReplacePolicy::Replace : ReplacePolicy::Ask);
    if (outcome.kind == Outcome::Kind::Cancelled) {
        write(ctx.err,
              "Var olan klasörü çöp kutusuna gönderip yeniden yazmak için --replace "
              "verin.\n");
        return kRefused;
    }
    if (!outcome.ok()) return kRefused;
    write(ctx.out, projectFolders(w.project().outputFolder, w.project().packageName).root + "\n");
    return kDone;
}

}  // namespace

extern const CommandSpec kTabHostCommand{
    "tabhost",
    "Tab Host projesini klasöre yazar",
    "Kullanım: nakkas-cli tabhost --out KLASÖR [--package P] [--tabs N] [--tab K:ALAN=DEĞER]...\n"
    "         [--start K] [--fullscreen] [--orientation 0|1|2] [--lifecycle AD]...\n"
    "         [--menu] [--menu-title METİN]... [--menu-icon J=PNG]... [--app-id METİN]\n"
    "         [--window-title METİN] [--target-sdk V] [--min-sdk V] [--activity AD]\n"
    "         [--replace] [--open]\n"
    "  ALAN: activity, title, iconname, layout (LinearLayout, RelativeLayout, TableLayout,\n"
    "        FrameLayout), scroll (0|1), icon (PNG dosyası)\n"
    "  AD: onStart, onPause, onResume, onRestart, onStop, onDestroy\n"
    "  Proje KLASÖR/Zep altına yazılır; var olan klasör yalnızca --replace ile çöpe gider.\n"
    "  Kotlin'de etkinlikler .kt dosyası olur; manifest, layout ve menü dosyaları aynıdır.\n",
    kOptions,
    run,
    0,
    true};

}  // namespace nakkas::cli
