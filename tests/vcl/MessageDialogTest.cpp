#include "tests/support/HeadlessSession.h"
#include "vcl/Application.h"
#include "vcl/Button.h"
#include "vcl/Resources.h"
#include "vcl/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using vcl::headless::THeadlessBackend;
using vcl::headless::THeadlessWindow;

constexpr const char* kBoxCaption = "Wichtige Frage!";

class TTestMainForm : public TForm {
public:
    using TForm::TForm;
    AnsiString ClassName() const override { return "TTestMainForm"; }
};

constexpr std::string_view kTestLayout = "object TestMainForm: TTestMainForm\n"
                                         "  Caption = 'main'\n"
                                         "  ClientWidth = 300\n"
                                         "  ClientHeight = 100\n"
                                         "end\n";

// An application with one shown main form; message boxes are answered with injected
// input on the real dialog.
class MessageDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        backend = &session.Backend();
        vcl::RegisterResource("TTestMainForm", kTestLayout);
        Application->CreateForm(main);
        main->Show();
        backend->ProcessPending();
    }
    // Runs `answer` once the box is up, then shows the box and returns its result.
    int Ask(unsigned flags, std::function<void(THeadlessWindow&)> answer) {
        backend->Post([this, answer] {
            THeadlessWindow* box = backend->FindWindow(kBoxCaption);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->Visible());
            EXPECT_EQ(box->Owner, main->Native()) << "the box stays above the program";
            EXPECT_FALSE(static_cast<THeadlessWindow*>(main->Native())->Enabled);
            answer(*box);
        });
        return Application->MessageBox("Existiert auf ihrem PC ein Ordner [C:\\Keldrano]?",
                                       kBoxCaption, flags);
    }

    THeadlessSession session;
    THeadlessBackend* backend = nullptr;
    TTestMainForm* main = nullptr;
};

TEST_F(MessageDialogTest, YesNoBoxAnswersByKeysAndClicks) {
    struct Case {
        const char* what;
        std::function<void(THeadlessBackend&, THeadlessWindow&)> input;
        int expected;
    };
    const Case cases[] = {
        {"Enter takes the default button", [](auto& b, auto& w) { b.Key(w, TKey::Enter); }, IDYES},
        {"Space on the default button", [](auto& b, auto& w) { b.Key(w, TKey::Space); }, IDYES},
        {"accelerator N", [](auto& b, auto& w) { b.Key(w, TKey::Other, 'n'); }, IDNO},
        {"accelerator J", [](auto& b, auto& w) { b.Key(w, TKey::Other, 'J'); }, IDYES},
        {"Tab then Enter", [](auto& b, auto& w) { b.Key(w, TKey::Tab), b.Key(w, TKey::Enter); },
         IDNO},
        {"close box is refused, then No",
         [](auto& b, auto& w) {
             b.CloseRequest(w), b.Key(w, TKey::Escape), b.Key(w, TKey::Other, 'n');
         },
         IDNO},
    };
    for (const Case& c : cases) {
        int result =
            Ask(MB_YESNO | MB_ICONQUESTION, [&](THeadlessWindow& box) { c.input(*backend, box); });
        EXPECT_EQ(result, c.expected) << c.what;
        EXPECT_TRUE(static_cast<THeadlessWindow*>(main->Native())->Enabled) << c.what;
        EXPECT_EQ(backend->FindWindow(kBoxCaption), nullptr) << "the box is gone: " << c.what;
    }
}

TEST_F(MessageDialogTest, ClickOnAButtonAnswers) {
    int result = Ask(MB_YESNO | MB_ICONQUESTION, [&](THeadlessWindow& box) {
        // Two 75-pixel buttons 6 apart, centred at the bottom: click the right one.
        TSize size = box.ClientSize();
        int right = (size.Width - (2 * 75 + 6)) / 2 + 75 + 6 + 30;
        backend->Click(box, {right, size.Height - 11 - 10});
    });
    EXPECT_EQ(result, IDNO);
}

TEST_F(MessageDialogTest, OkBoxClosesByEscapeOrCloseBox) {
    EXPECT_EQ(Ask(MB_OK | MB_ICONSTOP, [&](THeadlessWindow& b) { backend->Key(b, TKey::Escape); }),
              IDOK);
    EXPECT_EQ(Ask(MB_OK | MB_ICONSTOP, [&](THeadlessWindow& b) { backend->CloseRequest(b); }),
              IDOK);
}

TEST_F(MessageDialogTest, BoxShowsTextAndButtonsAndKeepsTheMainFormBlocked) {
    int mainClicks = 0;
    auto* button = new TButton(main);
    button->SetParent(main);
    button->SetBounds(0, 0, 50, 20);
    button->OnClick = [&](TObject*) { ++mainClicks; };
    int result = Ask(MB_YESNO | MB_ICONQUESTION, [&](THeadlessWindow& box) {
        backend->Click(*static_cast<THeadlessWindow*>(main->Native()), {10, 10});
        backend->Key(box, TKey::Enter);
    });
    EXPECT_EQ(result, IDYES);
    EXPECT_EQ(mainClicks, 0) << "a click on the blocked main form reaches nothing";
    bool text = false, yes = false, no = false;
    for (const auto& e : backend->Journal) {
        text |= e.Text == "Existiert auf ihrem PC ein Ordner [C:\\Keldrano]?";
        yes |= e.Text == "Ja";
        no |= e.Text == "Nein";
    }
    EXPECT_TRUE(text);
    EXPECT_TRUE(yes);
    EXPECT_TRUE(no);
}

} // namespace
