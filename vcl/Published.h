// What a form class publishes: the fields the layout fills by name and the methods its
// events bind to by name.
#pragma once

#include "vcl/Component.h"

#include <functional>
#include <vector>

class TForm;

struct TPublishedField {
    AnsiString Name;
    // Stores the component in the field; false when its class does not fit the field.
    std::function<bool(TForm&, TComponent*)> Assign;
};

struct TPublishedMethod {
    AnsiString Name;
    // Binds the method as an event handler; empty for methods that are not handlers.
    std::function<TNotifyEvent(TForm&)> AsEvent;
};

struct TPublishedTable {
    std::vector<TPublishedField> Fields;
    std::vector<TPublishedMethod> Methods;
};

template <typename TOwnerForm, typename TFieldClass>
TPublishedField PublishField(const char* name, TFieldClass* TOwnerForm::*field) {
    return {name, [field](TForm& form, TComponent* c) {
                auto* typed = dynamic_cast<TFieldClass*>(c);
                if (!typed)
                    return false;
                static_cast<TOwnerForm&>(form).*field = typed;
                return true;
            }};
}

template <typename TOwnerForm>
TPublishedMethod PublishEvent(const char* name, void (TOwnerForm::*method)(TObject*)) {
    return {name, [method](TForm& form) -> TNotifyEvent {
                auto* self = &static_cast<TOwnerForm&>(form);
                return [self, method](TObject* sender) { (self->*method)(sender); };
            }};
}

template <typename TOwnerForm, typename... TArgs>
TPublishedMethod PublishMethod(const char* name, void (TOwnerForm::*)(TArgs...)) {
    return {name, nullptr};
}
