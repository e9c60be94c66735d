#include "vcl/backends/headless/HeadlessBackend.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace vcl::headless {

THeadlessBackend::THeadlessBackend() = default;
THeadlessBackend::~THeadlessBackend() = default;

std::unique_ptr<INativeWindow> THeadlessBackend::CreateNativeWindow(const TWindowParams& params,
                                                                    IWindowEvents& events) {
    auto w = std::make_unique<THeadlessWindow>(*this, params, events);
    windows_.push_back(w.get());
    return w;
}

THeadlessWindow* THeadlessBackend::FindWindow(const AnsiString& caption) const {
    for (auto* w : windows_)
        if (w->Caption == caption)
            return w;
    return nullptr;
}

void THeadlessBackend::Enqueue(THeadlessWindow* target, std::function<void(IWindowEvents&)> event) {
    queue_.push_back({target, std::move(event), {}});
}

void THeadlessBackend::Post(std::function<void()> action) {
    queue_.push_back({nullptr, {}, std::move(action)});
}

void THeadlessBackend::Forget(THeadlessWindow* w) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), w), windows_.end());
    for (auto& q : queue_)
        if (q.Target == w)
            q.Event = nullptr;
}

void THeadlessBackend::Click(THeadlessWindow& w, TPoint p) {
    Enqueue(&w, [p](IWindowEvents& e) { e.WindowMouseDown(p, TMouseButton::mbLeft); });
    Enqueue(&w, [p](IWindowEvents& e) { e.WindowMouseUp(p, TMouseButton::mbLeft); });
}

void THeadlessBackend::Key(THeadlessWindow& w, TKey key, char ch) {
    TKeyEvent k{key, ch, false, false};
    Enqueue(&w, [k](IWindowEvents& e) { e.WindowKeyDown(k); });
    Enqueue(&w, [k](IWindowEvents& e) { e.WindowKeyUp(k); });
}

void THeadlessBackend::CloseRequest(THeadlessWindow& w) {
    Enqueue(&w, [](IWindowEvents& e) { e.WindowCloseRequest(); });
}

bool THeadlessBackend::DispatchOne() {
    if (queue_.empty())
        return false;
    TQueued q = std::move(queue_.front());
    queue_.pop_front();
    if (q.Action) {
        q.Action();
    } else if (q.Event && q.Target) {
        // A disabled window (one under a modal dialog) takes no input; paints still come.
        if (q.Target->Enabled)
            q.Event(q.Target->Events());
    }
    return true;
}

void THeadlessBackend::ProcessPending() {
    // Only what is waiting now; events queued by the handlers wait for the next call.
    for (std::size_t n = queue_.size(); n > 0 && DispatchOne(); --n) {
    }
    // Paints come last, as the platform gives them the lowest priority.
    for (auto* w : std::vector<THeadlessWindow*>(windows_))
        if (w->TakeDirty())
            w->Events().WindowPaint();
}

void THeadlessBackend::WaitEvent() {
    bool dirty = std::any_of(windows_.begin(), windows_.end(),
                             [](THeadlessWindow* w) { return w->IsDirty(); });
    if (queue_.empty() && !dirty)
        throw std::logic_error("headless: waiting for input that the test never injected");
    ProcessPending();
}

TFontMetrics THeadlessBackend::FontMetrics(const TFontSpec& font) {
    int width = font.Bold ? kBoldCharWidth : kRegularCharWidth;
    return {font.Height + kInternalLeading, font.Height, width};
}

int THeadlessBackend::TextWidth(const AnsiString& text, const TFontSpec& font) {
    return static_cast<int>(text.size()) * FontMetrics(font).AveCharWidth;
}

void THeadlessBackend::Beep() {
    Record({TJournalEntry::Kind::Beep, {}, {}, {}, 0, {}});
}

void THeadlessBackend::Sleep(unsigned milliseconds) {
    now_ += milliseconds;
    Record({TJournalEntry::Kind::Sleep, {}, {}, {}, milliseconds, {}});
}

