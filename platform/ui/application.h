// The application object: the hidden application window (taskbar button, title, icon), the
// forms it owns, the message loop and pump, termination, and the handler that reports errors
// escaping window and timer handlers.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/screen.h"

namespace ui {

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // COM for the thread (undone when the object goes) and the application window.
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // Creates a form owned by the application; the first one becomes the main form. Its
    // constructor loads its layout, then its creation handler runs, then it is shown if its
    // design says visible. `reference` points at it until it is destroyed.
    template <class TFormClass>
    void CreateForm(TFormClass*& reference);

    // Applies the process's show command to the main form, then dispatches messages until a
    // quit message is taken; then hides and destroys the forms.
    void Run();
    // Dispatches every message already queued for the thread, then returns. Taking the quit
    // message marks the application as terminated.
    void ProcessMessages();
    // Asks for the end: posts the quit message.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The application-level error box, owned by the application window: the error's text
    // (see ErrorBoxText), the title as caption, a stop icon, OK. It waits for OK even when the
    // end was already requested, so that the error is seen.
    void HandleException(std::exception_ptr error) noexcept;

    // The application window, created on first use.
    HWND Handle();
    TForm* MainForm() const { return mainForm_; }
    void Minimize();

    // Around a modal box: the visible forms are disabled and leave the always-on-top band, and
    // come back at the end. Nested boxes count; the outermost one restores.
    void BeginModal();
    void EndModal();

private:
    class AppWindow;

    void AdoptForm(std::unique_ptr<TForm> form, std::function<void()> forgetReference);
    void DestroyForms();
    bool ProcessMessage();
    void ShowError(const std::string& text);
    void CloseMainForm();

    std::string title_;
    std::unique_ptr<AppWindow> window_;
    struct ComApartment;
    std::unique_ptr<ComApartment> com_;
    struct OwnedForm {
        std::unique_ptr<TForm> form;
        std::function<void()> forgetReference;
    };
    std::vector<OwnedForm> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    int modalLevel_ = 0;
    std::vector<HWND> disabledForModal_;
    std::vector<HWND> loweredForModal_;
};

// One application object per process. Inline, so that it is constructed before (and so
// destroyed after) any static object of a file that includes this header.
inline TApplication Application;

template <class TFormClass>
void TApplication::CreateForm(TFormClass*& reference) {
    static_assert(std::is_base_of_v<TForm, TFormClass>, "CreateForm makes forms");
    auto form = std::make_unique<TFormClass>();
    reference = form.get();
    AdoptForm(std::move(form), [&reference] { reference = nullptr; });
}

}  // namespace ui
