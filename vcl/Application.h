// The application object: title, forms, the message loop, message boxes and the display
// of exceptions that escape an event handler.
#pragma once

#include "vcl/Exception.h"
#include "vcl/Form.h"

#include <functional>
#include <optional>
#include <vector>

// Message box flags and results, as the Windows API numbers them.
inline constexpr unsigned MB_OK = 0x00000000;
inline constexpr unsigned MB_YESNO = 0x00000004;
inline constexpr unsigned MB_ICONSTOP = 0x00000010;
inline constexpr unsigned MB_ICONQUESTION = 0x00000020;
inline constexpr int IDOK = 1;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;
    AnsiString ClassName() const override { return "TApplication"; }

    // Runs the initialisation hook, if one is installed.
    void Initialize();
    std::function<void()> InitProc;

    AnsiString Title() const { return title_; }
    void SetTitle(const AnsiString& title);
    const vcl::TIconImage* Icon() const { return icon_ ? &*icon_ : nullptr; }

    // Creates a form of class T, owned by the application, built from its layout. The
    // first form created becomes the main form. On failure `reference` is left empty.
    template <typename T> void CreateForm(T*& reference);
    TForm* MainForm() const { return mainForm_; }
    std::vector<TForm*> Forms() const;

    // Shows the main form and dispatches until the application is terminated.
    void Run();
    // Dispatches what is waiting, then returns.
    void ProcessMessages();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    // A modal box over every window of the application; returns the pressed button's id.
    int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags);
    // The failure box: the message and a full stop, the title as caption, a stop icon.
    void ShowException(const Exception& e);
    // What happens to an Exception that escapes an event handler.
    void HandleException(const Exception& e) { ShowException(e); }

private:
    void AddForm(TForm* form);
    AnsiString title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::optional<vcl::TIconImage> icon_;
};

extern TApplication* Application;

template <typename T> void TApplication::CreateForm(T*& reference) {
    reference = nullptr;
    auto* form = new T(this);
    try {
        form->ReadLayout();
    } catch (...) {
        delete form;
        throw;
    }
    reference = form;
    AddForm(form);
}
