// In-memory windows for tests: RGB framebuffers readable pixel by pixel, injected input,
// a virtual clock, and a journal of what reached the screen, beeps, pauses and boxes.
#pragma once

#include "vcl/Backend.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vcl::headless {

// Deterministic metrics: every character cell is this wide, lines are height + 2 apart.
inline constexpr int kBoldCharWidth = 7;
inline constexpr int kRegularCharWidth = 6;
inline constexpr int kInternalLeading = 2;
// The frame the headless "window manager" puts around a client area.
inline constexpr int kFrameBorder = 3;
inline constexpr int kFrameCaption = 19;

struct TJournalEntry {
    enum class Kind { Text, Flush, Beep, Sleep, MessageBox, Show };
    Kind What;
    AnsiString Text;    // Text: the drawn string; MessageBox: the box's text; Show: caption
    TRGB Color;         // Text
    TPoint At;          // Text: cell corner in client coordinates; Show: framed position
    unsigned Value = 0; // Sleep: milliseconds; MessageBox: flags
    AnsiString Caption; // MessageBox
};

class THeadlessWindow;

class THeadlessBackend : public IBackend {
public:
    THeadlessBackend();
    ~THeadlessBackend() override;

    std::unique_ptr<INativeWindow> CreateNativeWindow(const TWindowParams& params,
                                                      IWindowEvents& events) override;
    void SetApplicationTitle(const AnsiString& title) override { AppTitle = title; }
    void ProcessPending() override;
    void WaitEvent() override;
    TSize ScreenSize() override { return Screen; }
    TFontMetrics FontMetrics(const TFontSpec& font) override;
    int TextWidth(const AnsiString& text, const TFontSpec& font) override;
    void Beep() override;
    void Sleep(unsigned milliseconds) override;
    std::optional<int> AnswerMessageBox(const AnsiString& text, const AnsiString& caption,
                                        unsigned flags) override;

    // --- for tests ---
    TSize Screen{1024, 768};
    AnsiString AppTitle;
    unsigned long long Now() const { return now_; }
    std::vector<TJournalEntry> Journal;
    // Answers for the next message boxes, first in first out. With none left, the real
    // dialog shows and must be answered with injected input.
    std::deque<int> MessageBoxAnswers;

    std::vector<THeadlessWindow*> Windows() const { return windows_; }
    THeadlessWindow* FindWindow(const AnsiString& caption) const;

    // Injected input, delivered in order by the next ProcessPending/WaitEvent.
    void Click(THeadlessWindow& w, TPoint p);
    void Key(THeadlessWindow& w, TKey key, char ch = 0);
    void CloseRequest(THeadlessWindow& w);
    // Runs `action` when the queue reaches it: lets a test act in the middle of a run.
    void Post(std::function<void()> action);

    // Called by windows.
    void Enqueue(THeadlessWindow* target, std::function<void(IWindowEvents&)> event);
    void Forget(THeadlessWindow* w);
    void Record(TJournalEntry entry) { Journal.push_back(std::move(entry)); }

private:
    bool DispatchOne();
    struct TQueued {
        THeadlessWindow* Target; // null: a posted action
        std::function<void(IWindowEvents&)> Event;
        std::function<void()> Action;
    };
    std::deque<TQueued> queue_;
    std::vector<THeadlessWindow*> windows_;
    unsigned long long now_ = 0;
};

class THeadlessWindow : public INativeWindow, public ISurface {
public:
    THeadlessWindow(THeadlessBackend& backend, const TWindowParams& params, IWindowEvents& events);
    ~THeadlessWindow() override;

    ISurface& Surface() override { return *this; }
    void SetCaption(const AnsiString& caption) override { Caption = caption; }
    void SetClientSize(TSize size) override;
    void Show(bool centred) override;
    void Hide() override { visible_ = false; }
    bool Visible() const override { return visible_; }
    void SetEnabled(bool enabled) override { Enabled = enabled; }
    void Invalidate() override { dirty_ = true; }

    void SetClip(const TRect& clip) override { clip_ = clip; }
    void FillRect(const TRect& r, TRGB color) override;
    void DrawText(TPoint cell, const AnsiString& text, const TFontSpec& font, TRGB color) override;
    void Flush() override;

    // --- for tests ---
    AnsiString Caption;
    bool Enabled = true;
    bool MinimizeBox = false, MaximizeBox = false;
    TPoint Position; // top-left of the frame on the screen
    INativeWindow* Owner = nullptr;
    bool HasIcon = false;
    TSize ClientSize() const { return size_; }
    TSize OuterSize() const;
    TRGB Pixel(int x, int y) const;
    // Writes the client area as a binary PPM; returns false when it cannot.
    bool SavePpm(const std::string& path) const;

    // Used by the backend.
    IWindowEvents& Events() { return events_; }
    bool TakeDirty();
    bool IsDirty() const { return dirty_ && visible_; }

private:
    THeadlessBackend& backend_;
    IWindowEvents& events_;
    TSize size_;
    std::vector<TRGB> pixels_;
    TRect clip_;
    bool visible_ = false;
    bool shownBefore_ = false;
    bool dirty_ = false;
};

// Installs a headless backend and returns it; the caller keeps using it through this
// reference while it stays installed.
THeadlessBackend& InstallHeadlessBackend();

} // namespace vcl::headless
