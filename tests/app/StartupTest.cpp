#include "AppFixture.h"

#include "vcl/Resources.h"
#include "vcl/Runtime.h"

#include <deque>

namespace {

using vcl::headless::THeadlessBackend;
using vcl::headless::TJournalEntry;

constexpr const char* kCaption = "Installiere neue Programmdateien";

std::vector<TJournalEntry> Boxes(const THeadlessBackend& backend) {
    std::vector<TJournalEntry> boxes;
    for (const auto& e : backend.Journal)
        if (e.What == TJournalEntry::Kind::MessageBox)
            boxes.push_back(e);
    return boxes;
}

// Runs the whole program on a headless backend; `script` runs once the loop has started.
struct ProgramRun {
    THeadlessBackend* backend = nullptr;
    int exitCode = -1;
    AnsiString titleAtStart;

    explicit ProgramRun(std::function<void(THeadlessBackend&)> script,
                        const char* programPath = "/opt/tools/Setup",
                        std::deque<int> boxAnswers = {}) {
        // The backend outlives the run so the test can read its journal.
        holder = std::make_shared<THeadlessBackend>();
        backend = holder.get();
        backend->MessageBoxAnswers = std::move(boxAnswers);
        backend->Post([this, script] { script(*backend); });
        exitCode = vcl::RunProgram(std::make_unique<Forwarding>(holder), programPath);
    }

private:
    // Lets RunProgram own "a" backend while the test keeps the real one.
    struct Forwarding : vcl::IBackend {
        explicit Forwarding(std::shared_ptr<THeadlessBackend> b) : b(std::move(b)) {}
        std::unique_ptr<vcl::INativeWindow> CreateNativeWindow(const vcl::TWindowParams& p,
                                                               vcl::IWindowEvents& e) override {
            return b->CreateNativeWindow(p, e);
        }
        void SetApplicationTitle(const AnsiString& t) override { b->SetApplicationTitle(t); }
        void ProcessPending() override { b->ProcessPending(); }
        void WaitEvent() override { b->WaitEvent(); }
        TSize ScreenSize() override { return b->ScreenSize(); }
        vcl::TFontMetrics FontMetrics(const vcl::TFontSpec& f) override {
            return b->FontMetrics(f);
        }
        int TextWidth(const AnsiString& t, const vcl::TFontSpec& f) override {
            return b->TextWidth(t, f);
        }
        void Beep() override { b->Beep(); }
        void Sleep(unsigned ms) override { b->Sleep(ms); }
        std::optional<int> AnswerMessageBox(const AnsiString& t, const AnsiString& c,
                                            unsigned f) override {
            return b->AnswerMessageBox(t, c, f);
        }
        std::shared_ptr<THeadlessBackend> b;
    };
    std::shared_ptr<THeadlessBackend> holder;
};

TEST(Startup, ClosingTheWindowEndsTheProgramWithExitCodeZero) {
    AnsiString title;
    ProgramRun run([&](THeadlessBackend& b) {
        title = b.AppTitle;
        auto* w = b.FindWindow(kCaption);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->Visible());
        b.CloseRequest(*w);
    });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(title, "Setup");
    EXPECT_TRUE(Boxes(*run.backend).empty());
}

TEST(Startup, TitleIsSetupWhateverTheExecutableIsCalled) {
    AnsiString title;
    ProgramRun run(
        [&](THeadlessBackend& b) {
            title = b.AppTitle;
            b.CloseRequest(*b.FindWindow(kCaption));
        },
        "/home/user/Downloads/installer-v2.bin");
    EXPECT_EQ(title, "Setup");
    EXPECT_EQ(run.exitCode, 0);
}

TEST(Startup, MissingLayoutShowsTheFailureBoxAndNoWindow) {
    auto layout = vcl::UnregisterResource("TFORM1");
    ASSERT_TRUE(layout.has_value());
    ProgramRun run([](THeadlessBackend&) { ADD_FAILURE() << "the loop must not run"; },
                   "/opt/tools/Setup", {IDOK});
    vcl::RegisterResource("TFORM1", *layout);

    EXPECT_EQ(run.exitCode, 0);
    auto boxes = Boxes(*run.backend);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Ressource TForm1 nicht gefunden.");
    EXPECT_EQ(boxes[0].Caption, "Setup");
    EXPECT_EQ(boxes[0].Value, MB_OK | MB_ICONSTOP);
    EXPECT_TRUE(run.backend->Windows().empty());
    for (const auto& e : run.backend->Journal)
        EXPECT_NE(e.What, TJournalEntry::Kind::Show);
}

