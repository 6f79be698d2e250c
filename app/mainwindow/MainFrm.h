// The product main window: what the framework window leaves to the STL repair
// product (target names and extension, free space, the engine run, the success
// text and the precision option).
#pragma once

#include "mainwindow/TarqMain.h"

#include <optional>

class TMainForm : public TTarqMainForm {
    Q_OBJECT
public:
    explicit TMainForm(const TMainFormStartup& Startup = DefaultStartup(), QWidget* parent = nullptr);
    ~TMainForm() override;

    void HandleEngineMessage(uint32_t Msg, const char16_t* Text, bool& Handled) override;
    QString GetDefaultDstFileName(const QString& SrcFile) override;
    bool IsValidDstFileExt(const QString& DstFile) override;
    bool HasEnoughFreeSpace(const QString& SrcFile, const QString& DstFile) override;
    bool RunRepair(const QString& SrcFile, const QString& DstFile) override;
    QString GetSuccessMessage(const QString& SrcFile, const QString& DstFile) override;
    QDialog* CreateSuccessForm(const QString& Msg) override;
    void ReadLangStrings(const TLangIniFile* IniFile) override;
    void ApplyLangStrings() override;
    void LoadSettings() override;
    void SaveSettings() override;
    void GetSettingInfo(QStringList& Lines) override;
    void GetRepairOptionsStruct(TOptionsStruct* lpOptions) override;

    // The bytes free to this user on the file system holding Path; none when
    // that cannot be told. Tests put their own figures here.
    std::function<std::optional<int64_t>(const QString& Path)> FreeSpaceProbe;

    QString FEpsilon;
};

// The target extensions the product accepts, ";"-separated.
extern const QString ValidDstFileExts;
