// Creates components by class name, as a layout names them.
#pragma once

#include "vcl/Component.h"

#include <functional>

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

void RegisterComponentClass(const AnsiString& className, TComponentFactory factory);
// Throws Exception when no class of that name is registered.
TComponent* CreateComponentByName(const AnsiString& className, TComponent* owner);

// Registers T under `className` when the program starts.
template <typename T> struct TRegisterClass {
    explicit TRegisterClass(const char* className) {
        RegisterComponentClass(className, [](TComponent* owner) { return new T(owner); });
    }
};
