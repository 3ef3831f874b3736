// The application object: starts Qt, creates the forms, runs the message
// loop and shows errors in an error box titled with the application's title.
#pragma once

#include "forms.h"
#include "types.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QApplication;

class TApplication : public TObject {
public:
    TApplication();
    ~TApplication() override;

    // Starts the windowing system. Command-line arguments are not taken.
    void Initialize(const char* programPath);

    // Creates a form owned by the application and stores it in reference;
    // the first form created is the main form.
    template <class Form>
    void CreateForm(Form*& reference)
    {
        auto form = std::make_unique<Form>(this);
        reference = form.get();
        if (!mainForm_)
            mainForm_ = form.get();
        forms_.push_back(std::move(form));
    }

    // Shows the main form and dispatches events until it closes.
    void Run();
    // Destroys the forms, then the windowing system's connection.
    void Finalize();

    // The executable's file name up to its first dot, every letter after
    // the first in lower case.
    std::string Title() const { return title_; }
    TForm* MainForm() const { return mainForm_; }

    // An error box with the message. When OnException is set, it is handed
    // the error instead (tests use this).
    void ShowException(const Exception& error);
    std::function<void(const Exception&)> OnException;

private:
    std::unique_ptr<QApplication> qt_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    std::string title_;
};

extern TApplication* Application;

// Runs an event handler; an error it raises is shown and the loop goes on.
void InvokeHandler(const std::function<void()>& handler);

// The application title rule applied to a path.
std::string ApplicationTitleFor(const std::string& programPath);
