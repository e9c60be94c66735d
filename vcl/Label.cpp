#include "vcl/Label.h"

#include "vcl/FormText.h"
#include "vcl/LayoutValues.h"
#include "vcl/TextLayout.h"

namespace {

// The size a new label has until a layout or the program sets one.
constexpr TSize kDefaultSize{65, 17};
} // namespace

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, kDefaultSize.Width, kDefaultSize.Height);
}

void TLabel::SetCaption(const AnsiString& v) {
    TGraphicControl::SetCaption(v);
    AdjustBounds();
}

void TLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

AnsiString TLabel::DisplayText() const {
    if (!showAccelChar_)
        return Caption();
    // "&&" shows one ampersand; a single "&" marks the accelerator and is not drawn.
    AnsiString out;
    const AnsiString& c = Caption();
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (c[i] == '&' && i + 1 < c.size())
            ++i;
        out += c[i];
    }
    return out;
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || wordWrap_)
        return;
    auto& backend = vcl::Backend();
    vcl::TFontSpec spec = Font()->Spec();
    SetBounds(Left(), Top(), backend.TextWidth(DisplayText(), spec),
              backend.FontMetrics(spec).Height);
}

void TLabel::Paint() {
    TCanvas& canvas = *Canvas();
    if (!transparent_) {
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Font()->Assign(*Font());

    vcl::TFontMetrics metrics = vcl::Backend().FontMetrics(canvas.Font()->Spec());
    vcl::TTextLayoutOptions options;
    options.Width = ClientWidth();
    options.WordWrap = wordWrap_;
    options.ExpandTabs = true;
    options.TabWidth = vcl::kTabStopChars * metrics.AveCharWidth;
    auto lines = vcl::LayoutText(DisplayText(), options,
                                 [&](const AnsiString& s) { return canvas.TextWidth(s); });
    // Lines below the label's lower edge are cut; the label keeps its size.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int y = static_cast<int>(i) * metrics.Height;
        if (y >= ClientHeight())
            break;
        for (const auto& run : lines[i].Runs)
            canvas.TextRect(ClientRect(), run.X, y, run.Text);
    }
}

bool TLabel::SetProperty(const AnsiString& name, const vcl::TFormValue& value) {
    if (name == "AutoSize")
        SetAutoSize(vcl::BoolFromName(value.AsIdentifier()));
    else if (name == "WordWrap")
        SetWordWrap(vcl::BoolFromName(value.AsIdentifier()));
    else if (name == "ShowAccelChar")
        SetShowAccelChar(vcl::BoolFromName(value.AsIdentifier()));
    else if (name == "Transparent")
        SetTransparent(vcl::BoolFromName(value.AsIdentifier()));
    else
        return TGraphicControl::SetProperty(name, value);
    return true;
}
