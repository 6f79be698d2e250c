// A main window on the offscreen platform with a settings store of its own, a
// scripted user for its boxes and modal windows, and a recorder for the desktop.
#pragma once

#include "mainwindow/MainFrm.h"

#include "localization/AppLang.h"
#include "platform/ScriptedSeams.h"
#include "repair/Zarnik.h"
#include "mainwindow/ClickLabel.h"
#include "support/DragEdit.h"

#include "stl_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

// The product window with two seams tests need: whether a target exists, and
// the update step of the deferred start.
class TTestMainForm : public TMainForm {
public:
    using TMainForm::TMainForm;

    bool DstFileExists(const QString& DstFile) override
    {
        return DstFileExistsOverride ? DstFileExistsOverride(DstFile) : TMainForm::DstFileExists(DstFile);
    }
    void CheckForProductUpdate() override
    {
        ++UpdateChecks;
        UpdateCheckWhileRepairing = UpdateCheckWhileRepairing || FInRepair;
    }

    std::function<bool(const QString&)> DstFileExistsOverride;
    int UpdateChecks = 0;
    bool UpdateCheckWhileRepairing = false;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FConfig.isValid());
        ASSERT_TRUE(FData.isValid());
        qputenv("XDG_CONFIG_HOME", FConfig.path().toUtf8());
        qputenv("HOME", FConfig.path().toUtf8());
        qputenv("LANGUAGE", "en_US");
        // The engine library's own entry, named here so that the linker keeps
        // the library for the binding, which it meets only afterwards.
        SetRunRepairJobEntry(&RunRepairJob);
        ResetApplicationTerminated();
        Modal.Driver = [this](QDialog* dialog) {
            if (auto* msg = dialog->findChild<QLabel*>(QStringLiteral("labMsg")))
                ModalTexts << msg->text();
            return int(mrCancel);
        };
    }

    void TearDown() override { Form.reset(); }

    // The program file beside which the build put the language files.
    static QString ProgramPath() { return QStringLiteral(TARQ_BINARY_DIR) + QStringLiteral("/bin/tarq"); }

    TTestMainForm& Start(const QStringList& arguments = {})
    {
        Form = std::make_unique<TTestMainForm>(TMainFormStartup{ProgramPath(), arguments});
        Form->FormCreate();
        Form->show();
        QApplication::processEvents();
        return *Form;
    }

    void Restart(const QStringList& arguments = {})
    {
        Form.reset();
        Start(arguments);
    }

    QString File(const QString& name) const { return FData.filePath(name); }

    QString WriteModel(const QString& name, int facets, int garbage = 7)
    {
        const QString path = File(name);
        EXPECT_TRUE(stlfixture::WriteBytes(path, stlfixture::DamagedStl(facets, garbage)));
        return path;
    }

    QStringList Log() const { return Form->LogLines(); }

    QStringList AskedTexts() const
    {
        QStringList texts;
        for (const TMessageRequest& r : Messages.Asked)
            texts << r.Text;
        return texts;
    }

    // Selects the language as a user does in the box; the change handler runs.
    void SelectLanguage(const QString& code)
    {
        SetLangComboBoxStr(Form->cmbLang, code);
        ASSERT_EQ(GetLangComboBoxStr(Form->cmbLang), code) << "language not offered";
        QApplication::processEvents();
    }

    TScriptedMessages Messages;
    TScriptedModal Modal;
    TShellRecorder Shell;
    QStringList ModalTexts;
    std::unique_ptr<TTestMainForm> Form;

private:
    QTemporaryDir FConfig;
    QTemporaryDir FData;
};
