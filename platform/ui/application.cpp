#include "platform/ui/application.h"

#include <objbase.h>

#include "platform/ui/error_text.h"
#include "platform/ui/modal_box.h"

namespace ui {
namespace {

constexpr UINT kQuietMove = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

bool IsTopmost(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Under Wine, HWND_NOTOPMOST leaves an owned window topmost when its owner is the first window
// below the topmost band. So the owner (the zero-size application window) goes to the bottom
// first; should the window still be topmost, it is lowered while it is briefly unowned.
void LeaveTopmostBand(HWND window) {
    const HWND owner = GetWindow(window, GW_OWNER);
    if (owner) SetWindowPos(owner, HWND_BOTTOM, 0, 0, 0, 0, kQuietMove);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kQuietMove);
    if (owner && IsTopmost(window)) {
        SetWindowLongPtrA(window, GWLP_HWNDPARENT, 0);
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kQuietMove);
        SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
}

}  // namespace

struct TApplication::ComApartment {
    // The platform's own pair, independent of any the program makes.
    ComApartment() : initialized(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (initialized) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    const bool initialized;
};

// Zero-size and unowned, so it carries the program's taskbar button, title and icon while the
// forms it owns have none.
class TApplication::AppWindow : public Window {
public:
    AppWindow(TApplication& application, const std::string& title) : application_(application) {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        // Shared icons from the resources: the system keeps them, nothing to free.
        const HICON icon = LoadIconA(instance, "MAINICON");
        const HICON smallIcon = static_cast<HICON>(
            LoadImageA(instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                       GetSystemMetrics(SM_CYSMICON), LR_SHARED));
        RegisterWindowClass("TApplication", icon, smallIcon);
        CreateParams p;
        p.exStyle = WS_EX_APPWINDOW;
        p.className = "TApplication";
        p.text = title;
        p.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
        p.x = Screen.Width() / 2;
        p.y = Screen.Height() / 2;
        CreateHandle(p);
    }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_CLOSE:  // also the Close command of the taskbar button's menu
                application_.CloseMainForm();
                return 0;
            case WM_SYSCOMMAND:
                if ((wParam & 0xFFF0) == SC_RESTORE) {
                    const LRESULT result = Default(message, wParam, lParam);
                    ShowOwnedPopups(Handle(), TRUE);
                    return result;
                }
                break;
            default: break;
        }
        return Window::WndProc(message, wParam, lParam);
    }

private:
    TApplication& application_;
};

TApplication::TApplication() = default;

TApplication::~TApplication() {
    DestroyForms();
    com_.reset();
    window_.reset();
}

void TApplication::Initialize() {
    if (!com_) com_ = std::make_unique<ComApartment>();
    Handle();
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (window_) SetWindowTextA(window_->Handle(), title_.c_str());
}

HWND TApplication::Handle() {
    if (!window_) window_ = std::make_unique<AppWindow>(*this, title_);
    return window_->Handle();
}

void TApplication::AdoptForm(std::unique_ptr<TForm> form, std::function<void()> forgetReference) {
    TForm& adopted = *form;
    forms_.push_back({std::move(form), std::move(forgetReference)});
    if (!mainForm_) mainForm_ = &adopted;
    try {
        adopted.DoCreate();
    } catch (...) {
        HandleException(std::current_exception());
    }
    if (!adopted.Design().visible) return;
    if (&adopted == mainForm_) ShowWindow(Handle(), SW_SHOWNA);  // the taskbar button
    adopted.Show();
}

void TApplication::Run() {
    if (mainForm_) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        GetStartupInfoA(&startup);
        if (startup.dwFlags & STARTF_USESHOWWINDOW) {
            if (startup.wShowWindow == SW_SHOWMINNOACTIVE) Minimize();
            if (startup.wShowWindow == SW_SHOWMAXIMIZED) mainForm_->Maximize();
        }
    }
    while (!terminated_) {
        if (!ProcessMessage()) WaitMessage();
    }
    DestroyForms();
}

bool TApplication::ProcessMessage() {
    MSG message{};
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) {
        terminated_ = true;
    } else {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Minimize() {
    ShowWindow(Handle(), SW_SHOWMINNOACTIVE);
    ShowOwnedPopups(Handle(), FALSE);
}

void TApplication::CloseMainForm() {
    if (mainForm_) mainForm_->Close();
}

void TApplication::DestroyForms() {
    while (!forms_.empty()) {
        OwnedForm last = std::move(forms_.back());
        forms_.pop_back();
        if (last.form.get() == mainForm_) mainForm_ = nullptr;
        last.form->Hide();
        last.forgetReference();
    }
}

void TApplication::HandleException(std::exception_ptr error) noexcept {
    std::string text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
        text = "Erreur inconnue";
    }
    text = ErrorBoxText(text);
    try {
        ShowError(text);
    } catch (...) {
        // The box could not be set up: a plain one still tells the user.
        MessageBoxA(nullptr, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    }
}

void TApplication::ShowError(const std::string& text) {
    // A quit message already posted (the end requested just before the error) would close the
    // box at once. Taking it here ends the loop after this handler all the same.
    MSG quit{};
    if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) terminated_ = true;
    ShowModalBox(Handle(), text, title_, MB_OK | MB_ICONSTOP, BoxEnd::WaitForOk);
}

void TApplication::BeginModal() {
    if (modalLevel_++ > 0) return;
    for (TForm* form : Screen.Forms()) {
        const HWND w = form->Handle();
        if (!IsWindowVisible(w)) continue;
        if (IsWindowEnabled(w)) {
            EnableWindow(w, FALSE);
            disabledForModal_.push_back(w);
        }
        if (IsTopmost(w)) {
            LeaveTopmostBand(w);
            loweredForModal_.push_back(w);
        }
    }
}

void TApplication::EndModal() {
    if (--modalLevel_ > 0) return;
    for (HWND w : disabledForModal_) {
        if (IsWindow(w)) EnableWindow(w, TRUE);
    }
    for (HWND w : loweredForModal_) {
        if (IsWindow(w)) SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, kQuietMove);
    }
    disabledForModal_.clear();
    loweredForModal_.clear();
}

}  // namespace ui
