#include "vcl/MessageDialog.h"

#include "vcl/Application.h"
#include "vcl/Button.h"
#include "vcl/Label.h"
#include "vcl/TextLayout.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace vcl {

namespace {

constexpr int kMargin = 11;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kButtonSpace = 14;
constexpr int kMinClientWidth = 120;
// The box grows to its text: lines break only where the text breaks them.
constexpr int kUnlimitedWidth = 1 << 20;
constexpr unsigned kButtonMask = 0x0F;
constexpr unsigned kIconMask = 0xF0;

struct TChoice {
    const char* Caption;
    int Id;
    char Accelerator;
};

std::vector<TChoice> ChoicesFor(unsigned flags) {
    if ((flags & kButtonMask) == MB_YESNO)
        return {{"Ja", IDYES, 'j'}, {"Nein", IDNO, 'n'}};
    return {{"OK", IDOK, 'o'}};
}

// The box's icon: a disc with a sign, painted like the rest of the box.
class TBoxIcon : public TGraphicControl {
public:
    TBoxIcon(TComponent* owner, unsigned kind) : TGraphicControl(owner), kind_(kind) {}
    AnsiString ClassName() const override { return "TBoxIcon"; }
    bool Opaque() const override { return true; }

protected:
    void Paint() override {
        TCanvas& c = *Canvas();
        c.Brush()->SetColor(clBtnFace);
        c.FillRect(ClientRect());
        bool stop = kind_ == MB_ICONSTOP;
        c.Brush()->SetColor(stop ? RGB(255, 0, 0) : RGB(255, 255, 255));
        int r = kIconSize / 2 - 1, cx = kIconSize / 2, cy = kIconSize / 2;
        for (int y = -r; y < r; ++y) {
            int half = 0;
            while ((half + 1) * (half + 1) + (y + 1) * y <= r * r)
                ++half;
            c.FillRect({cx - half, cy + y, cx + half, cy + y + 1});
        }
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Font()->SetName("MS Sans Serif");
        c.Font()->SetHeight(-20);
        c.Font()->SetStyle(fsBold);
        c.Font()->SetColor(stop ? clWhite : RGB(0, 0, 255));
        AnsiString sign = stop ? "X" : "?";
        TSize ext = c.TextExtent(sign);
        c.TextOut((kIconSize - ext.Width) / 2, (kIconSize - ext.Height) / 2, sign);
    }

private:
    unsigned kind_;
};

class TMessageForm : public TForm {
public:
    TMessageForm(TComponent* owner, const AnsiString& text, const AnsiString& caption,
                 unsigned flags)
        : TForm(owner), choices_(ChoicesFor(flags)) {
        SetCaption(caption);
        SetPosition(TPosition::poScreenCenter);
        SetBorderStyle(TFormBorderStyle::bsDialog);
        Font()->SetName("MS Sans Serif");
        Font()->SetHeight(-11);
        Font()->SetStyle(0);
        Font()->SetColor(clWindowText);

        unsigned icon = flags & kIconMask;
        int textLeft = kMargin;
        int contentHeight = 0;
        if (icon == MB_ICONSTOP || icon == MB_ICONQUESTION) {
            auto* image = new TBoxIcon(this, icon);
            image->SetParent(this);
            image->SetBounds(kMargin, kMargin, kIconSize, kIconSize);
            textLeft += kIconSize + kMargin;
            contentHeight = kIconSize;
        }

        auto& backend = Backend();
        TFontSpec spec = Font()->Spec();
        int lineHeight = backend.FontMetrics(spec).Height;
        auto lines = LayoutText(
            text,
            {kUnlimitedWidth, false, true, kTabStopChars * backend.FontMetrics(spec).AveCharWidth},
            [&](const AnsiString& s) { return backend.TextWidth(s, spec); });
        int textWidth = 0;
        for (const auto& line : lines)
            for (const auto& run : line.Runs)
                textWidth = std::max(textWidth, run.X + backend.TextWidth(run.Text, spec));
        int textHeight = static_cast<int>(lines.size()) * lineHeight;
        // A single line sits level with the middle of the icon.
        int textTop = kMargin + std::max(0, (contentHeight - textHeight) / 2);
        contentHeight = std::max(contentHeight, textTop - kMargin + textHeight);

        auto* label = new TLabel(this);
        label->SetParent(this);
        label->SetShowAccelChar(false);
        label->SetAutoSize(false);
        label->SetWordWrap(false);
        label->SetBounds(textLeft, textTop, textWidth, textHeight);
        label->SetCaption(text);

        int count = static_cast<int>(choices_.size());
        int buttonsWidth = count * kButtonWidth + (count - 1) * kButtonGap;
        int width =
            std::max({kMinClientWidth, textLeft + textWidth + kMargin, buttonsWidth + 2 * kMargin});
        int buttonTop = kMargin + contentHeight + kButtonSpace;
        int x = (width - buttonsWidth) / 2;
        for (const TChoice& choice : choices_) {
            auto* button = new TButton(this);
            button->SetParent(this);
            button->SetBounds(x, buttonTop, kButtonWidth, kButtonHeight);
            button->SetCaption(choice.Caption);
            int id = choice.Id;
            button->OnClick = [this, id](TObject*) { SetModalResult(id); };
            buttons_.push_back(button);
            x += kButtonWidth + kButtonGap;
        }
        SetClientWidth(width);
        SetClientHeight(buttonTop + kButtonHeight + kMargin);
        // The first button is the default and has the focus.
        SetActiveControl(buttons_.front());
    }

protected:
    bool DialogKey(const TKeyEvent& key) override {
        char ch = static_cast<char>(std::tolower(static_cast<unsigned char>(key.Char)));
        for (const TChoice& choice : choices_)
            if (ch != 0 && ch == choice.Accelerator) {
                SetModalResult(choice.Id);
                return true;
            }
        if (key.Key == TKey::Escape && choices_.size() == 1) {
            SetModalResult(choices_.front().Id);
            return true;
        }
        if (key.Key == TKey::Left || key.Key == TKey::Right) {
            SelectNext(key.Key == TKey::Right);
            return true;
        }
        return false;
    }

    // A box with Yes and No has no cancel: only an answer closes it.
    bool CloseQuery() override {
        if (choices_.size() == 1)
            SetModalResult(choices_.front().Id);
        return false;
    }

private:
    std::vector<TChoice> choices_;
    std::vector<TButton*> buttons_;
};

} // namespace

int ShowMessageDialog(const AnsiString& text, const AnsiString& caption, unsigned flags) {
    TMessageForm box(nullptr, text, caption, flags);
    return box.ShowModal();
}

} // namespace vcl
