// Builds a form from its layout resource: values by name, classes by name, fields and
// event handlers through the form class's published table.
#include "vcl/ClassRegistry.h"
#include "vcl/Exception.h"
#include "vcl/Form.h"
#include "vcl/FormText.h"
#include "vcl/Resources.h"

#include <algorithm>

namespace {

class TLayoutReader {
public:
    explicit TLayoutReader(TForm& form) : form_(form) {}

    void ReadRoot(const vcl::TFormObject& root) {
        form_.SetName(root.Name);
        ApplyValues(form_, root);
        for (const auto& child : root.Children)
            ReadChild(child, &form_);
        for (TComponent* c : created_)
            c->Loaded();
        form_.Loaded();
    }

private:
    void ReadChild(const vcl::TFormObject& object, TWinControl* parent) {
        TComponent* c = CreateComponentByName(object.ClassName, &form_);
        created_.push_back(c);
        c->SetName(object.Name);
        auto* control = dynamic_cast<TControl*>(c);
        if (control)
            control->SetParent(parent);
        ApplyValues(*c, object);
        FillField(object.Name, c);
        auto* container = dynamic_cast<TWinControl*>(c);
        for (const auto& child : object.Children) {
            if (!container)
                throw Exception(object.Name + " kann keine Komponenten enthalten");
            ReadChild(child, container);
        }
    }

    void ApplyValues(TComponent& c, const vcl::TFormObject& object) {
        for (const auto& [name, value] : object.Properties) {
            bool known =
                name.rfind("On", 0) == 0 ? BindEvent(c, name, value) : c.SetProperty(name, value);
            if (!known)
                throw Exception("Fehler beim Lesen von " + object.Name + "." + name +
                                ": Eigenschaft " + name + " existiert nicht");
        }
    }

    bool BindEvent(TComponent& c, const AnsiString& name, const vcl::TFormValue& value) {
        const AnsiString& methodName = value.AsIdentifier();
        const auto& methods = form_.Published().Methods;
        auto it = std::find_if(methods.begin(), methods.end(),
                               [&](const TPublishedMethod& m) { return m.Name == methodName; });
        if (it == methods.end())
            throw Exception("Methode " + methodName + " nicht gefunden");
        if (!it->AsEvent)
            throw Exception("Methode " + methodName + " ist keine Ereignisbehandlung");
        return c.SetEvent(name, it->AsEvent(form_));
    }

    void FillField(const AnsiString& name, TComponent* c) {
        for (const auto& field : form_.Published().Fields)
            if (field.Name == name && !field.Assign(form_, c))
                throw Exception("Feld " + name + " passt nicht zur Klasse " + c->ClassName());
    }

    TForm& form_;
    std::vector<TComponent*> created_;
};

} // namespace

void TForm::ReadLayout() {
    AnsiString className = ClassName();
    auto text = vcl::FindResource(className);
    if (!text)
        throw Exception("Ressource " + className + " nicht gefunden");
    vcl::TFormObject root = vcl::ParseFormText(*text);
    if (root.ClassName != className)
        throw Exception("Die Formularbeschreibung gilt f\xFCr " + root.ClassName +
                        ", nicht f\xFCr " + className);
    TLayoutReader(*this).ReadRoot(root);
}
