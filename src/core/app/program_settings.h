#pragma once

#include <string>
#include <string_view>

#include "app/defaults.h"
#include "tools/outcome.h"

namespace nakkas {

class Services;

// "Program Ayarları - Program Varsayılanları": edits the seven stored defaults.
class ProgramSettings {
public:
    ProgramSettings(Defaults& record, Services& services);

    std::string paketAdi;
    std::string activityAdi;
    std::string simgeAdi;
    std::string veritabani;
    std::string tabloAdi;
    int versionIndex = -1;  // into kDatabaseVersions; -1: no entry selected
    bool clearPanelAtStart = false;

    // Selects a version entry, or none with -1. An index outside the list is refused: false,
    // and the selection stays as it was.
    bool selectVersion(int index);

    // "Kaydet" and "Varsayılan Ayarlar". Refused, with its message shown, when the store cannot
    // be written: the dialog then stays open. Done once the restart question is answered.
    Outcome save();
    Outcome restoreFactory();
    // True when the last restart question was answered Yes.
    bool restartChosen() const { return m_restartChosen; }

private:
    Outcome confirmRestart(std::string_view question);
    // Writes the seven values to the store in the order of the defaults table.
    void writeAll(const Defaults& values);

    Defaults& m_record;
    Services& m_services;
    bool m_restartChosen = false;
};

// Shown when the settings store cannot be written.
std::string settingsWriteFailedText(std::string_view location);

}  // namespace nakkas
