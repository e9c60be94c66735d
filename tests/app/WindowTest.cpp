#include "AppFixture.h"

#include <string>

namespace {

using vcl::headless::THeadlessWindow;

constexpr TRGB kFace{192, 192, 192};
constexpr TRGB kShadow{128, 128, 128};
constexpr TRGB kHighlight{255, 255, 255};
constexpr TRGB kDarkShadow{0, 0, 0};
constexpr TRGB kLight{192, 192, 192};

class WindowTest : public AppFixture {};

TEST_F(WindowTest, LayoutProducesTheStoredRectangles) {
    struct Case {
        const char* name;
        TControl* control;
        TRect bounds;
    };
    const Case cases[] = {
        {"ContentPanel", Form1->ContentPanel, Bounds(0, 0, 792, 98)},
        {"Progress", Form1->Progress, Bounds(0, 0, 788, 20)},
        {"Panel1", Form1->Panel1, Bounds(75, 20, 713, 74)},
        {"Status", Form1->Status, Bounds(2, 2, 709, 70)},
        {"InstallBtn", Form1->InstallBtn, Bounds(6, 28, 60, 60)},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.control, nullptr) << c.name;
        EXPECT_EQ(c.control->BoundsRect(), c.bounds) << c.name;
        EXPECT_EQ(c.control->Name(), c.name);
    }
    EXPECT_EQ(Form1->ContentPanel->ClientWidth(), 788);
    EXPECT_EQ(Form1->ContentPanel->ClientHeight(), 94);
    EXPECT_EQ(Form1->ClientWidth(), 792);
    EXPECT_EQ(Form1->ClientHeight(), 98);
}

TEST_F(WindowTest, AlignmentComputesRectanglesFromTheParentNotFromStoredNumbers) {
    // A wider content area moves the right-aligned panel and stretches the bar.
    Form1->SetClientWidth(900);
    EXPECT_EQ(Form1->Progress->BoundsRect(), Bounds(0, 0, 896, 20));
    EXPECT_EQ(Form1->Panel1->BoundsRect(), Bounds(183, 20, 713, 74));
    EXPECT_EQ(Form1->Status->BoundsRect(), Bounds(2, 2, 709, 70));
}

TEST_F(WindowTest, StoredValuesReachTheControls) {
    EXPECT_EQ(Form1->Caption(), "Installiere neue Programmdateien");
    EXPECT_EQ(Form1->InstallBtn->Caption(), "Start");
    EXPECT_EQ(Form1->Progress->Caption(), "Fortschritt");
    EXPECT_EQ(Form1->Progress->Max(), 100);
    EXPECT_EQ(Form1->Progress->Position(), 0);
    EXPECT_EQ(Form1->Progress->ProgressColor(), clHighlight);
    EXPECT_EQ(Form1->Panel1->Caption(), "Panel1");
    EXPECT_FALSE(Form1->Status->AutoSize());
    EXPECT_TRUE(Form1->Status->WordWrap());
    EXPECT_FALSE(Form1->Status->ShowAccelChar());
    EXPECT_EQ(Form1->Status->Caption().size(), 252u);
    EXPECT_NE(Form1->Status->Caption().find("Inforamtionsdateien"), std::string::npos);
    EXPECT_NE(Form1->Status->Caption().find("\xF6"
                                            "ffnen"),
              std::string::npos);
    // Every control follows the window's font: bold black MS Sans Serif, 11 pixels.
    for (TControl* c :
         {static_cast<TControl*>(Form1->InstallBtn), static_cast<TControl*>(Form1->Progress),
          static_cast<TControl*>(Form1->Status)}) {
        EXPECT_EQ(c->Font()->Name(), "MS Sans Serif") << c->Name();
        EXPECT_EQ(c->Font()->Height(), -11) << c->Name();
        EXPECT_EQ(c->Font()->Style(), TFontStyles(fsBold)) << c->Name();
        EXPECT_EQ(c->Font()->Color(), clBlack) << c->Name();
    }
    // The bar and the label take their panel's face colour.
    EXPECT_EQ(Form1->Progress->Color(), clBtnFace);
    EXPECT_EQ(Form1->Status->Color(), clBtnFace);
    EXPECT_EQ(Form1->BorderIcons(), TBorderIcons(biSystemMenu | biMinimize));
    EXPECT_EQ(Form1->BorderStyle(), TFormBorderStyle::bsSingle);
    ASSERT_NE(Form1->Icon(), nullptr);
    EXPECT_EQ(Form1->Icon()->Width, 32);
}