std::optional<int> THeadlessBackend::AnswerMessageBox(const AnsiString& text,
                                                      const AnsiString& caption, unsigned flags) {
    Record({TJournalEntry::Kind::MessageBox, text, {}, {}, flags, caption});
    if (MessageBoxAnswers.empty())
        return std::nullopt;
    int answer = MessageBoxAnswers.front();
    MessageBoxAnswers.pop_front();
    return answer;
}

THeadlessWindow::THeadlessWindow(THeadlessBackend& backend, const TWindowParams& params,
                                 IWindowEvents& events)
    : Caption(params.Caption), MinimizeBox(params.MinimizeBox), MaximizeBox(params.MaximizeBox),
      Owner(params.Owner), HasIcon(params.Icon != nullptr), backend_(backend), events_(events) {
    SetClientSize(params.ClientSize);
}

THeadlessWindow::~THeadlessWindow() {
    backend_.Forget(this);
}

void THeadlessWindow::SetClientSize(TSize size) {
    size_ = size;
    pixels_.assign(static_cast<std::size_t>(std::max(0, size.Width)) *
                       static_cast<std::size_t>(std::max(0, size.Height)),
                   TRGB{0, 0, 0});
    clip_ = {0, 0, size.Width, size.Height};
    dirty_ = true;
}

TSize THeadlessWindow::OuterSize() const {
    return {size_.Width + 2 * kFrameBorder, size_.Height + 2 * kFrameBorder + kFrameCaption};
}

void THeadlessWindow::Show(bool centred) {
    if (!shownBefore_ && centred)
        Position = CentreOnScreen(backend_.Screen, OuterSize());
    shownBefore_ = true;
    visible_ = true;
    dirty_ = true;
    backend_.Record({TJournalEntry::Kind::Show, Caption, {}, Position, 0, {}});
    backend_.Enqueue(this, [](IWindowEvents& e) { e.WindowActivate(true); });
}

bool THeadlessWindow::TakeDirty() {
    bool d = dirty_ && visible_;
    if (d)
        dirty_ = false;
    return d;
}

void THeadlessWindow::FillRect(const TRect& r, TRGB color) {
    TRect c = r.Intersect(clip_).Intersect({0, 0, size_.Width, size_.Height});
    for (int y = c.Top; y < c.Bottom; ++y)
        for (int x = c.Left; x < c.Right; ++x)
            pixels_[static_cast<std::size_t>(y) * size_.Width + x] = color;
}

void THeadlessWindow::DrawText(TPoint cell, const AnsiString& text, const TFontSpec& font,
                               TRGB color) {
    backend_.Record({TJournalEntry::Kind::Text, text, color, cell, 0, {}});
    // Each visible character is an ink block inside its cell: enough to see where text
    // lies and in which colour, with metrics that never change.
    TFontMetrics m = backend_.FontMetrics(font);
    int x = cell.X;
    for (char ch : text) {
        if (ch != ' ' && ch != '\t')
            FillRect({x + 1, cell.Y + 2, x + m.AveCharWidth - 1, cell.Y + m.Height - 2}, color);
        x += m.AveCharWidth;
    }
}

void THeadlessWindow::Flush() {
    backend_.Record({TJournalEntry::Kind::Flush, Caption, {}, {}, 0, {}});
}

TRGB THeadlessWindow::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= size_.Width || y >= size_.Height)
        throw std::out_of_range("pixel outside the client area");
    return pixels_[static_cast<std::size_t>(y) * size_.Width + x];
}

bool THeadlessWindow::SavePpm(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << size_.Width << ' ' << size_.Height << "\n255\n";
    for (const TRGB& p : pixels_)
        out.put(static_cast<char>(p.R)).put(static_cast<char>(p.G)).put(static_cast<char>(p.B));
    return static_cast<bool>(out);
}

THeadlessBackend& InstallHeadlessBackend() {
    auto backend = std::make_unique<THeadlessBackend>();
    THeadlessBackend& ref = *backend;
    InstallBackend(std::move(backend));
    return ref;
}

} // namespace vcl::headless
