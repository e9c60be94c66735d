#include "vcl/Backend.h"

#include "vcl/Exception.h"

namespace vcl {

namespace {
std::unique_ptr<IBackend>& Current() {
    static std::unique_ptr<IBackend> backend;
    return backend;
}
} // namespace

IBackend& Backend() {
    if (!Current())
        throw Exception("Keine Fensterumgebung vorhanden");
    return *Current();
}

void InstallBackend(std::unique_ptr<IBackend> backend) {
    Current() = std::move(backend);
    win32::SetDesktop(Current().get());
}

std::unique_ptr<IBackend> RemoveBackend() {
    win32::SetDesktop(nullptr);
    return std::move(Current());
}

TPoint CentreOnScreen(TSize screen, TSize outer) {
    // Halving truncates toward zero; a window larger than the screen starts at its edge.
    int left = (screen.Width - outer.Width) / 2;
    int top = (screen.Height - outer.Height) / 2;
    return {left < 0 ? 0 : left, top < 0 ? 0 : top};
}

} // namespace vcl