TEST_F(WindowTest, FirstShowingCentresTheFramedWindowAndFocusesTheButton) {
    THeadlessWindow& w = ShowWindow();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.ClientSize(), (TSize{792, 98}));
    TSize outer = w.OuterSize();
    EXPECT_EQ(w.Position, (TPoint{(1024 - outer.Width) / 2, (768 - outer.Height) / 2}));
    EXPECT_FALSE(w.MaximizeBox);
    EXPECT_TRUE(w.MinimizeBox);
    EXPECT_TRUE(w.HasIcon);
    EXPECT_EQ(Form1->ActiveControl(), Form1->InstallBtn);
    EXPECT_TRUE(Form1->InstallBtn->Focused());
    EXPECT_EQ(backend->AppTitle, "Setup");
}

TEST(Centring, HalvesTowardZeroAndNeverLeavesTheScreen) {
    struct Case {
        TSize screen, outer;
        TPoint expected;
    };
    const Case cases[] = {
        {{1024, 768}, {798, 123}, {113, 322}},
        {{1025, 769}, {798, 124}, {113, 322}},
        {{640, 480}, {798, 123}, {0, 178}},
        {{800, 100}, {798, 123}, {1, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vcl::CentreOnScreen(c.screen, c.outer), c.expected);
}

TEST_F(WindowTest, BevelsAndBordersHaveTheClassicColours) {
    THeadlessWindow& w = ShowWindow();
    // ContentPanel's sunken border: outer shadow/highlight, inner dark shadow/light.
    EXPECT_EQ(w.Pixel(0, 50), kShadow);
    EXPECT_EQ(w.Pixel(400, 0), kShadow);
    EXPECT_EQ(w.Pixel(791, 50), kHighlight);
    EXPECT_EQ(w.Pixel(400, 97), kHighlight);
    EXPECT_EQ(w.Pixel(1, 50), kDarkShadow);
    EXPECT_EQ(w.Pixel(400, 1), kDarkShadow);
    EXPECT_EQ(w.Pixel(790, 50), kLight);
    EXPECT_EQ(w.Pixel(400, 96), kLight);
    // Panel1 at (2 + 75, 2 + 20): outer bevel lowered, inner raised.
    TPoint p = At(Form1->Panel1);
    EXPECT_EQ(p, (TPoint{77, 22}));
    EXPECT_EQ(w.Pixel(p.X, p.Y + 30), kShadow);
    EXPECT_EQ(w.Pixel(p.X + 300, p.Y), kShadow);
    EXPECT_EQ(w.Pixel(p.X + 712, p.Y + 30), kHighlight);
    EXPECT_EQ(w.Pixel(p.X + 300, p.Y + 73), kHighlight);
    EXPECT_EQ(w.Pixel(p.X + 1, p.Y + 30), kHighlight);
    EXPECT_EQ(w.Pixel(p.X + 300, p.Y + 1), kHighlight);
    EXPECT_EQ(w.Pixel(p.X + 711, p.Y + 30), kShadow);
    EXPECT_EQ(w.Pixel(p.X + 300, p.Y + 72), kShadow);
    // The strip left of the panel, below the bar, shows the face colour.
    EXPECT_EQ(w.Pixel(4, 25), kFace);
}

TEST_F(WindowTest, Panel1CaptionIsNeverPainted) {
    ShowWindow();
    Form1->Status->Repaint();
    Form1->Panel1->Repaint();
    Form1->Invalidate();
    backend->ProcessPending();
    for (const auto& e : backend->Journal) {
        if (e.What == vcl::headless::TJournalEntry::Kind::Text) {
            EXPECT_EQ(e.Text.find("Panel1"), std::string::npos) << "drawn at " << e.At.X;
        }
    }
}

TEST_F(WindowTest, WelcomeTextAndCaptionsAreDrawnBoldBlack) {
    ShowWindow();
    bool welcome = false, caption = false, start = false;
    for (const auto& e : backend->Journal) {
        if (e.What != vcl::headless::TJournalEntry::Kind::Text)
            continue;
        welcome |= e.Text.rfind("Willkommen beim", 0) == 0 && e.Color == TRGB{0, 0, 0};
        caption |= e.Text == "Fortschritt";
        start |= e.Text == "Start";
    }
    EXPECT_TRUE(welcome);
    EXPECT_TRUE(caption);
    EXPECT_TRUE(start);
}

} // namespace
