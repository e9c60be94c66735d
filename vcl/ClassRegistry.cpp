#include "vcl/ClassRegistry.h"

#include "vcl/Button.h"
#include "vcl/Exception.h"
#include "vcl/Label.h"
#include "vcl/Panel.h"

#include <map>

namespace {

std::map<AnsiString, TComponentFactory>& Registry() {
    static std::map<AnsiString, TComponentFactory> registry;
    return registry;
}

// The library's own classes are always there.
const TRegisterClass<TPanel> registerPanel("TPanel");
const TRegisterClass<TButton> registerButton("TButton");
const TRegisterClass<TLabel> registerLabel("TLabel");

} // namespace

void RegisterComponentClass(const AnsiString& className, TComponentFactory factory) {
    Registry()[className] = std::move(factory);
}

TComponent* CreateComponentByName(const AnsiString& className, TComponent* owner) {
    auto it = Registry().find(className);
    if (it == Registry().end())
        throw Exception("Klasse " + className + " nicht gefunden");
    return it->second(owner);
}
