#include "GalleryControls.h"

#include "FxFrame.h"
#include "GalleryPages.h"
#include "YCombo.h"
#include "YCommand.h"
#include "jcFrames.h"
#include "safetabs.h"
#include "xButton.h"

const QList<GalleryControl>& Controls() {
    static const QList<GalleryControl> controls = {
        {QStringLiteral("safetabs"), [](QWidget* parent) { return new safetabs(parent); },
         QSize(300, 120),
         [](UserControl* c, bool on) { static_cast<safetabs*>(c)->SetEnabled(on); },
         QStringLiteral("safetabs"), &BuildSafetabsPage},
        {QStringLiteral("FxFrame"), [](QWidget* parent) { return new FxFrame(parent); },
         QSize(200, 100), [](UserControl* c, bool on) { static_cast<FxFrame*>(c)->SetEnabled(on); },
         QStringLiteral("FxFrame"), &BuildFxFramePage},
        {QStringLiteral("xButton"), [](QWidget* parent) { return new xButton(parent); },
         QSize(96, 28), [](UserControl* c, bool on) { static_cast<xButton*>(c)->SetEnabled(on); },
         QStringLiteral("xButton"), &BuildXButtonPage},
        {QStringLiteral("YCommand"), [](QWidget* parent) { return new YCommand(parent); },
         QSize(100, 34), [](UserControl* c, bool on) { static_cast<YCommand*>(c)->SetEnabled(on); },
         QStringLiteral("YCommand"), &BuildYCommandPage},
        // The box's text is a part of its own, and an open list is taller than the box.
        {QStringLiteral("YCombo"), [](QWidget* parent) { return new YCombo(parent); },
         QSize(160, 20), [](UserControl* c, bool on) { c->setEnabled(on); },
         QStringLiteral("YCombo"), &BuildYComboPage,
         [](UserControl* c, const QString& text) { static_cast<YCombo*>(c)->AddItem(text); },
         [](UserControl* c) { return c->grab().toImage(); }},
        {QStringLiteral("jcFrames"), [](QWidget* parent) { return new jcFrames(parent); },
         QSize(200, 100),
         [](UserControl* c, bool on) { static_cast<jcFrames*>(c)->SetEnabled(on); },
         QStringLiteral("jcFrames"), &BuildJcFramesPage},
    };
    return controls;
}

const GalleryControl* FindControl(const QString& className) {
    for (const GalleryControl& control : Controls())
        if (control.className == className) return &control;
    return nullptr;
}
