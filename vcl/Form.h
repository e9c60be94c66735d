// A top-level window with its controls. A form class's layout resource, named after the
// class, builds its controls and fills its published fields (see ReadLayout).
#pragma once

#include "vcl/Control.h"
#include "vcl/Icon.h"
#include "vcl/Published.h"

#include <memory>
#include <optional>

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum class TPosition { poDesigned, poDefault, poScreenCenter };

class TForm : public TWinControl, private vcl::IWindowEvents {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;
    AnsiString ClassName() const override { return "TForm"; }

    // Builds the form from the layout resource named after its class: the form's own
    // values, then every control in stored order, its fields and its events.
    void ReadLayout();
    virtual const TPublishedTable& Published() const;

    void SetCaption(const AnsiString& v) override;
    int ClientWidth() const override { return clientSize_.Width; }
    int ClientHeight() const override { return clientSize_.Height; }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    TBorderIcons BorderIcons() const { return borderIcons_; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    void SetBorderStyle(TFormBorderStyle v) { borderStyle_ = v; }
    const vcl::TIconImage* Icon() const { return icon_ ? &*icon_ : nullptr; }

    void Show();
    void Hide();
    // Closing the main form ends the application; a modal form ends its modal loop;
    // any other form hides.
    void Close();
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }

    TWinControl* ActiveControl() const { return active_; }
    void SetActiveControl(TWinControl* c);
    // Moves the focus to the next control that takes it, in tab order.
    void SelectNext(bool forward);

    TForm* ParentForm() const override { return const_cast<TForm*>(this); }
    TCanvas* Canvas() { return &canvas_; }
    // The native window; created on first need.
    vcl::INativeWindow* Native() const { return native_.get(); }
    void HandleNeeded();
    bool InPaintPass() const { return inPaint_; }
    void ControlRemoved(TControl* c);

    bool SetProperty(const AnsiString& name, const vcl::TFormValue& value) override;

protected:
    void PaintSelf() override;
    // A key the form handles before the focused control sees it; true when handled.
    virtual bool DialogKey(const vcl::TKeyEvent&) { return false; }
    // Whether a close request from the window manager may close the form.
    virtual bool CloseQuery() { return true; }

private:
    void WindowPaint() override;
    void WindowMouseDown(TPoint p, TMouseButton button) override;
    void WindowMouseUp(TPoint p, TMouseButton button) override;
    void WindowMouseMove(TPoint p) override;
    void WindowKeyDown(const vcl::TKeyEvent& key) override;
    void WindowKeyUp(const vcl::TKeyEvent& key) override;
    void WindowCloseRequest() override;
    void WindowActivate(bool active) override;
    // Runs an input handler; an Exception that escapes it is shown and the loop goes on.
    template <typename F> void Dispatch(F&& handler);
    TPoint LocalPoint(TControl* c, TPoint p) const;

    std::unique_ptr<vcl::INativeWindow> native_;
    TSize clientSize_{0, 0};
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    std::optional<vcl::TIconImage> icon_;
    TWinControl* active_ = nullptr;
    TControl* capture_ = nullptr;
    bool inPaint_ = false;
    int modalResult_ = 0;
    bool modal_ = false;
    TCanvas canvas_;
};
