// The repair product's own options: opening the fixed file when done and the
// precision handed to the engine. They live below \Software\ + the program
// file's name without extension (a 64-bit build keeps its own), subkey Misc.
#pragma once

#include "settings/TarqSetting.h"

class TSetting : public TTarqSetting {
public:
    TSetting();
    explicit TSetting(const QString& programPath);

    // The copy the main window shows; the framework's TTarqSetting::OpenFixed
    // is stored separately under the framework key.
    bool OpenFixed = false;
    QString Epsilon;

    QString GetDefaultOpenDirectory() override;
    bool SaveSetting() override;
    void LoadSetting() override;

    // The key of the product values: "\Software\" + the file name without extension.
    QString ProductKey() const;
};
