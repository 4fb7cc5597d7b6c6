#include "ControlTypes.h"

#include <array>

#include "FxFrame.h"
#include "Label.h"
#include "ListBox.h"
#include "PictureBox.h"
#include "PropertyBag.h"
#include "TextBox.h"
#include "YCombo.h"
#include "YCommand.h"
#include "jcFrames.h"
#include "safetabs.h"
#include "xButton.h"

namespace {

template <typename T>
QWidget* Create(QWidget* parent) {
    return new T(parent);
}

// A custom control reads its properties through its own life cycle, with the window's ambient
// properties.
template <typename T>
void LoadCustom(QWidget* control, const PropertyBag& bag,
                const UserControl::AmbientProperties& ambient) {
    auto* custom = static_cast<T*>(control);
    custom->SetAmbient(ambient);
    custom->Load(bag);
}

template <typename T>
void LoadPlain(QWidget* control, const PropertyBag& bag, const UserControl::AmbientProperties&) {
    static_cast<T*>(control)->ReadProperties(bag);
}

void LoadPicture(QWidget* control, const PropertyBag& bag,
                 const UserControl::AmbientProperties& ambient) {
    auto* box = static_cast<PictureBox*>(control);
    box->SetBoxSize(box->size());
    box->SetPrintFont(ambient.Font);
    box->ReadProperties(bag);
}

template <typename T>
constexpr ControlType Custom(const char* name) {
    return {name, &Create<T>, &LoadCustom<T>};
}

template <typename T>
constexpr ControlType Plain(const char* name) {
    return {name, &Create<T>, &LoadPlain<T>};
}

constexpr std::array kTypes = {
    Custom<safetabs>("safetabs"), Custom<FxFrame>("FxFrame"),
    Custom<YCommand>("YCommand"), Custom<xButton>("xButton"),
    Custom<jcFrames>("jcFrames"), Custom<YCombo>("YCombo"),
    Plain<TextBox>("TextBox"),    Plain<ListBox>("ListBox"),
    Plain<Label>("Label"),        ControlType{"PictureBox", &Create<PictureBox>, &LoadPicture},
};

}  // namespace

const ControlType* FindControlType(const QString& name) {
    for (const ControlType& type : kTypes)
        if (name == QLatin1String(type.name)) return &type;
    return nullptr;
}
