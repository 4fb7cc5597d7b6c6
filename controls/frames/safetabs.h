#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "Surface.h"
#include "TabGeometry.h"
#include "UserControl.h"

// A skinned tab strip that also holds its pages: the children of each tab are parked far below
// the strip while another tab is active (see TabCodes).
class safetabs : public UserControl {
    Q_OBJECT
public:
    explicit safetabs(QWidget* parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& caption);
    int TabCount() const { return m_sizes.tabCount; }
    // False, and nothing changes, for a count below 1 or one that takes the strip's width out
    // of 16 bits.
    bool SetTabCount(int count);
    int activeTab() const { return m_activeTab; }
    void SetActiveTab(int index);
    quint32 BackColor() const { return m_backColor; }
    void SetBackColor(quint32 color);
    int skinIndex() const { return m_skinIndex; }
    void SetSkinIndex(int index);
    int LabelActHeight() const { return m_sizes.labelActHeight; }
    bool SetLabelActHeight(int height);
    int LabelHeight() const { return m_sizes.labelHeight; }
    bool SetLabelHeight(int height);
    int labelWidth() const { return m_sizes.labelWidth; }
    bool SetLabelWidth(int width);
    int LabelBlank() const { return m_sizes.labelBlank; }
    bool SetLabelBlank(int blank);
    bool Enabled() const { return m_enabled; }
    Q_INVOKABLE void SetEnabled(bool enabled);

    QStringList Captions() const { return m_captions; }
    int HoverTab() const { return m_hoverTab; }
    int StripHeight() const { return m_sizes.StripHeight(); }
    int StripWidth() const { return m_sizes.StripWidth(); }
    bool HasCapture() const { return m_capture; }
    const QList<quint32>& BorderColors() const { return m_borderColors; }
    const Surface& WorkStrip() const { return m_workStrip; }

    // Repaints the strip from the work strip.
    void Refresh();
    // Rebuilds the work strip at the current sizes, then repaints.
    void refreshSkin();

signals:
    // The active tab changed (after the repaint); previous is the tab active before.
    void TabSwitch(int previous);

protected:
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Redraw() override { Refresh(); }
    void OnResize() override;
    void OnMouseMove(int buttons, int shift, float x, float y) override;
    void OnMouseDown(int button, int shift, float x, float y) override;

private:
    bool ApplySizes(const TabGeometry::Sizes& sizes, bool rebuild);
    void SwitchTo(int index);
    void PaintBody(Surface& s);
    void PaintTab(Surface& s, int i);
    void SetCapture(bool on);

    TabGeometry::Sizes m_sizes;
    QStringList m_captions;
    int m_activeTab = 0;
    quint32 m_backColor = 0;
    quint32 m_surfaceBackColor = 0;
    int m_skinIndex = 0;
    bool m_enabled = true;
    int m_hoverTab = -1;
    bool m_capture = false;
    QList<quint32> m_borderColors;
    Surface m_workStrip;
};
