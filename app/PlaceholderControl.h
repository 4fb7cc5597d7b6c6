#pragma once

#include "UserControl.h"

// Stands in for a control kind that is not built yet: a plain panel of the control's size that
// can hold other controls, with its caption in the top-left corner.
class PlaceholderControl : public UserControl {
    Q_OBJECT
public:
    explicit PlaceholderControl(QWidget* parent = nullptr) : UserControl(parent) {}

protected:
    void ReadProperties(const PropertyBag& bag) override;
    void Redraw() override;

private:
    QString m_caption;
    quint32 m_backColor = Colors::kButtonFace;
};
