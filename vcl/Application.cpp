#include "vcl/Application.h"

#include "vcl/MessageDialog.h"
#include "vcl/Resources.h"

TApplication* Application = nullptr;

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
    // The program's icon is the MAINICON resource, when the program has one.
    if (auto data = vcl::FindResource("MAINICON")) {
        auto bytes = reinterpret_cast<const std::uint8_t*>(data->data());
        icon_ = vcl::DecodeIcon(std::span<const std::uint8_t>(bytes, data->size()));
    }
}

TApplication::~TApplication() = default;

void TApplication::Initialize() {
    if (InitProc)
        InitProc();
}

void TApplication::SetTitle(const AnsiString& title) {
    title_ = title;
    vcl::Backend().SetApplicationTitle(title);
}

void TApplication::AddForm(TForm* form) {
    if (!mainForm_)
        mainForm_ = form;
}

std::vector<TForm*> TApplication::Forms() const {
    std::vector<TForm*> forms;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* f = dynamic_cast<TForm*>(Components(i)))
            forms.push_back(f);
    return forms;
}

void TApplication::Run() {
    if (!mainForm_)
        return;
    mainForm_->Show();
    while (!terminated_)
        vcl::Backend().WaitEvent();
}

void TApplication::ProcessMessages() {
    vcl::Backend().ProcessPending();
}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
    if (auto answer = vcl::Backend().AnswerMessageBox(text, caption, flags))
        return *answer;
    return vcl::ShowMessageDialog(text, caption, flags);
}

void TApplication::ShowException(const Exception& e) {
    MessageBox(e.Message() + ".", title_, MB_OK | MB_ICONSTOP);
}