TEST(Startup, AnExceptionEscapingAHandlerIsShownAndTheProgramGoesOn) {
    int clicks = 0;
    ProgramRun run(
        [&](THeadlessBackend& b) {
            auto* w = b.FindWindow(kCaption);
            Form1->InstallBtn->OnClick = [&](TObject*) {
                ++clicks;
                throw Exception("Datei fehlt.");
            };
            b.Click(*w, {36, 58});
            // The loop survives: a second click still arrives, then the close ends it.
            b.Click(*w, {36, 58});
            b.Post([&b, w] { b.CloseRequest(*w); });
        },
        "/opt/tools/Setup", {IDOK, IDOK});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(clicks, 2);
    auto boxes = Boxes(*run.backend);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].Text, "Datei fehlt..")
        << "the full stop is added whatever the text ends with";
    EXPECT_EQ(boxes[0].Caption, "Setup");
    EXPECT_EQ(boxes[0].Value, MB_OK | MB_ICONSTOP);
}

class ButtonInput : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ShowWindow();
        Form1->InstallBtn->OnClick = [this](TObject* sender) {
            EXPECT_EQ(sender, Form1->InstallBtn);
            ++clicks;
        };
    }
    int clicks = 0;
};

TEST_F(ButtonInput, PressedByReleaseInsideSpaceOrEnter) {
    // The button's centre in window coordinates: content border 2 + 6 + 30.
    TPoint centre{2 + 6 + 30, 2 + 28 + 30};
    struct Case {
        const char* what;
        std::function<void()> inject;
        int clicks;
    };
    auto& w = Window();
    const Case cases[] = {
        {"click", [&] { backend->Click(w, centre); }, 1},
        {"space", [&] { backend->Key(w, TKey::Space); }, 1},
        {"enter", [&] { backend->Key(w, TKey::Enter); }, 1},
        {"click on the label",
         [&] {
             backend->Click(w, {300, 50});
         },
         0},
        {"press inside, release outside",
         [&] {
             backend->Enqueue(&w, [&](vcl::IWindowEvents& e) {
                 e.WindowMouseDown(centre, TMouseButton::mbLeft);
             });
             backend->Enqueue(&w, [&](vcl::IWindowEvents& e) {
                 e.WindowMouseUp({300, 50}, TMouseButton::mbLeft);
             });
         },
         0},
        {"other key", [&] { backend->Key(w, TKey::Other, 'x'); }, 0},
    };
    for (const Case& c : cases) {
        clicks = 0;
        c.inject();
        backend->ProcessPending();
        EXPECT_EQ(clicks, c.clicks) << c.what;
        EXPECT_FALSE(Form1->InstallBtn->Pressed()) << c.what;
    }
}

TEST_F(ButtonInput, DisabledButtonTakesNoInputAndGreysItsCaption) {
    Form1->InstallBtn->SetEnabled(false);
    auto& w = Window();
    backend->Click(w, {38, 60});
    backend->Key(w, TKey::Space);
    backend->Key(w, TKey::Enter);
    backend->ProcessPending();
    EXPECT_EQ(clicks, 0);
    // The caption is drawn embossed: highlight under, shadow on top.
    bool grey = false;
    for (const auto& e : backend->Journal)
        grey |= e.What == TJournalEntry::Kind::Text && e.Text == "Start" &&
                e.Color == TRGB{128, 128, 128};
    EXPECT_TRUE(grey);
    Form1->InstallBtn->SetEnabled(true);
    backend->Key(w, TKey::Enter);
    backend->ProcessPending();
    EXPECT_EQ(clicks, 1) << "enabled again, the focused button takes keys again";
}

TEST_F(ButtonInput, TabKeepsTheFocusOnTheOnlyButton) {
    backend->Key(Window(), TKey::Tab);
    backend->ProcessPending();
    EXPECT_EQ(Form1->ActiveControl(), Form1->InstallBtn);
}

} // namespace
