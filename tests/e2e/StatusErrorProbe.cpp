// The program's own window on X11 where pressing Start reports an error and nothing else:
// lets a script look at the screen while the report pauses. Prints "error-start" before
// the report and "error-done" once it (pause included) has returned, then closes.
#include "app/InstallMain.h"
#include "vcl/Application.h"
#include "vcl/backends/fltk/FltkBackend.h"

#include <cstdio>
#include <memory>

namespace {

const AnsiString kErrorText = "Konnte Datei nicht verschieben.";

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

} // namespace

int main() {
    auto backend = vcl::fltk::CreateFltkBackendOrExplain();
    if (!backend)
        return 1;
    vcl::InstallBackend(std::move(backend));
    {
        auto application = std::make_unique<TApplication>(nullptr);
        Application = application.get();
        Application->SetTitle("Setup");
        Application->CreateForm(Form1);
        Form1->InstallBtn->OnClick = [](TObject*) {
            Say("error-start");
            Form1->Error(kErrorText);
            Say("error-done");
            Form1->Close();
        };
        Application->Run();
        Application = nullptr;
    }
    vcl::RemoveBackend();
    return 0;
}
