#include "vcl/Runtime.h"

#include "vcl/Application.h"

#include <filesystem>

namespace vcl {

int RunProgram(std::unique_ptr<IBackend> backend, const char* programPath) {
    InstallBackend(std::move(backend));
    int result = 0;
    {
        // The application object lives for the whole program and frees its forms.
        auto application = std::make_unique<TApplication>(nullptr);
        Application = application.get();
        application->SetTitle(
            std::filesystem::path(programPath ? programPath : "").stem().string());
        result = WinMain(nullptr, nullptr, nullptr, 0);
        Application = nullptr;
    }
    RemoveBackend();
    return result;
}

} // namespace vcl
