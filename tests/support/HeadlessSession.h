// The platform of one test: a headless backend and an application object, gone when the
// session ends (forms owned by the application go with it).
#pragma once

#include "vcl/Application.h"
#include "vcl/backends/headless/HeadlessBackend.h"

#include <memory>

class THeadlessSession {
public:
    explicit THeadlessSession(const AnsiString& title = "Setup")
        : backend_(&vcl::headless::InstallHeadlessBackend()),
          application_(std::make_unique<TApplication>(nullptr)) {
        Application = application_.get();
        Application->SetTitle(title);
    }
    ~THeadlessSession() {
        Application = nullptr;
        application_.reset();
        vcl::RemoveBackend();
    }
    THeadlessSession(const THeadlessSession&) = delete;
    THeadlessSession& operator=(const THeadlessSession&) = delete;

    vcl::headless::THeadlessBackend& Backend() { return *backend_; }

private:
    vcl::headless::THeadlessBackend* backend_;
    std::unique_ptr<TApplication> application_;
};
