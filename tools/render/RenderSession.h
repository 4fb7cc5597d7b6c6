#pragma once

#include <cstdio>

#include "PictureBox.h"
#include "RenderOptions.h"

class ListBox;
class form1;
struct LinkRecord;

// One run of the renderer: a window without samples, the file put into the chosen editor, the
// clicks asked for, and every event written to standard output as it happens.
class RenderSession : public PictureBoxObserver {
public:
    explicit RenderSession(const RenderOptions& options) : m_options(options) {}

    // Returns the process exit code.
    int Run();

    void OnCls() override;
    void OnText(int x, int y, quint32 colour, const QString& text) override;

private:
    void WatchList(ListBox* list, const QString& name);
    void WatchLinks(form1& window);
    static void Emit(const QString& line);
    // Keeps every event on one output line.
    static QString Escaped(const QString& text);

    RenderOptions m_options;
};
