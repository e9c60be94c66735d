#include "win32/FaultInjection.h"

#include <atomic>
#include <mutex>
#include <utility>

namespace win32::testing {

namespace {

std::mutex faultMutex;
CopyFault activeFault;
std::atomic<CopyMethod> firstMethod{CopyMethod::Clone};
std::atomic<TempFileKind> tempFileKind{TempFileKind::Anonymous};

} // namespace

void SetCopyFault(CopyFault fault) {
    std::lock_guard lock(faultMutex);
    activeFault = std::move(fault);
}

void SetFirstCopyMethod(CopyMethod method) {
    firstMethod = method;
}

int CopyFaultAfter(std::uint64_t bytesCopied) {
    std::lock_guard lock(faultMutex);
    return activeFault ? activeFault(bytesCopied) : 0;
}

CopyMethod FirstCopyMethod() {
    return firstMethod;
}

void SetTempFileKind(TempFileKind kind) {
    tempFileKind = kind;
}

TempFileKind PreferredTempFileKind() {
    return tempFileKind;
}

} // namespace win32::testing
