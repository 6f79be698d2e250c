// Stand-ins for the user and the desktop, for tests of any window of the
// program: each installs itself on construction and restores what was there
// before on destruction.
#pragma once

#include "platform/MessageBox.h"
#include "platform/ModalShow.h"
#include "platform/Shell.h"

#include <QString>
#include <QVector>

#include <deque>
#include <functional>

class QDialog;

// Answers message boxes from a script and keeps every box that was asked.
class TScriptedMessages {
public:
    TScriptedMessages();
    ~TScriptedMessages();
    TScriptedMessages(const TScriptedMessages&) = delete;
    TScriptedMessages& operator=(const TScriptedMessages&) = delete;

    // Queues the answers, given as modal results (mrYes, mrNoToAll, ...).
    void Answer(std::initializer_list<int> results);

    QVector<TMessageRequest> Asked;
    // Boxes asked after the script ran out; they get UnscriptedAnswer.
    int Unscripted = 0;
    int UnscriptedAnswer = mrCancel;

private:
    std::deque<int> FScript;
    TMessageAnswerer FPrevious;
};

// Shows modal windows without a modal loop: the window is shown (so that its
// show handling runs), handed to Driver when one is set, hidden again, and its
// result taken from Driver or from the script.
class TScriptedModal {
public:
    TScriptedModal();
    ~TScriptedModal();
    TScriptedModal(const TScriptedModal&) = delete;
    TScriptedModal& operator=(const TScriptedModal&) = delete;

    struct TShown {
        QString ClassName;
        QString Title;
    };

    void Answer(std::initializer_list<int> results);
    // Runs while the window is shown; its result is the window's result.
    std::function<int(QDialog*)> Driver;

    QVector<TShown> Shown;
    int UnscriptedAnswer = mrCancel;

private:
    std::deque<int> FScript;
    TModalHandler FPrevious;
};

// Records every request to the desktop; launches nothing.
class TShellRecorder {
public:
    TShellRecorder();
    ~TShellRecorder();
    TShellRecorder(const TShellRecorder&) = delete;
    TShellRecorder& operator=(const TShellRecorder&) = delete;

    QVector<TShellRequest> Requests;
    // What the desktop answers.
    bool Result = true;

private:
    TShellHandler FPrevious;
};
