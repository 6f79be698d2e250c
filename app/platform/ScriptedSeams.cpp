#include "platform/ScriptedSeams.h"

#include <QCoreApplication>
#include <QDialog>

TScriptedMessages::TScriptedMessages()
{
    FPrevious = TbsSkinMessage::SetAnswerer([this](const TMessageRequest& request) {
        Asked.push_back(request);
        if (FScript.empty()) {
            ++Unscripted;
            return UnscriptedAnswer;
        }
        const int answer = FScript.front();
        FScript.pop_front();
        return answer;
    });
}

TScriptedMessages::~TScriptedMessages()
{
    TbsSkinMessage::SetAnswerer(std::move(FPrevious));
}

void TScriptedMessages::Answer(std::initializer_list<int> results)
{
    FScript.insert(FScript.end(), results.begin(), results.end());
}

TScriptedModal::TScriptedModal()
{
    FPrevious = SetModalHandler([this](QDialog* dialog) {
        Shown.push_back({QString::fromLatin1(dialog->metaObject()->className()), dialog->windowTitle()});
        dialog->show();
        QCoreApplication::processEvents();
        int result = UnscriptedAnswer;
        if (Driver) {
            result = Driver(dialog);
        } else if (!FScript.empty()) {
            result = FScript.front();
            FScript.pop_front();
        }
        dialog->hide();
        return result;
    });
}

TScriptedModal::~TScriptedModal()
{
    SetModalHandler(std::move(FPrevious));
}

void TScriptedModal::Answer(std::initializer_list<int> results)
{
    FScript.insert(FScript.end(), results.begin(), results.end());
}

TShellRecorder::TShellRecorder()
{
    FPrevious = SetShellHandler([this](const TShellRequest& request) {
        Requests.push_back(request);
        return Result;
    });
}

TShellRecorder::~TShellRecorder()
{
    SetShellHandler(std::move(FPrevious));
}
