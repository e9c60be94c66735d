#include "vcl/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
    if (owner_)
        owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    // Last created is freed first; each child leaves our list as it goes.
    while (!components_.empty())
        delete components_.back();
    if (owner_) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

TComponent* TComponent::FindComponent(const AnsiString& name) const {
    for (TComponent* c : components_)
        if (c->Name() == name)
            return c;
    return nullptr;
}

bool TComponent::SetProperty(const AnsiString&, const vcl::TFormValue&) {
    return false;
}

bool TComponent::SetEvent(const AnsiString&, TNotifyEvent) {
    return false;
}
