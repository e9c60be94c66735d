// The root of the component tree: a named component that owns the components created
// with it as their owner and frees them when it is freed.
#pragma once

#include "vcl/Types.h"

#include <functional>
#include <vector>

namespace vcl {
struct TFormValue;
}

class TObject {
public:
    virtual ~TObject() = default;
    virtual AnsiString ClassName() const = 0;
};

// An event handler with the object that raised it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    AnsiString ClassName() const override { return "TComponent"; }
    TComponent* Owner() const { return owner_; }
    AnsiString Name() const { return name_; }
    void SetName(const AnsiString& name) { name_ = name; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    TComponent* FindComponent(const AnsiString& name) const;

    // Applies one stored value of a layout; false when the class has no such property.
    virtual bool SetProperty(const AnsiString& name, const vcl::TFormValue& value);
    // Binds one stored event of a layout; false when the class has no such event.
    virtual bool SetEvent(const AnsiString& name, TNotifyEvent handler);
    // Called once every value of the layout is in place.
    virtual void Loaded() {}

private:
    TComponent* owner_;
    AnsiString name_;
    std::vector<TComponent*> components_;
};
