// The program on the headless backend: application titled "Setup", Form1 built from its
// layout, torn down after each test.
#pragma once

#include "app/InstallMain.h"
#include "tests/support/HeadlessSession.h"
#include "vcl/Application.h"
#include "vcl/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <memory>

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<THeadlessSession>();
        backend = &session->Backend();
        Application->CreateForm(Form1);
    }

    void TearDown() override {
        Form1 = nullptr;
        session.reset();
    }

    // Shows the window and lets it paint, as the message loop's first turn does.
    vcl::headless::THeadlessWindow& ShowWindow() {
        Form1->Show();
        backend->ProcessPending();
        return Window();
    }

    vcl::headless::THeadlessWindow& Window() {
        auto* w = backend->FindWindow("Installiere neue Programmdateien");
        EXPECT_NE(w, nullptr);
        return *w;
    }

    // Where a control's top-left corner lies in the window.
    static TPoint At(const TControl* c) { return c->WindowOrigin(); }

    std::unique_ptr<THeadlessSession> session;
    vcl::headless::THeadlessBackend* backend = nullptr;
};
