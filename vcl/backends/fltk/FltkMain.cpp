// The program's process entry on X11: the real windows, then the platform's start-up.
#include "vcl/Exception.h"
#include "vcl/Runtime.h"
#include "vcl/backends/fltk/FltkBackend.h"
#include "win32/Cp1252.h"

#include <cstdio>

int main(int argc, char** argv) {
    (void)argc;
    std::unique_ptr<vcl::IBackend> backend;
    try {
        backend = vcl::fltk::CreateFltkBackend();
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", win32::Cp1252ToUtf8(e.Message()).c_str());
        return 1;
    }
    return vcl::RunProgram(std::move(backend), argv[0]);
}
