#pragma once

#include <QFont>

#include "SubclassClient.h"
#include "Surface.h"
#include "UserControl.h"

// A control that draws itself from its window's paint messages: at run time a change only asks
// for a repaint, and each paint draws the whole control on a back buffer in the control's font
// and text colour, then shows it; in a designer it draws at once.
class OwnerDrawnControl : public UserControl, public SubclassClient {
    Q_OBJECT
public:
    explicit OwnerDrawnControl(QWidget* parent = nullptr) : UserControl(parent) {}

protected:
    void Redraw() override;
    void OnPaint() override;

    // Asks for a repaint at run time; draws at once in a designer.
    void Invalidate();
    // Handles a paint message: draws on the back buffer and shows it.
    void PaintWindow();

    // The whole control, on dc.
    virtual void Draw(Surface* dc) const = 0;
    virtual QFont PaintFont() const = 0;
    virtual quint32 PaintForeColor() const = 0;
};
