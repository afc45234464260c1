#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/defaults.h"

namespace nakkas {

class Services;

// "Program Ayarları - Program Varsayılanları": edits the seven stored defaults.
class ProgramSettings {
public:
    enum class Outcome {
        StayOpen,  // nothing was decided; the dialog stays open
        Close,     // close the dialog
        Restart,   // close and restart the program
    };

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

    Outcome save();            // "Kaydet"
    Outcome restoreFactory();  // "Varsayılan Ayarlar"

private:
    Outcome confirmRestart(std::string_view question);
    // Writes the seven values to the store in the order of the defaults table.
    void writeAll(const Defaults& values);

    Defaults& m_record;
    Services& m_services;
};

// Shown when the settings store cannot be written.
std::string settingsWriteFailedText(std::string_view location);

}  // namespace nakkas
