#include "controls/TProgressBarEx.h"
#include "tests/support/HeadlessSession.h"
#include "vcl/Form.h"
#include "vcl/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

using vcl::headless::THeadlessBackend;
using vcl::headless::THeadlessWindow;
using vcl::headless::TJournalEntry;

constexpr TRGB kFace{192, 192, 192};
constexpr TRGB kShadow{128, 128, 128};
constexpr TRGB kHighlight{255, 255, 255};
constexpr TRGB kBar{0, 0, 128};

// A bar alone on a shown form, its top-left corner at the form's origin.
class ProgressBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        backend = &session.Backend();
        form = std::make_unique<TForm>(nullptr);
        form->SetCaption("bar");
        form->Font()->SetStyle(fsBold);
        bar = new TProgressBarEx(form.get());
        bar->SetParent(form.get());
        bar->SetCaption("Fortschritt");
        Resize(788, 20);
        form->Show();
        backend->ProcessPending();
    }
    void Resize(int w, int h) {
        form->SetClientWidth(w);
        form->SetClientHeight(h);
        bar->SetBounds(0, 0, w, h);
    }
    THeadlessWindow& Window() { return *backend->FindWindow("bar"); }
    int CountTexts(const AnsiString& text) const {
        int n = 0;
        for (const auto& e : backend->Journal)
            n += e.What == TJournalEntry::Kind::Text && e.Text == text;
        return n;
    }

    THeadlessSession session;
    THeadlessBackend* backend = nullptr;
    std::unique_ptr<TForm> form;
    TProgressBarEx* bar = nullptr;
};

TEST_F(ProgressBarTest, ConstructorValues) {
    TProgressBarEx fresh(nullptr);
    EXPECT_EQ(fresh.Position(), 0);
    EXPECT_EQ(fresh.Max(), 100);
    EXPECT_EQ(fresh.Width(), 200);
    EXPECT_EQ(fresh.Height(), 20);
    EXPECT_EQ(fresh.ProgressColor(), clHighlight);
    EXPECT_EQ(fresh.BarRect(), TRect{});
    EXPECT_FALSE(fresh.TabStop());
}

TEST_F(ProgressBarTest, PositionWritesClampUpperBoundFirstAndLowerBoundLast) {
    struct Case {
        int before, max, write, expected;
    };
    const Case cases[] = {
        {0, 100, 50, 50},   {0, 100, 150, 100},    {0, 100, -5, 0},
        {0, 100, 100, 100}, {0, -3, 5, 0},         {0, -3, -7, 0},
        {0, 0, 1, 0},       {0, 10, INT32_MIN, 0}, {0, 10, INT32_MAX, 10},
    };
    for (const Case& c : cases) {
        bar->SetMax(100);
        bar->SetPosition(c.before);
        bar->SetMax(c.max);
        bar->SetPosition(c.write);
        EXPECT_EQ(bar->Position(), c.expected) << "max " << c.max << " write " << c.write;
    }
}

TEST_F(ProgressBarTest, LoweringMaxKeepsThePositionUntilTheNextWrite) {
    bar->SetPosition(50);
    std::size_t before = backend->Journal.size();
    bar->SetMax(20);
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(backend->Journal.size(), before) << "a Max write paints nothing";
    Window().Invalidate();
    backend->ProcessPending();
    EXPECT_EQ(bar->BarRect().Right, 786) << "the next paint draws a full bar";
    bar->SetPosition(30);
    EXPECT_EQ(bar->Position(), 20);
}

TEST_F(ProgressBarTest, BarEndFollowsExtendedPrecisionArithmetic) {
    struct Case {
        int max, position, right;
    };
    // 505 where exact arithmetic gives 506; 394 where double precision gives 393.
    const Case cases[] = {{100, 50, 394}, {2, 1, 394}, {100, 0, 2}, {42, 27, 505}, {22, 11, 394}};
    for (const Case& c : cases) {
        bar->SetMax(c.max);
        bar->SetPosition(c.position);
        EXPECT_EQ(bar->BarRect(), (TRect{2, 2, c.right, 18})) << c.max << "/" << c.position;
        EXPECT_EQ(BarRightEdge(788, c.max, c.position), c.right);
    }
}

TEST(BarRightEdge, FullPositionEndsAtTheInnerEdgeForEveryWidthAndMaximum) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> width(4, 4000), maximum(1, 1 << 30);
    for (int i = 0; i < 200000; ++i) {
        int w = width(random), m = maximum(random);
        ASSERT_EQ(BarRightEdge(w, m, m), w - 2) << w << " " << m;
        // Beyond the maximum (a lowered Max) the bar still ends there.
        ASSERT_EQ(BarRightEdge(w, m, m < (1 << 30) ? m + 1 : m), w - 2) << w << " " << m;
    }
}

TEST(BarRightEdge, ProgressNeverShrinksAndStaysInsideTheFrame) {
    for (int max : {1, 2, 3, 7, 22, 42, 100, 1000, 123457}) {
        int last = 2;
        for (int p = 0; p <= max; p += 1 + max / 500) {
            int right = BarRightEdge(788, max, p);
            ASSERT_GE(right, last) << max << "/" << p;
            ASSERT_LE(right, 786);
            last = right;
        }
    }
}

