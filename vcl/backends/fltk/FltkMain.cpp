// The program's process entry on X11: the real windows, then the platform's start-up.
#include "vcl/Runtime.h"
#include "vcl/backends/fltk/FltkBackend.h"

int main(int, char** argv) {
    auto backend = vcl::fltk::CreateFltkBackendOrExplain();
    if (!backend)
        return 1;
    return vcl::RunProgram(std::move(backend), argv[0]);
}