TEST(BarRightEdge, DegenerateInputsNeitherTrapNorOverflow) {
    EXPECT_EQ(BarRightEdge(788, 0, 0), 2) << "no bar with a zero maximum";
    EXPECT_EQ(BarRightEdge(4, 0, 0), 2);
    for (int w : {0, 1, 2, 3})
        for (int p = 0; p <= 5; ++p)
            EXPECT_EQ(BarRightEdge(w, 5, p), w - 2) << w << "/" << p;
    // A position left over from before a negative maximum draws leftwards: fills nothing.
    EXPECT_LT(BarRightEdge(788, -1, 2147483647), 2);
}

TEST_F(ProgressBarTest, FrameGapBarAndBackgroundPixels) {
    bar->SetCaption("");
    bar->SetPosition(50);
    THeadlessWindow& w = Window();
    struct Case {
        int x, y;
        TRGB color;
        const char* what;
    };
    const Case cases[] = {
        {0, 0, kShadow, "top-left corner"},
        {786, 0, kShadow, "top row up to its last pixel"},
        {787, 0, kHighlight, "top-right corner"},
        {0, 18, kShadow, "left column"},
        {0, 19, kShadow, "bottom-left corner: the left column is whole"},
        {787, 19, kHighlight, "bottom-right corner"},
        {787, 10, kHighlight, "right column"},
        {400, 19, kHighlight, "bottom row"},
        {1, 10, kFace, "gap column 1"},
        {10, 1, kFace, "gap row 1"},
        {10, 18, kFace, "gap row CH-2"},
        {2, 2, kBar, "bar start"},
        {393, 17, kBar, "bar end"},
        {394, 10, kFace, "after the bar"},
        {786, 10, kFace, "column CW-2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(w.Pixel(c.x, c.y), c.color) << c.what;
}

TEST_F(ProgressBarTest, EveryPaintFillsTheBackgroundAgain) {
    bar->SetCaption("");
    bar->SetPosition(80);
    bar->SetPosition(10);
    EXPECT_EQ(Window().Pixel(500, 10), kFace);
    EXPECT_EQ(Window().Pixel(79, 10), kBar);
}

TEST_F(ProgressBarTest, CaptionIsPlacedByTheOuterSizeWithTruncatedHalves) {
    // Headless cells are 7 px: "Fortschritt" is 77 wide, 13 high.
    struct Case {
        int width, height;
        TPoint cell;
    };
    // Width 100: 50 - 38 = 12, where (100 - 77) / 2 would give 11.
    const Case cases[] = {
        {788, 20, {394 - 38, 10 - 6}}, {100, 20, {12, 4}}, {60, 9, {30 - 38, 4 - 6}}};
    for (const Case& c : cases) {
        Resize(c.width, c.height);
        backend->Journal.clear();
        bar->SetPosition(0);
        const TJournalEntry* text = nullptr;
        for (const auto& e : backend->Journal)
            if (e.What == TJournalEntry::Kind::Text)
                text = &e;
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->Text, "Fortschritt");
        EXPECT_EQ(text->At, c.cell) << c.width << "x" << c.height;
    }
}

TEST_F(ProgressBarTest, EveryWriteRepaintsEvenWithTheSameValue) {
    int before = CountTexts("Fortschritt");
    bar->SetPosition(0);
    bar->SetPosition(0);
    bar->SetProgressColor(clHighlight);
    bar->SetProgressColor(clHighlight);
    EXPECT_EQ(CountTexts("Fortschritt"), before + 4);
    // Each paint reaches the screen before the write returns.
    ASSERT_FALSE(backend->Journal.empty());
    EXPECT_EQ(backend->Journal.back().What, TJournalEntry::Kind::Flush);
}

TEST_F(ProgressBarTest, ProgressColorPaintsTheBarAtOnce) {
    bar->SetCaption("");
    bar->SetPosition(100);
    bar->SetProgressColor(clRed);
    EXPECT_EQ(Window().Pixel(400, 10), (TRGB{255, 0, 0}));
}

TEST_F(ProgressBarTest, ZeroMaximumPaintsFrameAndCaptionWithoutBar) {
    bar->SetMax(0);
    bar->SetPosition(0);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->BarRect().Right, 2);
    EXPECT_EQ(Window().Pixel(2, 3), kFace);
    EXPECT_EQ(Window().Pixel(0, 0), kShadow);
    EXPECT_GT(CountTexts("Fortschritt"), 0);
}

TEST_F(ProgressBarTest, TinyClientAreasFillNothing) {
    for (TSize size : {TSize{3, 20}, TSize{20, 3}, TSize{1, 1}, TSize{0, 0}}) {
        Resize(size.Width, size.Height);
        bar->SetCaption("");
        bar->SetPosition(100);
        TRect r = bar->BarRect();
        EXPECT_TRUE(r.IsEmpty()) << size.Width << "x" << size.Height;
        EXPECT_EQ(r.Bottom, size.Height - 2);
    }
    Resize(3, 20);
    bar->SetPosition(100);
    EXPECT_EQ(bar->BarRect().Right, 1) << "right = CW - 2 lies left of the left edge 2";
    EXPECT_EQ(Window().Pixel(1, 10), kFace);
}

} // namespace
